// The config reader and writer on any bytes at all: reading, writing and reading again gives the
// same lines, and the line store keeps its lines through edits that copy lines within itself.
#include "editor/configfile.h"
#include "fuzzsupport.h"

#include <QBuffer>
#include <QStringList>

namespace {

constexpr qsizetype MaximumEdits = 64;

QStringList texts(const LineStore& lines)
{
    QStringList result;
    result.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        result << lines.text(i);
    return result;
}

bool sameLines(const LineStore& left, const LineStore& right)
{
    if (left.size() != right.size())
        return false;
    for (qsizetype i = 0; i < left.size(); ++i) {
        if (QAnyStringView::compare(left.at(i), right.at(i)) != 0)
            return false;
    }
    return true;
}

bool holdsNoLineEnd(const LineStore& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.text(i);
        if (line.contains(u'\r') || line.contains(u'\n'))
            return false;
    }
    return true;
}

LineStore readFrom(QIODevice& device)
{
    configfile::ReadResult result = configfile::read(device);
    fuzz::require(result.lines.has_value(), "a device that reads without error is read whole");
    return std::move(*result.lines);
}

QByteArray written(const LineStore& lines)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    qsizetype reported = 0;
    const QString error = configfile::write(buffer, lines, [&reported] { ++reported; });
    fuzz::require(error.isEmpty(), "writing to memory does not fail");
    fuzz::require(reported == lines.size(), "every written line is reported once");
    return buffer.data();
}

// The editing commands copy rows into other rows; a row's view points into the store's own
// storage, which may move while the copy is made. Three bytes of the input make one edit.
void checkEdits(LineStore lines, QByteArrayView script)
{
    QStringList mirror = texts(lines);
    for (qsizetype step = 0; step + 2 < script.size() && step < 3 * MaximumEdits; step += 3) {
        if (lines.isEmpty()) {
            lines.append(QStringLiteral("say \u263A"));
            mirror.append(QStringLiteral("say \u263A"));
            continue;
        }
        const qsizetype from = quint8(script[step + 1]) % lines.size();
        const qsizetype to = quint8(script[step + 2]) % lines.size();
        switch (quint8(script[step]) % 6) {
        case 0:
            lines.append(lines.at(from));
            mirror.append(mirror.at(from));
            break;
        case 1:
            lines.insert(to, lines.at(from));
            mirror.insert(to, mirror.at(from));
            break;
        case 2:
            lines.replace(to, lines.at(from));
            mirror.replace(to, mirror.at(from));
            break;
        case 3:
            lines.remove(to);
            mirror.removeAt(to);
            break;
        case 4: // a character without a Latin-1 byte moves the line to the wide storage
            lines.replace(to, mirror.at(from) + QChar(0x263A));
            mirror.replace(to, mirror.at(from) + QChar(0x263A));
            break;
        default:
            lines.removeEmptyLines();
            mirror.removeAll(QString());
            break;
        }
    }
    fuzz::require(texts(lines) == mirror, "edits give the lines a plain list of strings gives");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const LineStore lines = configfile::parse(bytes);
    fuzz::require(holdsNoLineEnd(lines), "a line never holds a line end");
    fuzz::require(!configfile::firstUnwritableLine(lines), "every line read from a file can be written");

    fuzz::PiecewiseDevice device(bytes, fuzz::pieceSizeFor(bytes));
    fuzz::require(sameLines(readFrom(device), lines), "reading piece by piece gives the lines of one read");

    // The reader and writer allocate by the megabyte; one pass through each keeps the run fast.
    fuzz::require(sameLines(configfile::parse(written(lines)), lines),
                  "read, write and read again gives the same lines");

    checkEdits(lines, bytes);
    return 0;
}
