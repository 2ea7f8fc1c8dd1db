#include "console/checkcommand.h"

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
    run.exitCode = console::runCheck(arguments, out, err);
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

void TestCheckCommand::printsProblemsAsCompilersDo()
{
    const QString path = write(u"autoexec.cfg"_qs, "// mine\r\nbind a +jump\r\nset s 1\rbind\tA \"+attack\nbind a +back\nbind mouse4 +jump");
    const Run run = check({u"--game"_qs, u"quake"_qs, path});
    QCOMPARE(run.out.split(u'\n'), QStringList({
        path + u":2:6: warning: key \"a\" is bound again on line 5, which replaces this binding; remove one of them [rebound-key]"_qs,
        path + u":3:1: error: stock Quake has no \"set\" command, so the line does nothing; write the variable first: name \"value\" [set-in-quake]"_qs,
        path + u":4:6: error: the game sends lower-case letters, so key \"A\" is never pressed; write \"a\" [dead-key]"_qs,
        path + u":4:8: warning: this quote is never closed, so it runs to the end of the line and hides any \";\" there; add the closing quote [unterminated-quote]"_qs,
        path + u":6:6: note: key \"mouse4\" works only in source ports (QuakeSpasm, Ironwail, vkQuake, ezQuake); stock Quake answers \"isn't a valid key\" [port-key]"_qs,
        QString()}));
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QString());
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
    const QString usage = u"usage: corvale --check [--game quake|quake2] FILE...\n"_qs;
    QTest::newRow("no file") << QStringList() << usage;
    QTest::newRow("game but no file") << QStringList({u"--game"_qs, u"quake"_qs}) << usage;
    QTest::newRow("unknown game") << QStringList({u"--game"_qs, u"doom"_qs, u"a.cfg"_qs})
                                  << u"corvale: --game takes quake or quake2\n"_qs;
    QTest::newRow("game missing") << QStringList({u"--game"_qs}) << u"corvale: --game takes quake or quake2\n"_qs;
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
