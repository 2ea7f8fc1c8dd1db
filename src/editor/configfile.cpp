#include "editor/configfile.h"

#include <QIODevice>
#include <algorithm>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace configfile {
namespace {

constexpr qsizetype ChunkSize = 1 << 20;

QString failure(const QIODevice& device)
{
    const QString reason = device.errorString();
    return reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
}

QString tooLarge()
{
    return QStringLiteral("The file is too large to open (more than %1 MB).").arg(MaximumSize >> 20);
}

// The whole device as bytes, or why it could not be read. A file is read straight into
// a buffer of its size; a device of unknown size is read chunk by chunk.
std::optional<QByteArray> readAllBytes(QIODevice& device, QString& error)
{
    QByteArray bytes;
    if (!device.isSequential()) {
        if (device.size() > MaximumSize) {
            error = tooLarge();
            return std::nullopt;
        }
        bytes.reserve(device.size() + 1);
    }
    for (;;) {
        const qsizetype start = bytes.size();
        // A file fills the buffer reserved for its size; only past that does it grow by chunks.
        const qsizetype room = bytes.capacity() > start ? bytes.capacity() - start : ChunkSize;
        bytes.resize(start + room);
        const qint64 got = device.read(bytes.data() + start, room);
        bytes.resize(start + std::max<qint64>(got, 0));
        if (got < 0) {
            error = failure(device);
            return std::nullopt;
        }
        if (got == 0)
            return bytes;
        if (bytes.size() > MaximumSize) {
            error = tooLarge();
            return std::nullopt;
        }
    }
}

// How many bytes are compared at once when looking for line ends.
constexpr qsizetype BlockSize = 16;

// Bit i is set where block[i] is a or b.
quint32 matchBits(const char* block, char a, char b)
{
#ifdef __SSE2__
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    return quint32(_mm_movemask_epi8(
        _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(a)), _mm_cmpeq_epi8(bytes, _mm_set1_epi8(b)))));
#else
    quint32 bits = 0;
    for (qsizetype i = 0; i < BlockSize; ++i)
        bits |= quint32(block[i] == a || block[i] == b) << i;
    return bits;
#endif
}

// Calls visit with the position of every byte that is a or b, in order: a block of bytes
// at a time, so that the bytes between them cost next to nothing.
template <typename Visit>
void forEachMatch(const char* data, qsizetype length, char a, char b, Visit&& visit)
{
    qsizetype block = 0;
    for (; block + BlockSize <= length; block += BlockSize)
        for (quint32 bits = matchBits(data + block, a, b); bits != 0; bits &= bits - 1)
            visit(block + std::countr_zero(bits));
    for (qsizetype i = block; i < length; ++i)
        if (data[i] == a || data[i] == b)
            visit(i);
}

// Makes the lines of a file: a line ends at CR LF, CR or LF, and text after the last
// line end is one more line.
LineStore splitLines(QByteArray bytes)
{
    LineStore lines;
    lines.adoptLatin1(std::move(bytes));
    const char* const data = lines.latin1Arena().constData();
    const qsizetype length = lines.latin1Arena().size();
    qsizetype lineFeeds = 0;
    forEachMatch(data, length, '\n', '\n', [&lineFeeds](qsizetype) { ++lineFeeds; });
    lines.reserve(lineFeeds + 1);
    qsizetype lineStart = 0;
    forEachMatch(data, length, '\r', '\n', [&](qsizetype i) {
        // Every CR ends a line, so an LF right after one only completes that line end.
        if (data[i] == '\r' || i == 0 || data[i - 1] != '\r')
            lines.appendLatin1Span(lineStart, i - lineStart);
        lineStart = i + 1;
    });
    if (lineStart < length)
        lines.appendLatin1Span(lineStart, length - lineStart);
    return lines;
}

} // namespace

LineStore parse(QByteArrayView bytes)
{
    return splitLines(bytes.toByteArray());
}

ReadResult read(QIODevice& device)
{
    try {
        QString error;
        std::optional<QByteArray> bytes = readAllBytes(device, error);
        if (!bytes)
            return {std::nullopt, error};
        return {splitLines(std::move(*bytes)), {}};
    } catch (const std::bad_alloc&) {
        return {std::nullopt, QStringLiteral("There is not enough memory to open the file.")};
    }
}

std::optional<qsizetype> firstUnwritableLine(const LineStore& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (!lines.isLatin1(i))
            return i;
    return std::nullopt;
}

QString write(QIODevice& device, const LineStore& lines, const std::function<void()>& lineWritten)
{
    QByteArray buffer;
    buffer.reserve(ChunkSize + 1024);
    const auto flush = [&]() -> bool {
        const bool ok = device.write(buffer) == buffer.size();
        buffer.clear();
        return ok;
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        Q_ASSERT(lines.isLatin1(i));
        const QAnyStringView line = lines.at(i);
        buffer.append(static_cast<const char*>(line.data()), line.size());
        buffer.append("\r\n", 2);
        if (buffer.size() >= ChunkSize && !flush())
            return failure(device);
        if (lineWritten)
            lineWritten();
    }
    if (!buffer.isEmpty() && !flush())
        return failure(device);
    return {};
}

} // namespace configfile
