#include "scriptfile.h"

#include <QIODevice>
#include <cstring>

namespace console {

std::optional<ScriptFile> ScriptFile::read(QIODevice& device, QString& error)
{
    constexpr qsizetype Chunk = 1 << 20;
    QByteArray bytes;
    if (!device.isSequential() && device.size() <= MaximumSize)
        bytes.reserve(device.size());
    for (;;) {
        const qsizetype start = bytes.size();
        if (start > MaximumSize) {
            error = QStringLiteral("the file is larger than %1 bytes").arg(MaximumSize);
            return std::nullopt;
        }
        bytes.resize(start + Chunk);
        const qint64 got = device.read(bytes.data() + start, Chunk);
        bytes.resize(start + std::max<qint64>(got, 0));
        if (got < 0) {
            error = device.errorString();
            return std::nullopt;
        }
        if (got == 0)
            return fromBytes(std::move(bytes));
    }
}

ScriptFile ScriptFile::fromBytes(QByteArray bytes)
{
    ScriptFile file;
    file.m_bytes = std::move(bytes);
    const char* const data = file.m_bytes.constData();
    const qint64 size = file.m_bytes.size();
    for (qint64 start = 0; start < size;) {
        const auto* feed = static_cast<const char*>(std::memchr(data + start, '\n', size_t(size - start)));
        const qint64 end = feed ? feed - data : size;
        const qint64 length = end - start - (feed && end > start && data[end - 1] == '\r' ? 1 : 0);
        file.m_rows.push_back({start, length});
        start = end + 1;
    }
    return file;
}

QLatin1StringView ScriptFile::row(qsizetype row) const
{
    const Span& span = m_rows[size_t(row)];
    return QLatin1StringView(m_bytes.constData() + span.offset, span.length);
}

} // namespace console
