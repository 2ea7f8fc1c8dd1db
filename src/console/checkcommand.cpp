#include "console/checkcommand.h"

#include "console/scriptdiagnostics.h"
#include "editor/configfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstring>

namespace console {
namespace {

enum ExitCode { Clean = 0, Problems = 1, Failed = 2 };

struct Options
{
    std::optional<Game> game;
    QStringList files;
};

void printUsage(QTextStream& err)
{
    err << "usage: corvale --check [--game quake|quake2] FILE...\n";
}

std::optional<Options> parseOptions(const QStringList& arguments, QTextStream& err)
{
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != QLatin1StringView("--game")) {
            options.files << arguments[i];
            continue;
        }
        options.game = i + 1 < arguments.size() ? gameFromId(arguments[++i]) : std::nullopt;
        if (!options.game) {
            err << "corvale: --game takes quake or quake2\n";
            return std::nullopt;
        }
    }
    if (options.files.isEmpty()) {
        printUsage(err);
        return std::nullopt;
    }
    return options;
}

QString cataloguePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/commands.dat");
}

// Prints the file's problems; true when one of them is an error or a warning.
bool report(const QString& file, const ScriptDiagnostics& diagnostics, QTextStream& out)
{
    for (const qsizetype row : diagnostics.problemRows())
        for (const Diagnostic& diagnostic : diagnostics.diagnostics(row))
            out << file << ':' << row + 1 << ':' << diagnostic.column + 1 << ": "
                << severityName(diagnostic.severity()) << ": " << diagnostic.message << " [" << diagnostic.code()
                << "]\n";
    return diagnostics.count(Severity::Error) + diagnostics.count(Severity::Warning) > 0;
}

class Checker
{
public:
    explicit Checker(std::optional<Game> game) : m_game(game) {}

    ExitCode check(const QString& file, QTextStream& out, QTextStream& err)
    {
        QFile device(file);
        if (!device.open(QIODevice::ReadOnly)) {
            err << "corvale: " << file << ": " << device.errorString() << '\n';
            return Failed;
        }
        configfile::ReadResult read = configfile::read(device);
        if (!read.lines) {
            err << "corvale: " << file << ": " << read.error << '\n';
            return Failed;
        }
        const LineStore& lines = *read.lines;
        const RowReader rows = [&lines](qsizetype row) { return lines.at(row); };
        ScriptDiagnostics diagnostics(rows, m_game ? *m_game : guessGame(commands(), lines.size(), rows, Game::Quake));
        diagnostics.reset(lines.size());
        return report(file, diagnostics, out) ? Problems : Clean;
    }

private:
    // Read once, for the first file whose game is guessed.
    const GameCommands& commands()
    {
        if (!m_commands)
            m_commands = GameCommands::fromCatalogueFile(cataloguePath());
        return *m_commands;
    }

    std::optional<Game> m_game;
    std::optional<GameCommands> m_commands;
};

} // namespace

int runCheck(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const std::optional<Options> options = parseOptions(arguments, err);
    if (!options)
        return Failed;
    Checker checker(options->game);
    int worst = Clean;
    for (const QString& file : options->files)
        worst = std::max<int>(worst, checker.check(file, out, err));
    return worst;
}

bool checkRequested(int argc, char* argv[])
{
    return argc > 1 && std::strcmp(argv[1], "--check") == 0;
}

int checkMain(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCheck(QCoreApplication::arguments().mid(2), out, err);
}

} // namespace console
