#include "keymap/keymapmodel.h"

#include "console/commandwalker.h"

#include <algorithm>

namespace keymap {
namespace {

// The command text of a bind or an alias: a single quoted word is a script of its own, several
// words are kept as written (the engine joins them with single spaces).
QByteArray commandText(const console::CommandView& view)
{
    const std::span<const console::Word> body = view.words.subspan(2);
    if (body.size() == 1)
        return body.front().text(view.row).toByteArray();
    const qsizetype begin = body.front().column;
    return view.row.sliced(begin, body.back().end() - begin).toByteArray();
}

QByteArray lowered(QByteArrayView text)
{
    return text.toByteArray().toLower();
}

// The words of a query, lowered: commands and their words match without regard to case.
QList<QByteArray> queryWords(QByteArrayView query)
{
    console::TokenizedRow tokens;
    console::tokenize(query, console::Syntax{}, tokens);
    QList<QByteArray> words;
    if (tokens.commands.empty())
        return words;
    for (const console::Word& word : tokens.wordsOf(tokens.commands.front()))
        words.append(lowered(word.text(query)));
    return words;
}

const std::vector<Binding> NoBindings;

// Not isCommandName: the name holds an underscore, which its letter trick does not cover.
bool isBindPhysical(QByteArrayView word)
{
    return lowered(word) == "con_bindphysical";
}

// An alias may run aliases; a chain longer than this is taken for a loop the seen list
// missed, and ends the search.
constexpr int DeepestAlias = 64;

} // namespace

QByteArray keyIdentity(QByteArrayView name)
{
    return name.size() == 1 ? name.toByteArray() : name.toByteArray().toUpper();
}

void KeymapModel::reset(qsizetype rowCount, const RowSource& rows, bool physicalAtStart)
{
    m_bindings.clear();
    m_aliases.clear();
    bool physical = physicalAtStart;
    console::CommandWalker walker;
    QByteArray scratch;
    // Marks every earlier bind of the key dead.
    auto replaceKey = [this](const QByteArray& identity) {
        const auto found = m_bindings.find(identity);
        if (found != m_bindings.end())
            for (Binding& earlier : *found)
                earlier.dead = true;
    };
    for (qsizetype row = 0; row < rowCount; ++row) {
        const QByteArrayView text = rows(row, scratch);
        walker.walk(text, [&](const console::CommandView& view) {
            // What binds run later, inside aliases or other binds, says nothing of the file.
            if (view.depth != 0 || view.words.empty())
                return;
            const auto word = [&](size_t i) { return view.words[i].text(view.row); };
            switch (view.name) {
            case console::CommandName::Bind:
                if (view.words.size() >= 3) {
                    const QByteArray identity = keyIdentity(word(1));
                    replaceKey(identity);
                    m_bindings[identity].push_back(
                        {int(row), word(1).toByteArray(), commandText(view), false, physical});
                }
                break;
            case console::CommandName::Unbind:
                if (view.words.size() >= 2)
                    replaceKey(keyIdentity(word(1)));
                break;
            case console::CommandName::Alias:
                if (view.words.size() >= 3)
                    m_aliases[lowered(word(1))].append(commandText(view));
                break;
            case console::CommandName::Set:
            case console::CommandName::Seta:
                if (view.words.size() >= 3 && isBindPhysical(word(1)))
                    physical = word(2) == "1";
                break;
            case console::CommandName::SetTp:
            case console::CommandName::SetCalc:
            case console::CommandName::CommandLine:
                break;
            case console::CommandName::Other:
                if (console::isCommandName(word(0), "unbindall")) {
                    for (std::vector<Binding>& bindings : m_bindings)
                        for (Binding& earlier : bindings)
                            earlier.dead = true;
                } else if (view.words.size() >= 2 && isBindPhysical(word(0))) {
                    physical = word(1) == "1";
                }
                break;
            }
        });
    }
}

const std::vector<Binding>& KeymapModel::bindingsOf(QByteArrayView key) const
{
    const auto found = m_bindings.constFind(keyIdentity(key));
    return found == m_bindings.cend() ? NoBindings : *found;
}

const Binding* KeymapModel::liveBinding(QByteArrayView key) const
{
    const std::vector<Binding>& bindings = bindingsOf(key);
    if (bindings.empty() || bindings.back().dead)
        return nullptr;
    return &bindings.back();
}

QList<QByteArray> KeymapModel::keysRunning(QByteArrayView command) const
{
    QList<QByteArray> keys;
    const QList<QByteArray> words = queryWords(command);
    if (words.isEmpty())
        return keys;
    for (auto it = m_bindings.cbegin(); it != m_bindings.cend(); ++it) {
        QList<QByteArray> aliasesSeen;
        if (!it->back().dead && runs(it->back().command, words, aliasesSeen))
            keys.append(it.key());
    }
    std::ranges::sort(keys);
    return keys;
}

QList<QByteArray> KeymapModel::boundKeys() const
{
    QList<QByteArray> keys;
    for (auto it = m_bindings.cbegin(); it != m_bindings.cend(); ++it)
        if (!it->back().dead)
            keys.append(it.key());
    std::ranges::sort(keys);
    return keys;
}

bool KeymapModel::runs(QByteArrayView commandText, QByteArrayView command) const
{
    const QList<QByteArray> words = queryWords(command);
    QList<QByteArray> aliasesSeen;
    return !words.isEmpty() && runs(commandText, words, aliasesSeen);
}

bool KeymapModel::runs(QByteArrayView commandText, const QList<QByteArray>& words, QList<QByteArray>& aliasesSeen) const
{
    console::TokenizedRow tokens;
    console::tokenize(commandText, console::Syntax{}, tokens);
    for (const console::Command& command : tokens.commands) {
        const std::span<const console::Word> commandWords = tokens.wordsOf(command);
        if (commandWords.empty())
            continue;
        bool matches = commandWords.size() >= size_t(words.size());
        for (qsizetype i = 0; matches && i < words.size(); ++i)
            matches = lowered(commandWords[size_t(i)].text(commandText)) == words[i];
        if (matches)
            return true;
        // An alias defined in the script runs its bodies; each alias is followed once, so
        // that aliases that run each other end.
        const QByteArray name = lowered(commandWords.front().text(commandText));
        const auto alias = m_aliases.constFind(name);
        if (alias == m_aliases.cend() || aliasesSeen.contains(name) || aliasesSeen.size() >= DeepestAlias)
            continue;
        aliasesSeen.append(name);
        for (const QByteArray& body : *alias)
            if (runs(body, words, aliasesSeen))
                return true;
    }
    return false;
}

} // namespace keymap
