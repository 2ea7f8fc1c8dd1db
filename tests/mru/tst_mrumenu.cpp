// The menu items the list keeps up to date: captions, visibility, deferred refresh.

#include "mrutestsupport.h"

#include <QTest>

class TestMruMenu : public QObject, private MruFixture
{
    Q_OBJECT

private slots:
    void init() { freshStore(); }

    void captions();
    void visibilityControl();
    void updateFlagDefersRefresh();
    void absentAndThrowingObjects();
};

// Positions 1 to 9 carry their digit as accelerator, later ones the bare path; the path is
// passed on untouched. Without visibility control nothing is shown or hidden.
void TestMruMenu::captions()
{
    QStringList entries;
    for (int position = 1; position <= 11; ++position)
        entries.append(QStringLiteral("/q/id1/p%1.cfg").arg(position));
    entries[1] = QStringLiteral("/q/R&D/p2.cfg");
    const auto mru = listOf(entries);
    const Menu menu = attach(*mru);

    QCOMPARE(menu.items[0]->caption, QStringLiteral("&1  /q/id1/p1.cfg"));
    QCOMPARE(menu.items[1]->caption, QStringLiteral("&2  /q/R&D/p2.cfg"));
    QCOMPARE(menu.items[8]->caption, QStringLiteral("&9  /q/id1/p9.cfg"));
    QCOMPARE(menu.items[9]->caption, QStringLiteral("/q/id1/p10.cfg"));
    QCOMPARE(menu.items[10]->caption, QStringLiteral("/q/id1/p11.cfg"));
    for (const auto& item : menu.items)
        QCOMPARE(item->visible, std::nullopt);
    QCOMPARE(menu.divider->touches, 0);
}

// With visibility control, empty positions hide (keeping their caption) and the divider
// shows only while something is listed.
void TestMruMenu::visibilityControl()
{
    const auto mru = listOf(QStringList(4));
    const Menu menu = attach(*mru);
    mru->setObjectsControlVisibility(true);
    for (const auto& item : menu.items)
        QCOMPARE(item->visible, false);
    QCOMPARE(menu.divider->visible, false);

    mru->ListAdd(QStringLiteral("A"));
    QCOMPARE(menu.items[0]->visible, true);
    QCOMPARE(menu.items[1]->visible, false);
    QCOMPARE(menu.divider->visible, true);

    mru->ListRemoveAll();
    QCOMPARE(menu.items[0]->visible, false);
    QCOMPARE(menu.items[0]->caption, QStringLiteral("&1  A"));
    QCOMPARE(menu.divider->visible, false);
    QCOMPARE(stored(App, 4), QStringList(4));
}

void TestMruMenu::updateFlagDefersRefresh()
{
    const auto mru = listOf(entries("A,B,C,D"));
    const Menu menu = attach(*mru);
    mru->setObjectsControlVisibility(true);
    const int touchesBefore = menu.touches();

    mru->setObjectsUpdate(false);
    mru->ListAdd(QStringLiteral("E"));
    const QStringList after = entries("E,A,B,C");
    QCOMPARE(stored(App, 4), after);
    QCOMPARE(menu.touches(), touchesBefore);

    mru->setObjectsUpdate(true);
    QCOMPARE(menu.items[0]->caption, QStringLiteral("&1  E"));
    QCOMPARE(menu.items[3]->caption, QStringLiteral("&4  C"));
}

// A slot never given an object and objects that throw do not stop the other items.
void TestMruMenu::absentAndThrowingObjects()
{
    const auto mru = listOf(entries("A,B,C,D"));
    const auto thrower = std::make_shared<ThrowingItem>();
    const auto third = std::make_shared<RecordingItem>();
    mru->setObjectsControlVisibility(true);
    QVERIFY_THROWS_NO_EXCEPTION(mru->setObjectDivider(thrower));
    QVERIFY_THROWS_NO_EXCEPTION(mru->setObjectsList(1, thrower));
    QVERIFY_THROWS_NO_EXCEPTION(mru->setObjectsList(3, third));
    QVERIFY_THROWS_NO_EXCEPTION(mru->setObjectsList(4, thrower));

    QVERIFY_THROWS_NO_EXCEPTION(mru->ListAdd(QStringLiteral("E")));
    QCOMPARE(third->caption, QStringLiteral("&3  B"));
    QCOMPARE(third->visible, true);
}

QTEST_GUILESS_MAIN(TestMruMenu)
#include "tst_mrumenu.moc"
