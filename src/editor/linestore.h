#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QString>
#include <vector>

// The text of many lines kept in two arenas instead of one allocation per line, so a
// million-line file costs little more than its own bytes. Text whose every character
// has a Latin-1 byte (all text read from files) is kept as those bytes; the rare line
// holding other characters is kept as UTF-16. Lines are counted from 0 here. Edited
// text is appended to an arena, and the arenas are compacted when most of them has
// become garbage.
class LineStore
{
public:
    qsizetype size() const { return qsizetype(m_spans.size()); }
    bool isEmpty() const { return m_spans.empty(); }

    // A Latin-1 or a UTF-16 view, valid until the store next changes.
    QAnyStringView at(qsizetype index) const;
    QString text(qsizetype index) const { return at(index).toString(); }
    // Whether every character of the line has a byte of its own in Latin-1.
    bool isLatin1(qsizetype index) const { return !m_spans[size_t(index)].wide; }

    void append(QAnyStringView text);
    void insert(qsizetype index, QAnyStringView text);
    void replace(qsizetype index, QAnyStringView text);
    void remove(qsizetype index);
    void removeEmptyLines();
    void clear();

    // Bulk loading: the bytes of a whole file become the Latin-1 arena in one piece, and
    // lines are then made from stretches of it. Only for an empty store.
    void adoptLatin1(QByteArray bytes);
    void reserve(qsizetype lines) { m_spans.reserve(size_t(lines)); }
    const QByteArray& latin1Arena() const { return m_latin1; }
    // Inline: a file's read calls it once per line.
    void appendLatin1Span(qsizetype offset, qsizetype length)
    {
        m_spans.push_back({offset, qint32(length), false});
        m_garbage -= length;
    }

private:
    struct Span
    {
        qint64 offset;
        qint32 length;
        bool wide; // in the UTF-16 arena
    };

    Span store(QAnyStringView text);
    Span storeLatin1(QLatin1StringView text);
    Span storeWide(QStringView text);
    void forget(const Span& span);
    void compactIfWasteful();

    QByteArray m_latin1;
    QString m_wide;
    std::vector<Span> m_spans;
    qsizetype m_garbage = 0;
};
