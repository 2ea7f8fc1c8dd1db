#include "gamecommands.h"

#include "commandwalker.h"

#include <algorithm>

namespace console {
namespace {

bool lessIgnoringCase(QByteArrayView a, QByteArrayView b)
{
    return qstrnicmp(a.data(), a.size(), b.data(), b.size()) < 0;
}

} // namespace

GameCommands::GameCommands(Names names) : m_names(std::move(names))
{
    for (std::vector<QByteArray>& each : m_names) {
        std::sort(each.begin(), each.end(), lessIgnoringCase);
        each.erase(std::unique(each.begin(), each.end(),
                               [](const QByteArray& a, const QByteArray& b) {
                                   return !lessIgnoringCase(a, b) && !lessIgnoringCase(b, a);
                               }),
                   each.end());
    }
}

bool GameCommands::has(Game game, QByteArrayView name) const
{
    const std::vector<QByteArray>& names = m_names[size_t(game)];
    const auto found = std::lower_bound(names.begin(), names.end(), name, lessIgnoringCase);
    return found != names.end() && !lessIgnoringCase(name, *found);
}

std::optional<Game> GameCommands::onlyGameOf(QByteArrayView name) const
{
    // Ports of every family have set and seta, whatever the catalogue files them under.
    if (isCommandName(name, "set") || isCommandName(name, "seta"))
        return std::nullopt;
    const bool quake = has(Game::Quake, name);
    if (quake == has(Game::Quake2, name))
        return std::nullopt;
    return quake ? Game::Quake : Game::Quake2;
}

} // namespace console
