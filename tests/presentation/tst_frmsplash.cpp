#include "presentation/frmsplash.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

class TestFrmSplash : public QObject
{
    Q_OBJECT

private slots:
    void startsTheCountdownAtTwo();
    void showsTheMainWindowAtTheSecondTick();
    void characterKeyEndsWithoutTheMainWindow();
    void keysWithoutCharactersAreIgnored();
};

void TestFrmSplash::startsTheCountdownAtTwo()
{
    frmSplash splash([] {});
    QCOMPARE(splash.SecondsLeft(), 2);
    QVERIFY(splash.Timer1()->isActive());
    QCOMPARE(splash.Timer1()->interval(), 1000);
    QCOMPARE(splash.size(), QSize(515, 259));
    QCOMPARE(splash.lblTimeLeft()->text(), QStringLiteral("5 Seconds Left"));
    QVERIFY(splash.lblTimeLeft()->isHidden());
}

void TestFrmSplash::showsTheMainWindowAtTheSecondTick()
{
    int shown = 0;
    QPointer<frmSplash> splash = new frmSplash([&] { ++shown; });
    splash->show();
    splash->Timer1_Timer();
    QCOMPARE(splash->SecondsLeft(), 1);
    QCOMPARE(splash->lblTimeLeft()->text(), QStringLiteral("1 Seconds Left"));
    QCOMPARE(shown, 0);
    QVERIFY(splash->isVisible());

    splash->Timer1_Timer();
    QCOMPARE(shown, 1);
    QVERIFY(!splash->isVisible());
    QVERIFY(!splash->Timer1()->isActive());
    QTRY_VERIFY(splash.isNull()); // closing destroys it
}

void TestFrmSplash::characterKeyEndsWithoutTheMainWindow()
{
    int shown = 0;
    QPointer<frmSplash> splash = new frmSplash([&] { ++shown; });
    splash->show();
    QTest::keyClick(splash.data(), Qt::Key_Q);
    QVERIFY(!splash->isVisible());
    QTRY_VERIFY(splash.isNull());
    QCOMPARE(shown, 0);
}

void TestFrmSplash::keysWithoutCharactersAreIgnored()
{
    frmSplash splash([] {});
    splash.show();
    QTest::keyClick(&splash, Qt::Key_Shift);
    QTest::keyClick(&splash, Qt::Key_F5);
    QVERIFY(splash.isVisible());
    QVERIFY(splash.Timer1()->isActive());
}

QTEST_MAIN(TestFrmSplash)
#include "tst_frmsplash.moc"
