#include "console/keynames.h"

#include <QByteArray>
#include <QHash>
#include <optional>

namespace console {
namespace {

constexpr qsizetype LongestName = 16;

QByteArray upperCase(QByteArrayView name)
{
    return name.toByteArray().toUpper();
}

// Positions in keyNames() by upper-case name.
const QHash<QByteArray, int>& namedKeys()
{
    static const QHash<QByteArray, int> positions = [] {
        QHash<QByteArray, int> byName;
        for (size_t i = 0; i < keyNames().size(); ++i) {
            Q_ASSERT(qstrlen(keyNames()[i].name) <= LongestName);
            byName.insert(upperCase(keyNames()[i].name), int(i));
        }
        return byName;
    }();
    return positions;
}

std::optional<int> namedKey(QByteArrayView word)
{
    if (word.size() > LongestName)
        return std::nullopt;
    // Upper-cased in place of a copy: this runs for every bind of a script.
    char upper[LongestName];
    for (qsizetype i = 0; i < word.size(); ++i)
        upper[i] = word[i] >= 'a' && word[i] <= 'z' ? char(word[i] - 0x20) : word[i];
    const auto found = namedKeys().constFind(QByteArray::fromRawData(upper, word.size()));
    return found == namedKeys().cend() ? std::nullopt : std::optional(*found);
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
