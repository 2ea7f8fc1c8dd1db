#include "windowtestcase.h"

#include "editor/bindingview.h"
#include "editor/keycapturebutton.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

// The button beside the key field: a click, then a key, a mouse button on it or a wheel step
// fills the key field with the game's name for it.
class TestKeyCaptureButton : public WindowTestCase
{
    Q_OBJECT

private slots:
    void fillsTheKeyField_data();
    void fillsTheKeyField();
    void waitsDownWithAPrompt();
    void aClickElsewhereCancels();
    void losingFocusCancels();
    void closingWhileWaitingLeavesKeysAlone();

private:
    KeyCaptureButton* button() const { return m_window->cmdCaptureKey(); }
    void startCapture();
};

// Focus and its loss need a shown, active window.
void TestKeyCaptureButton::startCapture()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::mouseClick(button(), Qt::LeftButton);
    QVERIFY(button()->isCapturing());
}

void TestKeyCaptureButton::fillsTheKeyField_data()
{
    // What comes: a key (with Qt::KeypadModifier for the keypad), or a mouse button pressed on
    // the button, or a wheel step over the list.
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("wheel");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("said");
    const QString unchanged = QStringLiteral("a");
    const QString count = QStringLiteral("No problems");
    QTest::newRow("a function key") << int(Qt::Key_F5) << false << 0 << 0 << "F5" << count;
    QTest::newRow("a key with a shortcut is taken, not run") << int(Qt::Key_F8) << false << 0 << 0 << "F8" << count;
    QTest::newRow("keypad 8: stock Quake's own name") << int(Qt::Key_8) << true << 0 << 0 << "UPARROW" << count;
    QTest::newRow("escape cancels") << int(Qt::Key_Escape) << false << 0 << 0 << unchanged << count;
    QTest::newRow("the console key is refused")
        << int(Qt::Key_QuoteLeft) << false << 0 << 0 << unchanged << "The console key cannot be bound.";
    QTest::newRow("a key without a name")
        << int(Qt::Key_QuoteDbl) << false << 0 << 0 << unchanged << "Quake has no name for that key.";
    QTest::newRow("left button on the button: taken, not a click")
        << 0 << false << int(Qt::LeftButton) << 0 << "MOUSE1" << count;
    QTest::newRow("back button: ports only")
        << 0 << false << int(Qt::BackButton) << 0 << "MOUSE4"
        << "Only source ports know MOUSE4: QuakeSpasm, Ironwail, vkQuake, ezQuake.";
    QTest::newRow("wheel up anywhere") << 0 << false << 0 << 120 << "MWHEELUP" << count;
    QTest::newRow("wheel down") << 0 << false << 0 << -120 << "MWHEELDOWN" << count;
}

void TestKeyCaptureButton::fillsTheKeyField()
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

void TestKeyCaptureButton::waitsDownWithAPrompt()
{
    startCapture();
    QVERIFY(button()->isChecked());
    QCOMPARE(status(), QStringLiteral("Press the key to bind (Esc cancels)."));
    QVERIFY(button()->hasFocus());
    QTest::keyClick(button(), Qt::Key_Escape);
    QVERIFY(!button()->isChecked());
    QCOMPARE(status(), QStringLiteral("No problems"));
}

void TestKeyCaptureButton::aClickElsewhereCancels()
{
    startCapture();
    QLineEdit* binding = m_window->txtBind();
    QTest::mouseClick(binding, Qt::LeftButton);
    QVERIFY(!button()->isCapturing());
    QCOMPARE(m_window->txtKey()->currentText(), QStringLiteral("a"));
    // The click still does what it does: the field takes the focus and the next key.
    QTRY_VERIFY(binding->hasFocus());
    QTest::keyClick(binding, Qt::Key_W);
    QCOMPARE(binding->text(), QStringLiteral("w"));
}

void TestKeyCaptureButton::losingFocusCancels()
{
    startCapture();
    m_window->txtKey()->setFocus();
    QTRY_VERIFY(!button()->isCapturing());
    QTest::keyClick(m_window->txtKey(), Qt::Key_F5);
    QCOMPARE(m_window->txtKey()->currentText(), QStringLiteral("a"));
}

// The window goes, its status line last: nothing it leaves behind takes another window's keys.
void TestKeyCaptureButton::closingWhileWaitingLeavesKeysAlone()
{
    startCapture();
    m_window.reset();
    QLineEdit other;
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTest::keyClick(&other, Qt::Key_X);
    QCOMPARE(other.text(), QStringLiteral("x"));
}

QTEST_MAIN(TestKeyCaptureButton)
#include "tst_keycapturebutton.moc"
