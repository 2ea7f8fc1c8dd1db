#include "editor/linestore.h"

#include <algorithm>

namespace {

template <typename View, typename Arena>
bool pointsInto(const View& view, const Arena& arena)
{
    const auto* data = reinterpret_cast<const char*>(view.data());
    const auto* begin = reinterpret_cast<const char*>(arena.constData());
    return data >= begin && data < begin + arena.size() * qsizetype(sizeof(*arena.constData()));
}

bool fitsLatin1(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

} // namespace

QAnyStringView LineStore::at(qsizetype index) const
{
    const Span& span = m_spans[size_t(index)];
    if (span.wide)
        return QStringView(m_wide.constData() + span.offset, span.length);
    return QLatin1StringView(m_latin1.constData() + span.offset, span.length);
}

LineStore::Span LineStore::storeLatin1(QLatin1StringView text)
{
    // The text may be a view into the arena itself; copy it out before the arena grows.
    if (pointsInto(text, m_latin1)) {
        const QByteArray copy(text.data(), text.size());
        return storeLatin1(QLatin1StringView(copy));
    }
    const Span span{m_latin1.size(), qint32(text.size()), false};
    m_latin1.append(text.data(), text.size());
    return span;
}

LineStore::Span LineStore::storeWide(QStringView text)
{
    if (fitsLatin1(text)) {
        QByteArray bytes(text.size(), Qt::Uninitialized);
        std::transform(text.begin(), text.end(), bytes.begin(), [](QChar c) { return char(c.unicode()); });
        return storeLatin1(QLatin1StringView(bytes));
    }
    if (pointsInto(text, m_wide))
        return storeWide(text.toString());
    const Span span{m_wide.size(), qint32(text.size()), true};
    m_wide.append(text);
    return span;
}

LineStore::Span LineStore::store(QAnyStringView text)
{
    return text.visit([this](auto view) -> Span {
        using View = decltype(view);
        if constexpr (std::is_same_v<View, QLatin1StringView>)
            return storeLatin1(view);
        else if constexpr (std::is_same_v<View, QStringView>)
            return storeWide(view);
        else
            return storeWide(view.toString()); // UTF-8
    });
}

void LineStore::forget(const Span& span)
{
    m_garbage += span.length;
}

void LineStore::append(QAnyStringView text)
{
    m_spans.push_back(store(text));
}

void LineStore::insert(qsizetype index, QAnyStringView text)
{
    const Span span = store(text);
    m_spans.insert(m_spans.begin() + index, span);
}

void LineStore::replace(qsizetype index, QAnyStringView text)
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

void LineStore::removeEmptyLines()
{
    std::erase_if(m_spans, [](const Span& span) { return span.length == 0; });
}

void LineStore::clear()
{
    m_spans.clear();
    m_latin1.clear();
    m_wide.clear();
    m_garbage = 0;
}

void LineStore::adoptLatin1(QByteArray bytes)
{
    Q_ASSERT(isEmpty());
    m_latin1 = std::move(bytes);
    m_garbage = m_latin1.size(); // until lines claim it: line ends stay unclaimed
}

void LineStore::compactIfWasteful()
{
    constexpr qsizetype MinimumWaste = 1 << 20;
    if (m_garbage < MinimumWaste || m_garbage * 2 < m_latin1.size() + m_wide.size())
        return;
    QByteArray latin1;
    QString wide;
    for (Span& span : m_spans) {
        if (span.wide) {
            const qsizetype offset = wide.size();
            wide.append(QStringView(m_wide.constData() + span.offset, span.length));
            span.offset = offset;
        } else {
            const qsizetype offset = latin1.size();
            latin1.append(m_latin1.constData() + span.offset, span.length);
            span.offset = offset;
        }
    }
    m_latin1 = std::move(latin1);
    m_wide = std::move(wide);
    m_garbage = 0;
}
