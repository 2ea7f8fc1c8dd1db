#pragma once

#include "diagnostic.h"
#include "gamecommands.h"
#include "rowchecker.h"

#include <QList>
#include <functional>
#include <optional>
#include <span>

namespace console {

// The problems of a whole script, kept up to date as its rows change: tell it about every
// change after the rows have changed. Rows count from 0. Only rows with problems take
// storage: their findings, sorted by row, which are put in words only when asked for. The
// binds of the rows themselves (not those inside aliases) are kept twice: sorted by row,
// and as sorted row numbers per key, so that a key bound again further down is found
// without reading other rows. An insertion or a removal renumbers the rows after it: at
// worst one addition per finding or binding, no copy of anything per row.
class ScriptDiagnostics
{
public:
    // A full check (reset, setEngine) of a long script reads rows from several threads at
    // once, so rows must only read.
    ScriptDiagnostics(RowReader rows, Engine engine);

    Engine engine() const { return m_engine; }
    void setEngine(Engine engine); // checks every row again

    // The file the rows were read from, when they are not to be judged as the editor saves
    // them (every row ending in CR LF): its size, and whether its last byte ends a line.
    void setFile(qint64 size, bool endsWithLineEnd);

    void reset(qsizetype rowCount);
    void reset(qsizetype rowCount, Engine engine);
    void rowsInserted(qsizetype first, qsizetype count);
    void rowsRemoved(qsizetype first, qsizetype count);
    void rowChanged(qsizetype row);
    qsizetype rowCount() const { return m_rowCount; }

    // In the order of their columns.
    QList<Diagnostic> diagnostics(qsizetype row) const;
    // Every row with a problem, in order, with its text and its findings in the order of
    // their columns; the findings point into the text.
    using ProblemVisitor = std::function<void(qsizetype row, QByteArrayView text, std::span<const Finding> findings)>;
    void forEachProblemRow(const ProblemVisitor& visit) const;
    // The gravest problem of the row, or nothing for a clean row.
    std::optional<Severity> worstSeverity(qsizetype row) const;
    qsizetype count(Severity severity) const;

    // The next row with a problem after row (before it), starting again at the other end
    // of the script; row itself when it is the only one; nothing for a clean script.
    std::optional<qsizetype> nextProblemRow(qsizetype row) const;
    std::optional<qsizetype> previousProblemRow(qsizetype row) const;
    // Every row with a problem, in order.
    std::vector<qsizetype> problemRows() const;

private:
    struct RowFinding
    {
        qint32 row;
        Finding finding;
    };
    struct BoundKey
    {
        qint32 row;
        Binding binding;
    };
    // A row that binds a key, among the rows binding the same key.
    struct KeyRow
    {
        qint32 row;
        quint32 command; // Binding::command
    };
    struct SavedFile
    {
        qint64 size;
        bool endsWithLineEnd;
    };
    // What checking a stretch of rows found, sorted by row.
    struct Batch
    {
        std::vector<RowFinding> findings;
        std::vector<BoundKey> bindings;
    };

    static Batch checkBatch(const RowReader& rows, qsizetype first, qsizetype count, RowChecker& checker);
    QByteArrayView bytesOf(qsizetype row) const;
    void checkRows(qsizetype first, qsizetype count);
    void adopt(std::span<Batch> batches, qsizetype first);
    void forgetRows(qsizetype first, qsizetype count);
    void shiftRows(qsizetype from, qsizetype delta);
    bool exceedsCommandBuffer() const;
    bool lacksFinalLineEnd() const;
    qsizetype reboundCount(Severity severity) const;
    void findingsOf(qsizetype row, std::vector<Finding>& findings) const;
    void finishRow(qsizetype row, std::vector<Finding>& findings) const;
    std::optional<qsizetype> firstProblemAfter(qsizetype row) const;
    std::optional<qsizetype> lastProblemBefore(qsizetype row) const;

    RowReader m_rows;
    Engine m_engine;
    std::optional<SavedFile> m_file;
    RowChecker m_checker;
    mutable QByteArray m_scratch;
    qsizetype m_rowCount = 0;
    std::vector<RowFinding> m_findings; // but the rebound keys and the large file
    std::array<qint64, SeverityCount> m_totals{};
    std::vector<BoundKey> m_bindings;
    std::vector<std::vector<KeyRow>> m_bindingRows; // by key identity
};

} // namespace console
