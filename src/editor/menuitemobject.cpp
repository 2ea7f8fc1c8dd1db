#include "editor/menuitemobject.h"

#include <QAction>
#include <QRegularExpression>

QString MenuItemObject::menuText(const QString& caption)
{
    static const QRegularExpression numbered(QStringLiteral("^&[1-9]  "));
    const qsizetype prefix = numbered.match(caption).hasMatch() ? 4 : 0;
    QString path = caption.mid(prefix);
    path.replace(QLatin1Char('&'), QLatin1String("&&"));
    return caption.left(prefix) + path;
}

void MenuItemObject::setCaption(const QString& caption)
{
    if (m_action)
        m_action->setText(menuText(caption));
}

void MenuItemObject::setVisible(bool visible)
{
    if (m_action)
        m_action->setVisible(visible);
}
