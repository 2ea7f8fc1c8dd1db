// Adding, removing and verifying entries, and what the store keeps of them.

#include "mrutestsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestMruList : public QObject, private MruFixture
{
    Q_OBJECT

private slots:
    void init() { freshStore(); }

    void freshInstance();
    void listAdd_data();
    void listAdd();
    void listRemoveString_data();
    void listRemoveString();
    void listRemoveStringWithoutMatch_data();
    void listRemoveStringWithoutMatch();
    void listRemoveIndex();
    void compactionIsSinglePass();

    void listVerify_data();
    void listVerify();

    void storeRoundTrip_data();
    void storeRoundTrip();
};

void TestMruList::freshInstance()
{
    {
        const cMRU mru;
        QCOMPARE(mru.ListSize(), 3);
        QCOMPARE(mru.ListFilledCount(), 0);
        QCOMPARE(mru.ObjectsUpdate(), true);
        QCOMPARE(mru.ObjectsControlVisibility(), false);
        QCOMPARE(mru.AppName(), QString());
        QCOMPARE(mru.List(1), QString());
    }
    QVERIFY2(!QFile::exists(iniPath()), "creating or destroying an instance must not touch the store");
}

void TestMruList::listAdd_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("after");

    const QStringList full = entries("A,B,C,D");
    QTest::newRow("nominal: new path drops the last") << full << QStringLiteral("E") << entries("E,A,B,C");
    QTest::newRow("nominal: path from the middle") << full << QStringLiteral("C") << entries("C,A,B,D");
    QTest::newRow("nominal: path from the end") << full << QStringLiteral("D") << entries("D,A,B,C");
    QTest::newRow("nominal: path already on top") << full << QStringLiteral("A") << full;
    QTest::newRow("nominal: onto a half-filled list") << entries("A,B,,") << QStringLiteral("C")
                                                        << entries("C,A,B,");
    QTest::newRow("robustness: two copies both go") << entries("A,B,C,B") << QStringLiteral("B")
                                                      << entries("B,A,C,");
    QTest::newRow("robustness: other letter case is another path") << full << QStringLiteral("a")
                                                                     << entries("a,A,B,C");
    QTest::newRow("robustness: empty string keeps a full list") << full << QString() << full;
    QTest::newRow("robustness: empty string keeps the gaps") << entries("A,,,D") << QString()
                                                               << entries("A,,,D");
    QTest::newRow("robustness: a run of gaps shrinks by one") << entries("A,,,D") << QStringLiteral("E")
                                                                << entries("E,A,,D");
}

void TestMruList::listAdd()
{
    QFETCH(QStringList, before);
    QFETCH(QString, path);
    QFETCH(QStringList, after);

    const auto mru = listOf(before);
    QVERIFY(mru->ListAdd(path));
    QCOMPARE(shown(*mru), after);
    QCOMPARE(stored(App, 4), after);
}

void TestMruList::listRemoveString_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("after");

    const QStringList full = entries("A,B,C,D");
    const QStringList closed = entries("A,C,D,");
    QTest::newRow("nominal: removes the path") << full << QStringLiteral("B") << closed;
    QTest::newRow("nominal: ignores letter case") << full << QStringLiteral("b") << closed;
    QTest::newRow("nominal: every case form goes, one pass leaves a gap")
        << entries("/q/bind.cfg,/q/Bind.cfg,C,D") << QStringLiteral("/Q/BIND.CFG") << entries(",C,D,");
    QTest::newRow("robustness: empty string matches the empty positions")
        << entries("A,,C,") << QString() << entries("A,C,,");
}

void TestMruList::listRemoveString()
{
    QFETCH(QStringList, before);
    QFETCH(QString, path);
    QFETCH(QStringList, after);

    const auto mru = listOf(before);
    mru->ListRemoveString(path);
    QCOMPARE(shown(*mru), after);
    QCOMPARE(stored(App, 4), after);
}

void TestMruList::listRemoveStringWithoutMatch_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("robustness: path not in the list") << QStringLiteral("E");
    QTest::newRow("robustness: empty string on a full list") << QString();
}

// No match means no write and no refresh: what is changed behind the list's back stays.
void TestMruList::listRemoveStringWithoutMatch()
{
    QFETCH(QString, path);
    const QStringList full = entries("A,B,C,D");
    const QStringList elsewhere = entries("W,X,Y,Z");
    const auto mru = listOf(full);
    const Menu menu = attach(*mru);
    const int touchesBefore = menu.touches();
    seed(App, elsewhere);

    mru->ListRemoveString(path);
    QCOMPARE(shown(*mru), full);
    QCOMPARE(stored(App, 4), elsewhere);
    QCOMPARE(menu.touches(), touchesBefore);
}

// The entry that an insertion pushed off the end must not come back when a later
// removal pulls the last position up.
void TestMruList::listRemoveIndex()
{
    const auto mru = listOf(entries("A,B,C,D"));
    mru->ListAdd(QStringLiteral("E"));
    mru->ListRemoveIndex(2);
    const QStringList after = entries("E,B,C,");
    QCOMPARE(shown(*mru), after);
    QCOMPARE(stored(App, 4), after);
}

// Two adjacent gaps close by one only, and the remaining gap is stored and shown as such.
void TestMruList::compactionIsSinglePass()
{
    const auto mru = listOf(entries("A,,,D"));
    const Menu menu = attach(*mru);
    mru->setObjectsControlVisibility(true);
    mru->ListRemoveIndex(2);

    const QStringList after = entries("A,,D,");
    QCOMPARE(shown(*mru), after);
    QCOMPARE(stored(App, 4), after);
    QCOMPARE(menu.items[2]->caption, QStringLiteral("&3  D"));
    QCOMPARE(menu.items[1]->visible, false);
    QCOMPARE(menu.items[3]->visible, false);
}

void TestMruList::listVerify_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("third");
    QTest::newRow("nominal: two files gone") << QStringLiteral("gone-b.cfg") << QStringLiteral("gone-c.cfg");
    QTest::newRow("robustness: hidden file and directory") << QStringLiteral(".hidden.cfg") << QStringLiteral("folder.cfg");
}

// A, B, C, D with B and C failing the test become A, -, D, - : one gap closed per pass,
// and the numbering keeps its hole.
void TestMruList::listVerify()
{
    QFETCH(QString, second);
    QFETCH(QString, third);
    QTemporaryDir files;
    const QDir folder(files.path());
    for (const auto& name : {QStringLiteral("a.cfg"), QStringLiteral("d.cfg"), QStringLiteral(".hidden.cfg")}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(folder.mkdir(QStringLiteral("folder.cfg")));
    const QString a = folder.filePath(QStringLiteral("a.cfg"));
    const QString d = folder.filePath(QStringLiteral("d.cfg"));

    const auto mru = listOf({a, folder.filePath(second), folder.filePath(third), d});
    const Menu menu = attach(*mru);
    mru->setObjectsControlVisibility(true);
    mru->ListVerify();

    const QStringList after{a, QString(), d, QString()};
    QCOMPARE(shown(*mru), after);
    QCOMPARE(stored(App, 4), after);
    QCOMPARE(mru->ListFilledCount(), 2);
    QCOMPARE(menu.items[0]->caption, QStringLiteral("&1  ") + a);
    QCOMPARE(menu.items[2]->caption, QStringLiteral("&3  ") + d);
    QCOMPARE(menu.items[0]->visible, true);
    QCOMPARE(menu.items[1]->visible, false);
    QCOMPARE(menu.items[2]->visible, true);
    QCOMPARE(menu.items[3]->visible, false);
}

void TestMruList::storeRoundTrip_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("path");
    QTest::newRow("nominal: the program's name with its apostrophe") << App << QStringLiteral("/home/p/quake/id1/autoexec.cfg");
    QTest::newRow("robustness: section with a slash") << QStringLiteral("Tools/Editor") << QStringLiteral("/q/a.cfg");
    QTest::newRow("robustness: comma and semicolon") << App << QStringLiteral("/q/a, b; c.cfg");
    QTest::newRow("robustness: leading @") << App << QStringLiteral("@Variant(x).cfg");
    QTest::newRow("robustness: backslashes and quotes") << App << QStringLiteral("C:\\Quake\\\"id1\"\\bind.cfg");
    QTest::newRow("robustness: non-ASCII") << App << QStringLiteral("/home/j\u00fcrgen/\u015dkripto.cfg");
    QTest::newRow("robustness: equals sign and brackets") << App << QStringLiteral("/q/[a]=b.cfg");
}

// Written through and flushed: a second instance sees the path at once, under the same
// section only.
void TestMruList::storeRoundTrip()
{
    QFETCH(QString, section);
    QFETCH(QString, path);

    cMRU writer;
    writer.setAppName(section);
    writer.ListAdd(path);
    QFile ini(iniPath());
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("MRU1="));

    cMRU reader;
    reader.setAppName(section);
    QCOMPARE(reader.List(1), path);
    QCOMPARE(reader.ListFilledCount(), 1);

    cMRU other;
    other.setAppName(QStringLiteral("Another Program"));
    QCOMPARE(other.ListFilledCount(), 0);
}

QTEST_GUILESS_MAIN(TestMruList)
#include "tst_mrulist.moc"
