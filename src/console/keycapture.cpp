#include "keycapture.h"

#include "keynames.h"

#include <array>

namespace console {
namespace {

struct QtKeyName
{
    int key;
    const char* name;
};

// Keys named by the key table wherever they sit on the keyboard.
constexpr QtKeyName NamedKeys[] = {
    {Qt::Key_Tab, "TAB"},           {Qt::Key_Backtab, "TAB"},    {Qt::Key_Return, "ENTER"},
    {Qt::Key_Enter, "ENTER"},       {Qt::Key_Space, "SPACE"},    {Qt::Key_Backspace, "BACKSPACE"},
    {Qt::Key_Up, "UPARROW"},        {Qt::Key_Down, "DOWNARROW"}, {Qt::Key_Left, "LEFTARROW"},
    {Qt::Key_Right, "RIGHTARROW"},  {Qt::Key_Alt, "ALT"},        {Qt::Key_AltGr, "ALT"},
    {Qt::Key_Control, "CTRL"},      {Qt::Key_Shift, "SHIFT"},    {Qt::Key_Insert, "INS"},
    {Qt::Key_Delete, "DEL"},        {Qt::Key_PageDown, "PGDN"},  {Qt::Key_PageUp, "PGUP"},
    {Qt::Key_Home, "HOME"},         {Qt::Key_End, "END"},        {Qt::Key_Pause, "PAUSE"},
    {Qt::Key_CapsLock, "CAPSLOCK"},
};

// A keypad key arrives as its digit or its second meaning depending on Num Lock, which the
// engines ignore. Quake 2 names it KP_…; stock Quake has no keypad names and reads it as the
// key it stands for.
struct KeypadKey
{
    std::array<int, 3> keys; // 0 where unused
    const char* keypadName;
    const char* ordinaryName;
};

constexpr KeypadKey KeypadKeys[] = {
    {{Qt::Key_Home, Qt::Key_7}, "KP_HOME", "HOME"},
    {{Qt::Key_Up, Qt::Key_8}, "KP_UPARROW", "UPARROW"},
    {{Qt::Key_PageUp, Qt::Key_9}, "KP_PGUP", "PGUP"},
    {{Qt::Key_Left, Qt::Key_4}, "KP_LEFTARROW", "LEFTARROW"},
    {{Qt::Key_Clear, Qt::Key_5}, "KP_5", "5"},
    {{Qt::Key_Right, Qt::Key_6}, "KP_RIGHTARROW", "RIGHTARROW"},
    {{Qt::Key_End, Qt::Key_1}, "KP_END", "END"},
    {{Qt::Key_Down, Qt::Key_2}, "KP_DOWNARROW", "DOWNARROW"},
    {{Qt::Key_PageDown, Qt::Key_3}, "KP_PGDN", "PGDN"},
    {{Qt::Key_Enter, Qt::Key_Return}, "KP_ENTER", "ENTER"},
    {{Qt::Key_Insert, Qt::Key_0}, "KP_INS", "INS"},
    {{Qt::Key_Delete, Qt::Key_Period, Qt::Key_Comma}, "KP_DEL", "DEL"},
    {{Qt::Key_Slash}, "KP_SLASH", "/"},
    {{Qt::Key_Minus}, "KP_MINUS", "-"},
    {{Qt::Key_Plus}, "KP_PLUS", "+"},
    {{Qt::Key_Asterisk}, "KP_STAR", "*"},
};

constexpr QtKeyName MouseButtons[] = {
    {Qt::LeftButton, "MOUSE1"}, {Qt::RightButton, "MOUSE2"},   {Qt::MiddleButton, "MOUSE3"},
    {Qt::BackButton, "MOUSE4"}, {Qt::ForwardButton, "MOUSE5"},
};

// Every name goes through the key table, so that only names the game knows come out.
CapturedKey checked(const QByteArray& name, Engine engine)
{
    const KeyLookup lookup = lookUpKey(name, engine);
    if (lookup.verdict == KeyLookup::Verdict::Known)
        return {CapturedKey::Outcome::Named, name};
    if (lookup.verdict == KeyLookup::Verdict::PortOnly)
        return {CapturedKey::Outcome::Named, name, lookup.engines};
    return {CapturedKey::Outcome::Unnamed};
}

template <size_t N>
const char* nameOf(const QtKeyName (&names)[N], int key)
{
    for (const QtKeyName& entry : names)
        if (entry.key == key)
            return entry.name;
    return nullptr;
}

const KeypadKey* keypadKey(int key)
{
    for (const KeypadKey& entry : KeypadKeys)
        for (const int each : entry.keys)
            if (each == key)
                return &entry;
    return nullptr;
}

// An engine that has the KP_ name sends it; otherwise the key is read as the one it
// stands for.
QByteArray keypadName(const KeypadKey& key, Engine engine)
{
    const bool known = lookUpKey(key.keypadName, engine).verdict == KeyLookup::Verdict::Known;
    return known ? key.keypadName : key.ordinaryName;
}

// A printable key is its own character, letters in the lower case the engines send.
QByteArray characterName(int key)
{
    if (key == ';')
        return "SEMICOLON";
    if (key == '"')
        return "DOUBLEQUOTE";
    return QByteArray(1, char(key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key));
}

bool isModifier(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt;
}

} // namespace

KeySide keySideOfScanCode(quint32 scanCode)
{
    switch (scanCode) {
    case 50: // shift
    case 37: // control
    case 64: // alt
        return KeySide::Left;
    case 62:
    case 105:
    case 108:
        return KeySide::Right;
    default:
        return KeySide::Either;
    }
}

CapturedKey captureKey(int key, bool keypad, Engine engine, KeySide side)
{
    if (key == Qt::Key_Escape)
        return {CapturedKey::Outcome::Cancelled};
    if (key == Qt::Key_QuoteLeft || key == Qt::Key_AsciiTilde)
        return {CapturedKey::Outcome::ConsoleKey};
    if (const KeypadKey* onKeypad = keypad ? keypadKey(key) : nullptr)
        return checked(keypadName(*onKeypad, engine), engine);
    if (const char* name = nameOf(NamedKeys, key)) {
        const QByteArray sided = (side == KeySide::Left ? "L" : "R") + QByteArray(name);
        if (side != KeySide::Either && isModifier(key) && lookUpKey(sided, engine).verdict == KeyLookup::Verdict::Known)
            return {CapturedKey::Outcome::Named, sided};
        return checked(name, engine);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return checked("F" + QByteArray::number(key - Qt::Key_F1 + 1), engine);
    if (key > ' ' && key < 127)
        return checked(characterName(key), engine);
    return {CapturedKey::Outcome::Unnamed};
}

CapturedKey captureMouseButton(Qt::MouseButton button, Engine engine)
{
    const char* name = nameOf(MouseButtons, int(button));
    return name ? checked(name, engine) : CapturedKey{CapturedKey::Outcome::Unnamed};
}

CapturedKey captureWheel(bool up, Engine engine)
{
    return checked(up ? "MWHEELUP" : "MWHEELDOWN", engine);
}

QString captureMessage(const CapturedKey& key, Engine engine)
{
    switch (key.outcome) {
    case CapturedKey::Outcome::ConsoleKey:
        return QStringLiteral("The console key cannot be bound.");
    case CapturedKey::Outcome::Unnamed:
        return QStringLiteral("%1 has no name for that key.").arg(engine.name());
    case CapturedKey::Outcome::Named:
        if (key.ports)
            return QStringLiteral("Only source ports know %1: %2.")
                .arg(QLatin1StringView(key.name), QLatin1StringView(engineNames(key.ports)));
        return {};
    case CapturedKey::Outcome::Cancelled:
        return {};
    }
    return {};
}

} // namespace console
