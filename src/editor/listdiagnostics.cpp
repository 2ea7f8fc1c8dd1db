#include "editor/listdiagnostics.h"

#include "editor/problemmarker.h"

namespace {

QString counted(qsizetype count, const char* singular)
{
    return QStringLiteral("%L1 %2").arg(count).arg(QLatin1String(singular))
         + (count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

ListDiagnostics::ListDiagnostics(BindingList& rows, console::Engine engine, QObject* parent)
    : QObject(parent), m_rows(rows), m_diagnostics([&rows](qsizetype row) { return rows.lines().at(row); }, engine)
{
    m_diagnostics.reset(rows.count());
    // The list says what changed after it changed; only a changed text is checked again.
    connect(&rows, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        m_diagnostics.rowsInserted(first, last - first + 1);
        updated();
    });
    connect(&rows, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int first, int last) {
        m_diagnostics.rowsRemoved(first, last - first + 1);
        updated();
    });
    connect(&rows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole))
                    return;
                for (int row = from.row(); row <= to.row(); ++row)
                    m_diagnostics.rowChanged(row);
                updated();
            });
    connect(&rows, &QAbstractItemModel::modelReset, this, [this] {
        m_diagnostics.reset(m_rows.count(), std::exchange(m_nextEngine, std::nullopt).value_or(m_diagnostics.engine()));
        updated();
    });
    m_rows.setAnnotations(this);
}

ListDiagnostics::~ListDiagnostics()
{
    m_rows.setAnnotations(nullptr);
}

void ListDiagnostics::setEngine(console::Engine engine)
{
    if (engine == m_diagnostics.engine())
        return;
    m_diagnostics.setEngine(engine);
    updated();
}

// A change of one row can change the markers of others (a key bound again further down).
void ListDiagnostics::updated()
{
    m_rows.annotationsChanged();
    emit changed();
}

// Errors and warnings are what a player must see; notes are counted only when alone.
QString ListDiagnostics::summary() const
{
    using console::Severity;
    QStringList parts;
    for (const auto& [severity, name] : {std::pair{Severity::Error, "error"}, std::pair{Severity::Warning, "warning"}})
        if (const qsizetype count = m_diagnostics.count(severity))
            parts << counted(count, name);
    if (parts.isEmpty() && m_diagnostics.count(Severity::Note))
        parts << counted(m_diagnostics.count(Severity::Note), "note");
    return parts.isEmpty() ? QStringLiteral("No problems") : parts.join(QStringLiteral(", "));
}

// Clean rows have an empty marker, so that the text of every row starts in the same place
// whether or not any row has a problem.
QVariant ListDiagnostics::decoration(int row) const
{
    return problemmarker::icon(m_diagnostics.worstSeverity(row));
}

// Rich text, which a tooltip wraps; the message first, as the player reads it, and the
// severity and code after it in small type.
QVariant ListDiagnostics::toolTip(int row) const
{
    QString html;
    for (const console::Diagnostic& diagnostic : m_diagnostics.diagnostics(row))
        html += QStringLiteral("<p>%1<br><small>%2 [%3]</small></p>")
                    .arg(diagnostic.message.toHtmlEscaped(), console::severityName(diagnostic.severity()),
                         diagnostic.code());
    return html.isEmpty() ? QVariant() : QVariant(QStringLiteral("<qt>") + html + QStringLiteral("</qt>"));
}
