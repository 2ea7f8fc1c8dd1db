#pragma once

#include "engine.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>

namespace console {

// error: the engine will not do what the line says; warning: risky or lost; note: works only
// in some engines, or harmless.
enum class Severity { Error, Warning, Note };
inline constexpr int SeverityCount = 3;

// Two rules may share a code when they are one problem of two severities.
enum class Rule : quint8 {
    DeadKey,
    UnknownKey,
    PortKey,
    SemicolonKey,
    SavedSemicolonKey,
    BrokenQuote,
    UnterminatedQuote,
    SetInQuake,
    PortCommand,
    LongToken,
    LongLine,
    LargeFile,
    ReboundKey,
    RepeatedBinding,
    UnquotedHighByte,
    LongAliasName,
    CommandLineSyntax,
    SemicolonComment,
    NoFinalNewline,
    TrailingWords,
};

// The stable code printed in brackets, such as "dead-key".
QLatin1StringView codeOf(Rule rule);
Severity severityOf(Rule rule);
// "error", "warning" or "note".
QLatin1StringView severityName(Severity severity);

// A problem as a check finds it, before it is put in words: where it is and what it is
// about. The text it is about is row[textStart, textStart + length); number is a count, a
// row or a set of engines that the message names, depending on the rule. Kept to twenty
// bytes, what the message needs besides is found again when it is put in words: a script
// may hold a finding on most of a million rows.
struct Finding
{
    Rule rule;
    qint32 column;
    qint32 textStart = 0;
    qint32 length = 0;
    qint32 number = 0;
};

struct Diagnostic
{
    Rule rule;
    qsizetype row;    // from 0
    qsizetype column; // from 0, in bytes
    QString message;

    Severity severity() const { return severityOf(rule); }
    QLatin1StringView code() const { return codeOf(rule); }
};

// What happens in the engine and how to fix it, in one short sentence or two.
QString describe(const Finding& finding, QByteArrayView row, Engine engine);
// The same, appended to utf8 without a QString in between, for printing many of them.
void appendDescription(QByteArray& utf8, const Finding& finding, QByteArrayView row, Engine engine);

} // namespace console
