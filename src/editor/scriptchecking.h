#pragma once

#include "catalogue/commandsummaries.h"
#include "console/gamecommands.h"

#include <QObject>
#include <memory>
#include <optional>

class BindingDocument;
class LineStore;
class ListDiagnostics;
class MainActions;
class QAbstractItemView;
class StatusLine;

// What the main window does with the console checker: the game the list is checked for
// (chosen in Options → Game and remembered; a file that is opened is checked for the game
// whose commands it uses, and a new list for the game last chosen), the count of problems
// in the status line, and F8 / Shift+F8 to the next or previous row with a problem. It also
// keeps what the window knows of the commands: their names and summaries per game.
class ScriptChecking final : public QObject
{
    Q_OBJECT

public:
    ScriptChecking(BindingDocument& document, QAbstractItemView& view, StatusLine& status, const MainActions& actions);
    ~ScriptChecking() override;

    const ListDiagnostics& diagnostics() const { return *m_diagnostics; }
    // The game the list is checked for.
    console::Game game() const;
    // Read from the catalogue and the summaries file when first asked for.
    const console::GameCommands& commands();
    const CommandSummaries& summaries();

    // The game last chosen by the user, as the settings store keeps it.
    static console::Game chosenGame();

private:
    void checkFor(console::Game game);
    void choose(console::Game game);
    void guessFromFile(const LineStore& lines);
    void goToProblem(bool forward);
    void showSummary();
    void showProblemsOfSelectedRow();

    BindingDocument& m_document;
    QAbstractItemView& m_view;
    StatusLine& m_status;
    const MainActions& m_actions;
    std::unique_ptr<ListDiagnostics> m_diagnostics;
    std::optional<console::GameCommands> m_commands;
    std::optional<CommandSummaries> m_summaries;
};
