#pragma once

#include "game.h"

#include <QAnyStringView>
#include <QLatin1StringView>
#include <QString>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace console {

// The set commands an engine may have; a script that uses one its engine lacks sets nothing.
namespace SetCommand {
inline constexpr quint8 Set = 1, Seta = 2, SetTp = 4, SetCalc = 8;
}

// A limit the engine does not have.
inline constexpr qint32 NoLimit = std::numeric_limits<qint32>::max();

// What one engine does with a script, as the rules read it. Generated from
// resources/engines/engines.tsv (tools/make-engine-tables).
struct EngineProfile
{
    const char* id;
    Game family;
    const char* name;
    qint32 commandBuffer;        // bytes of an exec'd file it takes
    qint32 lineLimit;            // a command this long or longer is cut or lost
    qint32 tokenLimit;           // a longer word is cut or lost (NoLimit: none but the line's)
    qint32 aliasNameLimit;       // an alias name must be shorter
    quint8 setCommands;          // SetCommand bits
    bool lowersLetterKeys;       // "bind A" binds the a key
    bool commentHidesSemicolon;  // a ";" after "//" is part of the comment
    bool highBytesAreText;       // bytes 128-255 outside quotes are word characters, not blanks
    bool bareWordEndsAtQuote;    // a bare word stops where a quote begins
    bool addsFinalNewline;       // after an exec'd file, so its last line ends there
    bool writesSemicolonKeyBare; // its config writer saves a binding of ";" as bind ; …
    bool execBindsByPosition;    // an exec'd file binds a character at its US place (con_bindphysical 1)
};

// In the order of resources/engines/engines.tsv.
std::span<const EngineProfile> engineProfiles();

// One engine profile. A family's own id ("quake", "quakeworld", "quake2") is its stock
// engine; what only ports of the family accept is then a note naming them rather than an
// error, so that a script whose engine cannot be told is not buried in errors.
class Engine
{
public:
    // The family's stock engine, as --game chooses it.
    Engine(Game family);

    static std::optional<Engine> fromId(QAnyStringView id);
    static const std::vector<Engine>& all();
    // index: in engineProfiles().
    static Engine at(size_t index) { return Engine(index); }
    size_t index() const { return m_index; }

    const EngineProfile& profile() const { return engineProfiles()[m_index]; }
    const EngineProfile* operator->() const { return &profile(); }
    QLatin1StringView id() const { return QLatin1StringView(profile().id); }
    QString name() const { return QString::fromLatin1(profile().name); }
    Game family() const { return profile().family; }
    bool isFamily() const { return *this == Engine(family()); }

    // The engine as a member of an engine set (a key's engines, for instance).
    quint16 bit() const { return quint16(1U << m_index); }

    bool operator==(const Engine&) const = default;

private:
    explicit Engine(size_t index) : m_index(index) {}

    size_t m_index;
};

// Engine sets as bits of Engine::bit().
quint16 familyEngines(Game family);
// The engines of a set, by name, separated by commas ("Ironwail, vkQuake").
QByteArray engineNames(quint16 engines);

} // namespace console
