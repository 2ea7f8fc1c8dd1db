#pragma once

#include "console/game.h"

#include <QHash>
#include <QString>
#include <array>

class QIODevice;

// One line on what each console command does, per game, read from the summaries file the
// build makes from the command reference and ships beside the catalogue. The file is
// tab-separated text: the header "game<TAB>name<TAB>summary", then one command a line with the
// game as gameId() spells it. Copies share their data, so they are cheap to pass around.
class CommandSummaries
{
public:
    static const QString FileName;

    // The summaries file in the program's folder, beside the shipped catalogue.
    static QString standardPath();
    static CommandSummaries standard() { return fromFile(standardPath()); }
    // Empty when the file is missing, cannot be read or is not in the format above; a
    // half-usable file is no better than none, and a wrong summary is worse than none.
    static CommandSummaries fromFile(const QString& path);
    static CommandSummaries fromDevice(QIODevice& device);

    // The summary of a command, empty when it has none. Names match without regard to case,
    // as the engines match them. A catalogue entry with an argument ("impulse 7",
    // "use Railgun") has its own summary when the reference lists that form, and otherwise
    // that of its first word.
    QString summary(console::Game game, QStringView name) const;
    // The summary of a catalogue entry filed under category ("{Quake 2: Weapons}" or the tree's key
    // of it), by the game the category names; empty in a category of neither game.
    QString catalogueSummary(QStringView category, QStringView entry) const;
    bool isEmpty() const;

private:
    bool addRow(QStringView row);

    std::array<QHash<QString, QString>, console::GameCount> m_summaries; // by lower-case name
};
