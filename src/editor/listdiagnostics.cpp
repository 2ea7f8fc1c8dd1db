#include "editor/listdiagnostics.h"

#include <QColor>

namespace {

QColor markerColour(console::Severity severity)
{
    switch (severity) {
    case console::Severity::Error:
        return QColor(0xd0, 0x20, 0x20);
    case console::Severity::Warning:
        return QColor(0xe8, 0x90, 0x10);
    case console::Severity::Note:
        return QColor(0x30, 0x70, 0xd0);
    }
    return {};
}

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

// Clean rows keep a transparent marker while any row has one, so that texts line up.
QVariant ListDiagnostics::decoration(int row) const
{
    if (const std::optional<console::Severity> worst = m_diagnostics.worstSeverity(row))
        return markerColour(*worst);
    using console::Severity;
    const bool anyProblem = m_diagnostics.count(Severity::Error) + m_diagnostics.count(Severity::Warning)
                              + m_diagnostics.count(Severity::Note)
                          > 0;
    return anyProblem ? QVariant(QColor(Qt::transparent)) : QVariant();
}

QVariant ListDiagnostics::toolTip(int row) const
{
    QStringList lines;
    for (const console::Diagnostic& diagnostic : m_diagnostics.diagnostics(row))
        lines << QStringLiteral("%1: %2 [%3]")
                     .arg(console::severityName(diagnostic.severity()), diagnostic.message, diagnostic.code());
    return lines.isEmpty() ? QVariant() : QVariant(lines.join(u'\n'));
}
