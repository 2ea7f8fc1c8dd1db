#include "keynames.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace console {
namespace {

constexpr qsizetype LongestName = 24;

// A name of up to twenty-four characters in upper case, packed into three integers padded
// with zeros, so that finding a key compares integers instead of hashing text: this runs for
// every bind of a script.
struct PackedName
{
    std::array<quint64, 3> parts{};

    // Most names differ in their first eight characters.
    bool operator<(const PackedName& other) const
    {
        if (parts[0] != other.parts[0])
            return parts[0] < other.parts[0];
        if (parts[1] != other.parts[1])
            return parts[1] < other.parts[1];
        return parts[2] < other.parts[2];
    }
    bool operator==(const PackedName&) const = default;
};

std::optional<PackedName> packed(QByteArrayView word)
{
    if (word.size() > LongestName)
        return std::nullopt;
    PackedName name;
    auto* const upper = reinterpret_cast<char*>(name.parts.data());
    for (qsizetype i = 0; i < word.size(); ++i)
        upper[i] = word[i] >= 'a' && word[i] <= 'z' ? char(word[i] - 0x20) : word[i];
    return name;
}

struct NamedKey
{
    PackedName name;
    int position; // in keyNames()
};

// The named keys sorted by their packed names.
const std::vector<NamedKey>& namedKeys()
{
    static const std::vector<NamedKey> keys = [] {
        std::vector<NamedKey> sorted;
        for (size_t i = 0; i < keyNames().size(); ++i) {
            Q_ASSERT(qstrlen(keyNames()[i].name) <= LongestName);
            sorted.push_back({*packed(keyNames()[i].name), int(i)});
        }
        std::sort(sorted.begin(), sorted.end(), [](const NamedKey& a, const NamedKey& b) { return a.name < b.name; });
        return sorted;
    }();
    return keys;
}

std::optional<int> namedKey(QByteArrayView word)
{
    const std::optional<PackedName> name = packed(word);
    if (!name)
        return std::nullopt;
    const std::vector<NamedKey>& keys = namedKeys();
    const auto found = std::lower_bound(keys.begin(), keys.end(), *name,
                                        [](const NamedKey& key, const PackedName& wanted) {
                                            return key.name < wanted;
                                        });
    if (found == keys.end() || found->name != *name)
        return std::nullopt;
    return found->position;
}

// A one-character argument is its own key code, after the named keys.
int characterKeyId(char c)
{
    return int(keyNames().size()) + uchar(c);
}

KeyLookup lookUpCharacter(char c, Engine engine, bool quoted)
{
    if (c == ';' && !quoted)
        return {KeyLookup::Verdict::Semicolon};
    if (uchar(c) < 33 || uchar(c) > 126 || c == '"')
        return {KeyLookup::Verdict::Unknown};
    if (c == ';')
        return {engine->writesSemicolonKeyBare ? KeyLookup::Verdict::SavedBare : KeyLookup::Verdict::Known,
                characterKeyId(c)};
    if (c >= 'A' && c <= 'Z') {
        if (engine->lowersLetterKeys)
            return {KeyLookup::Verdict::Known, characterKeyId(char(c + 0x20))};
        return {KeyLookup::Verdict::DeadLetter, characterKeyId(c)};
    }
    return {KeyLookup::Verdict::Known, characterKeyId(c)};
}

} // namespace

KeyLookup lookUpKey(QByteArrayView word, Engine engine, bool quoted)
{
    if (word.size() == 1)
        return lookUpCharacter(word.front(), engine, quoted);
    const std::optional<int> position = namedKey(word);
    if (!position)
        return {KeyLookup::Verdict::Unknown};
    const quint16 engines = keyNames()[size_t(*position)].engines;
    if (engines & engine.bit())
        return {KeyLookup::Verdict::Known, *position};
    const quint16 ports = engines & familyEngines(engine.family());
    if (engine.isFamily() && ports)
        return {KeyLookup::Verdict::PortOnly, *position, ports};
    return {KeyLookup::Verdict::Unknown, *position, engines};
}

int keyIdCount()
{
    return int(keyNames().size()) + 256;
}

} // namespace console
