#include "app/checkcommand.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

Run check(const QStringList& arguments)
{
    Run run;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QTextStream err(&run.err);
    run.exitCode = checkcommand::runCheck(arguments, out, err);
    run.out = QString::fromUtf8(out.data());
    return run;
}

} // namespace

class TestCheckCommand : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void printsProblemsAsCompilersDo();
    void checksForTheEngineChosen();
    void verboseSaysWhichEngineAndWhy_data();
    void verboseSaysWhichEngineAndWhy();
    void listsTheEngines();
    void exitCodeFollowsTheGravestProblem_data();
    void exitCodeFollowsTheGravestProblem();
    void unreadableFileIsReportedAndOthersChecked();
    void wrongArgumentsShowUsage_data();
    void wrongArgumentsShowUsage();

private:
    QString write(const QString& name, const QByteArray& bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCheckCommand::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

QString TestCheckCommand::write(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Rows end at a line feed alone, as in the engines: the carriage return in row 3 is a blank.
void TestCheckCommand::printsProblemsAsCompilersDo()
{
    const QString path = write(
        u"autoexec.cfg"_qs, "// mine\r\nbind a +jump\r\nset s 1\rbind\tA \"+attack\nbind a +back\nbind mouse4 +jump");
    const Run run = check({u"--game"_qs, u"quake"_qs, path});
    QCOMPARE(
        run.out.split(u'\n'),
        QStringList(
            {path
                 + u":2:6: warning: key \"a\" is bound again on line 4, which replaces this binding; remove one of them [rebound-key]"_qs,
             path
                 + u":3:1: note: \"set\" works only in source ports (vkQuake, JoeQuake); stock Quake (WinQuake / GLQuake 1.09) answers \"Unknown command\" [port-command]"_qs,
             path
                 + u":3:16: warning: this quote is never closed, so it runs to the end of the line and hides any \";\" there; add the closing quote [unterminated-quote]"_qs,
             path
                 + u":5:6: note: key \"mouse4\" works only in source ports (QuakeSpasm, Ironwail, vkQuake, JoeQuake); stock Quake (WinQuake / GLQuake 1.09) answers \"isn't a valid key\" [port-key]"_qs,
             path
                 + u":5:18: note: the last line has no line end, so Quake (WinQuake / GLQuake 1.09) runs it together with the next command waiting; end the file with a line end [no-final-newline]"_qs,
             QString()}));
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QString());
}

void TestCheckCommand::checksForTheEngineChosen()
{
    const QString path = write(u"config.cfg"_qs, "set sensitivity 3\nbind LSHOULDER +jump\n");
    QCOMPARE(check({u"--engine"_qs, u"vkquake"_qs, path}).out, QString());
    const Run quakespasm = check({u"--engine"_qs, u"quakespasm"_qs, path});
    QCOMPARE(quakespasm.out.count(u"[set-in-quake]"_qs), 1);
    QCOMPARE(quakespasm.exitCode, 1);
}

void TestCheckCommand::verboseSaysWhichEngineAndWhy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("said");
    QTest::newRow("chosen") << u"a.cfg"_qs << QStringList({u"--engine"_qs, u"fte"_qs})
                            << u"checked as fte (why: chosen with --engine)"_qs;
    QTest::newRow("--game means the stock engine") << u"a.cfg"_qs << QStringList({u"--game"_qs, u"quake2"_qs})
                                                   << u"checked as quake2 (why: chosen with --game)"_qs;
    QTest::newRow("guessed from the file name")
        << u"yq2.cfg"_qs << QStringList() << u"checked as yamagi (why: file name yq2.cfg)"_qs;
    QTest::newRow("nothing tells") << u"a.cfg"_qs << QStringList()
                                   << u"checked as quake (why: nothing in the file tells the engine)"_qs;
}

void TestCheckCommand::verboseSaysWhichEngineAndWhy()
{
    QFETCH(QString, name);
    QFETCH(QStringList, options);
    QFETCH(QString, said);
    const QString path = write(name, "bind a +jump\n");
    const Run run = check(options + QStringList({u"--verbose"_qs, path}));
    QCOMPARE(run.err, path + u": "_qs + said + u'\n');
    QCOMPARE(run.exitCode, 0);
}

void TestCheckCommand::listsTheEngines()
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    checkcommand::listEngines(out);
    const QList<QByteArray> lines = out.data().split('\n');
    QCOMPARE(lines.size(), 14); // thirteen engines and the end of the last line
    QCOMPARE(lines.front(), "quake\tquake\tQuake (WinQuake / GLQuake 1.09)");
    QVERIFY(lines.contains("ezquake\tquakeworld\tezQuake"));
    QVERIFY(lines.contains("q2pro\tquake2\tQ2PRO"));
    for (const QByteArray& line : lines.first(13))
        QVERIFY2(QList<QByteArray>({"quake", "quakeworld", "quake2"}).contains(line.split('\t').value(1)), line);
}

void TestCheckCommand::exitCodeFollowsTheGravestProblem_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("clean") << QByteArray("bind a +jump\r\n") << 0;
    QTest::newRow("notes only") << QByteArray("bind MOUSE4 +jump\r\n") << 0;
    QTest::newRow("a warning") << QByteArray("name \xff\r\n") << 1;
    QTest::newRow("an error") << QByteArray("bind A +jump\r\n") << 1;
}

void TestCheckCommand::exitCodeFollowsTheGravestProblem()
{
    QFETCH(QByteArray, script);
    const Run run = check({u"--game"_qs, u"quake2"_qs, write(u"a.cfg"_qs, script)});
    QTEST(run.exitCode, "exitCode");
    QCOMPARE(run.out.isEmpty(), QTest::currentDataTag() == QByteArray("clean"));
}

void TestCheckCommand::unreadableFileIsReportedAndOthersChecked()
{
    const QString missing = m_dir->filePath(u"missing.cfg"_qs);
    const QString broken = write(u"b.cfg"_qs, "bind A +jump");
    const Run run = check({missing, broken});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith(u"corvale: "_qs + missing + u": "_qs), qPrintable(run.err));
    QVERIFY(run.out.startsWith(broken + u":1:6: error:"_qs));
}

void TestCheckCommand::wrongArgumentsShowUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString usage = u"usage: corvale --check [--engine ID | --game quake|quake2] [--verbose] FILE...\n"
                          u"       corvale --engines\n"_qs;
    QTest::newRow("no file") << QStringList() << usage;
    QTest::newRow("game but no file") << QStringList({u"--game"_qs, u"quake"_qs}) << usage;
    QTest::newRow("unknown game") << QStringList({u"--game"_qs, u"doom"_qs, u"a.cfg"_qs})
                                  << u"corvale: --game takes quake or quake2\n"_qs;
    QTest::newRow("game missing") << QStringList({u"--game"_qs}) << u"corvale: --game takes quake or quake2\n"_qs;
    QTest::newRow("--game takes no port")
        << QStringList({u"--game"_qs, u"ezquake"_qs, u"a.cfg"_qs}) << u"corvale: --game takes quake or quake2\n"_qs;
    QTest::newRow("unknown engine") << QStringList({u"--engine"_qs, u"doom"_qs, u"a.cfg"_qs})
                                    << u"corvale: --engine takes one of the ids that corvale --engines lists\n"_qs;
}

void TestCheckCommand::wrongArgumentsShowUsage()
{
    QFETCH(QStringList, arguments);
    const Run run = check(arguments);
    QCOMPARE(run.exitCode, 2);
    QTEST(run.err, "message");
    QCOMPARE(run.out, QString());
}

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "tst_checkcommand.moc"
