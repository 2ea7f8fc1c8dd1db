#include "keymap/keymapengine.h"

namespace keymap {
namespace {

// The pad buttons of the SDL game-controller ports, from their key tables.
QList<QByteArray> spasmPad()
{
    return {"ABUTTON",   "BBUTTON",  "XBUTTON",  "YBUTTON", "LSHOULDER",
            "RSHOULDER", "LTRIGGER", "RTRIGGER", "LTHUMB",  "RTHUMB"};
}

QList<QByteArray> yamagiPad()
{
    return {"BTN_SOUTH", "BTN_EAST",   "BTN_WEST",   "BTN_NORTH",   "SHOULDR_LEFT", "SHOULDR_RIGHT",
            "TRIG_LEFT", "TRIG_RIGHT", "STICK_LEFT", "STICK_RIGHT", "DP_UP",        "DP_DOWN",
            "DP_LEFT",   "DP_RIGHT",   "BTN_BACK",   "BTN_GUIDE",   "TOUCHPAD"};
}

// The buttons past MOUSE5 in each engine's key table.
QList<QByteArray> extraMouse(const QString& id)
{
    QList<QByteArray> buttons;
    int last = 5;
    if (id == u"joequake" || id == u"ezquake" || id == u"q2pro")
        last = 8;
    else if (id == u"r1q2")
        last = 9;
    else if (id == u"fte" || id == u"fodquake")
        last = 10;
    for (int button = 6; button <= last; ++button)
        buttons.append("MOUSE" + QByteArray::number(button));
    if (id == u"fte" || id == u"q2pro")
        buttons << "MWHEELLEFT"
                << "MWHEELRIGHT";
    return buttons;
}

struct KnownEngine
{
    const char* id;
    console::Game game;
    const char* portName;
};

// The QuakeWorld clients use the Quake names.
constexpr KnownEngine Engines[] = {
    {"quake", console::Game::Quake, ""},
    {"quakespasm", console::Game::Quake, "QuakeSpasm"},
    {"ironwail", console::Game::Quake, "Ironwail"},
    {"vkquake", console::Game::Quake, "vkQuake"},
    {"joequake", console::Game::Quake, "JoeQuake"},
    {"quakeworld", console::Game::Quake, ""},
    {"ezquake", console::Game::Quake, "ezQuake"},
    {"fte", console::Game::Quake, "FTE"},
    {"fodquake", console::Game::Quake, "Fodquake"},
    {"quake2", console::Game::Quake2, ""},
    {"yamagi", console::Game::Quake2, "Yamagi Quake II"},
    {"q2pro", console::Game::Quake2, "Q2PRO"},
    {"r1q2", console::Game::Quake2, "R1Q2"},
};

} // namespace

std::optional<KeymapEngine> keymapEngine(QStringView id)
{
    for (const KnownEngine& known : Engines) {
        if (id.compare(QLatin1StringView(known.id), Qt::CaseInsensitive) != 0)
            continue;
        KeymapEngine engine;
        engine.id = QString::fromLatin1(known.id);
        engine.game = known.game;
        engine.portName = QString::fromLatin1(known.portName);
        const QString& name = engine.id;
        if (name == u"quakespasm" || name == u"ironwail" || name == u"vkquake" || name == u"fte")
            engine.padButtons = spasmPad();
        if (name == u"ironwail")
            engine.padButtons << "DPAD_UP"
                              << "DPAD_DOWN"
                              << "DPAD_LEFT"
                              << "DPAD_RIGHT";
        if (name == u"ironwail" || name == u"vkquake")
            engine.padButtons << "MISC1"
                              << "PADDLE1"
                              << "PADDLE2"
                              << "PADDLE3"
                              << "PADDLE4"
                              << "TOUCHPAD";
        if (name == u"yamagi") {
            engine.padButtons = yamagiPad();
            engine.scancodeNames = true;
        }
        engine.physicalCharacters = name == u"ezquake";
        engine.extraMouse = extraMouse(name);
        return engine;
    }
    return std::nullopt;
}

KeymapEngine defaultEngine(console::Game game)
{
    return *keymapEngine(console::gameId(game));
}

} // namespace keymap
