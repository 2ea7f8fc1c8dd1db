#pragma once

#include <QByteArray>
#include <QString>

// The most items a catalogue may hold: its items are counted in 16 bits, and the tree of a
// larger file would take the window a long time and a great deal of memory to build.
inline constexpr int MaximumCatalogueItems = 32766;

// Whether the catalogue text holds no more than MaximumCatalogueItems items.
bool CatalogueFitsTheWindow(const QByteArray& content);

// Replaces the catalogue file at path with content followed by CR LF, all or nothing: the
// old file stays as it was unless the new one was written whole. The file's folder is made
// when it is missing. Returns why it failed, or an empty text when the file was replaced.
QString ReplaceCatalogue(const QString& path, const QByteArray& content);
