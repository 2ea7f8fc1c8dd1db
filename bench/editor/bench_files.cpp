// Opens, shows and saves a million-line config through the main window, next to the
// physical limit: one read() of the whole file into a buffer.
#include "benchutil.h"
#include "editor/configfile.h"
#include "editor/filecommands.h"
#include "editor/frmmain.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
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

// The whole file in one read() into a buffer of its size.
std::pair<std::unique_ptr<char[]>, size_t> readOnce(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    struct stat info{};
    ::fstat(fd, &info);
    const size_t size = size_t(info.st_size);
    std::unique_ptr<char[]> buffer(new char[size]);
    if (::read(fd, buffer.get(), size) != ssize_t(size))
        std::fprintf(stderr, "short read\n");
    ::close(fd);
    return {std::move(buffer), size};
}

// One write() of the bytes, made sure to be on the disk as a save file is before it
// replaces the old file.
void writeFlushed(const QByteArray& path, const char* bytes, size_t size)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (::write(fd, bytes, size) != ssize_t(size))
        std::fprintf(stderr, "short write\n");
    fdatasync(fd);
    ::close(fd);
}

LineStore readConfig(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return std::move(*configfile::read(file).lines);
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

    const QByteArray rawPath = QFile::encodeName(path);
    const double readBase = bench::bestMilliseconds(3, [&] { readOnce(rawPath); });
    const double read = bench::bestMilliseconds(3, [&] { readConfig(path); });
    const auto [copy, copySize] = readOnce(rawPath);
    const QByteArray copyPath = QFile::encodeName(dir.filePath(QStringLiteral("copy.cfg")));
    const double durableWriteBase = bench::bestMilliseconds(3, [&] { writeFlushed(copyPath, copy.get(), copySize); });

    const double megabytes = double(fileSize) / (1 << 20);
    bench::printHeader();
    bench::printRow(QStringLiteral("open and show a 1,000,000-line config (%1 MB file; its first open adds %2 MB "
                                   "of memory, %3x the file), against one read() of the file")
                        .arg(megabytes, 0, 'f', 0)
                        .arg(added, 0, 'f', 0)
                        .arg(added / megabytes, 0, 'f', 1),
                    open, readBase);
    bench::printRow(QStringLiteral("read it (configfile::read), against one read() of the file"), read, readBase);
    bench::printRow(QStringLiteral("save a 1,000,000-line config, against one read() of the file"), save, readBase);
    bench::printRow(QStringLiteral("save, against one write() flushed to disk"), save, durableWriteBase);
    return 0;
}
