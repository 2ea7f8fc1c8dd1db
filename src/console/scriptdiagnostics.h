#pragma once

#include "console/diagnostic.h"
#include "console/gamecommands.h"
#include "console/rowchecker.h"

#include <QList>
#include <optional>

namespace console {

// The problems of a whole script, kept up to date as its rows change: tell it about every
// change after the rows have changed. Rows count from 0. Only rows with problems take
// storage: a tally of their problems, sorted by row; the messages are made again when asked
// for. The rows that bind each key (binds of the rows themselves, not those inside aliases)
// are kept as sorted row numbers per key, so that a key bound again further down is found
// without reading other rows. An insertion or a removal renumbers the rows after it: at
// worst one addition per row with a problem or a binding, no copy of anything per row.
class ScriptDiagnostics
{
public:
    ScriptDiagnostics(RowReader rows, Game game);

    Game game() const { return m_checker.game(); }
    void setGame(Game game); // checks every row again

    void reset(qsizetype rowCount);
    void rowsInserted(qsizetype first, qsizetype count);
    void rowsRemoved(qsizetype first, qsizetype count);
    void rowChanged(qsizetype row);
    qsizetype rowCount() const { return m_rowCount; }

    // In the order of their columns.
    QList<Diagnostic> diagnostics(qsizetype row) const;
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
    struct RowTally
    {
        qint32 row;
        std::array<quint16, SeverityCount> counts; // saturating
    };

    QByteArrayView bytesOf(qsizetype row) const;
    void checkRows(qsizetype first, qsizetype count);
    void tally(qsizetype row);
    void forgetRows(qsizetype first, qsizetype count);
    void shiftRows(qsizetype from, qsizetype delta);
    bool exceedsCommandBuffer() const;
    qsizetype reboundCount() const;
    std::vector<Finding> reboundFindings(qsizetype row) const;
    std::optional<qsizetype> firstProblemAfter(qsizetype row) const;
    std::optional<qsizetype> lastProblemBefore(qsizetype row) const;
    const RowTally* tallyOf(qsizetype row) const;

    RowReader m_rows;
    mutable RowChecker m_checker;
    mutable QByteArray m_scratch;
    qsizetype m_rowCount = 0;
    std::vector<RowTally> m_tallies;
    std::array<qint64, SeverityCount> m_totals{};
    std::vector<std::vector<qint32>> m_bindingRows; // by key identity
};

} // namespace console
