#include "editor/scriptchecking.h"

#include "catalogue/cataloguecommands.h"
#include "catalogue/cataloguelocation.h"
#include "editor/bindingdocument.h"
#include "editor/listdiagnostics.h"
#include "editor/mainactions.h"
#include "editor/statusline.h"

#include <QAbstractItemView>
#include <QAction>
#include <QItemSelectionModel>
#include <QSettings>

namespace {

const QString GameKey = QStringLiteral("game");

const char* actionOf(console::Game game)
{
    return game == console::Game::Quake ? "mnuGameQuake" : "mnuGameQuake2";
}

} // namespace

ScriptChecking::ScriptChecking(BindingDocument& document, QAbstractItemView& view, StatusLine& status,
                               const MainActions& actions)
    : m_document(document),
      m_view(view),
      m_status(status),
      m_actions(actions),
      m_diagnostics(std::make_unique<ListDiagnostics>(document.rows(), chosenGame()))
{
    for (const console::Game game : {console::Game::Quake, console::Game::Quake2})
        connect(actions[actionOf(game)], &QAction::triggered, this, [this, game] { choose(game); });
    connect(actions["mnuNextProblem"], &QAction::triggered, this, [this] { goToProblem(true); });
    connect(actions["mnuPreviousProblem"], &QAction::triggered, this, [this] { goToProblem(false); });
    connect(&document, &BindingDocument::opening, this, &ScriptChecking::guessFromFile);
    connect(&document, &BindingDocument::fileNameChanged, this, [this] {
        if (m_document.isUntitled())
            checkFor(chosenGame());
    });
    connect(m_diagnostics.get(), &ListDiagnostics::changed, this, &ScriptChecking::showSummary);
    connect(document.rows().selection(), &QItemSelectionModel::currentRowChanged, this,
            &ScriptChecking::showProblemsOfSelectedRow);
    checkFor(chosenGame());
    showSummary();
}

ScriptChecking::~ScriptChecking() = default;

console::Game ScriptChecking::chosenGame()
{
    return console::gameFromId(QSettings().value(GameKey).toString()).value_or(console::Game::Quake);
}

console::Game ScriptChecking::game() const
{
    return m_diagnostics->engine().family();
}

const console::GameCommands& ScriptChecking::commands()
{
    if (!m_commands)
        m_commands = cataloguecommands::readFile(CatalogueLocation::standard().readPath());
    return *m_commands;
}

const CommandSummaries& ScriptChecking::summaries()
{
    if (!m_summaries)
        m_summaries = CommandSummaries::standard();
    return *m_summaries;
}

void ScriptChecking::checkFor(console::Game game)
{
    m_actions[actionOf(game)]->setChecked(true);
    m_diagnostics->setEngine(game);
}

// The user's word overrides any guess, and is kept for the lists to come.
void ScriptChecking::choose(console::Game game)
{
    QSettings().setValue(GameKey, console::gameId(game));
    checkFor(game);
}

// Guessed before the lines are shown, so that they are checked once, for that game.
void ScriptChecking::guessFromFile(const LineStore& lines)
{
    const console::Game game = console::guessGame(
        commands(), lines.size(), [&lines](qsizetype row) { return lines.at(row); }, chosenGame());
    m_actions[actionOf(game)]->setChecked(true);
    m_diagnostics->expectEngine(game);
}

void ScriptChecking::goToProblem(bool forward)
{
    const int current = m_document.rows().selectedRow() - 1; // -1: none, so F8 finds the first
    const console::ScriptDiagnostics& diagnostics = m_diagnostics->diagnostics();
    const std::optional<qsizetype> row = forward ? diagnostics.nextProblemRow(current)
                                                 : diagnostics.previousProblemRow(
                                                     current < 0 ? m_document.rows().count() : current);
    if (!row)
        return;
    m_document.rows().select(int(*row) + 1);
    m_view.scrollTo(m_document.rows().index(int(*row)));
}

// The row's messages, for the keyboard as much as the mouse: F8 lands there, and the
// marker's tooltip needs a pointer.
void ScriptChecking::showProblemsOfSelectedRow()
{
    QStringList messages;
    if (const int row = m_document.rows().selectedRow())
        for (const console::Diagnostic& diagnostic : m_diagnostics->diagnostics().diagnostics(row - 1))
            messages << diagnostic.message;
    m_status.say(messages.join(QLatin1String(" ")));
}

void ScriptChecking::showSummary()
{
    m_status.setCount(m_diagnostics->summary());
}
