// Checks two million-line scripts, one as players write them and one where most lines bind
// the same few keys: the whole file at once, one row edited, inserted or removed in the
// middle, and `corvale --check` as a process, next to one read() and `wc -l` of the same file.
#include "benchutil.h"
#include "console/keynames.h"
#include "console/scriptdiagnostics.h"
#include "console/scriptfile.h"
#include "editor/configfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int LineCount = 1'000'000;
constexpr int EditRuns = 301;

// The worst case for the key index: nine lines in ten bind one of the same twenty keys, so
// most lines carry a rebound-key warning.
QByteArray bindHeavyScript()
{
    static const char* const keys[] = {"mouse1", "mouse2", "f",       "e",        "q",        "r",  "space",
                                       "ctrl",   "shift",  "tab",     "f1",       "f2",       "1",  "2",
                                       "3",      "4",      "uparrow", "kp_enter", "mwheelup", "alt"};
    static const char* const commands[] = {
        "+attack",       "+forward", "+moveleft", "use Railgun", "+mlook;wait;-mlook", "say 'gg, well played'",
        "toggleconsole", "weapnext"};
    QByteArray bytes;
    bytes.reserve(qsizetype(LineCount) * 30);
    for (int i = 0; i < LineCount; ++i) {
        const QByteArray n = QByteArray::number(i);
        switch (i % 10) {
        case 0:
            bytes += "// section " + n;
            break;
        case 3:
            bytes += "alias zoom" + n + " \"fov 30; bind mouse2 unzoom" + n + "\"";
            break;
        case 6:
            bytes += "set cl_run " + QByteArray::number(i % 2) + "\t// always run";
            break;
        case 9:
            bytes += "name \"\xd0\xe5\xf4\xf2 " + n + "\"";
            break;
        default:
            bytes += QByteArray("bind ") + keys[i % 20] + " \"" + commands[i % 8] + "\"";
        }
        bytes += "\r\n";
    }
    return bytes;
}

// The keys a Quake 2 script can bind, named keys first, in turn.
QByteArray keyInTurn(int turn)
{
    static const std::vector<QByteArray> keys = [] {
        std::vector<QByteArray> names;
        for (const console::KeyName& key : console::keyNames())
            if (key.engines & console::Engine(console::Game::Quake2).bit())
                names.push_back(QByteArray(key.name).toLower());
        for (char c = '0'; c <= 'z'; c = c == '9' ? 'a' : char(c + 1))
            names.push_back(QByteArray(1, c));
        return names;
    }();
    return keys[size_t(turn) % keys.size()];
}

// Lines as players write them, as if many autoexecs followed each other: comments, cvars,
// aliases (binds inside them do not count), echoes, names in high glyphs, and a top-level bind
// every tenth line taking every key in turn, so that a key comes round again only after all
// the others.
QByteArray playersScript()
{
    // One line of each in turn; %1 is a number, and an empty line stands for a top-level bind.
    static const char* const lines[] = {
        "// ---- weapons %1 ----",
        "",
        "alias +zoom%1 \"fov 30; sensitivity 2; bind mouse2 -zoom%1\"",
        "alias -zoom%1 \"fov 90; sensitivity 5\"",
        "sensitivity \"5.%1\"",
        "cl_forwardspeed 400\t// always run",
        "echo \"config part %1 loaded\"",
        "set crosshair %1 a",
        "name \"\xd0\xe5\xf4\xf2\xb7%1\"",
        "alias rj%1 \"+moveup; wait; +attack; wait; -moveup; -attack\"",
        "   ",
        "",
        "  // say \"hi\" to everyone on join",
        "m_pitch 0.022",
        "alias w%1 \"use Rocket Launcher; echo rockets\"",
        "hand 2",
        "fov 90",
        "exec weapons%1.cfg",
        "cl_run 1",
        "say_team \"regroup at %1\"",
    };
    constexpr int kinds = int(std::size(lines));
    QByteArray bytes;
    bytes.reserve(qsizetype(LineCount) * 30);
    int binds = 0;
    for (int i = 0; i < LineCount; ++i) {
        const QByteArray n = QByteArray::number(i % 997);
        const char* const line = lines[i % kinds];
        if (*line)
            bytes += QByteArray(line).replace("%1", n);
        else
            bytes += "bind " + keyInTurn(binds++) + " \"weapon " + n + "; echo weapon " + n + "\"";
        bytes += "\r\n";
    }
    return bytes;
}

double readOnceMilliseconds(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    return bench::bestMilliseconds(5, [&] {
        const int fd = ::open(name.constData(), O_RDONLY);
        struct stat info
        {};
        ::fstat(fd, &info);
        std::unique_ptr<char[]> buffer(new char[size_t(info.st_size)]);
        if (::read(fd, buffer.get(), size_t(info.st_size)) != info.st_size)
            std::fprintf(stderr, "short read\n");
        ::close(fd);
    });
}

console::ScriptFile readScript(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QString error;
    return std::move(*console::ScriptFile::read(file, error));
}

LineStore openScript(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return std::move(*configfile::read(file).lines);
}

// The median of many single updates, in milliseconds.
template <typename Update>
double medianMilliseconds(Update&& update)
{
    std::vector<double> times;
    for (int i = 0; i < EditRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        update(i);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + EditRuns / 2, times.end());
    return times[EditRuns / 2];
}

double processMilliseconds(const QString& program, const QStringList& arguments)
{
    return bench::bestMilliseconds(3, [&] {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, arguments);
        process.waitForFinished(-1);
    });
}

// The rows of the table for one script, whose lines are given.
void measure(const QString& kind, const QString& path, const QByteArray& bytes)
{
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    const double readOnce = readOnceMilliseconds(path);
    const double open = bench::bestMilliseconds(3, [&] { openScript(path); });
    const double readAsEngines = bench::bestMilliseconds(3, [&] { readScript(path); });

    // The port's profile reads bytes 128-255 as word characters and a ";" after "//" as comment.
    const console::ScriptFile file = readScript(path);
    console::ScriptDiagnostics asPort(file.rows(), *console::Engine::fromId(u"ezquake"));
    const double checkAsPort = bench::bestMilliseconds(3, [&] { asPort.reset(file.rowCount()); });

    LineStore lines = openScript(path);
    console::ScriptDiagnostics diagnostics([&lines](qsizetype row) { return lines.at(row); }, console::Game::Quake2);
    const double check = bench::bestMilliseconds(3, [&] { diagnostics.reset(lines.size()); });

    const qsizetype middle = lines.size() / 2;
    const double edit = medianMilliseconds([&](int i) {
        lines.replace(middle, i % 2 ? "bind A \"+jump\"" : "bind mouse1 \"+attack\"");
        diagnostics.rowChanged(middle);
    });
    const double insert = medianMilliseconds([&](int) {
        lines.insert(middle, "bind mouse1 \"+attack\"");
        diagnostics.rowsInserted(middle, 1);
    });
    const double remove = medianMilliseconds([&](int) {
        lines.remove(middle);
        diagnostics.rowsRemoved(middle, 1);
    });

    const double process = processMilliseconds(QStringLiteral(CORVALE_EXECUTABLE), {QStringLiteral("--check"), path});
    const double wc = processMilliseconds(QStringLiteral("wc"), {QStringLiteral("-l"), path});

    const QString script = QStringLiteral("1,000,000-line %1 script (%2 MB, %3 problems)")
                               .arg(kind)
                               .arg(double(QFileInfo(path).size()) / (1 << 20), 0, 'f', 0)
                               .arg(diagnostics.count(console::Severity::Error)
                                    + diagnostics.count(console::Severity::Warning)
                                    + diagnostics.count(console::Severity::Note));
    bench::printRow(QStringLiteral("console: one read() of a %1").arg(script), readOnce);
    bench::printRow(QStringLiteral("console: open (configfile::read) against one read()"), open, readOnce);
    bench::printRow(QStringLiteral("console: read as the engines do (ScriptFile::read) against one read()"),
                    readAsEngines, readOnce);
    bench::printRow(QStringLiteral("console: check every row of the %1 as quake2 against one read()").arg(script),
                    check, readOnce);
    bench::printRow(QStringLiteral("console: check every row of it as ezquake against one read()"), checkAsPort,
                    readOnce);
    bench::printRow(QStringLiteral("console: edit one row in the middle, median of %1").arg(EditRuns), edit);
    bench::printRow(QStringLiteral("console: insert one row in the middle, median of %1").arg(EditRuns), insert);
    bench::printRow(QStringLiteral("console: delete one row in the middle, median of %1").arg(EditRuns), remove);
    bench::printRow(QStringLiteral("console: corvale --check on the %1 script as a process, against wc -l").arg(kind),
                    process, wc);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    bench::printHeader();
    measure(QStringLiteral("players'"), dir.filePath(QStringLiteral("players.cfg")), playersScript());
    measure(QStringLiteral("bind-heavy"), dir.filePath(QStringLiteral("binds.cfg")), bindHeavyScript());
    return 0;
}
