#pragma once

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <vector>

// Where the keys of a full-size PC keyboard sit, measured in key widths from the top left of
// Escape, and what the engines call each of them with a US layout. Character keys are named by
// what the layout types (see KeyboardLayout); the rest have fixed names.
namespace keymap {

enum class KeyKind { Character, Named, Keypad, Mouse, Gamepad };

struct PhysicalKey
{
    QRectF rect;
    int evdev; // the Linux input code, 0 for mouse buttons and pad buttons
    KeyKind kind;
    QByteArray name;         // the US name; for keypad keys the KP_ name
    QByteArray ordinaryName; // keypad keys: the key they stand for where the engine has no KP_ names
    QByteArray scancodeName; // the SC_ name that binds the key by its position, or empty
};

// iso: the layout has the key beside the left Shift and the Enter key of two rows.
std::vector<PhysicalKey> keyboardKeys(bool iso);
// MOUSE1 to MOUSE5 and the wheel, then the extra buttons given, to the right of the keypad.
std::vector<PhysicalKey> mouseKeys(const QList<QByteArray>& extraButtons);
// The pad buttons in rows below the keyboard.
std::vector<PhysicalKey> gamepadKeys(const QList<QByteArray>& buttons);

// The character a US layout types on the key, for layouts xkb cannot load; 0 for none.
char usCharacter(int evdev);

} // namespace keymap
