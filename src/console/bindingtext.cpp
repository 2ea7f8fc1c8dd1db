#include "bindingtext.h"

#include "commandwalker.h"

namespace console {
namespace {

// Blank as the engines see it outside quotes.
bool isBlankChar(QChar c)
{
    return c.unicode() < 256 && isBlank(uchar(c.unicode()));
}

bool endsWord(QChar c)
{
    return isBlankChar(c) || c == u';' || c == u'"';
}

qsizetype skipBlanks(QStringView text, qsizetype from, qsizetype end)
{
    while (from < end && isBlankChar(text[from]))
        ++from;
    return from;
}

} // namespace

std::optional<CompletionWord> completionWordAt(QStringView text, qsizetype cursor)
{
    qsizetype start = skipBlanks(text, text.first(cursor).lastIndexOf(u';') + 1, cursor);
    if (start < cursor && text[start] == u'"')
        start = skipBlanks(text, start + 1, cursor);
    for (qsizetype i = start; i < cursor; ++i)
        if (endsWord(text[i]))
            return std::nullopt;
    qsizetype end = cursor;
    while (end < text.size() && !endsWord(text[end]))
        ++end;
    return CompletionWord{start, cursor, end};
}

QByteArrayView commandNameAt(QByteArrayView text, qsizetype cursor)
{
    QByteArrayView name;
    CommandWalker walker;
    // Each command is visited before the ones inside it, so the innermost one is seen last.
    walker.walk(text, [&](const CommandView& view) {
        if (!view.words.empty() && view.words.front().column <= cursor && cursor <= view.words.back().end())
            name = view.words.front().text(text);
    });
    return name;
}

} // namespace console
