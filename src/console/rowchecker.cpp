#include "rowchecker.h"

#include "keynames.h"

#include <cstring>

namespace console {
namespace {

// The quick look at a row needs no engine's own reading.
constexpr Syntax StockSyntax{};

// No engine limits a word or a command to fewer bytes than this.
constexpr qsizetype ShortestLimit = 127;

Finding about(Rule rule, const Word& word, qint32 number = 0)
{
    return {rule, word.column, word.textStart(), word.length, number};
}

// Whether a closed quoted word runs straight into more text, not into a blank or a comment.
bool quoteEndsEarly(QByteArrayView row, const Word& word, qint32 codeEnd)
{
    if (word.end() >= codeEnd)
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
    return StockSyntax.firstOf(row.data(), i, row.size(), HighByte | Quote | Semicolon) < row.size();
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
    const qsizetype start = StockSyntax.firstNotOf(row.data(), 0, row.size(), Blank);
    const qsizetype end = StockSyntax.firstOf(row.data(), start, row.size(), Blank);
    const Word first{qint32(start), qint32(end - start), false, true};
    return commandNameOf(std::span(&first, 1), row) == CommandName::Other;
}

template <typename Int>
quint64 load(const char* bytes)
{
    Int value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// Eight bytes a step and no call, as most rows of a script may be binds: a short text is
// read as two overlapping pieces instead of byte by byte.
quint32 hashOf(QByteArrayView text)
{
    constexpr quint64 Odd = 0x9E3779B97F4A7C15;
    const char* const bytes = text.data();
    const qsizetype size = text.size();
    quint64 hash = quint64(size) * Odd;
    const auto mix = [&hash](quint64 piece) {
        hash = (hash ^ piece) * Odd;
        hash ^= hash >> 29;
    };
    if (size >= 8) {
        for (qsizetype i = 0; i + 8 < size; i += 8)
            mix(load<quint64>(bytes + i));
        mix(load<quint64>(bytes + size - 8));
    } else if (size >= 4) {
        mix(load<quint32>(bytes) << 32 | load<quint32>(bytes + size - 4));
    } else if (size > 0) {
        mix(quint64(uchar(bytes[0])) << 16 | quint64(uchar(bytes[size / 2])) << 8 | uchar(bytes[size - 1]));
    }
    return quint32(hash >> 32);
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

RowChecker::RowChecker(Engine engine)
    : m_engine(engine), m_profile(&engine.profile()), m_syntax(Syntax::of(*m_profile)), m_walker(m_syntax)
{
}

void RowChecker::setEngine(Engine engine)
{
    *this = RowChecker(engine);
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
    if (length >= m_profile->lineLimit)
        m_findings.push_back({Rule::LongLine, command.begin, command.begin, 0, length});
    if (command.firstHighByte >= 0)
        m_findings.push_back({Rule::UnquotedHighByte, command.firstHighByte});
    // "; text" at the start of a row: no comment, but an empty command and then the words.
    if (command.begin == 0 && view.words.empty() && command.endsAtSemicolon && command.codeEnd == command.end
        && m_syntax.firstNotOf(view.row.data(), command.end + 1, view.row.size(), Blank) < view.row.size())
        m_findings.push_back({Rule::SemicolonComment, command.end});
    for (const Word& word : view.words) {
        // Most words are bare: only a quoted one is looked at more closely.
        if (word.quoted)
            checkQuotes(view.row, word, command.codeEnd);
        if (word.length > m_profile->tokenLimit)
            m_findings.push_back({Rule::LongToken, word.column, word.textStart(), 0, word.length});
    }
}

void RowChecker::checkQuotes(QByteArrayView row, const Word& word, qint32 codeEnd)
{
    if (!word.closed)
        m_findings.push_back(about(Rule::UnterminatedQuote, word));
    else if (quoteEndsEarly(row, word, codeEnd))
        m_findings.push_back({Rule::BrokenQuote, word.end() - 1});
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
    if (m_profile->setCommands & command)
        return;
    const quint16 ports = enginesWith(command) & familyEngines(m_engine.family());
    if (m_engine.isFamily() && ports)
        m_findings.push_back(about(Rule::PortCommand, name, ports));
    else
        m_findings.push_back(about(Rule::SetInQuake, name));
}

void RowChecker::checkAliasName(const Word& name)
{
    if (name.length >= m_profile->aliasNameLimit)
        m_findings.push_back(about(Rule::LongAliasName, name));
}

// The command text of a bind as the engine stores it: a quoted word's text, or the words
// joined with single spaces.
quint32 RowChecker::commandHash(std::span<const Word> words, QByteArrayView row)
{
    if (words.size() == 1)
        return hashOf(words.front().text(row));
    m_joined.clear();
    for (const Word& word : words)
        m_joined.append(word.text(row)).append(' ');
    m_joined.chop(1);
    return hashOf(m_joined);
}

} // namespace console
