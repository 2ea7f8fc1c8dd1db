#include "windowtestcase.h"

#include "editor/commandfield.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QTest>

// The binding field offers the game's commands while a command name is typed, and the status
// line names what the command under the cursor does. Which word is completed is the core's.
class TestCommandField : public WindowTestCase
{
    Q_OBJECT

    CommandField* field() const { return m_window->commandField(); }
    QAbstractItemView* popup() const { return field()->commandCompleter()->popup(); }

private slots:
    void completes_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("choose"); // the key pressed after one step down the pop-up
        QTest::addColumn<QString>("text");
        QTest::newRow("Enter takes the name")
            << "wait;" << QStringLiteral("+att") << int(Qt::Key_Return) << "wait;+attack";
        QTest::newRow("Tab takes the name") << "" << QStringLiteral("+ATT") << int(Qt::Key_Tab) << "+attack";
    }

    // The pop-up shows each name with its summary; only the name goes in, and only when chosen.
    void completes()
    {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(int, choose);
        QFETCH(QString, text);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        field()->setFocus();
        field()->setText(before);
        QTest::keyClicks(field(), typed);
        QTRY_VERIFY(popup()->isVisible());
        QTest::keyClick(popup(), Qt::Key_Down);
        QCOMPARE(popup()->currentIndex().data().toString(),
                 QStringLiteral("+attack — Fire the current weapon while held."));
        QCOMPARE(field()->text(), before + typed);
        QTest::keyClick(popup(), Qt::Key(choose));
        QCOMPARE(field()->text(), text);
        QVERIFY(!popup()->isVisible());
        // Enter in the pop-up chose a name; it did not add the line.
        QCOMPARE(m_window->lstBind().count(), 0);
        QVERIFY(m_dialogs->calls.isEmpty());
    }

    void keysWithNothingHighlighted_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text"); // the field's afterwards
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("Enter adds the line")
            << QStringLiteral("+att") << int(Qt::Key_Return) << "" << QStringList{QStringLiteral("bind a \"+att\"")};
        QTest::newRow("Tab takes the first offer")
            << QStringLiteral("wait;+att") << int(Qt::Key_Tab) << "wait;+attack" << QStringList();
    }

    void keysWithNothingHighlighted()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QStringList, rows);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        field()->setFocus();
        QTest::keyClicks(field(), typed);
        QTRY_VERIFY(popup()->isVisible());
        QVERIFY(!popup()->currentIndex().isValid());
        QTest::keyClick(popup(), Qt::Key(key));
        QVERIFY(!popup()->isVisible());
        QCOMPARE(field()->text(), text);
        QCOMPARE(this->rows(), rows);
        QVERIFY(m_dialogs->calls.isEmpty());
    }

    // A word that is already the one command it could be has nothing to offer.
    void nothingOfferedForACompleteName()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        field()->setFocus();
        QTest::keyClicks(field(), QStringLiteral("+jump"));
        QVERIFY(!popup()->isVisible());
        QTest::keyClick(field(), Qt::Key_Return);
        QCOMPARE(rows(), QStringList{QStringLiteral("bind a \"+jump\"")});
    }

    // The count stays in view; the summary goes with the cursor leaving the command or the field.
    void statusLineShowsTheCommandUnderTheCursor()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        field()->setFocus();
        field()->setText(QStringLiteral("wait; +attack"));
        field()->setCursorPosition(9);
        QCOMPARE(status(), QStringLiteral("No problems — Fire the current weapon while held."));
        field()->setCursorPosition(5);
        QCOMPARE(status(), QStringLiteral("No problems"));
        field()->setCursorPosition(9);
        m_window->txtKey()->setFocus();
        QCOMPARE(status(), QStringLiteral("No problems"));
    }
};

QTEST_MAIN(TestCommandField)
#include "tst_commandfield.moc"
