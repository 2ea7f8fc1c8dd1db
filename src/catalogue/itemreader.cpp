#include "catalogue/itemreader.h"

#include <QIODevice>
#include <limits>

namespace {

constexpr qint64 ChunkSize = 64 * 1024;

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool isDelimiter(char c)
{
    return c == ',' || isLineEnd(c);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

void dropTrailingBlanks(QByteArray& item)
{
    qsizetype length = item.size();
    while (length > 0 && isBlank(item.at(length - 1)))
        --length;
    item.truncate(length);
}

} // namespace

ItemReader::ItemReader(QIODevice& device) : m_device(device) {}

bool ItemReader::atEnd()
{
    if (m_position < m_buffer.size())
        return false;
    m_buffer = m_device.read(ChunkSize);
    m_position = 0;
    return m_buffer.isEmpty();
}

template <typename Stop>
void ItemReader::takeUntil(Stop stop)
{
    while (!atEnd()) {
        const qsizetype start = m_position;
        skipInBuffer(stop);
        m_item.append(m_buffer.constData() + start, m_position - start);
        if (m_position < m_buffer.size())
            return;
    }
}

template <typename Stop>
void ItemReader::skipInBuffer(Stop stop)
{
    while (m_position < m_buffer.size() && !stop(m_buffer.at(m_position)))
        ++m_position;
}

template <typename Keep>
void ItemReader::skipWhile(Keep keep)
{
    while (!atEnd()) {
        skipInBuffer([keep](char c) { return !keep(c); });
        if (m_position < m_buffer.size())
            return;
    }
}

void ItemReader::skipDelimiter()
{
    if (atEnd())
        return;
    const char delimiter = peek();
    ++m_position;
    if (delimiter == '\r' && !atEnd() && peek() == '\n')
        ++m_position;
}

std::optional<QString> ItemReader::next()
{
    if (atEnd())
        return std::nullopt;
    skipWhile(isBlank);
    m_item.resize(0); // keeps the storage, unlike clear()
    if (!atEnd() && peek() == '"') {
        ++m_position;
        takeUntil([](char c) { return c == '"' || isLineEnd(c); });
        skipWhile([](char c) { return !isDelimiter(c); });
    } else {
        takeUntil(isDelimiter);
        dropTrailingBlanks(m_item);
    }
    skipDelimiter();
    return QString::fromLatin1(m_item);
}

qint16 ItemReader::count(QIODevice& device)
{
    constexpr qint16 Largest = std::numeric_limits<qint16>::max();
    ItemReader reader(device);
    qint16 items = 0;
    while (reader.next()) {
        if (items == Largest)
            return Largest;
        ++items;
    }
    return items;
}
