#pragma once

#include <QString>
#include <optional>

namespace console {

// The family of engines a script is written for: the game its commands belong to. Each
// family's engines are told apart by their profiles (Engine).
enum class Game { Quake, Quake2, QuakeWorld };

inline constexpr int GameCount = 3;

// "quake", "quake2" or "quakeworld", as the command line and the settings spell it.
QString gameId(Game game);
std::optional<Game> gameFromId(QStringView id);
// "Quake", "Quake 2" or "QuakeWorld", for messages.
QString gameTitle(Game game);

} // namespace console
