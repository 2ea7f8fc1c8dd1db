#include "scripttokenizer.h"

#include <QString>
#include <algorithm>
#include <cstring>

namespace console {
namespace {

bool commentAt(QByteArrayView row, qsizetype i, qsizetype end)
{
    return row[i] == '/' && i + 1 < end && row[i + 1] == '/';
}

// The command buffer ends a command at a ";" outside quotes, counting every quote of the
// line, those in comments too.
qsizetype commandEnd(QByteArrayView row, qsizetype begin, qsizetype end, const Syntax& syntax)
{
    const char* const data = row.data();
    // Most rows hold no ";" at all.
    if (!std::memchr(data + begin, ';', size_t(end - begin)))
        return end;
    // Outside quotes only a quote or a ";" matters (and a comment, in engines where it hides
    // the rest of the line), inside them only the closing quote.
    const uchar stops = syntax.commandStops;
    qsizetype i = syntax.firstOf(data, begin, end, stops);
    while (i < end && data[i] != ';') {
        if (data[i] == '/') {
            if (commentAt(row, i, end))
                return end;
            i = syntax.firstOf(data, i + 1, end, stops);
            continue;
        }
        const auto* closing = static_cast<const char*>(std::memchr(data + i + 1, '"', size_t(end - i - 1)));
        if (!closing)
            return end;
        i = syntax.firstOf(data, closing - data + 1, end, stops);
    }
    return i;
}

Word quotedWord(QByteArrayView row, qsizetype quote, qsizetype end)
{
    const char* const data = row.data();
    const auto* closing = static_cast<const char*>(std::memchr(data + quote + 1, '"', size_t(end - quote - 1)));
    const qsizetype textEnd = closing ? closing - data : end;
    return {qint32(quote), qint32(textEnd - quote - 1), true, closing != nullptr};
}

Word plainWord(QByteArrayView row, qsizetype start, qsizetype end, const Syntax& syntax)
{
    const qsizetype wordEnd = syntax.firstOf(row.data(), start, end, syntax.wordEnds);
    return {qint32(start), qint32(wordEnd - start), false, true};
}

// The words of row[begin, end), one command, appended to out.words. The command is filled in
// where it lies in out.commands: built elsewhere and copied, its fields written one by one
// would be read back as one block, a stall on every row.
void commandWords(QByteArrayView row, qsizetype begin, qsizetype end, const Syntax& syntax, TokenizedRow& out,
                  Command& command)
{
    command = {qint32(begin), qint32(end), qint32(end), qint32(out.words.size()), 0, -1, false};
    qsizetype i = begin;
    for (;;) {
        const qsizetype blanks = i;
        i = syntax.firstNotOf(row.data(), i, end, Blank);
        if (command.firstHighByte < 0) {
            const qsizetype high = syntax.firstOf(row.data(), blanks, i, HighByte);
            command.firstHighByte = high < i ? qint32(high) : -1;
        }
        if (i == end)
            break;
        if (commentAt(row, i, end)) {
            command.codeEnd = qint32(i);
            break;
        }
        const Word word = row[i] == '"' ? quotedWord(row, i, end) : plainWord(row, i, end, syntax);
        out.words.push_back(word);
        i = word.end();
    }
    command.wordCount = qint32(out.words.size()) - command.firstWord;
}

} // namespace

Syntax Syntax::of(const EngineProfile& engine)
{
    return {engine.highBytesAreText ? TextHighByteClasses : StockByteClasses,
            uchar(Quote | Semicolon | (engine.commentHidesSemicolon ? Slash : 0)),
            uchar(Blank | (engine.bareWordEndsAtQuote ? Quote : 0))};
}

void tokenize(QByteArrayView row, qsizetype begin, qsizetype end, const Syntax& syntax, TokenizedRow& out)
{
    out.words.clear();
    out.commands.clear();
    qsizetype start = begin;
    for (;;) {
        const qsizetype stop = commandEnd(row, start, end, syntax);
        Command& command = out.commands.emplace_back();
        commandWords(row, start, stop, syntax, out, command);
        command.endsAtSemicolon = stop < end;
        if (stop == end)
            return;
        start = stop + 1;
    }
}

QByteArrayView latin1Bytes(QAnyStringView row, QByteArray& scratch)
{
    return row.visit([&scratch](auto view) -> QByteArrayView {
        if constexpr (std::is_same_v<decltype(view), QLatin1StringView>)
            return QByteArrayView(view.data(), view.size());
        scratch = QAnyStringView(view).toString().toLatin1();
        return scratch;
    });
}

} // namespace console
