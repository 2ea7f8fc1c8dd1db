#include "console/keynames.h"

#include <QByteArray>
#include <algorithm>
#include <vector>

namespace console {
namespace {

int compareIgnoringCase(QByteArrayView a, QByteArrayView b)
{
    return qstrnicmp(a.data(), a.size(), b.data(), b.size());
}

// Positions in keyNames(), in the order of their names without regard to case.
const std::vector<int>& namesInOrder()
{
    static const std::vector<int> order = [] {
        std::vector<int> positions(keyNames().size());
        for (size_t i = 0; i < positions.size(); ++i)
            positions[i] = int(i);
        std::sort(positions.begin(), positions.end(), [](int a, int b) {
            return compareIgnoringCase(keyNames()[size_t(a)].name, keyNames()[size_t(b)].name) < 0;
        });
        return positions;
    }();
    return order;
}

std::optional<int> namedKey(QByteArrayView word)
{
    const std::vector<int>& order = namesInOrder();
    const auto found = std::lower_bound(order.begin(), order.end(), word, [](int position, QByteArrayView name) {
        return compareIgnoringCase(keyNames()[size_t(position)].name, name) < 0;
    });
    if (found == order.end() || compareIgnoringCase(keyNames()[size_t(*found)].name, word) != 0)
        return std::nullopt;
    return *found;
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
