#include "windowtestcase.h"

#include "editor/commandfield.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QTest>

// The binding field offers the game's commands while a command name is typed, and the status
// line names what the command under the cursor does.
class TestCommandField : public WindowTestCase
{
    Q_OBJECT

private slots:
    void completes_data();
    void completes();
    void offersNothingAmongArguments();
    void popupShowsTheSummary();
    void statusLineShowsTheCommandUnderTheCursor_data();
    void statusLineShowsTheCommandUnderTheCursor();

private:
    CommandField* field() const { return m_window->commandField(); }
    QAbstractItemView* popup() const { return field()->commandCompleter()->popup(); }
    void type(const QString& before, const QString& typed);
};

// The field holds `before` with the cursor at its end, then `typed` is typed there.
void TestCommandField::type(const QString& before, const QString& typed)
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    field()->setFocus();
    field()->setText(before);
    QTest::keyClicks(field(), typed);
}

void TestCommandField::completes_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("choose"); // the key pressed after one step down the pop-up
    QTest::addColumn<QString>("text");
    QTest::newRow("Enter takes the name") << ""
                                          << "+att" << int(Qt::Key_Return) << "+attack";
    QTest::newRow("Tab takes the name") << ""
                                        << "+ATT" << int(Qt::Key_Tab) << "+attack";
    QTest::newRow("Escape puts nothing in") << "wait;"
                                            << "+att" << int(Qt::Key_Escape) << "wait;+att";
}

void TestCommandField::completes()
{
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(int, choose);
    QFETCH(QString, text);
    type(before, typed);
    QTRY_VERIFY(popup()->isVisible());
    // Looking down the list writes nothing into the field.
    QTest::keyClick(popup(), Qt::Key_Down);
    QCOMPARE(field()->text(), before + typed);
    QTest::keyClick(popup(), Qt::Key(choose));
    QCOMPARE(field()->text(), text);
    QVERIFY(!popup()->isVisible());
    // Enter in the pop-up chose a name; it did not add the line.
    QCOMPARE(m_window->lstBind().count(), 0);
    QVERIFY(m_dialogs->calls.isEmpty());
}

void TestCommandField::offersNothingAmongArguments()
{
    type(QString(), QStringLiteral("impulse +att"));
    QVERIFY(!popup()->isVisible());
    type(QStringLiteral("+attack;"), QStringLiteral(" "));
    QVERIFY(!popup()->isVisible());
    type(QString(), QStringLiteral("+zzz"));
    QVERIFY(!popup()->isVisible());
}

void TestCommandField::popupShowsTheSummary()
{
    type(QString(), QStringLiteral("+attac"));
    QTRY_VERIFY(popup()->isVisible());
    QCOMPARE(popup()->model()->rowCount(), 1);
    QCOMPARE(popup()->model()->index(0, 0).data().toString(),
             QStringLiteral("+attack — Fire the current weapon while held."));
}

void TestCommandField::statusLineShowsTheCommandUnderTheCursor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("said");
    QTest::newRow("on a command") << "+attack" << 3 << "Fire the current weapon while held.";
    QTest::newRow("an unknown command: the count") << "+zzz" << 2 << "No problems";
}

void TestCommandField::statusLineShowsTheCommandUnderTheCursor()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, said);
    field()->setText(text);
    field()->setCursorPosition(cursor);
    QCOMPARE(status(), said);
    field()->clear();
    QCOMPARE(status(), QStringLiteral("No problems"));
}

QTEST_MAIN(TestCommandField)
#include "tst_commandfield.moc"
