// Checks a million-line script: the whole file at once, one row edited, inserted or removed
// in the middle, and `corvale --check` as a process, next to one read() of the same file.
#include "benchutil.h"
#include "console/scriptdiagnostics.h"
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

// Lines as players write them, in the proportions of a long autoexec.
QByteArray realisticScript()
{
    static const char* const keys[] = {"mouse1", "mouse2", "f", "e", "q", "r", "space", "ctrl", "shift", "tab",
                                       "f1", "f2", "1", "2", "3", "4", "uparrow", "kp_enter", "mwheelup", "alt"};
    static const char* const commands[] = {"+attack", "+forward", "+moveleft", "use Railgun", "+mlook;wait;-mlook",
                                           "say \\\"gg, well played\\\"", "toggleconsole", "weapnext"};
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
    return bytes.replace("\\\"", "'");
}

double readOnceMilliseconds(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    return bench::bestMilliseconds(5, [&] {
        const int fd = ::open(name.constData(), O_RDONLY);
        struct stat info{};
        ::fstat(fd, &info);
        std::unique_ptr<char[]> buffer(new char[size_t(info.st_size)]);
        if (::read(fd, buffer.get(), size_t(info.st_size)) != info.st_size)
            std::fprintf(stderr, "short read\n");
        ::close(fd);
    });
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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.cfg"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(realisticScript());
    }
    const double readOnce = readOnceMilliseconds(path);
    const double open = bench::bestMilliseconds(3, [&] { openScript(path); });

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

    const QString rows = QStringLiteral("1,000,000-line script (%1 MB, %2 problems)")
                             .arg(double(QFileInfo(path).size()) / (1 << 20), 0, 'f', 0)
                             .arg(diagnostics.count(console::Severity::Error) +
                                  diagnostics.count(console::Severity::Warning) +
                                  diagnostics.count(console::Severity::Note));
    bench::printHeader();
    bench::printRow(QStringLiteral("console: one read() of a %1").arg(rows), readOnce);
    bench::printRow(QStringLiteral("console: open (configfile::read) against one read()"), open, readOnce);
    bench::printRow(QStringLiteral("console: check every row of the %1 against one read()").arg(rows), check, readOnce);
    bench::printRow(QStringLiteral("console: edit one row in the middle, median of %1").arg(EditRuns), edit);
    bench::printRow(QStringLiteral("console: insert one row in the middle, median of %1").arg(EditRuns), insert);
    bench::printRow(QStringLiteral("console: delete one row in the middle, median of %1").arg(EditRuns), remove);
    bench::printRow(QStringLiteral("console: corvale --check as a process, against wc -l"), process, wc);
    return 0;
}
