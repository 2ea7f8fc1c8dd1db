#include "console/keynames.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace console {
namespace {

constexpr qsizetype LongestName = 16;

// A name of up to sixteen characters in upper case, packed into two integers padded with
// zeros, so that finding a key compares two integers a step instead of hashing text: this
// runs for every bind of a script.
struct PackedName
{
    quint64 head = 0;
    quint64 tail = 0;

    auto operator<=>(const PackedName&) const = default;
};

std::optional<PackedName> packed(QByteArrayView word)
{
    if (word.size() > LongestName)
        return std::nullopt;
    char upper[LongestName] = {};
    for (qsizetype i = 0; i < word.size(); ++i)
        upper[i] = word[i] >= 'a' && word[i] <= 'z' ? char(word[i] - 0x20) : word[i];
    PackedName name;
    std::memcpy(&name.head, upper, sizeof name.head);
    std::memcpy(&name.tail, upper + sizeof name.head, sizeof name.tail);
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
        std::ranges::sort(sorted, {}, &NamedKey::name);
        return sorted;
    }();
    return keys;
}

std::optional<int> namedKey(QByteArrayView word)
{
    const std::optional<PackedName> name = packed(word);
    if (!name)
        return std::nullopt;
    const auto found = std::ranges::lower_bound(namedKeys(), *name, {}, &NamedKey::name);
    if (found == namedKeys().end() || found->name != *name)
        return std::nullopt;
    return found->position;
}

// A one-character argument is its own key code, after the named keys.
int characterKeyId(char c)
{
    return int(keyNames().size()) + uchar(c);
}

KeyLookup lookUpCharacter(char c)
{
    if (c == ';')
        return {KeyLookup::Verdict::Semicolon};
    if (uchar(c) < 33 || uchar(c) > 126 || c == '"')
        return {KeyLookup::Verdict::Unknown};
    if (c >= 'A' && c <= 'Z')
        return {KeyLookup::Verdict::DeadLetter, characterKeyId(c)};
    return {KeyLookup::Verdict::Stock, characterKeyId(c)};
}

} // namespace

KeyLookup lookUpKey(QByteArrayView word, Game game)
{
    if (word.size() == 1)
        return lookUpCharacter(word.front());
    const std::optional<int> position = namedKey(word);
    if (!position)
        return {KeyLookup::Verdict::Unknown};
    const KeyName& key = keyNames()[size_t(*position)];
    if (key.stock[size_t(game)])
        return {KeyLookup::Verdict::Stock, *position};
    const char* ports = key.ports[size_t(game)];
    if (*ports == '\0')
        return {KeyLookup::Verdict::Unknown};
    return {KeyLookup::Verdict::PortOnly, *position, ports};
}

int keyIdCount()
{
    return int(keyNames().size()) + 256;
}

} // namespace console
