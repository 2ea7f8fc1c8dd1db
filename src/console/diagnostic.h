#pragma once

#include "console/game.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>

namespace console {

// The engines' limits that the rules compare against.
namespace limits {
inline constexpr qint64 CommandBuffer = 8192; // bytes of a file that a stock engine executes
inline constexpr qsizetype Line = 1024;       // a command must be shorter
inline constexpr qsizetype Quake2Token = 127; // Quake 2 keeps this many characters of a word
inline constexpr qsizetype AliasName = 32;    // an alias name must be shorter
} // namespace limits

// error: the engine will not do what the line says; warning: risky or lost; note: works only
// in some engines.
enum class Severity { Error, Warning, Note };
inline constexpr int SeverityCount = 3;

enum class Rule : quint8 {
    DeadKey,
    UnknownKey,
    PortKey,
    SemicolonKey,
    BrokenQuote,
    UnterminatedQuote,
    SetInQuake,
    LongToken,
    LongLine,
    LargeFile,
    ReboundKey,
    UnquotedHighByte,
    LongAliasName,
};

// The stable code printed in brackets, such as "dead-key".
QLatin1StringView codeOf(Rule rule);
Severity severityOf(Rule rule);
// "error", "warning" or "note".
QLatin1StringView severityName(Severity severity);

// A problem as a check finds it, before it is put in words: where it is and what it is
// about. The text it is about is row[textStart, textStart + length); number is a count or a
// row that the message names, depending on the rule. Kept to twenty bytes, what the message
// needs besides is found again when it is put in words: a script may hold a finding on
// most of a million rows.
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

// What happens in the game and how to fix it, in one short sentence or two.
QString describe(const Finding& finding, QByteArrayView row, Game game);
// The same, appended to utf8 without a QString in between, for printing many of them.
void appendDescription(QByteArray& utf8, const Finding& finding, QByteArrayView row, Game game);

} // namespace console
