#pragma once

#include "console/game.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the keyboard map needs to know of the engine a script is for. Everything that picks
// an engine goes through keymapEngine(), so that it can follow the console layer's engine
// profiles once they exist.
namespace keymap {

struct KeymapEngine
{
    QString id;                      // as given on the command line: "quake", "ezquake", …
    console::Game game;              // the family whose key names apply
    QString portName;                // the source port's name as the key table spells it, or empty
    QList<QByteArray> padButtons;    // the engine's gamepad names, empty for none
    QList<QByteArray> extraMouse;    // mouse buttons and wheel directions past MOUSE5
    bool scancodeNames = false;      // SC_ names bind a key by its position (Yamagi Quake II)
    bool physicalCharacters = false; // exec'd files bind characters by position (ezQuake)
};

// Nothing for an id the map knows nothing of.
std::optional<KeymapEngine> keymapEngine(QStringView id);
KeymapEngine defaultEngine(console::Game game);

} // namespace keymap
