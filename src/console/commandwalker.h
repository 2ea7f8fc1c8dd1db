#pragma once

#include "scripttokenizer.h"

#include <memory>
#include <vector>

namespace console {

// The commands whose words the rules look at; every other command is Other. CommandLine is
// one of the command line's "+set", "+exec" and "+map", which no console knows.
enum class CommandName { Other, Bind, Unbind, Alias, Set, Seta, SetTp, SetCalc, CommandLine };
CommandName commandNameOf(std::span<const Word> words, QByteArrayView row);

// One command as a check sees it: its words, and how deep it sits in the row. Depth 0 is a
// command of the row itself; the command text of a bind or an alias is a script of its own
// that the engine runs later, and its commands sit one level deeper.
struct CommandView
{
    QByteArrayView row;
    std::span<const Word> words;
    const Command* command; // null for the words after a bind's key that form one command
    int depth;
    CommandName name;
};

// Visits every command of a row, and the commands in the command text of every bind and
// alias, each after the command holding it. The command text is the words after the key or
// the alias name: a single quoted word is tokenized again as a script (it may hold ";");
// several words are one command.
class CommandWalker
{
public:
    explicit CommandWalker(const Syntax& syntax = {}) : m_syntax(syntax) {}

    template <typename Visit>
    void walk(QByteArrayView row, Visit&& visit)
    {
        walkRange(row, 0, row.size(), 0, visit);
    }

private:
    template <typename Visit>
    void walkRange(QByteArrayView row, qsizetype begin, qsizetype end, int depth, Visit& visit)
    {
        TokenizedRow& level = tokensAt(depth);
        tokenize(row, begin, end, m_syntax, level);
        for (const Command& command : level.commands) {
            const std::span<const Word> words = level.wordsOf(command);
            walkCommand({row, words, &command, depth, commandNameOf(words, row)}, visit);
        }
    }

    template <typename Visit>
    void walkCommand(const CommandView& view, Visit& visit)
    {
        visit(view);
        const std::span<const Word> body = commandText(view);
        if (body.empty())
            return;
        if (body.size() == 1 && body.front().quoted) {
            const Word& text = body.front();
            walkRange(view.row, text.textStart(), text.textStart() + text.length, view.depth + 1, visit);
        } else {
            walkCommand({view.row, body, nullptr, view.depth + 1, commandNameOf(body, view.row)}, visit);
        }
    }

    static std::span<const Word> commandText(const CommandView& view);
    // Inline, as it runs for every row and every command text inside one.
    TokenizedRow& tokensAt(int depth)
    {
        if (size_t(depth) >= m_levels.size())
            addLevels(depth);
        return *m_levels[size_t(depth)];
    }
    void addLevels(int depth);

    Syntax m_syntax;
    // One per depth, kept for their storage; each on the heap, so that a deeper level
    // added while a shallower one is walked leaves it in place.
    std::vector<std::unique_ptr<TokenizedRow>> m_levels;
};

} // namespace console
