#include "console/scriptdiagnostics.h"

#include <QRandomGenerator>
#include <QTest>

using namespace console;

Q_DECLARE_METATYPE(console::Engine)

namespace {

// A script kept as plain strings, with diagnostics reading it.
struct Script
{
    explicit Script(QStringList initial, Engine engine = Game::Quake)
        : rows(std::move(initial)), diagnostics([this](qsizetype row) { return QAnyStringView(rows.at(row)); }, engine)
    {
        diagnostics.reset(rows.size());
    }

    QStringList rows;
    ScriptDiagnostics diagnostics;
};

// Every diagnostic of every row and the counts, as text to compare.
QStringList everything(const ScriptDiagnostics& diagnostics)
{
    QStringList all;
    for (qsizetype row = 0; row < diagnostics.rowCount(); ++row)
        for (const Diagnostic& diagnostic : diagnostics.diagnostics(row))
            all << QStringLiteral("%1:%2 [%3] %4")
                       .arg(row)
                       .arg(diagnostic.column)
                       .arg(diagnostic.code(), diagnostic.message);
    all << QStringLiteral("counts %1 %2 %3")
               .arg(diagnostics.count(Severity::Error))
               .arg(diagnostics.count(Severity::Warning))
               .arg(diagnostics.count(Severity::Note));
    return all;
}

QStringList codesOf(const ScriptDiagnostics& diagnostics, qsizetype row)
{
    QStringList codes;
    for (const Diagnostic& diagnostic : diagnostics.diagnostics(row))
        codes << diagnostic.code();
    return codes;
}

// A row of each kind the rules tell apart, clean ones too.
QString anyPooledRow(QRandomGenerator& random)
{
    static const QStringList pool = {u"bind a +jump"_qs,
                                     u"bind A +jump"_qs,
                                     u"bind mouse1 +attack"_qs,
                                     u"bind a +back; bind a x"_qs,
                                     u"alias j \"bind a y\""_qs,
                                     u"// comment"_qs,
                                     u"set s 1"_qs,
                                     u"bind x \"+jump"_qs,
                                     u"name \u00ff\u00fe"_qs,
                                     u"bind MOUSE4 +jump"_qs,
                                     u""_qs,
                                     u"bind mouse1 +jump"_qs};
    return pool[random.bounded(pool.size())];
}

} // namespace

class TestScriptDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    void reboundKeyNamesTheLaterLine();
    void bindsInsideAliasesDoNotRebind();
    void goesToProblemsAround();
    void repeatedBindingIsANote();
    void largeFileCountsSavedBytes();
    void largeFileFollowsTheEngine_data();
    void largeFileFollowsTheEngine();
    void lastLineWithoutLineEnd_data();
    void lastLineWithoutLineEnd();
    void engineChangeChecksAgain();
    void editsAgreeWithAFullCheck();
    void checkOnAllCoresAgreesWithRowsAddedInPieces_data();
    void checkOnAllCoresAgreesWithRowsAddedInPieces();
};

void TestScriptDiagnostics::reboundKeyNamesTheLaterLine()
{
    Script script(
        {u"bind a +jump"_qs, u"bind MOUSE1 +attack"_qs, u"bind a +moveup; bind mouse1 +fire"_qs, u"bind b +back"_qs});
    const QList<Diagnostic> first = script.diagnostics.diagnostics(0);
    QCOMPARE(first.size(), 1);
    QCOMPARE(first[0].code(), QLatin1StringView("rebound-key"));
    QCOMPARE(first[0].column, 5);
    QVERIFY2(first[0].message.contains(u"line 3"_qs), qPrintable(first[0].message));
    QCOMPARE(codesOf(script.diagnostics, 1), QStringList{u"rebound-key"_qs});
    QCOMPARE(codesOf(script.diagnostics, 2), QStringList{});
    QCOMPARE(script.diagnostics.worstSeverity(0), Severity::Warning);
    QCOMPARE(script.diagnostics.worstSeverity(3), std::nullopt);
    QCOMPARE(script.diagnostics.count(Severity::Warning), 2);
}

void TestScriptDiagnostics::bindsInsideAliasesDoNotRebind()
{
    Script script({u"bind a +jump"_qs, u"alias j \"bind a +attack\""_qs, u"bind a"_qs});
    QCOMPARE(script.diagnostics.count(Severity::Warning), 0);
}

void TestScriptDiagnostics::goesToProblemsAround()
{
    Script script({u"bind A +jump"_qs, u"bind b +back"_qs, u"bind c +jump"_qs, u"bind c +attack"_qs, u"bind d x"_qs});
    QCOMPARE(script.diagnostics.problemRows(), std::vector<qsizetype>({0, 2}));
    QCOMPARE(script.diagnostics.nextProblemRow(0), 2);
    QCOMPARE(script.diagnostics.nextProblemRow(2), 0);
    QCOMPARE(script.diagnostics.previousProblemRow(2), 0);
    QCOMPARE(script.diagnostics.previousProblemRow(0), 2);
    QCOMPARE(script.diagnostics.previousProblemRow(4), 2);
    Script clean({u"bind a +jump"_qs});
    QCOMPARE(clean.diagnostics.nextProblemRow(0), std::nullopt);
}

void TestScriptDiagnostics::largeFileCountsSavedBytes()
{
    // Eight rows of 1,000 bytes and one of 174, with CR LF each, make 8,192 bytes: the buffer
    // holds them.
    QStringList rows(8, u"//"_qs + QString(998, u'x'));
    rows << QString(174, u'x');
    Script script(rows);
    QCOMPARE(script.diagnostics.count(Severity::Note), 0);
    script.rows[8] += u'x';
    script.diagnostics.rowChanged(8);
    QCOMPARE(script.diagnostics.count(Severity::Note), 1);
    QCOMPARE(codesOf(script.diagnostics, 0), QStringList{u"large-file"_qs});
    QCOMPARE(script.diagnostics.nextProblemRow(8), 0);
}

void TestScriptDiagnostics::repeatedBindingIsANote()
{
    Script script({u"bind a \"+jump\""_qs, u"bind A +jump"_qs, u"bind a +jump"_qs, u"bind a +attack"_qs},
                  *Engine::fromId(u"ironwail"));
    QCOMPARE(codesOf(script.diagnostics, 0), QStringList{u"rebound-key"_qs});
    QCOMPARE(script.diagnostics.worstSeverity(0), Severity::Note);
    QVERIFY(script.diagnostics.diagnostics(0).front().message.contains(u"same command again on line 2"_qs));
    QCOMPARE(script.diagnostics.worstSeverity(2), Severity::Warning);
    QCOMPARE(script.diagnostics.count(Severity::Note), 2);
    QCOMPARE(script.diagnostics.count(Severity::Warning), 1);
}

void TestScriptDiagnostics::largeFileFollowsTheEngine_data()
{
    QTest::addColumn<Engine>("engine");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("large");
    const auto row = [](const char* engine, qint64 size, bool large) {
        QTest::addRow("%s: %lld bytes", engine, size) << *Engine::fromId(QLatin1StringView(engine)) << size << large;
    };
    row("quake", 8192, false);
    row("quake", 8193, true);
    row("quakeworld", 8193, true);
    row("quake2", 8193, true);
    row("yamagi", 32768, false);
    row("yamagi", 32769, true);
    row("fte", 65537, true);
    row("q2pro", 65536, false);
    row("quakespasm", 262144, false);
    row("ezquake", 262145, true);
}

void TestScriptDiagnostics::largeFileFollowsTheEngine()
{
    QFETCH(Engine, engine);
    QFETCH(qint64, size);
    QFETCH(bool, large);
    Script script({u"bind a +jump"_qs}, engine);
    script.diagnostics.setFile(size, true);
    script.diagnostics.reset(1);
    QCOMPARE(codesOf(script.diagnostics, 0), large ? QStringList{u"large-file"_qs} : QStringList{});
    QCOMPARE(script.diagnostics.count(Severity::Note), large ? 1 : 0);
}

void TestScriptDiagnostics::lastLineWithoutLineEnd_data()
{
    QTest::addColumn<Engine>("engine");
    QTest::addColumn<bool>("noted");
    for (const Engine engine : Engine::all())
        QTest::addRow("%s", engine->id) << engine << !engine->addsFinalNewline;
}

// Engines that add no line end after an exec'd file run its last line into what follows.
void TestScriptDiagnostics::lastLineWithoutLineEnd()
{
    QFETCH(Engine, engine);
    QFETCH(bool, noted);
    Script script({u"bind a +jump"_qs, u"bind b +back"_qs}, engine);
    script.diagnostics.setFile(24, false);
    script.diagnostics.reset(2);
    const QStringList expected = noted ? QStringList{u"no-final-newline"_qs} : QStringList{};
    QCOMPARE(codesOf(script.diagnostics, 1), expected);
    QCOMPARE(script.diagnostics.problemRows(), noted ? std::vector<qsizetype>{1} : std::vector<qsizetype>{});
    QCOMPARE(script.diagnostics.nextProblemRow(0), noted ? std::optional<qsizetype>(1) : std::nullopt);
    script.diagnostics.setFile(25, true);
    script.diagnostics.reset(2);
    QCOMPARE(codesOf(script.diagnostics, 1), QStringList{});
}

void TestScriptDiagnostics::engineChangeChecksAgain()
{
    Script script({u"set cl_run 1"_qs, u"bind KP_ENTER +attack"_qs});
    QCOMPARE(script.diagnostics.count(Severity::Error), 0);
    QCOMPARE(script.diagnostics.count(Severity::Note), 2);
    script.diagnostics.setEngine(*Engine::fromId(u"quakespasm"));
    QCOMPARE(script.diagnostics.count(Severity::Error), 1);
    QCOMPARE(script.diagnostics.count(Severity::Note), 0);
    script.diagnostics.setEngine(Game::Quake2);
    QCOMPARE(script.diagnostics.count(Severity::Error), 0);
    QCOMPARE(script.diagnostics.count(Severity::Note), 0);
}

void TestScriptDiagnostics::editsAgreeWithAFullCheck()
{
    QRandomGenerator random(15);
    const auto anyRow = [&] { return anyPooledRow(random); };
    QStringList initial;
    for (int i = 0; i < 30; ++i)
        initial << anyRow();
    Script script(initial);
    for (int step = 0; step < 400; ++step) {
        const qsizetype size = script.rows.size();
        const int operation = random.bounded(3);
        if (operation == 0 || size == 0) {
            const qsizetype first = random.bounded(size + 1);
            const int count = 1 + random.bounded(3);
            for (int i = 0; i < count; ++i)
                script.rows.insert(first, anyRow());
            script.diagnostics.rowsInserted(first, count);
        } else if (operation == 1) {
            const qsizetype first = random.bounded(size);
            const qsizetype count = std::min<qsizetype>(1 + random.bounded(3), size - first);
            script.rows.remove(first, count);
            script.diagnostics.rowsRemoved(first, count);
        } else {
            const qsizetype row = random.bounded(size);
            script.rows[row] = anyRow();
            script.diagnostics.rowChanged(row);
        }
        const Script fresh(script.rows);
        QCOMPARE(everything(script.diagnostics), everything(fresh.diagnostics));
        QCOMPARE(script.diagnostics.problemRows(), fresh.diagnostics.problemRows());
    }
}

void TestScriptDiagnostics::checkOnAllCoresAgreesWithRowsAddedInPieces_data()
{
    QTest::addColumn<Engine>("engine");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("quake") << Engine(Game::Quake) << 1U;
    QTest::newRow("quake 2") << Engine(Game::Quake2) << 2U;
    QTest::newRow("ezquake") << *Engine::fromId(u"ezquake") << 3U;
}

// Enough rows for a full check to be cut into stretches, against pieces too small for that.
void TestScriptDiagnostics::checkOnAllCoresAgreesWithRowsAddedInPieces()
{
    QFETCH(Engine, engine);
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    QStringList rows;
    for (int i = 0; i < 120'000; ++i)
        rows << anyPooledRow(random);
    const Script whole(rows, engine);
    Script pieces({}, engine);
    constexpr qsizetype Piece = 1000;
    for (qsizetype first = 0; first < rows.size(); first += Piece) {
        pieces.rows += rows.mid(first, Piece);
        pieces.diagnostics.rowsInserted(first, pieces.rows.size() - first);
    }
    QCOMPARE(everything(whole.diagnostics), everything(pieces.diagnostics));
    QCOMPARE(whole.diagnostics.problemRows(), pieces.diagnostics.problemRows());
}

QTEST_GUILESS_MAIN(TestScriptDiagnostics)
#include "tst_scriptdiagnostics.moc"
