#pragma once

#include "catalogue/commandsummaries.h"
#include "console/engineguess.h"
#include "console/gamecommands.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

class BindingDocument;
class LineStore;
class ListDiagnostics;
class MainActions;
class QAbstractItemView;
class QLabel;
class StatusLine;

// What the main window does with the console checker: the engine the list is checked as
// (Options → Engine, remembered: "Guess from the file", the default, checks an opened file as
// the engine its path and lines point to, and a new list as stock Quake; a chosen engine
// overrides the guess), the count of problems in the status line and the engine beside it,
// and F8 / Shift+F8 to the next or previous row with a problem. It also keeps what the window
// knows of the commands: their names and summaries per game.
class ScriptChecking final : public QObject
{
    Q_OBJECT

public:
    ScriptChecking(BindingDocument& document, QAbstractItemView& view, StatusLine& status, QLabel& engineLabel,
                   const MainActions& actions);
    ~ScriptChecking() override;

    const ListDiagnostics& diagnostics() const { return *m_diagnostics; }
    // The engine the list is checked as, and its family.
    console::Engine engine() const;
    console::Game game() const { return engine().family(); }
    // Read from the catalogue and the summaries file when first asked for.
    const console::GameCommands& commands();
    const CommandSummaries& summaries();

    // The engine the user chose, as the settings store keeps it; nothing for a guess.
    static std::optional<console::Engine> chosenEngine();

signals:
    // The list is checked as engine from now on (for an opened file, from its first row on),
    // chosen or guessed anew.
    void engineChanged(console::Engine engine);

private:
    void checkAs(console::Engine engine, const QStringList& guessedFrom = {});
    void choose(std::optional<console::Engine> engine);
    void checkNewList();
    void checkOpenedFile(const LineStore& lines, const QString& path);
    console::EngineGuess guess(const QString& path, const LineStore& lines);
    void showEngine(console::Engine engine, const QStringList& guessedFrom);
    void goToProblem(bool forward);
    void showSummary();
    void showProblemsOfSelectedRow();

    BindingDocument& m_document;
    QAbstractItemView& m_view;
    StatusLine& m_status;
    QLabel& m_engineLabel;
    const MainActions& m_actions;
    std::unique_ptr<ListDiagnostics> m_diagnostics;
    std::optional<console::GameCommands> m_commands;
    std::optional<CommandSummaries> m_summaries;
};
