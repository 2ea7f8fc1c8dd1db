#include "console/scriptdiagnostics.h"

#include "console/keynames.h"

#include <algorithm>

namespace console {
namespace {

template <typename Entry>
qint32 rowOf(const Entry& entry)
{
    if constexpr (std::is_integral_v<Entry>)
        return entry;
    else
        return entry.row;
}

// The first entry for row or a later one; entries are sorted by row.
template <typename Entries>
auto firstAtOrAfter(Entries& entries, qsizetype row)
{
    return std::partition_point(entries.begin(), entries.end(), [row](const auto& e) { return rowOf(e) < row; });
}

// Entries appended behind the first `sorted` ones, all for rows from `first` on, move to
// their place among them.
template <typename Entry>
void placeAppended(std::vector<Entry>& entries, size_t sorted, qsizetype first)
{
    const auto end = entries.begin() + qsizetype(sorted);
    std::rotate(std::partition_point(entries.begin(), end, [first](const Entry& e) { return rowOf(e) < first; }), end,
                entries.end());
}

template <typename Entry>
void eraseRows(std::vector<Entry>& entries, qsizetype first, qsizetype count)
{
    entries.erase(firstAtOrAfter(entries, first), firstAtOrAfter(entries, first + count));
}

template <typename Entry>
void shiftEntries(std::vector<Entry>& entries, qsizetype from, qsizetype delta)
{
    for (auto entry = firstAtOrAfter(entries, from); entry != entries.end(); ++entry) {
        if constexpr (std::is_integral_v<Entry>)
            *entry += qint32(delta);
        else
            entry->row += qint32(delta);
    }
}

} // namespace

ScriptDiagnostics::ScriptDiagnostics(RowReader rows, Game game)
    : m_rows(std::move(rows)), m_checker(game), m_bindingRows(size_t(keyIdCount()))
{
}

void ScriptDiagnostics::setGame(Game game)
{
    m_checker.setGame(game);
    reset(m_rowCount);
}

void ScriptDiagnostics::reset(qsizetype rowCount)
{
    m_tallies.clear();
    m_totals = {};
    for (std::vector<qint32>& rows : m_bindingRows)
        rows.clear();
    m_rowCount = rowCount;
    checkRows(0, rowCount);
}

void ScriptDiagnostics::rowsInserted(qsizetype first, qsizetype count)
{
    shiftRows(first, count);
    m_rowCount += count;
    checkRows(first, count);
}

void ScriptDiagnostics::rowsRemoved(qsizetype first, qsizetype count)
{
    forgetRows(first, count);
    shiftRows(first + count, -count);
    m_rowCount -= count;
}

void ScriptDiagnostics::rowChanged(qsizetype row)
{
    forgetRows(row, 1);
    checkRows(row, 1);
}

QByteArrayView ScriptDiagnostics::bytesOf(qsizetype row) const
{
    return latin1Bytes(m_rows(row), m_scratch);
}

// Checks rows that have no entries yet; every entry of the script after them is already
// numbered for its place behind them.
void ScriptDiagnostics::checkRows(qsizetype first, qsizetype count)
{
    const size_t talliesBefore = m_tallies.size();
    std::vector<qsizetype> bindingsBefore(m_bindingRows.size(), -1); // for the keys given bindings here
    for (qsizetype row = first; row < first + count; ++row) {
        m_checker.check(bytesOf(row));
        tally(row);
        for (const Binding& binding : m_checker.bindings()) {
            std::vector<qint32>& rows = m_bindingRows[size_t(binding.keyId)];
            qsizetype& before = bindingsBefore[size_t(binding.keyId)];
            if (before < 0)
                before = qsizetype(rows.size());
            rows.push_back(qint32(row));
        }
    }
    placeAppended(m_tallies, talliesBefore, first);
    for (size_t keyId = 0; keyId < m_bindingRows.size(); ++keyId)
        if (bindingsBefore[keyId] >= 0)
            placeAppended(m_bindingRows[keyId], size_t(bindingsBefore[keyId]), first);
}

void ScriptDiagnostics::tally(qsizetype row)
{
    if (m_checker.findings().empty())
        return;
    RowTally entry{qint32(row), {}};
    for (const Finding& finding : m_checker.findings()) {
        quint16& count = entry.counts[size_t(severityOf(finding.rule))];
        count = quint16(std::min(int(count) + 1, 0xFFFF));
    }
    for (int severity = 0; severity < SeverityCount; ++severity)
        m_totals[size_t(severity)] += entry.counts[size_t(severity)];
    m_tallies.push_back(entry);
}

void ScriptDiagnostics::forgetRows(qsizetype first, qsizetype count)
{
    for (auto entry = firstAtOrAfter(m_tallies, first); entry != m_tallies.end() && entry->row < first + count; ++entry)
        for (int severity = 0; severity < SeverityCount; ++severity)
            m_totals[size_t(severity)] -= entry->counts[size_t(severity)];
    eraseRows(m_tallies, first, count);
    for (std::vector<qint32>& rows : m_bindingRows)
        eraseRows(rows, first, count);
}

void ScriptDiagnostics::shiftRows(qsizetype from, qsizetype delta)
{
    shiftEntries(m_tallies, from, delta);
    for (std::vector<qint32>& rows : m_bindingRows)
        shiftEntries(rows, from, delta);
}

// A saved file ends every row with CR LF; past 4,096 rows it is over the buffer whatever
// the rows hold.
bool ScriptDiagnostics::exceedsCommandBuffer() const
{
    if (m_rowCount * 2 > limits::CommandBuffer)
        return true;
    qint64 size = 0;
    for (qsizetype row = 0; row < m_rowCount; ++row)
        size += m_rows(row).size() + 2;
    return size > limits::CommandBuffer;
}

qsizetype ScriptDiagnostics::reboundCount() const
{
    qsizetype count = 0;
    for (const std::vector<qint32>& rows : m_bindingRows)
        count += std::max<qsizetype>(qsizetype(rows.size()) - 1, 0);
    return count;
}

qsizetype ScriptDiagnostics::count(Severity severity) const
{
    qsizetype total = m_totals[size_t(severity)];
    if (severity == Severity::Warning)
        total += reboundCount();
    if (severity == Severity::Note && exceedsCommandBuffer())
        ++total;
    return total;
}

// The row must have been checked by m_checker just before.
std::vector<Finding> ScriptDiagnostics::reboundFindings(qsizetype row) const
{
    std::vector<Finding> findings;
    const std::vector<Binding>& bindings = m_checker.bindings();
    for (auto binding = bindings.begin(); binding != bindings.end(); ++binding) {
        const std::vector<qint32>& rows = m_bindingRows[size_t(binding->keyId)];
        // The n-th bind of a key in this row is the n-th entry of this row.
        const auto earlierInRow = std::count_if(bindings.begin(), binding, [&](const Binding& other) {
            return other.keyId == binding->keyId;
        });
        const auto entry = firstAtOrAfter(rows, row) + earlierInRow;
        if (entry + 1 < rows.end())
            findings.push_back({Rule::ReboundKey, binding->column, binding->textStart, binding->length, *(entry + 1)});
    }
    return findings;
}

QList<Diagnostic> ScriptDiagnostics::diagnostics(qsizetype row) const
{
    const QByteArrayView bytes = bytesOf(row);
    m_checker.check(bytes);
    std::vector<Finding> findings = m_checker.findings();
    const std::vector<Finding> rebound = reboundFindings(row);
    findings.insert(findings.end(), rebound.begin(), rebound.end());
    if (row == 0 && exceedsCommandBuffer())
        findings.push_back({Rule::LargeFile, 0});
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.column < b.column; });
    QList<Diagnostic> diagnostics;
    diagnostics.reserve(qsizetype(findings.size()));
    for (const Finding& finding : findings)
        diagnostics.append({finding.rule, row, finding.column, describe(finding, bytes, game())});
    return diagnostics;
}

const ScriptDiagnostics::RowTally* ScriptDiagnostics::tallyOf(qsizetype row) const
{
    const auto entry = firstAtOrAfter(m_tallies, row);
    return entry != m_tallies.end() && entry->row == row ? &*entry : nullptr;
}

std::optional<Severity> ScriptDiagnostics::worstSeverity(qsizetype row) const
{
    std::optional<Severity> worst;
    if (const RowTally* entry = tallyOf(row))
        worst = Severity(std::find_if(entry->counts.begin(), entry->counts.end(), [](quint16 n) { return n > 0; }) -
                         entry->counts.begin());
    if (worst == Severity::Error)
        return worst;
    m_checker.check(bytesOf(row));
    if (!reboundFindings(row).empty())
        return Severity::Warning;
    if (!worst && row == 0 && exceedsCommandBuffer())
        return Severity::Note;
    return worst;
}

std::optional<qsizetype> ScriptDiagnostics::firstProblemAfter(qsizetype row) const
{
    qsizetype best = m_rowCount;
    const auto entry = firstAtOrAfter(m_tallies, row + 1);
    if (entry != m_tallies.end())
        best = entry->row;
    for (const std::vector<qint32>& rows : m_bindingRows) {
        // Every entry but the last is a rebound key.
        const auto later = firstAtOrAfter(rows, row + 1);
        if (later != rows.end() && later + 1 != rows.end())
            best = std::min<qsizetype>(best, *later);
    }
    if (row < 0 && exceedsCommandBuffer())
        best = 0;
    return best < m_rowCount ? std::optional(best) : std::nullopt;
}

std::optional<qsizetype> ScriptDiagnostics::lastProblemBefore(qsizetype row) const
{
    qsizetype best = -1;
    const auto entry = firstAtOrAfter(m_tallies, row);
    if (entry != m_tallies.begin())
        best = std::prev(entry)->row;
    for (const std::vector<qint32>& rows : m_bindingRows) {
        const qsizetype earlier = std::min<qsizetype>(firstAtOrAfter(rows, row) - rows.begin(), qsizetype(rows.size()) - 1) - 1;
        if (earlier >= 0)
            best = std::max<qsizetype>(best, rows[size_t(earlier)]);
    }
    if (row > 0 && exceedsCommandBuffer())
        best = std::max<qsizetype>(best, 0);
    return best >= 0 ? std::optional(best) : std::nullopt;
}

std::optional<qsizetype> ScriptDiagnostics::nextProblemRow(qsizetype row) const
{
    if (const std::optional<qsizetype> after = firstProblemAfter(row))
        return after;
    return firstProblemAfter(-1);
}

std::optional<qsizetype> ScriptDiagnostics::previousProblemRow(qsizetype row) const
{
    if (const std::optional<qsizetype> before = lastProblemBefore(row))
        return before;
    return lastProblemBefore(m_rowCount);
}

std::vector<qsizetype> ScriptDiagnostics::problemRows() const
{
    std::vector<qsizetype> rows;
    for (const RowTally& entry : m_tallies)
        rows.push_back(entry.row);
    for (const std::vector<qint32>& bindings : m_bindingRows)
        if (!bindings.empty())
            rows.insert(rows.end(), bindings.begin(), bindings.end() - 1);
    if (exceedsCommandBuffer() && m_rowCount > 0)
        rows.push_back(0);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace console
