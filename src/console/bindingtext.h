#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// What the editor reads from the command text of a binding while it is typed: the command
// name being typed, to offer completions, and the command the cursor stands in.
namespace console {

// The command name being typed at the cursor: it starts after the last ";" before the
// cursor (and after a quote opening the command) and runs on past the cursor to the end of
// the word, all of which a completion replaces.
struct CompletionWord
{
    qsizetype start;
    qsizetype cursor;
    qsizetype end;

    QStringView prefix(QStringView text) const { return text.sliced(start, cursor - start); }
};

// Nothing when the cursor stands past the command name, among its arguments.
std::optional<CompletionWord> completionWordAt(QStringView text, qsizetype cursor);

// The name of the innermost command whose words the cursor stands in or just after, as the
// engine tokenizes the text (the commands inside a bind or alias included); empty when none.
QByteArrayView commandNameAt(QByteArrayView text, qsizetype cursor);

} // namespace console
