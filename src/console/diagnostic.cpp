#include "console/diagnostic.h"

#include <QLocale>
#include <array>

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

QString quoted(QByteArrayView text)
{
    return u'"' + QString::fromLatin1(text) + u'"';
}

QString number(qint64 value)
{
    return QLocale::c().toString(value);
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
    const QByteArrayView text = row.sliced(finding.textStart, finding.length);
    switch (finding.rule) {
    case Rule::DeadKey:
        return QStringLiteral("the game sends lower-case letters, so key %1 is never pressed; write %2")
            .arg(quoted(text), quoted(text.toByteArray().toLower()));
    case Rule::UnknownKey:
        return QStringLiteral("%1 knows no key %2 and answers \"isn't a valid key\"; use a key name it knows")
            .arg(gameTitle(game), quoted(text));
    case Rule::PortKey:
        return QStringLiteral("key %1 works only in source ports (%2); stock %3 answers \"isn't a valid key\"")
            .arg(quoted(text), QLatin1StringView(finding.detail), gameTitle(game));
    case Rule::SemicolonKey:
        return QStringLiteral("\";\" ends the command, so the key is lost and the rest of the line runs at "
                              "once; write SEMICOLON");
    case Rule::BrokenQuote:
        return QStringLiteral("this quote ends the quoted text early and the rest falls apart into other "
                              "words; quotes do not nest, so leave the inner ones out");
    case Rule::UnterminatedQuote:
        return QStringLiteral("this quote is never closed, so it runs to the end of the line and hides any "
                              "\";\" there; add the closing quote");
    case Rule::SetInQuake:
        return QStringLiteral("stock Quake has no \"set\" command, so the line does nothing; write the "
                              "variable first: name \"value\"");
    case Rule::LongToken:
        return QStringLiteral("Quake 2 cuts this %1-character word at %2 characters; make it shorter, for "
                              "example by splitting it into aliases")
            .arg(number(finding.number), number(limits::Quake2Token));
    case Rule::LongLine:
        return QStringLiteral("this command is %1 characters; engines take commands shorter than %2 (Quake 2 "
                              "drops it); split it into aliases")
            .arg(number(finding.number), number(limits::Line));
    case Rule::LargeFile:
        return QStringLiteral("the file is over %1 bytes: stock engines stop with \"Cbuf_AddText: overflow\" "
                              "(QuakeSpasm takes 256 KB, Yamagi Quake II 32 KB); split it and exec the parts")
            .arg(number(limits::CommandBuffer));
    case Rule::ReboundKey:
        return QStringLiteral("key %1 is bound again on line %2, which replaces this binding; remove one of "
                              "them")
            .arg(quoted(text), number(finding.number + 1));
    case Rule::UnquotedHighByte:
        return QStringLiteral("outside quotes the engine reads bytes 128-255 as spaces, so the text breaks "
                              "apart here; put it in double quotes");
    case Rule::LongAliasName:
        return QStringLiteral("engines take alias names shorter than %1 characters and this one has %2; "
                              "shorten the name")
            .arg(number(limits::AliasName), number(finding.length));
    }
    return {};
}

} // namespace console
