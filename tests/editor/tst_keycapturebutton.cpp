#include "windowtestcase.h"

#include "editor/bindingview.h"
#include "editor/keycapturebutton.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

// The button beside the key field: a click, then a key, a mouse button on it or a wheel step
// fills the key field. Which name a key has is the core's; here, what reaches the button.
class TestKeyCaptureButton : public WindowTestCase
{
    Q_OBJECT

    KeyCaptureButton* button() const { return m_window->cmdCaptureKey(); }

    // Focus and its loss need a shown, active window.
    void startCapture()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::mouseClick(button(), Qt::LeftButton);
        QVERIFY(button()->isCapturing());
        QVERIFY(button()->hasFocus());
        QCOMPARE(status(), QStringLiteral("No problems — Press the key to bind (Esc cancels)."));
    }

private slots:
    void fillsTheKeyField_data()
    {
        // A key (with Qt::KeypadModifier for the keypad), a mouse button pressed on the button,
        // or a wheel step over the list.
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("wheel");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("said");
        const QString count = QStringLiteral("No problems");
        QTest::newRow("a key with a shortcut is taken, not run") << int(Qt::Key_F8) << false << 0 << 0 << "F8" << count;
        QTest::newRow("keypad 8: stock Quake's own name") << int(Qt::Key_8) << true << 0 << 0 << "UPARROW" << count;
        QTest::newRow("escape cancels") << int(Qt::Key_Escape) << false << 0 << 0 << "a" << count;
        QTest::newRow("the console key is refused") << int(Qt::Key_QuoteLeft) << false << 0 << 0 << "a"
                                                    << "No problems — The console key cannot be bound.";
        QTest::newRow("left button on the button: taken, not a click")
            << 0 << false << int(Qt::LeftButton) << 0 << "MOUSE1" << count;
        QTest::newRow("wheel up anywhere") << 0 << false << 0 << 120 << "MWHEELUP" << count;
    }

    void fillsTheKeyField()
    {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(int, button);
        QFETCH(int, wheel);
        QFETCH(QString, field);
        QFETCH(QString, said);
        startCapture();
        if (key)
            QTest::keyClick(this->button(), Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
        if (button)
            QTest::mousePress(this->button(), Qt::MouseButton(button));
        if (wheel) {
            QWidget* list = m_window->lstBindView()->viewport();
            const QPointF at(list->rect().center());
            QWheelEvent step(at, list->mapToGlobal(at), {}, {0, wheel}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                             false);
            QApplication::sendEvent(list, &step);
        }
        QCOMPARE(m_window->txtKey()->currentText(), field);
        QCOMPARE(status(), said);
        QVERIFY(!this->button()->isCapturing());
        QVERIFY(!this->button()->isDown());
        QVERIFY(m_dialogs->calls.isEmpty());
    }

    void givesUpWhenLeft_data()
    {
        QTest::addColumn<bool>("click"); // on the status line, which takes no focus; else the focus moves
        QTest::newRow("a click elsewhere") << true;
        QTest::newRow("the focus leaving") << false;
    }

    // The next key then goes where it would have gone.
    void givesUpWhenLeft()
    {
        QFETCH(bool, click);
        startCapture();
        if (click)
            QTest::mouseClick(m_window->lblProblems(), Qt::LeftButton);
        else
            m_window->txtKey()->setFocus();
        QTRY_VERIFY(!button()->isCapturing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QCOMPARE(m_window->txtKey()->currentText(), QStringLiteral("a"));
    }

    // The window goes, its status line last: nothing it leaves behind takes another window's keys.
    void closingWhileWaitingLeavesKeysAlone()
    {
        startCapture();
        m_window.reset();
        QLineEdit other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTest::keyClick(&other, Qt::Key_X);
        QCOMPARE(other.text(), QStringLiteral("x"));
    }
};

QTEST_MAIN(TestKeyCaptureButton)
#include "tst_keycapturebutton.moc"
