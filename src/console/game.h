#pragma once

#include <QString>
#include <optional>

namespace console {

// The engine family a script is written for; the rules differ between the two.
enum class Game { Quake, Quake2 };

inline constexpr int GameCount = 2;

// "quake" or "quake2", as the command line and the settings spell it.
QString gameId(Game game);
std::optional<Game> gameFromId(QStringView id);
// "Quake" or "Quake 2", for messages.
QString gameTitle(Game game);

} // namespace console
