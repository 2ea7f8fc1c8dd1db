#include "scriptdiagnostics.h"

#include "keynames.h"

#include <algorithm>
#include <thread>

namespace console {
namespace {

template <typename Entry>
qint32 rowOf(const Entry& entry)
{
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
    for (auto entry = firstAtOrAfter(entries, from); entry != entries.end(); ++entry)
        entry->row += qint32(delta);
}

// Fewer rows than this on a thread cost more to hand over than they take to check.
constexpr qsizetype RowsPerThread = 50'000;

qsizetype stretchCount(qsizetype rows)
{
    const qsizetype cores = std::max(1U, std::thread::hardware_concurrency());
    return std::clamp<qsizetype>(rows / RowsPerThread, 1, cores);
}

template <typename KeyRow>
Finding reboundFinding(const Binding& binding, const KeyRow& later)
{
    const Rule rule = later.command == binding.command ? Rule::RepeatedBinding : Rule::ReboundKey;
    return {rule, binding.column, binding.textStart, binding.length, later.row};
}

template <typename Entry>
void appendAll(std::vector<Entry>& to, std::vector<Entry>&& from)
{
    if (to.empty())
        to = std::move(from);
    else
        to.insert(to.end(), from.begin(), from.end());
}

} // namespace

ScriptDiagnostics::ScriptDiagnostics(RowReader rows, Engine engine)
    : m_rows(std::move(rows)), m_engine(engine), m_checker(engine), m_bindingRows(size_t(keyIdCount()))
{
}

void ScriptDiagnostics::setEngine(Engine engine)
{
    reset(m_rowCount, engine);
}

void ScriptDiagnostics::setFile(qint64 size, bool endsWithLineEnd)
{
    m_file = SavedFile{size, endsWithLineEnd};
}

void ScriptDiagnostics::reset(qsizetype rowCount, Engine engine)
{
    m_engine = engine;
    m_checker.setEngine(engine);
    reset(rowCount);
}

void ScriptDiagnostics::reset(qsizetype rowCount)
{
    m_findings.clear();
    m_totals = {};
    m_bindings.clear();
    for (std::vector<KeyRow>& rows : m_bindingRows)
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

ScriptDiagnostics::Batch ScriptDiagnostics::checkBatch(const RowReader& rows, qsizetype first, qsizetype count,
                                                       RowChecker& checker)
{
    Batch batch;
    QByteArray scratch;
    for (qsizetype row = first; row < first + count; ++row) {
        checker.check(latin1Bytes(rows(row), scratch));
        for (const Finding& finding : checker.findings())
            batch.findings.push_back({qint32(row), finding});
        for (const Binding& binding : checker.bindings())
            batch.bindings.push_back({qint32(row), binding});
    }
    return batch;
}

// Checks rows that have no entries yet; every entry of the script after them is already
// numbered for its place behind them. Many rows are cut into stretches checked side by side
// on the machine's cores.
void ScriptDiagnostics::checkRows(qsizetype first, qsizetype count)
{
    const qsizetype stretches = stretchCount(count);
    const auto stretchStart = [=](qsizetype i) { return first + count * i / stretches; };
    std::vector<Batch> batches(static_cast<size_t>(stretches));
    std::vector<std::thread> helpers;
    for (qsizetype i = 1; i < stretches; ++i)
        helpers.emplace_back([&, i] {
            RowChecker checker(m_engine);
            batches[size_t(i)] = checkBatch(m_rows, stretchStart(i), stretchStart(i + 1) - stretchStart(i), checker);
        });
    batches.front() = checkBatch(m_rows, first, stretchStart(1) - first, m_checker);
    for (std::thread& helper : helpers)
        helper.join();
    adopt(batches, first);
}

// Takes in batches that cover rows from first on, in order.
void ScriptDiagnostics::adopt(std::span<Batch> batches, qsizetype first)
{
    const size_t findingsBefore = m_findings.size();
    const size_t bindingsBefore = m_bindings.size();
    std::vector<qsizetype> keyRowsBefore(m_bindingRows.size(), -1); // for the keys given bindings here
    for (Batch& batch : batches) {
        for (const RowFinding& entry : batch.findings)
            ++m_totals[size_t(severityOf(entry.finding.rule))];
        for (const BoundKey& entry : batch.bindings) {
            std::vector<KeyRow>& rows = m_bindingRows[size_t(entry.binding.keyId)];
            qsizetype& before = keyRowsBefore[size_t(entry.binding.keyId)];
            if (before < 0)
                before = qsizetype(rows.size());
            rows.push_back({entry.row, entry.binding.command});
        }
        appendAll(m_findings, std::move(batch.findings));
        appendAll(m_bindings, std::move(batch.bindings));
    }
    placeAppended(m_findings, findingsBefore, first);
    placeAppended(m_bindings, bindingsBefore, first);
    for (size_t keyId = 0; keyId < m_bindingRows.size(); ++keyId)
        if (keyRowsBefore[keyId] >= 0)
            placeAppended(m_bindingRows[keyId], size_t(keyRowsBefore[keyId]), first);
}

void ScriptDiagnostics::forgetRows(qsizetype first, qsizetype count)
{
    for (auto entry = firstAtOrAfter(m_findings, first); entry != m_findings.end() && entry->row < first + count;
         ++entry)
        --m_totals[size_t(severityOf(entry->finding.rule))];
    eraseRows(m_findings, first, count);
    for (auto entry = firstAtOrAfter(m_bindings, first); entry != m_bindings.end() && entry->row < first + count;
         ++entry)
        eraseRows(m_bindingRows[size_t(entry->binding.keyId)], first, count);
    eraseRows(m_bindings, first, count);
}

void ScriptDiagnostics::shiftRows(qsizetype from, qsizetype delta)
{
    shiftEntries(m_findings, from, delta);
    shiftEntries(m_bindings, from, delta);
    for (std::vector<KeyRow>& rows : m_bindingRows)
        shiftEntries(rows, from, delta);
}

// A file the editor saves ends every row with CR LF; past a row for every two bytes of the
// buffer it is over the buffer whatever the rows hold.
bool ScriptDiagnostics::exceedsCommandBuffer() const
{
    const qint64 limit = m_engine->commandBuffer;
    if (m_file)
        return m_file->size > limit;
    if (m_rowCount * 2 > limit)
        return true;
    qint64 size = 0;
    for (qsizetype row = 0; row < m_rowCount; ++row)
        size += m_rows(row).size() + 2;
    return size > limit;
}

bool ScriptDiagnostics::lacksFinalLineEnd() const
{
    return m_file && m_rowCount > 0 && !m_file->endsWithLineEnd && !m_engine->addsFinalNewline;
}

// A key bound again to the same command is a note, to another a warning.
qsizetype ScriptDiagnostics::reboundCount(Severity severity) const
{
    qsizetype count = 0;
    for (const std::vector<KeyRow>& rows : m_bindingRows)
        for (size_t i = 1; i < rows.size(); ++i)
            count += (rows[i].command == rows[i - 1].command) == (severity == Severity::Note);
    return count;
}

qsizetype ScriptDiagnostics::count(Severity severity) const
{
    qsizetype total = m_totals[size_t(severity)];
    if (severity != Severity::Error)
        total += reboundCount(severity);
    if (severity == Severity::Note)
        total += qsizetype(exceedsCommandBuffer()) + qsizetype(lacksFinalLineEnd());
    return total;
}

// Adds what only the whole script knows and puts the findings in the order of their columns.
void ScriptDiagnostics::finishRow(qsizetype row, std::vector<Finding>& findings) const
{
    if (row == 0 && exceedsCommandBuffer())
        findings.push_back({Rule::LargeFile, 0});
    if (row == m_rowCount - 1 && lacksFinalLineEnd())
        findings.push_back({Rule::NoFinalNewline, qint32(bytesOf(row).size())});
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.column < b.column; });
}

void ScriptDiagnostics::findingsOf(qsizetype row, std::vector<Finding>& findings) const
{
    findings.clear();
    for (auto entry = firstAtOrAfter(m_findings, row); entry != m_findings.end() && entry->row == row; ++entry)
        findings.push_back(entry->finding);
    const auto bound = firstAtOrAfter(m_bindings, row);
    for (auto entry = bound; entry != m_bindings.end() && entry->row == row; ++entry) {
        const std::vector<KeyRow>& rows = m_bindingRows[size_t(entry->binding.keyId)];
        // The n-th bind of a key in this row is the n-th entry of this row.
        const auto earlierInRow = std::count_if(bound, entry, [&](const BoundKey& other) {
            return other.binding.keyId == entry->binding.keyId;
        });
        const auto later = firstAtOrAfter(rows, row) + earlierInRow + 1;
        if (later < rows.end())
            findings.push_back(reboundFinding(entry->binding, *later));
    }
    finishRow(row, findings);
}

QList<Diagnostic> ScriptDiagnostics::diagnostics(qsizetype row) const
{
    std::vector<Finding> findings;
    findingsOf(row, findings);
    const QByteArrayView bytes = bytesOf(row);
    QList<Diagnostic> diagnostics;
    diagnostics.reserve(qsizetype(findings.size()));
    for (const Finding& finding : findings)
        diagnostics.append({finding.rule, row, finding.column, describe(finding, bytes, m_engine)});
    return diagnostics;
}

// Walks the findings and the bindings together in the order of rows; a binding is the next
// entry of its key's rows each time, so no search is needed.
void ScriptDiagnostics::forEachProblemRow(const ProblemVisitor& visit) const
{
    std::vector<size_t> nextOfKey(m_bindingRows.size(), 0);
    std::vector<Finding> findings;
    auto found = m_findings.begin();
    auto bound = m_bindings.begin();
    const qsizetype none = m_rowCount;
    // The findings about the whole file sit on its first and its last row.
    const qsizetype lastRow = lacksFinalLineEnd() ? m_rowCount - 1 : none;
    qsizetype row = exceedsCommandBuffer() ? 0 : lastRow;
    for (;;) {
        row = std::min({row, found != m_findings.end() ? qsizetype(found->row) : none,
                        bound != m_bindings.end() ? qsizetype(bound->row) : none});
        if (row >= none)
            return;
        findings.clear();
        for (; found != m_findings.end() && found->row == row; ++found)
            findings.push_back(found->finding);
        for (; bound != m_bindings.end() && bound->row == row; ++bound) {
            const std::vector<KeyRow>& rows = m_bindingRows[size_t(bound->binding.keyId)];
            const size_t later = ++nextOfKey[size_t(bound->binding.keyId)];
            if (later < rows.size())
                findings.push_back(reboundFinding(bound->binding, rows[later]));
        }
        finishRow(row, findings);
        if (!findings.empty())
            visit(row, bytesOf(row), findings);
        row = row < lastRow ? lastRow : none;
    }
}

std::optional<Severity> ScriptDiagnostics::worstSeverity(qsizetype row) const
{
    std::vector<Finding> findings;
    findingsOf(row, findings);
    std::optional<Severity> worst;
    for (const Finding& finding : findings)
        worst = std::min(worst.value_or(Severity::Note), severityOf(finding.rule));
    return worst;
}

std::optional<qsizetype> ScriptDiagnostics::firstProblemAfter(qsizetype row) const
{
    qsizetype best = m_rowCount;
    const auto entry = firstAtOrAfter(m_findings, row + 1);
    if (entry != m_findings.end())
        best = entry->row;
    for (const std::vector<KeyRow>& rows : m_bindingRows) {
        // Every entry but the last is a rebound key.
        const auto later = firstAtOrAfter(rows, row + 1);
        if (later != rows.end() && later + 1 != rows.end())
            best = std::min<qsizetype>(best, later->row);
    }
    if (row < 0 && exceedsCommandBuffer())
        best = 0;
    if (row < m_rowCount - 1 && lacksFinalLineEnd())
        best = std::min(best, m_rowCount - 1);
    return best < m_rowCount ? std::optional(best) : std::nullopt;
}

std::optional<qsizetype> ScriptDiagnostics::lastProblemBefore(qsizetype row) const
{
    qsizetype best = -1;
    const auto entry = firstAtOrAfter(m_findings, row);
    if (entry != m_findings.begin())
        best = std::prev(entry)->row;
    for (const std::vector<KeyRow>& rows : m_bindingRows) {
        const qsizetype earlier = std::min<qsizetype>(firstAtOrAfter(rows, row) - rows.begin(),
                                                      qsizetype(rows.size()) - 1)
                                - 1;
        if (earlier >= 0)
            best = std::max<qsizetype>(best, rows[size_t(earlier)].row);
    }
    if (row > 0 && exceedsCommandBuffer())
        best = std::max<qsizetype>(best, 0);
    if (row > m_rowCount - 1 && lacksFinalLineEnd())
        best = std::max(best, m_rowCount - 1);
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
    forEachProblemRow([&rows](qsizetype row, QByteArrayView, std::span<const Finding>) { rows.push_back(row); });
    return rows;
}

} // namespace console
