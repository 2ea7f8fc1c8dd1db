#include "editor/linestore.h"

void LineStore::reserve(qsizetype lines, qsizetype characters)
{
    m_spans.reserve(size_t(lines));
    m_arena.reserve(characters);
}

LineStore::Span LineStore::store(QStringView text)
{
    // The text may be a view into the arena itself; copy it out before the arena grows.
    const bool aliased = text.data() >= m_arena.constData() && text.data() < m_arena.constData() + m_arena.size();
    const Span span{m_arena.size(), text.size()};
    if (aliased)
        m_arena.append(text.toString());
    else
        m_arena.append(text);
    return span;
}

void LineStore::forget(const Span& span)
{
    m_garbage += span.length;
}

void LineStore::append(QStringView text)
{
    m_spans.push_back(store(text));
}

void LineStore::appendLatin1(const char* data, qsizetype length)
{
    m_spans.push_back({m_arena.size(), length});
    m_arena.append(QLatin1StringView(data, length));
}

void LineStore::insert(qsizetype index, QStringView text)
{
    const Span span = store(text);
    m_spans.insert(m_spans.begin() + index, span);
}

void LineStore::replace(qsizetype index, QStringView text)
{
    const Span span = store(text);
    forget(m_spans[size_t(index)]);
    m_spans[size_t(index)] = span;
    compactIfWasteful();
}

void LineStore::remove(qsizetype index)
{
    forget(m_spans[size_t(index)]);
    m_spans.erase(m_spans.begin() + index);
    compactIfWasteful();
}

void LineStore::clear()
{
    m_spans.clear();
    m_arena.clear();
    m_garbage = 0;
}

void LineStore::compactIfWasteful()
{
    constexpr qsizetype MinimumWaste = 1 << 20;
    if (m_garbage < MinimumWaste || m_garbage * 2 < m_arena.size())
        return;
    QString packed;
    packed.reserve(m_arena.size() - m_garbage);
    for (Span& span : m_spans) {
        const qsizetype offset = packed.size();
        packed.append(QStringView(m_arena.constData() + span.offset, span.length));
        span.offset = offset;
    }
    m_arena = std::move(packed);
    m_garbage = 0;
}
