#include "keymap/keyboardgeometry.h"

namespace keymap {
namespace {

// The evdev codes of the character keys of the main block, row by row, with the US
// characters they type; the ISO key beside Enter (43 on ISO) and beside Shift (86) apart.
struct CharacterRow
{
    const char* characters;
    int firstCode;
    qreal left;
    qreal top;
};

constexpr qreal MainTop = 1.5;

void addKey(std::vector<PhysicalKey>& keys, qreal x, qreal y, qreal w, qreal h, int evdev, KeyKind kind,
            const char* name, const char* ordinary = "", const char* scancode = "")
{
    keys.push_back({QRectF(x, y, w, h), evdev, kind, name, ordinary, scancode});
}

const char* scancodeOf(char c)
{
    switch (c) {
    case '\'':
        return "SC_APOSTROPHE";
    case '\\':
        return "SC_BACKSLASH";
    case ',':
        return "SC_COMMA";
    case '=':
        return "SC_EQUALS";
    case '`':
        return "SC_GRAVE";
    case '[':
        return "SC_LEFTBRACKET";
    case ']':
        return "SC_RIGHTBRACKET";
    case '-':
        return "SC_MINUS";
    case '.':
        return "SC_PERIOD";
    case ';':
        return "SC_SEMICOLON";
    case '/':
        return "SC_SLASH";
    default:
        return "";
    }
}

void addCharacter(std::vector<PhysicalKey>& keys, qreal x, qreal y, int evdev, qreal w = 1, qreal h = 1)
{
    const char c = usCharacter(evdev);
    QByteArray scancode = scancodeOf(c);
    if (c >= 'a' && c <= 'z')
        scancode = "SC_" + QByteArray(1, char(c - 'a' + 'A'));
    const QByteArray name = c == ';' ? QByteArray("SEMICOLON") : QByteArray(1, c);
    keys.push_back({QRectF(x, y, w, h), evdev, KeyKind::Character, name, {}, scancode});
}

// US characters by evdev code, from 0.
constexpr char UsCharacters[] = "\0\0"
                                "1234567890-=\0\0"
                                "qwertyuiop[]\0\0"
                                "asdfghjkl;'`\0\\"
                                "zxcvbnm,./";

} // namespace

char usCharacter(int evdev)
{
    if (evdev == 86)
        return '\\'; // the ISO key types what the US backslash key does
    if (evdev < 0 || evdev >= int(sizeof UsCharacters) - 1)
        return 0;
    return UsCharacters[evdev];
}

std::vector<PhysicalKey> keyboardKeys(bool iso)
{
    std::vector<PhysicalKey> keys;
    // Function row.
    addKey(keys, 0, 0, 1, 1, 1, KeyKind::Named, "ESCAPE");
    for (int i = 0; i < 12; ++i) {
        const qreal x = 2 + i + (i / 4) * 0.5;
        const int evdev = i < 10 ? 59 + i : 87 + (i - 10);
        addKey(keys, x, 0, 1, 1, evdev, KeyKind::Named, QByteArray("F" + QByteArray::number(i + 1)).constData());
    }
    addKey(keys, 15.25, 0, 1, 1, 99, KeyKind::Named, "PRINTSCREEN");
    addKey(keys, 16.25, 0, 1, 1, 70, KeyKind::Named, "SCROLLLOCK");
    addKey(keys, 17.25, 0, 1, 1, 119, KeyKind::Named, "PAUSE");

    // Main block.
    const qreal y1 = MainTop, y2 = MainTop + 1, y3 = MainTop + 2, y4 = MainTop + 3, y5 = MainTop + 4;
    addCharacter(keys, 0, y1, 41);
    for (int i = 0; i < 12; ++i)
        addCharacter(keys, 1 + i, y1, 2 + i);
    addKey(keys, 13, y1, 2, 1, 14, KeyKind::Named, "BACKSPACE");
    addKey(keys, 0, y2, 1.5, 1, 15, KeyKind::Named, "TAB");
    for (int i = 0; i < 12; ++i)
        addCharacter(keys, 1.5 + i, y2, 16 + i);
    addKey(keys, 0, y3, 1.75, 1, 58, KeyKind::Named, "CAPSLOCK");
    for (int i = 0; i < 11; ++i)
        addCharacter(keys, 1.75 + i, y3, 30 + i);
    if (iso) {
        addKey(keys, 13.75, y2, 1.25, 2, 28, KeyKind::Named, "ENTER");
        addCharacter(keys, 12.75, y3, 43);
        addKey(keys, 0, y4, 1.25, 1, 42, KeyKind::Named, "SHIFT");
        addCharacter(keys, 1.25, y4, 86);
    } else {
        addCharacter(keys, 13.5, y2, 43, 1.5);
        addKey(keys, 12.75, y3, 2.25, 1, 28, KeyKind::Named, "ENTER");
        addKey(keys, 0, y4, 2.25, 1, 42, KeyKind::Named, "SHIFT");
    }
    for (int i = 0; i < 10; ++i)
        addCharacter(keys, 2.25 + i, y4, 44 + i);
    addKey(keys, 12.25, y4, 2.75, 1, 54, KeyKind::Named, "SHIFT");
    addKey(keys, 0, y5, 1.25, 1, 29, KeyKind::Named, "CTRL");
    addKey(keys, 1.25, y5, 1.25, 1, 125, KeyKind::Named, "LWIN");
    addKey(keys, 2.5, y5, 1.25, 1, 56, KeyKind::Named, "ALT");
    addKey(keys, 3.75, y5, 6.25, 1, 57, KeyKind::Named, "SPACE");
    addKey(keys, 10, y5, 1.25, 1, 100, KeyKind::Named, "ALT");
    addKey(keys, 11.25, y5, 1.25, 1, 126, KeyKind::Named, "RWIN");
    addKey(keys, 12.5, y5, 1.25, 1, 127, KeyKind::Named, "MENU");
    addKey(keys, 13.75, y5, 1.25, 1, 97, KeyKind::Named, "CTRL");

    // Navigation block.
    addKey(keys, 15.25, y1, 1, 1, 110, KeyKind::Named, "INS");
    addKey(keys, 16.25, y1, 1, 1, 102, KeyKind::Named, "HOME");
    addKey(keys, 17.25, y1, 1, 1, 104, KeyKind::Named, "PGUP");
    addKey(keys, 15.25, y2, 1, 1, 111, KeyKind::Named, "DEL");
    addKey(keys, 16.25, y2, 1, 1, 107, KeyKind::Named, "END");
    addKey(keys, 17.25, y2, 1, 1, 109, KeyKind::Named, "PGDN");
    addKey(keys, 16.25, y4, 1, 1, 103, KeyKind::Named, "UPARROW");
    addKey(keys, 15.25, y5, 1, 1, 105, KeyKind::Named, "LEFTARROW");
    addKey(keys, 16.25, y5, 1, 1, 108, KeyKind::Named, "DOWNARROW");
    addKey(keys, 17.25, y5, 1, 1, 106, KeyKind::Named, "RIGHTARROW");

    // Keypad: stock Quake reads its keys as the ones they stand for.
    const qreal k = 18.5;
    addKey(keys, k, y1, 1, 1, 69, KeyKind::Keypad, "KP_NUMLOCK", "KP_NUMLOCK");
    addKey(keys, k + 1, y1, 1, 1, 98, KeyKind::Keypad, "KP_SLASH", "/");
    addKey(keys, k + 2, y1, 1, 1, 55, KeyKind::Keypad, "KP_STAR", "*");
    addKey(keys, k + 3, y1, 1, 1, 74, KeyKind::Keypad, "KP_MINUS", "-");
    addKey(keys, k, y2, 1, 1, 71, KeyKind::Keypad, "KP_HOME", "HOME");
    addKey(keys, k + 1, y2, 1, 1, 72, KeyKind::Keypad, "KP_UPARROW", "UPARROW");
    addKey(keys, k + 2, y2, 1, 1, 73, KeyKind::Keypad, "KP_PGUP", "PGUP");
    addKey(keys, k + 3, y2, 1, 2, 78, KeyKind::Keypad, "KP_PLUS", "+");
    addKey(keys, k, y3, 1, 1, 75, KeyKind::Keypad, "KP_LEFTARROW", "LEFTARROW");
    addKey(keys, k + 1, y3, 1, 1, 76, KeyKind::Keypad, "KP_5", "5");
    addKey(keys, k + 2, y3, 1, 1, 77, KeyKind::Keypad, "KP_RIGHTARROW", "RIGHTARROW");
    addKey(keys, k, y4, 1, 1, 79, KeyKind::Keypad, "KP_END", "END");
    addKey(keys, k + 1, y4, 1, 1, 80, KeyKind::Keypad, "KP_DOWNARROW", "DOWNARROW");
    addKey(keys, k + 2, y4, 1, 1, 81, KeyKind::Keypad, "KP_PGDN", "PGDN");
    addKey(keys, k + 3, y4, 1, 2, 96, KeyKind::Keypad, "KP_ENTER", "ENTER");
    addKey(keys, k, y5, 2, 1, 82, KeyKind::Keypad, "KP_INS", "INS");
    addKey(keys, k + 2, y5, 1, 1, 83, KeyKind::Keypad, "KP_DEL", "DEL");
    return keys;
}

std::vector<PhysicalKey> mouseKeys(const QList<QByteArray>& extraButtons)
{
    std::vector<PhysicalKey> keys;
    const qreal x = 23.5;
    addKey(keys, x, MainTop, 1.5, 1.5, 0, KeyKind::Mouse, "MOUSE1");
    addKey(keys, x + 1.5, MainTop, 1.5, 1.5, 0, KeyKind::Mouse, "MOUSE2");
    addKey(keys, x + 0.75, MainTop + 1.5, 1.5, 0.75, 0, KeyKind::Mouse, "MWHEELUP");
    addKey(keys, x + 0.75, MainTop + 2.25, 1.5, 0.75, 0, KeyKind::Mouse, "MOUSE3");
    addKey(keys, x + 0.75, MainTop + 3, 1.5, 0.75, 0, KeyKind::Mouse, "MWHEELDOWN");
    addKey(keys, x, MainTop + 4, 1.5, 1, 0, KeyKind::Mouse, "MOUSE4");
    addKey(keys, x + 1.5, MainTop + 4, 1.5, 1, 0, KeyKind::Mouse, "MOUSE5");
    for (qsizetype i = 0; i < extraButtons.size(); ++i)
        keys.push_back({QRectF(x + (i % 2) * 1.5, MainTop + 5 + qreal(i / 2), 1.5, 1),
                        0,
                        KeyKind::Mouse,
                        extraButtons[i],
                        {},
                        {}});
    return keys;
}

std::vector<PhysicalKey> gamepadKeys(const QList<QByteArray>& buttons)
{
    std::vector<PhysicalKey> keys;
    constexpr int PerRow = 9;
    constexpr qreal Width = 2.5;
    const qreal top = MainTop + 5.75;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        keys.push_back({QRectF(qreal(i % PerRow) * Width, top + qreal(i / PerRow), Width, 1),
                        0,
                        KeyKind::Gamepad,
                        buttons[i],
                        {},
                        {}});
    return keys;
}

} // namespace keymap
