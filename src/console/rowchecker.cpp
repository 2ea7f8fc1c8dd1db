#include "console/rowchecker.h"

#include "console/keynames.h"

#include <cstring>

namespace console {
namespace {

Finding about(Rule rule, const Word& word)
{
    return {rule, word.column, word.textStart(), word.length};
}

bool quoteEndsEarly(QByteArrayView row, const Word& word, qint32 codeEnd)
{
    if (!word.quoted || !word.closed || word.end() >= codeEnd)
        return false;
    const qsizetype next = word.end();
    const bool commentFollows = row[next] == '/' && next + 1 < codeEnd && row[next + 1] == '/';
    return !isBlank(uchar(row[next])) && !commentFollows;
}

// Eight bytes at a time, for every row: a byte from 128 up has its top bit set, and x ^ c
// has a zero byte where x holds c.
bool holdsHighQuoteOrSemicolon(QByteArrayView row)
{
    constexpr quint64 ones = 0x0101010101010101, tops = ones * 0x80;
    const auto anyZeroByte = [](quint64 word) { return (word - ones) & ~word & tops; };
    qsizetype i = 0;
    for (; i + 8 <= row.size(); i += 8) {
        quint64 word;
        std::memcpy(&word, row.data() + i, sizeof word);
        if ((word & tops) | anyZeroByte(word ^ (ones * '"')) | anyZeroByte(word ^ (ones * ';')))
            return true;
    }
    return firstOf(row.data(), i, row.size(), HighByte | Quote | Semicolon) < row.size();
}

// Whether no rule can fault the row and it binds nothing, told from one look at its bytes,
// as for most lines of a script: a first word that none of the rules looks at, too short
// for a long word, no byte from 128 up, no quote and no ";" (so one command, and nothing
// inside it is walked).
bool plainlyClean(QByteArrayView row)
{
    if (row.size() > limits::Quake2Token)
        return false;
    if (holdsHighQuoteOrSemicolon(row))
        return false;
    const qsizetype start = firstNotOf(row.data(), 0, row.size(), Blank);
    const qsizetype end = firstOf(row.data(), start, row.size(), Blank);
    const Word first{qint32(start), qint32(end - start), false, true};
    return commandNameOf(std::span(&first, 1), row) == CommandName::Other;
}

} // namespace

void RowChecker::check(QByteArrayView row)
{
    m_findings.clear();
    m_bindings.clear();
    if (!plainlyClean(row))
        m_walker.walk(row, [this](const CommandView& view) { checkCommand(view); });
}

void RowChecker::checkCommand(const CommandView& view)
{
    if (view.depth == 0)
        checkLine(view);
    switch (view.name) {
    case CommandName::Bind:
    case CommandName::Unbind:
        checkKey(view, view.name == CommandName::Bind);
        break;
    case CommandName::Alias:
        if (view.words.size() > 1)
            checkAliasName(view.words[1]);
        break;
    case CommandName::Set:
        if (m_game == Game::Quake)
            m_findings.push_back(about(Rule::SetInQuake, view.words.front()));
        break;
    case CommandName::Other:
        break;
    }
}

// What the engine's command buffer and tokenizer make of the row's own commands.
void RowChecker::checkLine(const CommandView& view)
{
    const Command& command = *view.command;
    const qint32 length = command.end - command.begin;
    if (length >= limits::Line)
        m_findings.push_back({Rule::LongLine, command.begin, command.begin, 0, length});
    if (command.firstHighByte >= 0)
        m_findings.push_back({Rule::UnquotedHighByte, command.firstHighByte});
    for (const Word& word : view.words)
        checkWord(view.row, word, command.codeEnd);
}

void RowChecker::checkWord(QByteArrayView row, const Word& word, qint32 codeEnd)
{
    if (word.quoted && !word.closed)
        m_findings.push_back(about(Rule::UnterminatedQuote, word));
    else if (quoteEndsEarly(row, word, codeEnd))
        m_findings.push_back({Rule::BrokenQuote, word.end() - 1});
    if (m_game == Game::Quake2 && word.length > limits::Quake2Token)
        m_findings.push_back({Rule::LongToken, word.column, word.textStart(), 0, word.length});
}

void RowChecker::checkKey(const CommandView& view, bool binds)
{
    if (view.words.size() == 1) {
        // "bind ;": the command buffer cut the line where the key should be.
        if (view.command && view.command->endsAtSemicolon)
            m_findings.push_back({Rule::SemicolonKey, view.command->end});
        return;
    }
    const Word& key = view.words[1];
    const KeyLookup lookup = lookUpKey(key.text(view.row), m_game);
    switch (lookup.verdict) {
    case KeyLookup::Verdict::Stock:
        break;
    case KeyLookup::Verdict::PortOnly:
        m_findings.push_back(about(Rule::PortKey, key));
        break;
    case KeyLookup::Verdict::DeadLetter:
        m_findings.push_back(about(Rule::DeadKey, key));
        break;
    case KeyLookup::Verdict::Semicolon:
        m_findings.push_back(about(Rule::SemicolonKey, key));
        break;
    case KeyLookup::Verdict::Unknown:
        m_findings.push_back(about(Rule::UnknownKey, key));
        break;
    }
    if (binds && view.depth == 0 && view.words.size() > 2 && lookup.keyId >= 0)
        m_bindings.push_back({lookup.keyId, key.column, key.textStart(), key.length});
}

void RowChecker::checkAliasName(const Word& name)
{
    if (name.length >= limits::AliasName)
        m_findings.push_back(about(Rule::LongAliasName, name));
}

} // namespace console
