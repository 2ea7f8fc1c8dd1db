#pragma once

#include <QStringList>

// The per-user store behind every recent-files list: one INI file, "TolvaneLists.ini" in the
// user's configuration folder, shared by all applications, one section per application and
// keys "MRU1", "MRU2", … holding the paths.
namespace tolvane::mrustore {

// The values of keys "MRU1" to "MRU" + count under the section; a missing key reads as "".
QStringList ReadEntries(const QString& section, qsizetype count);

// Writes every entry, empty ones too, as "MRU1" onwards and flushes the file at once, so a
// second instance sees the list straight away. An empty section is refused: nothing is written.
void WriteEntries(const QString& section, const QStringList& entries);

} // namespace tolvane::mrustore
