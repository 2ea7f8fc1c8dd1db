#include "editor/scriptchecking.h"

#include "catalogue/cataloguecommands.h"
#include "catalogue/cataloguelocation.h"
#include "console/engineguess.h"
#include "editor/bindingdocument.h"
#include "editor/listdiagnostics.h"
#include "editor/mainactions.h"
#include "editor/statusline.h"

#include <QAbstractItemView>
#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSettings>

namespace {

// "guess", or the id of the engine chosen.
const QString EngineKey = QStringLiteral("engine");
const QString Guess = QStringLiteral("guess");

// What a new list is checked as while guessing: nothing points anywhere yet.
const console::Engine NewListEngine(console::Game::Quake);

} // namespace

ScriptChecking::ScriptChecking(BindingDocument& document, QAbstractItemView& view, StatusLine& status,
                               QLabel& engineLabel, const MainActions& actions)
    : m_document(document),
      m_view(view),
      m_status(status),
      m_engineLabel(engineLabel),
      m_actions(actions),
      m_diagnostics(std::make_unique<ListDiagnostics>(document.rows(), chosenEngine().value_or(NewListEngine)))
{
    connect(actions.guessEngine(), &QAction::triggered, this, [this] { choose(std::nullopt); });
    for (const auto& [engine, action] : actions.engines())
        connect(action, &QAction::triggered, this, [this, engine = engine] { choose(engine); });
    connect(actions["mnuNextProblem"], &QAction::triggered, this, [this] { goToProblem(true); });
    connect(actions["mnuPreviousProblem"], &QAction::triggered, this, [this] { goToProblem(false); });
    connect(&document, &BindingDocument::opening, this, &ScriptChecking::checkOpenedFile);
    connect(&document, &BindingDocument::fileNameChanged, this, [this] {
        if (m_document.isUntitled())
            checkNewList();
    });
    connect(m_diagnostics.get(), &ListDiagnostics::changed, this, &ScriptChecking::showSummary);
    connect(document.rows().selection(), &QItemSelectionModel::currentRowChanged, this,
            &ScriptChecking::showProblemsOfSelectedRow);
    const std::optional<console::Engine> chosen = chosenEngine();
    (chosen ? actions.engines()[chosen->index()].second : actions.guessEngine())->setChecked(true);
    checkNewList();
    showSummary();
}

ScriptChecking::~ScriptChecking() = default;

std::optional<console::Engine> ScriptChecking::chosenEngine()
{
    return console::Engine::fromId(QSettings().value(EngineKey, Guess).toString());
}

console::Engine ScriptChecking::engine() const
{
    return m_diagnostics->engine();
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

void ScriptChecking::checkAs(console::Engine engine, const QStringList& guessedFrom)
{
    m_diagnostics->setEngine(engine);
    showEngine(engine, guessedFrom);
}

// The user's word overrides any guess, and is kept for the lists to come; back to guessing,
// the list is guessed again.
void ScriptChecking::choose(std::optional<console::Engine> engine)
{
    QSettings().setValue(EngineKey, engine ? QString(engine->id()) : Guess);
    if (engine)
        return checkAs(*engine);
    if (m_document.isUntitled())
        return checkNewList();
    const console::EngineGuess guessed = guess(m_document.fileName(), m_document.rows().lines());
    checkAs(guessed.engine, guessed.reasons);
}

void ScriptChecking::checkNewList()
{
    const std::optional<console::Engine> chosen = chosenEngine();
    checkAs(chosen.value_or(NewListEngine), chosen ? QStringList() : QStringList{QStringLiteral("a new list")});
}

// Decided before the lines are shown, so that they are checked once, as that engine.
void ScriptChecking::checkOpenedFile(const LineStore& lines, const QString& path)
{
    const std::optional<console::Engine> chosen = chosenEngine();
    const console::EngineGuess decided = chosen ? console::EngineGuess{*chosen, {}} : guess(path, lines);
    m_diagnostics->expectEngine(decided.engine);
    showEngine(decided.engine, decided.reasons);
}

console::EngineGuess ScriptChecking::guess(const QString& path, const LineStore& lines)
{
    return console::guessEngine(path, commands(), lines.size(), [&lines](qsizetype row) { return lines.at(row); });
}

// Beside the count: the engine, marked when guessed, with the signals that decided as its
// tooltip; and to whoever follows the engine. An opened file's engine is told before its rows
// arrive, so it goes with the signal rather than being asked for afterwards.
void ScriptChecking::showEngine(console::Engine checked, const QStringList& guessedFrom)
{
    const QString name = checked.isFamily() ? console::gameTitle(checked.family()) : checked.name();
    const QString shown = guessedFrom.isEmpty() ? name : name + QStringLiteral(" (guessed)");
    m_engineLabel.setText(
        m_engineLabel.fontMetrics().elidedText(shown, Qt::ElideMiddle, m_engineLabel.contentsRect().width()));
    m_engineLabel.setAccessibleName(shown); // whole, however narrow the line
    m_engineLabel.setToolTip(guessedFrom.isEmpty()
                                 ? QStringLiteral("Checked as %1, as chosen in Options → Engine.").arg(checked.name())
                                 : QStringLiteral("Checked as %1, guessed from %2.")
                                       .arg(checked.name(), guessedFrom.join(QStringLiteral(", "))));
    emit engineChanged(checked);
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
