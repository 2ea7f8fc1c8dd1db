// Positions outside the list, a missing application name, and list sizes.

#include "mrutestsupport.h"

#include <QFile>
#include <QSettings>
#include <QTest>

class TestMruLimits : public QObject, private MruFixture
{
    Q_OBJECT

private slots:
    void init() { freshStore(); }

    void positionErrors_data();
    void positionErrors();

    void listAddWithoutAppName();
    void emptyAppNameKeepsEntries();
    void listSizeWithoutAppName();
    void changesWithoutAppName_data();
    void changesWithoutAppName();
    void refreshesWithoutAppName();

    void sizeBelowOneIsIgnored_data();
    void sizeBelowOneIsIgnored();
    void shrinkKeepsStoredEntries();
    void sameSizeReloads();
    void sizeLimit();
};

void TestMruLimits::positionErrors_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("description");

    const auto row = [](const char* name, const char* member, int position, int number, const char* source,
                        const char* lead) {
        QTest::newRow(name) << QString::fromLatin1(member) << position << number
                            << QStringLiteral("Tolvane::") + QLatin1String(source)
                            << QLatin1String(lead) + QString::number(position)
                                   + QStringLiteral(" but the size of the list is only 4");
    };
    const char* clear = "Tried to clear the MRU at index ";
    const char* retrieve = "Tried to retrieve the MRU at index ";
    const char* add = "Tried to add at index ";
    row("robustness: ListRemoveIndex 0", "ListRemoveIndex", 0, 5, "ListClearOne", clear);
    row("robustness: ListRemoveIndex n+1", "ListRemoveIndex", 5, 5, "ListClearOne", clear);
    row("robustness: ListRemoveIndex negative", "ListRemoveIndex", -1, 5, "ListClearOne", clear);
    row("robustness: List 0", "List", 0, 6, "List", retrieve);
    row("robustness: List n+1", "List", 5, 6, "List", retrieve);
    row("robustness: ObjectsList 0", "ObjectsList", 0, 1, "ObjectsList", add);
    row("robustness: ObjectsList n+1", "ObjectsList", 5, 1, "ObjectsList", add);
}

// A position outside 1..n changes nothing: not the list, not the store, and no object is kept.
void TestMruLimits::positionErrors()
{
    QFETCH(QString, member);
    QFETCH(int, position);
    QFETCH(int, number);
    QFETCH(QString, source);
    QFETCH(QString, description);

    const QStringList full = entries("A,B,C,D");
    const auto mru = listOf(full);
    const auto item = std::make_shared<RecordingItem>();
    const auto index = static_cast<qint16>(position);
    const auto error = errorFrom([&] {
        if (member == QLatin1String("ListRemoveIndex"))
            mru->ListRemoveIndex(index);
        else if (member == QLatin1String("List"))
            mru->List(index);
        else
            mru->setObjectsList(index, item);
    });
    verifyError(error, number, source, description);
    QCOMPARE(shown(*mru), full);
    QCOMPARE(stored(App, 4), full);
    mru->setListSize(5);
    QCOMPARE(item->touches, 0);
}

void TestMruLimits::listAddWithoutAppName()
{
    cMRU mru;
    verifyError(errorFrom([&] { mru.ListAdd(QStringLiteral("A")); }), 4, QStringLiteral("Tolvane::ListAdd"),
                QStringLiteral("Tried to add to MRU list when AppName not set."));
    QCOMPARE(mru.ListFilledCount(), 0);
    QVERIFY(!QFile::exists(iniPath()));
}

// The empty name is kept, the reload fails, and the entries and menu stay as they were.
void TestMruLimits::emptyAppNameKeepsEntries()
{
    const QStringList full = entries("A,B,C,D");
    const auto mru = listOf(full);
    const Menu menu = attach(*mru);
    const int touchesBefore = menu.touches();

    verifyError(errorFrom([&] { mru->setAppName(QString()); }), 3, QStringLiteral("Tolvane::ReadAllMRUs"),
                QStringLiteral("Tried to read MRUs when AppName not set."));
    QCOMPARE(mru->AppName(), QString());
    QCOMPARE(shown(*mru), full);
    QCOMPARE(menu.touches(), touchesBefore);
}

void TestMruLimits::listSizeWithoutAppName()
{
    cMRU mru;
    verifyError(errorFrom([&] { mru.setListSize(5); }), 3, QStringLiteral("Tolvane::ReadAllMRUs"),
                QStringLiteral("Tried to read MRUs when AppName not set."));
    QCOMPARE(mru.ListSize(), 5);
    QCOMPARE(mru.List(5), QString());
}

void TestMruLimits::changesWithoutAppName_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<bool>("updating");
    QTest::addColumn<QStringList>("after");

    const QStringList none(4);
    const QStringList closed = entries("B,C,D,");
    QTest::newRow("robustness: ListRemoveAll") << QStringLiteral("ListRemoveAll") << true << none;
    QTest::newRow("robustness: ListRemoveIndex") << QStringLiteral("ListRemoveIndex") << true << closed;
    QTest::newRow("robustness: ListRemoveString") << QStringLiteral("ListRemoveString") << true << closed;
    QTest::newRow("robustness: ListVerify") << QStringLiteral("ListVerify") << true << none;
    QTest::newRow("robustness: ListRemoveAll, updates off") << QStringLiteral("ListRemoveAll") << false << none;
}

// Members that do not check the name change the entries, the store refuses the nameless
// write, and the refresh fails unless updates are off.
void TestMruLimits::changesWithoutAppName()
{
    QFETCH(QString, member);
    QFETCH(bool, updating);
    QFETCH(QStringList, after);

    const QStringList full = entries("A,B,C,D");
    const auto mru = listOf(full);
    mru->setObjectsUpdate(updating);
    QVERIFY(errorFrom([&] { mru->setAppName(QString()); }));

    const auto error = errorFrom([&] {
        if (member == QLatin1String("ListRemoveAll"))
            mru->ListRemoveAll();
        else if (member == QLatin1String("ListRemoveIndex"))
            mru->ListRemoveIndex(1);
        else if (member == QLatin1String("ListRemoveString"))
            mru->ListRemoveString(QStringLiteral("a"));
        else
            mru->ListVerify();
    });
    if (updating)
        verifyError(error, 2, QStringLiteral("Tolvane::DoUpdateObjects"), NoAppName);
    else
        QVERIFY(!error);
    QCOMPARE(shown(*mru), after);
    QCOMPARE(stored(App, 4), full);
    QSettings store(iniPath(), QSettings::IniFormat);
    QCOMPARE(store.childKeys(), QStringList());
    QCOMPARE(store.childGroups(), QStringList{App});
}

// Each refreshing put keeps its value although the refresh fails: the objects given here are
// the ones hidden once a name arrives.
void TestMruLimits::refreshesWithoutAppName()
{
    cMRU mru;
    const auto divider = std::make_shared<RecordingItem>();
    const auto item = std::make_shared<RecordingItem>();
    const auto source = QStringLiteral("Tolvane::DoUpdateObjects");
    verifyError(errorFrom([&] { mru.setObjectsControlVisibility(true); }), 2, source, NoAppName);
    verifyError(errorFrom([&] { mru.setObjectDivider(divider); }), 2, source, NoAppName);
    verifyError(errorFrom([&] { mru.setObjectsList(1, item); }), 2, source, NoAppName);
    mru.setObjectsUpdate(false);
    verifyError(errorFrom([&] { mru.setObjectsUpdate(true); }), 2, source, NoAppName);
    QVERIFY(mru.ObjectsControlVisibility());
    QVERIFY(mru.ObjectsUpdate());
    QCOMPARE(item->touches + divider->touches, 0);

    mru.setAppName(App);
    QCOMPARE(item->visible, false);
    QCOMPARE(divider->visible, false);
}

void TestMruLimits::sizeBelowOneIsIgnored_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("robustness: zero") << 0;
    QTest::newRow("robustness: minus one") << -1;
    QTest::newRow("robustness: most negative") << -32768;
}

// Ignored entirely: no error, no reload from the store, no refresh.
void TestMruLimits::sizeBelowOneIsIgnored()
{
    QFETCH(int, size);
    const QStringList full = entries("A,B,C");
    const auto mru = listOf(full);
    const Menu menu = attach(*mru);
    const int touchesBefore = menu.touches();
    seed(App, entries("X,Y,Z"));

    mru->setListSize(static_cast<qint16>(size));
    QCOMPARE(mru->ListSize(), 3);
    QCOMPARE(shown(*mru), full);
    QCOMPARE(menu.touches(), touchesBefore);
}

// Keys above the size are never written, so entries beyond a shrink come back on growth.
// The entry just past the new size must not linger in the overflow slot either.
void TestMruLimits::shrinkKeepsStoredEntries()
{
    const QStringList six = entries("A,B,C,,E,F");
    const auto mru = listOf(six);
    const Menu menu = attach(*mru);

    mru->setListSize(4);
    QCOMPARE(shown(*mru), six.first(4));
    QCOMPARE(menu.items[5].use_count(), 1);
    mru->ListRemoveIndex(1);
    const QStringList written = entries("B,C,,,E,F");
    QCOMPARE(stored(App, 6), written);

    const int releasedTouches = menu.items[4]->touches;
    mru->setListSize(6);
    QCOMPARE(shown(*mru), written);
    QCOMPARE(menu.items[4]->touches, releasedTouches);
}

void TestMruLimits::sameSizeReloads()
{
    const auto mru = listOf(entries("A,B,C"));
    const QStringList elsewhere = entries("X,,Z");
    seed(App, elsewhere);
    mru->setListSize(3);
    QCOMPARE(shown(*mru), elsewhere);
}

// The list needs one position past its size, so 32766 is the largest size there is.
void TestMruLimits::sizeLimit()
{
    const QStringList full = entries("A,B,C");
    const auto mru = listOf(full);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, mru->setListSize(32767));
    QCOMPARE(mru->ListSize(), 3);
    QCOMPARE(shown(*mru), full);

    mru->setListSize(32766);
    QCOMPARE(mru->ListSize(), 32766);
    QVERIFY(mru->ListAdd(QStringLiteral("D")));
    QCOMPARE(mru->List(4), QStringLiteral("C"));
    QCOMPARE(mru->List(32766), QString());
}

QTEST_GUILESS_MAIN(TestMruLimits)
#include "tst_mrulimits.moc"
