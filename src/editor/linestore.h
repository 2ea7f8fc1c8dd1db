#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// The text of many lines kept in one arena instead of one allocation per line, so a
// million-line file costs little more than its own characters. Lines are counted from
// 0 here; edited text is appended to the arena and the arena is compacted when most
// of it has become garbage.
class LineStore
{
public:
    qsizetype size() const { return qsizetype(m_spans.size()); }
    bool isEmpty() const { return m_spans.empty(); }

    QStringView at(qsizetype index) const
    {
        const Span& span = m_spans[size_t(index)];
        return QStringView(m_arena.constData() + span.offset, span.length);
    }

    void reserve(qsizetype lines, qsizetype characters);
    void append(QStringView text);
    // Appends Latin-1 bytes as text, one character per byte.
    void appendLatin1(const char* data, qsizetype length);
    void insert(qsizetype index, QStringView text);
    void replace(qsizetype index, QStringView text);
    void remove(qsizetype index);
    void clear();

    // Characters held, garbage included: what the store costs besides its spans.
    qsizetype arenaSize() const { return m_arena.size(); }

private:
    struct Span
    {
        qsizetype offset;
        qsizetype length;
    };

    Span store(QStringView text);
    void forget(const Span& span);
    void compactIfWasteful();

    QString m_arena;
    std::vector<Span> m_spans;
    qsizetype m_garbage = 0;
};
