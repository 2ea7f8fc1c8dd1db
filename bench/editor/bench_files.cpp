// Opens, shows and saves a million-line config through the main window, next to a
// baseline of the same bytes read and written with plain standard streams.
#include "benchutil.h"
#include "editor/filecommands.h"
#include "editor/frmmain.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

constexpr int LineCount = 1'000'000;

QByteArray realisticConfig()
{
    static const char* const commands[] = {"+attack", "+forward", "+moveleft", "impulse 7", "use Railgun",
                                           "+mlook;wait;-mlook", "say \"gg, well played\"", "toggleconsole"};
    QByteArray bytes;
    bytes.reserve(LineCount * 30);
    for (int i = 0; i < LineCount; ++i) {
        if (i % 50 == 0)
            bytes += "// section " + QByteArray::number(i / 50) + "\r\n";
        else
            bytes += "bind k" + QByteArray::number(i % 997) + " \"" + commands[i % 8] + "\"\r\n";
    }
    return bytes;
}

QByteArray digestOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.cfg"));
    qint64 fileSize = 0;
    {
        const QByteArray bytes = realisticConfig();
        fileSize = bytes.size();
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    const QByteArray digest = digestOf(path);

    frmMain window;
    window.show();
    QCoreApplication::processEvents();
    const double before = bench::currentMegabytes();
    window.files().OpenBindFile(path);
    QCoreApplication::processEvents();
    const double added = bench::peakMegabytes() - before;
    const double open = bench::bestMilliseconds(3, [&] {
        window.files().OpenBindFile(path);
        QCoreApplication::processEvents(); // the view lays out and paints the first screen
    });
    const double save = bench::bestMilliseconds(3, [&] { window.files().Save(); });
    if (window.lstBind().count() != LineCount || digestOf(path) != digest) {
        std::fprintf(stderr, "the round trip changed the file\n");
        return 1;
    }

    std::string copy;
    const std::string stdPath = path.toStdString();
    const double readBase = bench::bestMilliseconds(3, [&] {
        std::ifstream in(stdPath, std::ios::binary);
        copy.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    });
    const std::string copyPath = dir.filePath(QStringLiteral("copy.cfg")).toStdString();
    const double writeBase = bench::bestMilliseconds(3, [&] {
        std::ofstream out(copyPath, std::ios::binary | std::ios::trunc);
        out.write(copy.data(), std::streamsize(copy.size()));
    });
    // A save file makes sure its bytes are on the disk before it replaces the old file;
    // the same flush added to the plain write shows what that costs.
    const double durableWriteBase = bench::bestMilliseconds(3, [&] {
        {
            std::ofstream out(copyPath, std::ios::binary | std::ios::trunc);
            out.write(copy.data(), std::streamsize(copy.size()));
        }
        QFile flushed(QString::fromStdString(copyPath));
        flushed.open(QIODevice::ReadWrite);
        fdatasync(flushed.handle());
    });

    const double megabytes = double(fileSize) / (1 << 20);
    bench::printHeader();
    bench::printRow(QStringLiteral("open and show a 1,000,000-line config (%1 MB file; its first open adds %2 MB "
                                   "of memory, %3x the file)")
                        .arg(megabytes, 0, 'f', 0)
                        .arg(added, 0, 'f', 0)
                        .arg(added / megabytes, 0, 'f', 1),
                    open, readBase);
    bench::printRow(QStringLiteral("save a 1,000,000-line config"), save, writeBase);
    bench::printRow(QStringLiteral("save, against a write flushed to disk"), save, durableWriteBase);
    return 0;
}
