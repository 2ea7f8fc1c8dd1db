#include "catalogue/commandfilter.h"

#include <QTest>

namespace {

// Positions: 0 {Quake: Weapons}, 1 [Weapon Select], 2 impulse 7, 3 impulse 1, 4 [Firing],
// 5 +attack, 6 {Quake: Movement}, 7 [Walking], 8 +forward, 9 +back (no summary).
CommandFilter smallCatalogue()
{
    CommandFilter filter;
    const int weapons = filter.addGroup(CommandFilter::Root);
    const int select = filter.addGroup(weapons);
    filter.addCommand(select, u"impulse 7", u"Switch to the Rocket Launcher.");
    filter.addCommand(select, u"impulse 1", u"Switch to the Axe.");
    const int firing = filter.addGroup(weapons);
    filter.addCommand(firing, u"+attack", u"Fire the current weapon while held.");
    const int movement = filter.addGroup(CommandFilter::Root);
    const int walking = filter.addGroup(movement);
    filter.addCommand(walking, u"+forward", u"Walk forward while the key is held.");
    filter.addCommand(walking, u"+back", u"");
    return filter;
}

QList<int> shownPositions(const std::vector<bool>& shown)
{
    QList<int> positions;
    for (size_t i = 0; i < shown.size(); ++i) {
        if (shown[i])
            positions << int(i);
    }
    return positions;
}

} // namespace

class TestCommandFilter : public QObject
{
    Q_OBJECT

private slots:
    void shown_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("nominal: a name") << "attack" << QList<int>{0, 4, 5};
        QTest::newRow("nominal: a summary, in another case") << "ROCKET" << QList<int>{0, 1, 2};
        QTest::newRow("nominal: two categories") << "+" << QList<int>{0, 4, 5, 6, 7, 8, 9};
        QTest::newRow("nominal: spaces around the text") << "  impulse " << QList<int>{0, 1, 2, 3};
        QTest::newRow("nominal: spaces only show everything") << "   " << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("robustness: no match") << "bfg" << QList<int>{};
        QTest::newRow("robustness: group names are not searched") << "walking" << QList<int>{};
        QTest::newRow("robustness: name and summary are not run together") << "7 switch" << QList<int>{};
    }

    void shown()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, shown);
        QCOMPARE(shownPositions(smallCatalogue().shown(text)), shown);
    }
};

QTEST_GUILESS_MAIN(TestCommandFilter)
#include "tst_commandfilter.moc"
