#include "benchutil.h"
#include "catalogue/cataloguelocation.h"
#include "catalogue/commandsummaries.h"
#include "catalogue/frmcommands.h"
#include "cataloguebench.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int Runs = 5;
constexpr int OpeningRuns = 11;
constexpr double ShippedTargetMs = 5;
constexpr double LargestTargetMs = 30;

std::unique_ptr<frmCommands> openWindow(bench::StandInMainWindow& mainWindow, const QString& catalogue,
                                        CommandSummaries summaries)
{
    auto window = std::make_unique<frmCommands>(&mainWindow.window, mainWindow.progress,
                                                CatalogueLocation{catalogue, {}}, std::move(summaries));
    window->show();
    QApplication::processEvents();
    return window;
}

// Milliseconds of one step, the tree laid out and painted after it as the player would see it.
template <typename Step>
double stepMilliseconds(Step&& step)
{
    return bench::bestMilliseconds(1, [&] {
        step();
        QApplication::processEvents();
    });
}

// Types text into the filter of a freshly opened window a letter at a time, then empties the
// field. Each keystroke is taken at its best over the runs; the slowest of them and the
// emptying are printed. The first keystroke reads the tree for the filter, and is counted.
void printTyping(bench::StandInMainWindow& mainWindow, const QString& what, const QString& catalogue,
                 const CommandSummaries& summaries, const QString& text, double targetMs)
{
    std::vector<double> keystrokes(size_t(text.size()), 1e300);
    double emptying = 1e300;
    for (int run = 0; run < Runs; ++run) {
        const std::unique_ptr<frmCommands> window = openWindow(mainWindow, catalogue, summaries);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const double ms = stepMilliseconds([&] { window->txtFilter()->setText(text.left(i + 1)); });
            keystrokes[size_t(i)] = std::min(keystrokes[size_t(i)], ms);
        }
        emptying = std::min(emptying, stepMilliseconds([&] { window->txtFilter()->clear(); }));
    }
    bench::printRow(QStringLiteral("catalogue: filter %1, slowest keystroke typing \"%2\"").arg(what, text),
                    *std::max_element(keystrokes.cbegin(), keystrokes.cend()), targetMs);
    bench::printRow(QStringLiteral("catalogue: filter %1, emptying the field restores the tree").arg(what), emptying,
                    targetMs);
}

void printOpening(bench::StandInMainWindow& mainWindow, const QString& what, const QString& catalogue,
                  const QString& summariesPath)
{
    // Taken in turns, one window at a time, so that neither side gets the quieter moments of a
    // busy machine or the company of the other's windows.
    double without = 1e300;
    double with = 1e300;
    for (int run = 0; run < OpeningRuns; ++run) {
        for (const bool summaries : {false, true}) {
            std::unique_ptr<frmCommands> window;
            const double ms = bench::bestMilliseconds(1, [&] {
                window = openWindow(mainWindow, catalogue,
                                    summaries ? CommandSummaries::fromFile(summariesPath) : CommandSummaries());
            });
            (summaries ? with : without) = std::min(summaries ? with : without, ms);
        }
    }
    bench::printRow(QStringLiteral("catalogue: open the window on %1 and show it, without summaries").arg(what),
                    without);
    bench::printRow(
        QStringLiteral("catalogue: open the window on %1 with summaries read and set, against without").arg(what), with,
        without);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir programDir(QStringLiteral(CORVALE_PROGRAM_DIR));
    const QString shipped = programDir.filePath(QStringLiteral("commands.dat"));
    const QString summariesPath = programDir.filePath(CommandSummaries::FileName);
    const CommandSummaries summaries = CommandSummaries::fromFile(summariesPath);
    if (summaries.isEmpty())
        qFatal("no command summaries in %s", qPrintable(summariesPath));
    QTemporaryDir dir;
    const QString largest = bench::writeLargestCatalogue(dir);

    bench::StandInMainWindow mainWindow;

    bench::printHeader();
    printTyping(mainWindow, QStringLiteral("the shipped catalogue"), shipped, summaries, QStringLiteral("rocket"),
                ShippedTargetMs);
    // "command_12" narrows the tree letter by letter; "x" hides every command at once, the most one
    // keystroke can change.
    printTyping(mainWindow, QStringLiteral("32766 items"), largest, summaries, QStringLiteral("command_12"),
                LargestTargetMs);
    printTyping(mainWindow, QStringLiteral("32766 items"), largest, summaries, QStringLiteral("xyz"), LargestTargetMs);
    printOpening(mainWindow, QStringLiteral("the shipped catalogue"), shipped, summariesPath);
    printOpening(mainWindow, QStringLiteral("32766 items"), largest, summariesPath);
    return 0;
}
