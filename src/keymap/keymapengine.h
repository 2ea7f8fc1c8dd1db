#pragma once

#include "console/engine.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the keyboard map needs to know of the engine a script is for, beyond its profile:
// which of its key names are pad buttons and extra mouse buttons, and how it binds by
// position. Read from the engine's key table.
namespace keymap {

struct KeymapEngine
{
    console::Engine engine;
    QList<QByteArray> padButtons;    // the engine's gamepad names, empty for none
    QList<QByteArray> extraMouse;    // mouse buttons and wheel directions past MOUSE5
    bool scancodeNames = false;      // SC_ names bind a key by its position (Yamagi Quake II)
    bool physicalCharacters = false; // exec'd files bind characters by position (ezQuake)
};

// Nothing for an id the map knows nothing of.
std::optional<KeymapEngine> keymapEngine(QStringView id);
KeymapEngine keymapEngine(console::Engine engine);

} // namespace keymap
