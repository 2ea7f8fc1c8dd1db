#include "rowchecker.h"

#include "keynames.h"

#include <cstring>

namespace console {
namespace {

// No engine limits a word or a command to fewer bytes than this.
constexpr qsizetype ShortestLimit = 127;

Finding about(Rule rule, const Word& word, qint32 number = 0)
{
    return {rule, word.column, word.textStart(), word.length, number};
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
    const Syntax stock;
    return stock.firstOf(row.data(), i, row.size(), HighByte | Quote | Semicolon) < row.size();
}

// Whether no rule can fault the row and it binds nothing, told from one look at its bytes,
// as for most lines of a script: a first word that none of the rules looks at, too short
// for a long word, no byte from 128 up, no quote and no ";" (so one command, and nothing
// inside it is walked).
bool plainlyClean(QByteArrayView row)
{
    if (row.size() > ShortestLimit)
        return false;
    if (holdsHighQuoteOrSemicolon(row))
        return false;
    const Syntax stock;
    const qsizetype start = stock.firstNotOf(row.data(), 0, row.size(), Blank);
    const qsizetype end = stock.firstOf(row.data(), start, row.size(), Blank);
    const Word first{qint32(start), qint32(end - start), false, true};
    return commandNameOf(std::span(&first, 1), row) == CommandName::Other;
}

// The command text of a bind as the engine stores it: a quoted word's text, or the words
// joined with single spaces. FNV-1a, byte by byte: binds are a small part of a script.
quint32 commandHash(std::span<const Word> words, QByteArrayView row)
{
    quint32 hash = 2166136261U;
    const auto add = [&hash](char c) { hash = (hash ^ uchar(c)) * 16777619U; };
    for (const Word& word : words) {
        if (&word != &words.front())
            add(' ');
        for (const char c : word.text(row))
            add(c);
    }
    return hash;
}

quint8 setCommandOf(CommandName name)
{
    switch (name) {
    case CommandName::Set:
        return SetCommand::Set;
    case CommandName::Seta:
        return SetCommand::Seta;
    case CommandName::SetTp:
        return SetCommand::SetTp;
    case CommandName::SetCalc:
        return SetCommand::SetCalc;
    default:
        return 0;
    }
}

// The engines that have one of the set commands.
quint16 enginesWith(quint8 setCommand)
{
    quint16 engines = 0;
    for (const Engine engine : Engine::all())
        if (engine->setCommands & setCommand)
            engines |= engine.bit();
    return engines;
}

} // namespace

void RowChecker::setEngine(Engine engine)
{
    m_engine = engine;
    m_walker = CommandWalker(Syntax::of(engine.profile()));
}

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
    case CommandName::Seta:
    case CommandName::SetTp:
    case CommandName::SetCalc:
        checkSetCommand(view.words.front(), setCommandOf(view.name));
        break;
    case CommandName::CommandLine:
        m_findings.push_back(about(Rule::CommandLineSyntax, view.words.front()));
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
    if (m_engine->lineLimit && length >= m_engine->lineLimit)
        m_findings.push_back({Rule::LongLine, command.begin, command.begin, 0, length});
    if (command.firstHighByte >= 0)
        m_findings.push_back({Rule::UnquotedHighByte, command.firstHighByte});
    // "; text" at the start of a row: no comment, but an empty command and then the words.
    if (command.begin == 0 && view.words.empty() && command.endsAtSemicolon && command.codeEnd == command.end
        && Syntax::of(m_engine.profile()).firstNotOf(view.row.data(), command.end + 1, view.row.size(), Blank)
               < view.row.size())
        m_findings.push_back({Rule::SemicolonComment, command.end});
    for (const Word& word : view.words)
        checkWord(view.row, word, command.codeEnd);
}

void RowChecker::checkWord(QByteArrayView row, const Word& word, qint32 codeEnd)
{
    if (word.quoted && !word.closed)
        m_findings.push_back(about(Rule::UnterminatedQuote, word));
    else if (quoteEndsEarly(row, word, codeEnd))
        m_findings.push_back({Rule::BrokenQuote, word.end() - 1});
    if (m_engine->tokenLimit && word.length > m_engine->tokenLimit)
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
    const KeyLookup lookup = lookUpKey(key.text(view.row), m_engine, key.quoted);
    switch (lookup.verdict) {
    case KeyLookup::Verdict::Known:
        break;
    case KeyLookup::Verdict::PortOnly:
        m_findings.push_back(about(Rule::PortKey, key, lookup.engines));
        break;
    case KeyLookup::Verdict::DeadLetter:
        m_findings.push_back(about(Rule::DeadKey, key));
        break;
    case KeyLookup::Verdict::Semicolon:
        m_findings.push_back(about(Rule::SemicolonKey, key));
        break;
    case KeyLookup::Verdict::SavedBare:
        m_findings.push_back(about(Rule::SavedSemicolonKey, key));
        break;
    case KeyLookup::Verdict::Unknown:
        m_findings.push_back(about(Rule::UnknownKey, key, lookup.engines));
        break;
    }
    // Words right after the closing quote are a broken quote's.
    if (binds && view.words.size() > 3 && view.words[2].quoted && view.words[3].column > view.words[2].end())
        m_findings.push_back(about(Rule::TrailingWords, view.words[3]));
    // A key the engine refuses is bound by neither line.
    if (binds && view.depth == 0 && view.words.size() > 2 && lookup.keyId >= 0
        && lookup.verdict != KeyLookup::Verdict::Unknown)
        m_bindings.push_back(
            {lookup.keyId, key.column, key.textStart(), key.length, commandHash(view.words.subspan(2), view.row)});
}

// A stock engine without the command answers "Unknown command"; a family's ports that have
// it make it a note.
void RowChecker::checkSetCommand(const Word& name, quint8 command)
{
    if (m_engine->setCommands & command)
        return;
    const quint16 ports = enginesWith(command) & familyEngines(m_engine.family());
    if (m_engine.isFamily() && ports)
        m_findings.push_back(about(Rule::PortCommand, name, ports));
    else
        m_findings.push_back(about(Rule::SetInQuake, name));
}

void RowChecker::checkAliasName(const Word& name)
{
    if (m_engine->aliasNameLimit && name.length >= m_engine->aliasNameLimit)
        m_findings.push_back(about(Rule::LongAliasName, name));
}

} // namespace console
