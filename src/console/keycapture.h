#pragma once

#include "engine.h"

#include <QByteArray>
#include <QString>
#include <Qt>

// What a key, mouse button or wheel step pressed in the editor is called in a bind line, so
// that a player can press the key instead of looking up its name.
namespace console {

struct CapturedKey
{
    enum class Outcome {
        Named,      // name holds the key table's spelling
        Cancelled,  // Escape: the player changed their mind
        ConsoleKey, // ` and ~ open the console in every engine and cannot be bound
        Unnamed,    // the engine has no name for the key
    };

    Outcome outcome;
    QByteArray name = {};
    quint16 ports = 0; // the source ports that know the name, when the family's stock engine does not
};

// Which of a pair of modifier keys was pressed, where the platform tells.
enum class KeySide { Either, Left, Right };
// From the key code that X11 and Wayland report (the evdev code plus 8).
KeySide keySideOfScanCode(quint32 scanCode);

// key is a Qt::Key; keypad says the event carried Qt::KeypadModifier. A modifier of a known
// side gets the engine's name for that side (LSHIFT) where it has one.
CapturedKey captureKey(int key, bool keypad, Engine engine, KeySide side = KeySide::Either);
CapturedKey captureMouseButton(Qt::MouseButton button, Engine engine);
CapturedKey captureWheel(bool up, Engine engine);

// What the status line says about a capture, or nothing when the name speaks for itself.
QString captureMessage(const CapturedKey& key, Engine engine);

} // namespace console
