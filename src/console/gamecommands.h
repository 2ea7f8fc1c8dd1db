#pragma once

#include "console/game.h"

#include <QAnyStringView>
#include <QByteArray>
#include <array>
#include <functional>
#include <vector>

class QIODevice;

namespace console {

// Reads row number n (from 0) of a script.
using RowReader = std::function<QAnyStringView(qsizetype row)>;

// The command names of each game, as the catalogue files them: categories named
// "Quake: …" hold Quake's commands, "Quake 2: …" those of Quake 2. A catalogue entry with an
// argument ("impulse 7", "use Railgun") counts by its first word.
class GameCommands
{
public:
    static GameCommands fromCatalogue(QIODevice& catalogue);
    // Empty when the file cannot be read.
    static GameCommands fromCatalogueFile(const QString& path);

    // Without regard to case, as the engines match command names.
    bool has(Game game, QByteArrayView name) const;
    // Each name once, sorted without regard to case.
    const std::vector<QByteArray>& names(Game game) const { return m_names[size_t(game)]; }

private:
    void add(Game game, const QString& entry);
    void sort();

    std::array<std::vector<QByteArray>, GameCount> m_names; // sorted without regard to case
};

// The game a catalogue category such as "{Quake 2: Weapons}" belongs to; the catalogue tree's
// key of it, "{Quake 2: Weapons", gives the same.
std::optional<Game> gameOfCategory(QStringView category);

// The game whose commands the rows use most, counting the commands inside binds and aliases
// too, or fallback when neither leads. Only the first GuessRows rows are read, and reading
// stops early once one game leads by GuessLead commands.
inline constexpr qsizetype GuessRows = 20000;
inline constexpr int GuessLead = 50;
Game guessGame(const GameCommands& commands, qsizetype rowCount, const RowReader& rows, Game fallback);

} // namespace console
