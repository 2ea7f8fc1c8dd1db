#include "editor/configfile.h"

#include <QIODevice>
#include <QByteArray>
#include <algorithm>

namespace configfile {
namespace {

constexpr qsizetype ChunkSize = 1 << 20;

QString failure(const QIODevice& device)
{
    const QString reason = device.errorString();
    return reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
}

// Turns a stream of bytes, fed in chunks, into lines. A CR at the end of one chunk and
// an LF at the start of the next are one line end.
class LineSplitter
{
public:
    explicit LineSplitter(LineStore& lines) : m_lines(lines) {}

    void feed(const char* data, qsizetype length)
    {
        qsizetype start = 0;
        if (m_pendingCr && length > 0 && data[0] == '\n')
            start = 1;
        m_pendingCr = false;
        for (qsizetype i = start; i < length; ++i) {
            const char c = data[i];
            if (c != '\r' && c != '\n')
                continue;
            emitLine(data + start, i - start);
            if (c == '\r') {
                if (i + 1 < length && data[i + 1] == '\n')
                    ++i;
                else if (i + 1 == length)
                    m_pendingCr = true;
            }
            start = i + 1;
        }
        m_partial.append(data + start, length - start);
    }

    void finish()
    {
        if (!m_partial.isEmpty())
            m_lines.appendLatin1(m_partial.constData(), m_partial.size());
        m_partial.clear();
    }

private:
    void emitLine(const char* data, qsizetype length)
    {
        if (m_partial.isEmpty()) {
            m_lines.appendLatin1(data, length);
            return;
        }
        m_partial.append(data, length);
        m_lines.appendLatin1(m_partial.constData(), m_partial.size());
        m_partial.clear();
    }

    LineStore& m_lines;
    QByteArray m_partial;
    bool m_pendingCr = false;
};

} // namespace

LineStore parse(QByteArrayView bytes)
{
    LineStore lines;
    lines.reserve(0, bytes.size());
    LineSplitter splitter(lines);
    splitter.feed(bytes.data(), bytes.size());
    splitter.finish();
    return lines;
}

ReadResult read(QIODevice& device)
{
    if (!device.isSequential() && device.size() > MaximumSize)
        return {std::nullopt, QStringLiteral("The file is too large to open (%1 MB; at most %2 MB).")
                                  .arg(device.size() >> 20).arg(MaximumSize >> 20)};
    try {
        LineStore lines;
        if (!device.isSequential())
            lines.reserve(0, device.size());
        LineSplitter splitter(lines);
        QByteArray chunk(ChunkSize, Qt::Uninitialized);
        qint64 total = 0;
        for (;;) {
            const qint64 got = device.read(chunk.data(), chunk.size());
            if (got < 0)
                return {std::nullopt, failure(device)};
            if (got == 0)
                break;
            total += got;
            if (total > MaximumSize)
                return {std::nullopt, QStringLiteral("The file is too large to open (more than %1 MB).")
                                          .arg(MaximumSize >> 20)};
            splitter.feed(chunk.constData(), got);
        }
        splitter.finish();
        return {std::move(lines), {}};
    } catch (const std::bad_alloc&) {
        return {std::nullopt, QStringLiteral("There is not enough memory to open the file.")};
    }
}

std::optional<qsizetype> firstUnwritableLine(const LineStore& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines.at(i);
        if (std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() > 0xFF; }))
            return i;
    }
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
        const QStringView line = lines.at(i);
        const qsizetype start = buffer.size();
        buffer.resize(start + line.size() + 2);
        char* out = buffer.data() + start;
        for (const QChar c : line)
            *out++ = char(c.unicode());
        out[0] = '\r';
        out[1] = '\n';
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
