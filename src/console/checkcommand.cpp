#include "console/checkcommand.h"

#include "catalogue/cataloguelocation.h"
#include "shared/identity.h"

#include "console/scriptdiagnostics.h"
#include "editor/configfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <charconv>
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
    return CatalogueLocation::standard().readPath();
}

// Lines are printed in pieces of about this size: few writes, and little memory when a
// file has a great many problems.
constexpr qsizetype PrintChunk = 1 << 20;

void appendNumber(QByteArray& line, qsizetype number)
{
    char digits[24];
    line.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
}

void appendProblem(QByteArray& lines, QByteArrayView file, qsizetype row, QByteArrayView text, const Finding& finding,
                   Game game)
{
    lines.append(file).append(':');
    appendNumber(lines, row + 1);
    lines.append(':');
    appendNumber(lines, finding.column + 1);
    lines.append(": ").append(severityName(severityOf(finding.rule))).append(": ");
    appendDescription(lines, finding, text, game);
    lines.append(" [").append(codeOf(finding.rule)).append("]\n");
}

// Prints the file's problems; true when one of them is an error or a warning.
bool report(const QString& file, const ScriptDiagnostics& diagnostics, QIODevice& out)
{
    const QByteArray name = file.toUtf8();
    QByteArray lines;
    lines.reserve(PrintChunk + 4096);
    diagnostics.forEachProblemRow([&](qsizetype row, QByteArrayView text, std::span<const Finding> findings) {
        for (const Finding& finding : findings)
            appendProblem(lines, name, row, text, finding, diagnostics.game());
        if (lines.size() >= PrintChunk) {
            out.write(lines);
            lines.clear();
        }
    });
    out.write(lines);
    return diagnostics.count(Severity::Error) + diagnostics.count(Severity::Warning) > 0;
}

class Checker
{
public:
    explicit Checker(std::optional<Game> game) : m_game(game) {}

    ExitCode check(const QString& file, QIODevice& out, QTextStream& err)
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

int runCheck(const QStringList& arguments, QIODevice& out, QTextStream& err)
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
    identity::nameTheApplication(); // the user's copy of the catalogue is found by the program's name
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QTextStream err(stderr);
    return runCheck(QCoreApplication::arguments().mid(2), out, err);
}

} // namespace console
