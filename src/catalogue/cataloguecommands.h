#pragma once

#include "console/gamecommands.h"

#include <QString>
#include <optional>

class QIODevice;

// The command names of each game, as the catalogue files them: categories named "Quake: …"
// hold Quake's commands, "Quake 2: …" those of Quake 2. A catalogue entry with an argument
// ("impulse 7", "use Railgun") counts by its first word.
namespace cataloguecommands {

console::GameCommands read(QIODevice& catalogue);
// Empty when the file cannot be read.
console::GameCommands readFile(const QString& path);

// The game a catalogue category such as "{Quake 2: Weapons}" belongs to; the catalogue tree's
// key of it, "{Quake 2: Weapons", gives the same.
std::optional<console::Game> gameOfCategory(QStringView category);

} // namespace cataloguecommands
