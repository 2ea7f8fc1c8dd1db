#include "app/checkcommand.h"

#include "catalogue/cataloguecommands.h"
#include "catalogue/cataloguelocation.h"
#include "console/engineguess.h"
#include "console/scriptdiagnostics.h"
#include "console/scriptfile.h"
#include "shared/identity.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <charconv>
#include <cstring>

namespace checkcommand {
namespace {

using namespace console;

enum ExitCode { Clean = 0, Problems = 1, Failed = 2 };

struct Options
{
    std::optional<Engine> engine; // chosen rather than guessed
    QLatin1StringView chosenWith;
    bool verbose = false;
    QStringList files;
};

void printUsage(QTextStream& err)
{
    err << "usage: corvale --check [--engine ID | --game quake|quake2] [--verbose] FILE...\n"
           "       corvale --engines\n";
}

// The value of an option that names an engine, or nothing after saying what is wrong.
std::optional<Engine> chosenEngine(const QString& option, const QStringList& arguments, qsizetype& i, QTextStream& err)
{
    const QString id = i + 1 < arguments.size() ? arguments[++i] : QString();
    if (option == QLatin1StringView("--game")) {
        const std::optional<Game> game = gameFromId(id);
        if (game && *game != Game::QuakeWorld)
            return Engine(*game);
        err << "corvale: --game takes quake or quake2\n";
        return std::nullopt;
    }
    if (const std::optional<Engine> engine = Engine::fromId(id))
        return engine;
    err << "corvale: --engine takes one of the ids that corvale --engines lists\n";
    return std::nullopt;
}

std::optional<Options> parseOptions(const QStringList& arguments, QTextStream& err)
{
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1StringView("--verbose")) {
            options.verbose = true;
        } else if (argument == QLatin1StringView("--game") || argument == QLatin1StringView("--engine")) {
            options.engine = chosenEngine(argument, arguments, i, err);
            if (!options.engine)
                return std::nullopt;
            options.chosenWith = argument == QLatin1StringView("--game") ? QLatin1StringView("chosen with --game")
                                                                         : QLatin1StringView("chosen with --engine");
        } else {
            options.files << argument;
        }
    }
    if (options.files.isEmpty()) {
        printUsage(err);
        return std::nullopt;
    }
    return options;
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
                   Engine engine)
{
    lines.append(file).append(':');
    appendNumber(lines, row + 1);
    lines.append(':');
    appendNumber(lines, finding.column + 1);
    lines.append(": ").append(severityName(severityOf(finding.rule))).append(": ");
    appendDescription(lines, finding, text, engine);
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
            appendProblem(lines, name, row, text, finding, diagnostics.engine());
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
    explicit Checker(const Options& options) : m_options(options) {}

    ExitCode check(const QString& path, QIODevice& out, QTextStream& err)
    {
        QFile device(path);
        QString error;
        std::optional<ScriptFile> file;
        if (device.open(QIODevice::ReadOnly))
            file = ScriptFile::read(device, error);
        else
            error = device.errorString();
        if (!file) {
            err << "corvale: " << path << ": " << error << '\n';
            return Failed;
        }
        const EngineGuess guess = engineFor(path, *file);
        if (m_options.verbose)
            err << path << ": checked as " << guess.engine.id() << " (why: " << guess.reasons.join(u"; ") << ")\n";
        ScriptDiagnostics diagnostics(file->rows(), guess.engine);
        diagnostics.setFile(file->size(), file->endsWithLineEnd());
        diagnostics.reset(file->rowCount());
        return report(path, diagnostics, out) ? Problems : Clean;
    }

private:
    EngineGuess engineFor(const QString& path, const ScriptFile& file)
    {
        if (m_options.engine)
            return {*m_options.engine, {m_options.chosenWith}};
        return guessEngine(path, commands(), file.rowCount(), file.rows());
    }

    // Read once, for the first file whose engine is guessed.
    const GameCommands& commands()
    {
        if (!m_commands)
            m_commands = cataloguecommands::readFile(CatalogueLocation::standard().readPath());
        return *m_commands;
    }

    const Options& m_options;
    std::optional<GameCommands> m_commands;
};

} // namespace

int runCheck(const QStringList& arguments, QIODevice& out, QTextStream& err)
{
    const std::optional<Options> options = parseOptions(arguments, err);
    if (!options)
        return Failed;
    Checker checker(*options);
    int worst = Clean;
    for (const QString& file : options->files)
        worst = std::max<int>(worst, checker.check(file, out, err));
    return worst;
}

void listEngines(QIODevice& out)
{
    for (const Engine engine : Engine::all())
        out.write(QStringLiteral("%1\t%2\t%3\n").arg(engine.id(), gameId(engine.family()), engine.name()).toUtf8());
}

bool requested(int argc, char* argv[])
{
    return argc > 1 && (std::strcmp(argv[1], "--check") == 0 || std::strcmp(argv[1], "--engines") == 0);
}

int run(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    identity::nameTheApplication(); // the user's copy of the catalogue is found by the program's name
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (std::strcmp(argv[1], "--engines") == 0) {
        listEngines(out);
        return Clean;
    }
    QTextStream err(stderr);
    return runCheck(QCoreApplication::arguments().mid(2), out, err);
}

} // namespace checkcommand
