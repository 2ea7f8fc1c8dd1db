#pragma once

#include "catalogue/commandtree.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace cataloguetest {

// Writes bytes to commands.dat in dir and returns its path.
inline QString writeCatalogue(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("commands.dat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

inline void describe(const QTreeWidgetItem* item, int depth, QStringList& lines)
{
    lines << QString(depth * 2, u' ') + QStringLiteral("%1|%2|%3").arg(CommandTree::key(item), item->text(0))
                                            .arg(CommandTree::image(item));
    for (int i = 0; i < item->childCount(); ++i)
        describe(item->child(i), depth + 1, lines);
}

// One line per node, depth first, indented two spaces per level: "key|text|image".
inline QStringList describe(const QTreeWidget& tree)
{
    QStringList lines;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        describe(tree.topLevelItem(i), 0, lines);
    return lines;
}

inline QStringList texts(std::initializer_list<const char*> latin1)
{
    QStringList result;
    for (const char* text : latin1)
        result << QString::fromLatin1(text);
    return result;
}

} // namespace cataloguetest
