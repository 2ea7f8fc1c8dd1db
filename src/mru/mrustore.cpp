#include "mrustore.h"

#include <QSettings>

#include <memory>

namespace tolvane::mrustore {

namespace {

QString keyFor(qsizetype position)
{
    return QStringLiteral("MRU") + QString::number(position);
}

// Only the user's own file counts: system-wide fallbacks would let entries appear that no
// application ever added.
std::unique_ptr<QSettings> openSection(const QString& section)
{
    auto store = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("TolvaneLists"));
    store->setFallbacksEnabled(false);
    store->beginGroup(section);
    return store;
}

} // namespace

QStringList ReadEntries(const QString& section, qsizetype count)
{
    const auto store = openSection(section);
    QStringList entries;
    entries.reserve(count);
    for (qsizetype position = 1; position <= count; ++position)
        entries.append(store->value(keyFor(position), QString()).toString());
    return entries;
}

void WriteEntries(const QString& section, const QStringList& entries)
{
    // Without a group QSettings would put the keys at the top of the file, where they would
    // belong to no application at all.
    if (section.isEmpty())
        return;
    const auto store = openSection(section);
    for (qsizetype position = 1; position <= entries.size(); ++position)
        store->setValue(keyFor(position), entries.at(position - 1));
    store->sync();
}

} // namespace tolvane::mrustore
