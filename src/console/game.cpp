#include "game.h"

namespace console {
namespace {

struct GameNames
{
    const char* id;
    const char* title;
};

constexpr GameNames Names[GameCount] = {{"quake", "Quake"}, {"quake2", "Quake 2"}, {"quakeworld", "QuakeWorld"}};

} // namespace

QString gameId(Game game)
{
    return QLatin1StringView(Names[size_t(game)].id);
}

std::optional<Game> gameFromId(QStringView id)
{
    for (int game = 0; game < GameCount; ++game)
        if (id == QLatin1StringView(Names[game].id))
            return Game(game);
    return std::nullopt;
}

QString gameTitle(Game game)
{
    return QLatin1StringView(Names[size_t(game)].title);
}

} // namespace console
