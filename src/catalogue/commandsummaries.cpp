#include "catalogue/commandsummaries.h"

#include "catalogue/cataloguecommands.h"
#include "catalogue/cataloguelocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString Header = QStringLiteral("game\tname\tsummary");

QString lookupKey(QStringView name)
{
    return name.toString().toLower();
}

} // namespace

const QString CommandSummaries::FileName = QStringLiteral(CORVALE_COMMAND_SUMMARIES_NAME);

QString CommandSummaries::standardPath()
{
    return QFileInfo(CatalogueLocation::standard().shipped).dir().filePath(FileName);
}

CommandSummaries CommandSummaries::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromDevice(file);
}

CommandSummaries CommandSummaries::fromDevice(QIODevice& device)
{
    const QString text = QString::fromUtf8(device.readAll());
    // A read error leaves a truncated text, which could still look like a shorter file.
    if (!device.atEnd())
        return {};
    const QList<QStringView> rows = QStringView(text).split(u'\n');
    if (rows.constFirst().trimmed() != Header)
        return {};
    CommandSummaries summaries;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        if (!rows[i].trimmed().isEmpty() && !summaries.addRow(rows[i]))
            return {};
    }
    return summaries;
}

bool CommandSummaries::addRow(QStringView row)
{
    const QList<QStringView> fields = row.trimmed().split(u'\t');
    const std::optional<console::Game> game = fields.size() == 3 ? console::gameFromId(fields[0]) : std::nullopt;
    if (!game || fields[1].isEmpty())
        return false;
    m_summaries[size_t(*game)].insert(lookupKey(fields[1]), fields[2].toString());
    return true;
}

QString CommandSummaries::summary(console::Game game, QStringView name) const
{
    const QHash<QString, QString>& summaries = m_summaries[size_t(game)];
    const QStringView entry = name.trimmed();
    const auto whole = summaries.constFind(lookupKey(entry));
    if (whole != summaries.cend())
        return *whole;
    const qsizetype space = entry.indexOf(u' ');
    return space < 0 ? QString() : summaries.value(lookupKey(entry.left(space)));
}

QString CommandSummaries::catalogueSummary(QStringView category, QStringView entry) const
{
    const std::optional<console::Game> game = cataloguecommands::gameOfCategory(category);
    return game ? summary(*game, entry) : QString();
}

bool CommandSummaries::isEmpty() const
{
    return std::all_of(m_summaries.cbegin(), m_summaries.cend(), [](const auto& game) { return game.isEmpty(); });
}
