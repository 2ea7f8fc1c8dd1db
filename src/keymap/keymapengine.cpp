#include "keymap/keymapengine.h"

#include "console/keynames.h"

namespace keymap {
namespace {

// The pad buttons of the engines' key tables: the SDL game-controller ports' names, then
// Yamagi's. An engine's own are those its table knows.
constexpr const char* PadButtons[] = {
    "ABUTTON",      "BBUTTON",       "XBUTTON",   "YBUTTON",    "LSHOULDER",  "RSHOULDER",   "LTRIGGER", "RTRIGGER",
    "LTHUMB",       "RTHUMB",        "DPAD_UP",   "DPAD_DOWN",  "DPAD_LEFT",  "DPAD_RIGHT",  "MISC1",    "PADDLE1",
    "PADDLE2",      "PADDLE3",       "PADDLE4",   "TOUCHPAD",   "BTN_SOUTH",  "BTN_EAST",    "BTN_WEST", "BTN_NORTH",
    "SHOULDR_LEFT", "SHOULDR_RIGHT", "TRIG_LEFT", "TRIG_RIGHT", "STICK_LEFT", "STICK_RIGHT", "DP_UP",    "DP_DOWN",
    "DP_LEFT",      "DP_RIGHT",      "BTN_BACK",  "BTN_GUIDE",
};

// The mouse's buttons past MOUSE5, and wheel directions past up and down.
constexpr const char* ExtraMouse[] = {"MOUSE6", "MOUSE7", "MOUSE8", "MOUSE9", "MOUSE10", "MWHEELLEFT", "MWHEELRIGHT"};

template <size_t N>
QList<QByteArray> knownTo(console::Engine engine, const char* const (&names)[N])
{
    QList<QByteArray> known;
    for (const char* name : names)
        if (console::lookUpKey(name, engine).verdict == console::KeyLookup::Verdict::Known)
            known.append(name);
    return known;
}

} // namespace

KeymapEngine keymapEngine(console::Engine engine)
{
    return {
        engine,
        knownTo(engine, PadButtons),
        knownTo(engine, ExtraMouse),
        console::lookUpKey("SC_A", engine).verdict == console::KeyLookup::Verdict::Known,
        engine->execBindsByPosition,
    };
}

std::optional<KeymapEngine> keymapEngine(QStringView id)
{
    const std::optional<console::Engine> engine = console::Engine::fromId(id);
    return engine ? std::optional(keymapEngine(*engine)) : std::nullopt;
}

} // namespace keymap
