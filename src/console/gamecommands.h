#pragma once

#include "game.h"

#include <QAnyStringView>
#include <QByteArray>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace console {

// Reads row number n (from 0) of a script.
using RowReader = std::function<QAnyStringView(qsizetype row)>;

// The command names of each game, as the catalogue layer hands them in
// (catalogue/cataloguecommands.h).
class GameCommands
{
public:
    using Names = std::array<std::vector<QByteArray>, GameCount>;

    GameCommands() = default;
    explicit GameCommands(Names names);

    // Without regard to case, as the engines match command names.
    bool has(Game game, QByteArrayView name) const;
    // Each name once, sorted without regard to case.
    const std::vector<QByteArray>& names(Game game) const { return m_names[size_t(game)]; }
    // The one game of Quake and Quake 2 that has the command, if only one has it; never for
    // set and seta, which tell no game.
    std::optional<Game> onlyGameOf(QByteArrayView name) const;

private:
    Names m_names; // sorted without regard to case
};

} // namespace console
