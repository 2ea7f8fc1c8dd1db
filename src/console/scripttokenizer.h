#pragma once

#include "engine.h"

#include <QAnyStringView>
#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <span>
#include <vector>

// How the engines cut a console line into commands and words. A line splits into commands
// at every ";" outside double quotes; a command splits into words at white space, which
// outside quotes is every byte up to 32 and, in most engines, every byte from 128 up (they
// compare a signed char with ' '). Double quotes group a word and have no escape: the next
// quote ends it, and an unclosed one runs to the end of the command. "//" at the start of a
// word comments out the rest of the command, and in some engines the rest of the line, ";"
// and all. Columns count bytes from 0 from the start of the row.
namespace console {

// What each byte is to the tokenizer, classified once so that a scan tests one table entry
// per byte.
enum ByteClass : uchar { Blank = 1, HighByte = 2, Quote = 4, Semicolon = 8, Slash = 16 };

using ByteClassTable = std::array<uchar, 256>;

constexpr ByteClassTable byteClasses(bool highBytesAreText)
{
    ByteClassTable classes{};
    for (int c = 0; c < 256; ++c) {
        const bool high = c >= 128 && !highBytesAreText;
        classes[size_t(c)] = uchar((c <= ' ' || high ? Blank : 0) | (high ? HighByte : 0) | (c == '"' ? Quote : 0)
                                   | (c == ';' ? Semicolon : 0) | (c == '/' ? Slash : 0));
    }
    return classes;
}

inline constexpr ByteClassTable StockByteClasses = byteClasses(false);
inline constexpr ByteClassTable TextHighByteClasses = byteClasses(true);

// Blank as most engines read it.
inline bool isBlank(uchar c)
{
    return StockByteClasses[c] & Blank;
}

// How one engine reads a line.
struct Syntax
{
    ByteClassTable classes = StockByteClasses; // a copy: one load a byte, not two
    // Outside quotes, what may end a command (a "/" too where "//" hides the rest of the
    // line) and what ends a bare word; worked out once, not for every command.
    uchar commandStops = Quote | Semicolon;
    uchar wordEnds = Blank;

    static Syntax of(const EngineProfile& engine);

    uchar classOf(char c) const { return classes[uchar(c)]; }
    // The first position from `from` on, before end, whose byte is (is not) of one of the
    // classes, or end.
    qsizetype firstOf(const char* data, qsizetype from, qsizetype end, uchar wanted) const
    {
        while (from < end && !(classOf(data[from]) & wanted))
            ++from;
        return from;
    }
    qsizetype firstNotOf(const char* data, qsizetype from, qsizetype end, uchar wanted) const
    {
        while (from < end && (classOf(data[from]) & wanted))
            ++from;
        return from;
    }
};

struct Word
{
    qint32 column; // where the word starts; for a quoted word, its opening quote
    qint32 length; // of its text, without the quotes
    bool quoted;
    bool closed; // a quoted word's closing quote was found

    qint32 textStart() const { return column + (quoted ? 1 : 0); }
    qint32 end() const { return textStart() + length + (quoted && closed ? 1 : 0); }
    QByteArrayView text(QByteArrayView row) const { return row.sliced(textStart(), length); }
};

struct Command
{
    qint32 begin;   // the first byte after the previous ";" (or where the range starts)
    qint32 end;     // the ";" that ends the command, or the end of the range
    qint32 codeEnd; // where a "//" comment starts, or end
    qint32 firstWord;
    qint32 wordCount;
    qint32 firstHighByte; // the first byte from 128 up read as a blank, outside quotes and comments, or -1
    bool endsAtSemicolon;
};

// The commands and words of one row. Kept from row to row so that its storage is reused.
struct TokenizedRow
{
    std::vector<Word> words;
    std::vector<Command> commands;

    std::span<const Word> wordsOf(const Command& command) const
    {
        return std::span<const Word>(words).subspan(size_t(command.firstWord), size_t(command.wordCount));
    }
};

// Tokenizes row[begin, end) into out, replacing what it held.
void tokenize(QByteArrayView row, qsizetype begin, qsizetype end, const Syntax& syntax, TokenizedRow& out);
inline void tokenize(QByteArrayView row, const Syntax& syntax, TokenizedRow& out)
{
    tokenize(row, 0, row.size(), syntax, out);
}

// The row as Latin-1 bytes: a view of the row itself when it is Latin-1, otherwise its
// conversion in scratch (a character without a Latin-1 byte becomes '?', an ordinary byte).
QByteArrayView latin1Bytes(QAnyStringView row, QByteArray& scratch);

// Whether a word is the command name given in lower-case letters; the engines match command
// names without regard to case.
inline bool isCommandName(QByteArrayView word, QByteArrayView lowerCaseName)
{
    if (word.size() != lowerCaseName.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char c = word[i], lower = lowerCaseName[i];
        if (c != lower && !(lower >= 'a' && lower <= 'z' && c == lower - 0x20))
            return false;
    }
    return true;
}

} // namespace console
