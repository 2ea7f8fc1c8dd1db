#include "console/diagnostic.h"

#include "console/keynames.h"

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

constexpr std::array<RuleInfo, 13> Rules = {{
    {"dead-key", Severity::Error},
    {"unknown-key", Severity::Error},
    {"port-key", Severity::Note},
    {"semicolon-key", Severity::Error},
    {"broken-quote", Severity::Error},
    {"unterminated-quote", Severity::Warning},
    {"set-in-quake", Severity::Error},
    {"long-token", Severity::Warning},
    {"long-line", Severity::Error},
    {"large-file", Severity::Note},
    {"rebound-key", Severity::Warning},
    {"unquoted-high-byte", Severity::Warning},
    {"long-alias-name", Severity::Error},
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

QString describe(const Finding& finding, QByteArrayView row, Game game)
{
    QByteArray utf8;
    appendDescription(utf8, finding, row, game);
    return QString::fromUtf8(utf8);
}

void appendDescription(QByteArray& utf8, const Finding& finding, QByteArrayView row, Game game)
{
    const QByteArrayView text = row.sliced(finding.textStart, finding.length);
    const auto append = [&utf8](const char* pattern, std::initializer_list<Piece> pieces = {}) {
        appendFormatted(utf8, pattern, pieces);
    };
    switch (finding.rule) {
    case Rule::DeadKey:
        return append("the game sends lower-case letters, so key \"%1\" is never pressed; write \"%2\"",
                      {fromRow(text), fromRow(text.toByteArray().toLower())});
    case Rule::UnknownKey:
        return append("%1 knows no key \"%2\" and answers \"isn't a valid key\"; use a key name it knows",
                      {Piece{gameTitle(game).toUtf8()}, fromRow(text)});
    case Rule::PortKey:
        return append("key \"%1\" works only in source ports (%2); stock %3 answers \"isn't a valid key\"",
                      {fromRow(text), {lookUpKey(text, game).ports}, Piece{gameTitle(game).toUtf8()}});
    case Rule::SemicolonKey:
        return append("\";\" ends the command, so the key is lost and the rest of the line runs at once; write "
                      "SEMICOLON");
    case Rule::BrokenQuote:
        return append("this quote ends the quoted text early and the rest falls apart into other words; quotes do "
                      "not nest, so leave the inner ones out");
    case Rule::UnterminatedQuote:
        return append("this quote is never closed, so it runs to the end of the line and hides any \";\" there; "
                      "add the closing quote");
    case Rule::SetInQuake:
        return append("stock Quake has no \"set\" command, so the line does nothing; write the variable first: "
                      "name \"value\"");
    case Rule::LongToken:
        return append("Quake 2 cuts this %1-character word at %2 characters; make it shorter, for example by "
                      "splitting it into aliases",
                      {Number(finding.number), Number(limits::Quake2Token)});
    case Rule::LongLine:
        return append("this command is %1 characters; engines take commands shorter than %2 (Quake 2 drops it); "
                      "split it into aliases",
                      {Number(finding.number), Number(limits::Line)});
    case Rule::LargeFile:
        return append("the file is over %1 bytes: stock engines stop with \"Cbuf_AddText: overflow\" (QuakeSpasm "
                      "takes 256 KB, Yamagi Quake II 32 KB); split it and exec the parts",
                      {Number(limits::CommandBuffer)});
    case Rule::ReboundKey:
        return append("key \"%1\" is bound again on line %2, which replaces this binding; remove one of them",
                      {fromRow(text), Number(finding.number + 1)});
    case Rule::UnquotedHighByte:
        return append("outside quotes the engine reads bytes 128-255 as spaces, so the text breaks apart here; put "
                      "it in double quotes");
    case Rule::LongAliasName:
        return append("engines take alias names shorter than %1 characters and this one has %2; shorten the name",
                      {Number(limits::AliasName), Number(finding.length)});
    }
}

} // namespace console
