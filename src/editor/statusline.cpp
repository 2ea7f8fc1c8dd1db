#include "editor/statusline.h"

#include <QLabel>

StatusLine::StatusLine(QLabel& label) : QObject(&label), m_label(label)
{
    m_label.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void StatusLine::setCount(const QString& count)
{
    m_count = count;
    show();
}

void StatusLine::say(const QString& text)
{
    m_said = text;
    show();
}

QString StatusLine::text() const
{
    return m_said.isEmpty() ? m_count : m_count + QStringLiteral(" — ") + m_said;
}

void StatusLine::show()
{
    const QString whole = text();
    const QString shown = m_label.fontMetrics().elidedText(whole, Qt::ElideRight, m_label.contentsRect().width());
    m_label.setText(shown);
    m_label.setToolTip(shown == whole ? QString() : whole);
}
