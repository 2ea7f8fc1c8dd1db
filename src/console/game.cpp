#include "console/game.h"

namespace console {

QString gameId(Game game)
{
    return game == Game::Quake ? QStringLiteral("quake") : QStringLiteral("quake2");
}

std::optional<Game> gameFromId(QStringView id)
{
    for (const Game game : {Game::Quake, Game::Quake2})
        if (id == gameId(game))
            return game;
    return std::nullopt;
}

QString gameTitle(Game game)
{
    return game == Game::Quake ? QStringLiteral("Quake") : QStringLiteral("Quake 2");
}

} // namespace console
