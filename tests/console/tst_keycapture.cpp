#include "console/keycapture.h"

#include <QTest>

using namespace console;
using Outcome = CapturedKey::Outcome;

Q_DECLARE_METATYPE(console::Game)
Q_DECLARE_METATYPE(console::CapturedKey::Outcome)

// "NAME", "NAME (ports)", or what else the capture came to, for one comparison per row.
static QString shown(const CapturedKey& key)
{
    switch (key.outcome) {
    case Outcome::Named:
        return *key.ports ? QStringLiteral("%1 (%2)").arg(QLatin1StringView(key.name), QLatin1StringView(key.ports))
                          : QString::fromLatin1(key.name);
    case Outcome::Cancelled:
        return QStringLiteral("<cancelled>");
    case Outcome::ConsoleKey:
        return QStringLiteral("<console key>");
    case Outcome::Unnamed:
        return QStringLiteral("<unnamed>");
    }
    return {};
}

class TestKeyCapture : public QObject
{
    Q_OBJECT

private slots:
    void namesTheKey_data();
    void namesTheKey();
    void namesTheMouse_data();
    void namesTheMouse();
    void says_data();
    void says();
};

void TestKeyCapture::namesTheKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("quake");
    QTest::addColumn<QString>("quake2");
    const auto row = [](const char* name, int key, bool keypad, const char* quake, const char* quake2) {
        QTest::newRow(name) << key << keypad << QString::fromUtf8(quake) << QString::fromUtf8(quake2);
    };
    row("letter in lower case", Qt::Key_A, false, "a", "a");
    row("last letter", Qt::Key_Z, false, "z", "z");
    row("digit", Qt::Key_7, false, "7", "7");
    row("punctuation as itself", Qt::Key_BracketLeft, false, "[", "[");
    row("apostrophe", Qt::Key_Apostrophe, false, "'", "'");
    row("dollar", Qt::Key_Dollar, false, "$", "$");
    row("semicolon by name", Qt::Key_Semicolon, false, "SEMICOLON", "SEMICOLON");
    row("double quote: one port's name only", Qt::Key_QuoteDbl, false, "<unnamed>", "DOUBLEQUOTE (Yamagi Quake II)");
    row("backquote is the console key", Qt::Key_QuoteLeft, false, "<console key>", "<console key>");
    row("tilde is the console key", Qt::Key_AsciiTilde, false, "<console key>", "<console key>");
    row("escape cancels", Qt::Key_Escape, false, "<cancelled>", "<cancelled>");
    row("tab", Qt::Key_Tab, false, "TAB", "TAB");
    row("shift+tab", Qt::Key_Backtab, false, "TAB", "TAB");
    row("return", Qt::Key_Return, false, "ENTER", "ENTER");
    row("space", Qt::Key_Space, false, "SPACE", "SPACE");
    row("backspace", Qt::Key_Backspace, false, "BACKSPACE", "BACKSPACE");
    row("up", Qt::Key_Up, false, "UPARROW", "UPARROW");
    row("down", Qt::Key_Down, false, "DOWNARROW", "DOWNARROW");
    row("left", Qt::Key_Left, false, "LEFTARROW", "LEFTARROW");
    row("right", Qt::Key_Right, false, "RIGHTARROW", "RIGHTARROW");
    row("alt alone", Qt::Key_Alt, false, "ALT", "ALT");
    row("alt gr alone", Qt::Key_AltGr, false, "ALT", "ALT");
    row("ctrl alone", Qt::Key_Control, false, "CTRL", "CTRL");
    row("shift alone", Qt::Key_Shift, false, "SHIFT", "SHIFT");
    row("meta has no name", Qt::Key_Meta, false, "<unnamed>", "<unnamed>");
    row("F1", Qt::Key_F1, false, "F1", "F1");
    row("F12", Qt::Key_F12, false, "F12", "F12");
    row("F13 has no name", Qt::Key_F13, false, "<unnamed>", "<unnamed>");
    row("insert", Qt::Key_Insert, false, "INS", "INS");
    row("delete", Qt::Key_Delete, false, "DEL", "DEL");
    row("page down", Qt::Key_PageDown, false, "PGDN", "PGDN");
    row("page up", Qt::Key_PageUp, false, "PGUP", "PGUP");
    row("home", Qt::Key_Home, false, "HOME", "HOME");
    row("end", Qt::Key_End, false, "END", "END");
    row("pause", Qt::Key_Pause, false, "PAUSE", "PAUSE");
    row("caps lock: ports only", Qt::Key_CapsLock, false, "CAPSLOCK (Ironwail)", "CAPSLOCK (Yamagi Quake II)");
    row("a letter beyond ASCII has no name", Qt::Key_Adiaeresis, false, "<unnamed>", "<unnamed>");
    row("keypad 8 with Num Lock", Qt::Key_8, true, "UPARROW", "KP_UPARROW");
    row("keypad 8 without Num Lock", Qt::Key_Up, true, "UPARROW", "KP_UPARROW");
    row("keypad 7", Qt::Key_Home, true, "HOME", "KP_HOME");
    row("keypad 9", Qt::Key_9, true, "PGUP", "KP_PGUP");
    row("keypad 4", Qt::Key_Left, true, "LEFTARROW", "KP_LEFTARROW");
    row("keypad 5 with Num Lock", Qt::Key_5, true, "5", "KP_5");
    row("keypad 5 without Num Lock", Qt::Key_Clear, true, "5", "KP_5");
    row("keypad 6", Qt::Key_6, true, "RIGHTARROW", "KP_RIGHTARROW");
    row("keypad 1", Qt::Key_End, true, "END", "KP_END");
    row("keypad 2", Qt::Key_2, true, "DOWNARROW", "KP_DOWNARROW");
    row("keypad 3", Qt::Key_PageDown, true, "PGDN", "KP_PGDN");
    row("keypad 0", Qt::Key_0, true, "INS", "KP_INS");
    row("keypad point", Qt::Key_Period, true, "DEL", "KP_DEL");
    row("keypad decimal comma", Qt::Key_Comma, true, "DEL", "KP_DEL");
    row("keypad delete", Qt::Key_Delete, true, "DEL", "KP_DEL");
    row("keypad enter", Qt::Key_Enter, true, "ENTER", "KP_ENTER");
    row("keypad slash", Qt::Key_Slash, true, "/", "KP_SLASH");
    row("keypad minus", Qt::Key_Minus, true, "-", "KP_MINUS");
    row("keypad plus", Qt::Key_Plus, true, "+", "KP_PLUS");
    row("keypad star: no stock KP_ name", Qt::Key_Asterisk, true, "*", "*");
    row("keypad equals has no keypad name", Qt::Key_Equal, true, "=", "=");
    row("main slash", Qt::Key_Slash, false, "/", "/");
    row("enter key off the keypad", Qt::Key_Enter, false, "ENTER", "ENTER");
}

void TestKeyCapture::namesTheKey()
{
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QString, quake);
    QFETCH(QString, quake2);
    QCOMPARE(shown(captureKey(key, keypad, Game::Quake)), quake);
    QCOMPARE(shown(captureKey(key, keypad, Game::Quake2)), quake2);
}

void TestKeyCapture::namesTheMouse_data()
{
    QTest::addColumn<int>("button"); // 0: wheel up, -1: wheel down
    QTest::addColumn<QString>("quake");
    QTest::addColumn<QString>("quake2");
    QTest::newRow("left") << int(Qt::LeftButton) << "MOUSE1"
                          << "MOUSE1";
    QTest::newRow("right") << int(Qt::RightButton) << "MOUSE2"
                           << "MOUSE2";
    QTest::newRow("middle") << int(Qt::MiddleButton) << "MOUSE3"
                            << "MOUSE3";
    QTest::newRow("back: ports only") << int(Qt::BackButton) << "MOUSE4 (QuakeSpasm, Ironwail, vkQuake, ezQuake)"
                                      << "MOUSE4 (Yamagi Quake II)";
    QTest::newRow("forward: ports only") << int(Qt::ForwardButton) << "MOUSE5 (QuakeSpasm, Ironwail, vkQuake, ezQuake)"
                                         << "MOUSE5 (Yamagi Quake II)";
    QTest::newRow("a sixth button has no name") << int(Qt::ExtraButton3) << "<unnamed>"
                                                << "<unnamed>";
    QTest::newRow("wheel up") << 0 << "MWHEELUP"
                              << "MWHEELUP";
    QTest::newRow("wheel down") << -1 << "MWHEELDOWN"
                                << "MWHEELDOWN";
}

void TestKeyCapture::namesTheMouse()
{
    QFETCH(int, button);
    QFETCH(QString, quake);
    QFETCH(QString, quake2);
    const auto capture = [button](Game game) {
        return button > 0 ? captureMouseButton(Qt::MouseButton(button), game) : captureWheel(button == 0, game);
    };
    QCOMPARE(shown(capture(Game::Quake)), quake);
    QCOMPARE(shown(capture(Game::Quake2)), quake2);
}

void TestKeyCapture::says_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Game>("game");
    QTest::addColumn<QString>("message");
    QTest::newRow("a stock name speaks for itself") << int(Qt::Key_F1) << Game::Quake << QString();
    QTest::newRow("escape") << int(Qt::Key_Escape) << Game::Quake << QString();
    QTest::newRow("console key") << int(Qt::Key_QuoteLeft) << Game::Quake2 << "The console key cannot be bound.";
    QTest::newRow("no name: says the game")
        << int(Qt::Key_QuoteDbl) << Game::Quake << "Quake has no name for that key.";
    QTest::newRow("no name in Quake 2") << int(Qt::Key_Meta) << Game::Quake2 << "Quake 2 has no name for that key.";
    QTest::newRow("ports only") << int(Qt::Key_CapsLock) << Game::Quake2
                                << "Only source ports know CAPSLOCK: Yamagi Quake II.";
}

void TestKeyCapture::says()
{
    QFETCH(int, key);
    QFETCH(Game, game);
    QFETCH(QString, message);
    QCOMPARE(captureMessage(captureKey(key, false, game), game), message);
}

QTEST_APPLESS_MAIN(TestKeyCapture)
#include "tst_keycapture.moc"
