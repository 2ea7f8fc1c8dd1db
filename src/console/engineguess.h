#pragma once

#include "engine.h"
#include "gamecommands.h"

#include <QStringList>

namespace console {

// Something in a file's path or text that points to an engine, or to a family when the
// engine is a family's own id. Generated from resources/engines/engine-signals.tsv.
struct EngineSignal
{
    enum class Kind {
        Name,    // the file's name, written by that engine
        Path,    // a folder of the path, that engine's own
        Folder,  // a game folder of the path, weaker than anything in the text
        Banner,  // a writer's line among the first rows
        Command, // a command or variable the script uses; a trailing * stands for any ending
    };

    int engine; // index in engineProfiles()
    Kind kind;
    const char* text;
};

std::span<const EngineSignal> engineSignals();

// How many rows a guess reads at most.
inline constexpr qsizetype GuessRows = 20000;

struct EngineGuess
{
    Engine engine;
    QStringList reasons; // the signals that decided, in words
};

// The engine a script is written for. A port's own file name, folder, banner or key name
// decides; otherwise the family whose commands the rows use (the catalogue's, handed in as
// commands, and those of the signals), or the game folder of the path, or fallback, and the
// port whose commands the rows use within it, else the family's id. Reads the first GuessRows
// rows.
EngineGuess guessEngine(QStringView path, const GameCommands& commands, qsizetype rowCount, const RowReader& rows,
                        Game fallback = Game::Quake);

} // namespace console
