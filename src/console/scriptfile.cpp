#include "scriptfile.h"

#include <QIODevice>
#include <cstring>

namespace console {

std::optional<ScriptFile> ScriptFile::read(QIODevice& device, QString& error)
{
    if (device.size() > MaximumSize) {
        error = QStringLiteral("the file is larger than %1 bytes").arg(MaximumSize);
        return std::nullopt;
    }
    QByteArray bytes = device.readAll();
    // A read error leaves the device short of its end.
    if (!device.atEnd()) {
        error = device.errorString();
        return std::nullopt;
    }
    return fromBytes(std::move(bytes));
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
