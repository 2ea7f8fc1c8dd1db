#include "diagnostic.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

namespace console {
namespace {

struct RuleInfo
{
    const char* code;
    Severity severity;
};

constexpr std::array<RuleInfo, 20> Rules = {{
    {"dead-key", Severity::Error},
    {"unknown-key", Severity::Error},
    {"port-key", Severity::Note},
    {"semicolon-key", Severity::Error},
    {"semicolon-key", Severity::Note},
    {"broken-quote", Severity::Error},
    {"unterminated-quote", Severity::Warning},
    {"set-in-quake", Severity::Error},
    {"port-command", Severity::Note},
    {"long-token", Severity::Warning},
    {"long-line", Severity::Error},
    {"large-file", Severity::Note},
    {"rebound-key", Severity::Warning},
    {"rebound-key", Severity::Note},
    {"unquoted-high-byte", Severity::Warning},
    {"long-alias-name", Severity::Error},
    {"command-line-syntax", Severity::Warning},
    {"semicolon-comment", Severity::Note},
    {"no-final-newline", Severity::Note},
    {"trailing-words", Severity::Warning},
}};

// An argument of a message: UTF-8 bytes, or Latin-1 text taken from a row.
struct Piece
{
    QByteArrayView bytes;
    bool latin1 = false;
};

Piece fromRow(QByteArrayView text)
{
    return {text, true};
}

void appendLatin1AsUtf8(QByteArray& utf8, QByteArrayView text)
{
    const auto high = std::find_if(text.begin(), text.end(), [](char c) { return uchar(c) >= 0x80; });
    utf8.append(text.first(high - text.begin()));
    for (auto c = high; c != text.end(); ++c) {
        if (uchar(*c) < 0x80) {
            utf8.append(*c);
            continue;
        }
        utf8.append(char(0xC0 | (uchar(*c) >> 6)));
        utf8.append(char(0x80 | (uchar(*c) & 0x3F)));
    }
}

// A number in decimal digits, without an allocation.
class Number
{
public:
    explicit Number(qint64 value) : m_end(std::to_chars(m_digits, m_digits + sizeof m_digits, value).ptr) {}
    operator Piece() const { return {QByteArrayView(m_digits, m_end)}; }

private:
    char m_digits[24];
    char* m_end;
};

// Appends pattern with %1, %2, ... replaced by the pieces.
void appendFormatted(QByteArray& utf8, const char* pattern, std::initializer_list<Piece> pieces)
{
    for (const char* percent; (percent = std::strchr(pattern, '%'));) {
        utf8.append(pattern, percent - pattern);
        const Piece& piece = pieces.begin()[percent[1] - '1'];
        if (piece.latin1)
            appendLatin1AsUtf8(utf8, piece.bytes);
        else
            utf8.append(piece.bytes);
        pattern = percent + 2;
    }
    utf8.append(pattern);
}

} // namespace

QLatin1StringView codeOf(Rule rule)
{
    return QLatin1StringView(Rules[size_t(rule)].code);
}

Severity severityOf(Rule rule)
{
    return Rules[size_t(rule)].severity;
}

QLatin1StringView severityName(Severity severity)
{
    static constexpr const char* names[] = {"error", "warning", "note"};
    return QLatin1StringView(names[int(severity)]);
}

QString describe(const Finding& finding, QByteArrayView row, Engine engine)
{
    QByteArray utf8;
    appendDescription(utf8, finding, row, engine);
    return QString::fromUtf8(utf8);
}

void appendDescription(QByteArray& utf8, const Finding& finding, QByteArrayView row, Engine engine)
{
    const QByteArrayView text = row.sliced(finding.textStart, finding.length);
    const auto append = [&utf8](const char* pattern, std::initializer_list<Piece> pieces = {}) {
        appendFormatted(utf8, pattern, pieces);
    };
    const Piece name{engine->name};
    const auto engines = [&finding] { return engineNames(quint16(finding.number)); };
    switch (finding.rule) {
    case Rule::DeadKey:
        return append("%1 sends lower-case letters, so key \"%2\" is never pressed; write \"%3\"",
                      {name, fromRow(text), fromRow(text.toByteArray().toLower())});
    case Rule::UnknownKey:
        if (finding.number == 0)
            return append("%1 knows no key \"%2\" and answers \"isn't a valid key\"; use a key name it knows",
                          {name, fromRow(text)});
        return append("%1 knows no key \"%2\" and answers \"isn't a valid key\"; only %3 know it",
                      {name, fromRow(text), Piece{engines()}});
    case Rule::PortKey:
        return append("key \"%1\" works only in source ports (%2); stock %3 answers \"isn't a valid key\"",
                      {fromRow(text), Piece{engines()}, name});
    case Rule::SemicolonKey:
        return append("\";\" ends the command, so the key is lost and the rest of the line runs at once; write "
                      "SEMICOLON");
    case Rule::SavedSemicolonKey:
        return append("the quoted \";\" binds the semicolon key, but %1 saves the binding with the \";\" bare, "
                      "which cuts the saved line; write SEMICOLON",
                      {name});
    case Rule::BrokenQuote:
        return append("this quote ends the quoted text early and the rest falls apart into other words; quotes do "
                      "not nest, so leave the inner ones out");
    case Rule::UnterminatedQuote:
        return append("this quote is never closed, so it runs to the end of the line and hides any \";\" there; "
                      "add the closing quote");
    case Rule::SetInQuake:
        return append("%1 has no \"%2\" command, so the line does nothing; write the variable first: "
                      "name \"value\"",
                      {name, fromRow(text)});
    case Rule::PortCommand:
        return append("\"%1\" works only in source ports (%2); stock %3 answers \"Unknown command\"",
                      {fromRow(text), Piece{engines()}, name});
    case Rule::LongToken:
        return append("%1 cuts this %2-character word at %3 characters; make it shorter, for example by "
                      "splitting it into aliases",
                      {name, Number(finding.number), Number(engine->tokenLimit)});
    case Rule::LongLine:
        return append("this command is %1 characters; %2 takes commands shorter than %3; split it into aliases",
                      {Number(finding.number), name, Number(engine->lineLimit)});
    case Rule::LargeFile:
        return append("the file is over %1 bytes: %2 stops with \"Cbuf_AddText: overflow\"; split it and exec the "
                      "parts",
                      {Number(engine->commandBuffer), name});
    case Rule::ReboundKey:
        return append("key \"%1\" is bound again on line %2, which replaces this binding; remove one of them",
                      {fromRow(text), Number(finding.number + 1)});
    case Rule::RepeatedBinding:
        return append("key \"%1\" is bound to the same command again on line %2; one of them can go",
                      {fromRow(text), Number(finding.number + 1)});
    case Rule::UnquotedHighByte:
        return append("outside quotes %1 reads bytes 128-255 as spaces, so the text breaks apart here; put it in "
                      "double quotes",
                      {name});
    case Rule::LongAliasName:
        return append("%1 takes alias names shorter than %2 characters and this one has %3; shorten the name",
                      {name, Number(engine->aliasNameLimit), Number(finding.length)});
    case Rule::CommandLineSyntax:
        return append("\"%1\" is written on the command line, not in a script: here the engine answers \"Unknown "
                      "command\"; leave out the \"+\"",
                      {fromRow(text)});
    case Rule::SemicolonComment:
        return append("\";\" does not start a comment: it ends an empty command and the words after it run; start "
                      "the comment with //");
    case Rule::NoFinalNewline:
        return append("the last line has no line end, so %1 runs it together with the next command waiting; end "
                      "the file with a line end",
                      {name});
    case Rule::TrailingWords:
        return append("the words from here on are added to the quoted command, joined with a space; put them "
                      "inside the quotes, or start a comment with //");
    }
}

} // namespace console
