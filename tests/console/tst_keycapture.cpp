#include "console/keycapture.h"

#include <QTest>

using namespace console;
using Outcome = CapturedKey::Outcome;

Q_DECLARE_METATYPE(console::Engine)

// "NAME", "NAME (ports)", or what else the capture came to, for one comparison per row.
static QString shown(const CapturedKey& key)
{
    static const char* const Others[] = {"", "<cancelled>", "<console key>", "<unnamed>"};
    if (key.outcome != Outcome::Named)
        return QString::fromLatin1(Others[int(key.outcome)]);
    return key.ports
             ? QStringLiteral("%1 (%2)").arg(QLatin1StringView(key.name), QLatin1StringView(engineNames(key.ports)))
             : QString::fromLatin1(key.name);
}

class TestKeyCapture : public QObject
{
    Q_OBJECT

private slots:
    void namesTheKey_data()
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
        row("punctuation as itself", Qt::Key_BracketLeft, false, "[", "[");
        row("semicolon by name", Qt::Key_Semicolon, false, "SEMICOLON", "SEMICOLON");
        row("double quote: one port's name only", Qt::Key_QuoteDbl, false, "<unnamed>",
            "DOUBLEQUOTE (Yamagi Quake II)");
        row("backquote is the console key", Qt::Key_QuoteLeft, false, "<console key>", "<console key>");
        row("tilde is the console key", Qt::Key_AsciiTilde, false, "<console key>", "<console key>");
        row("escape cancels", Qt::Key_Escape, false, "<cancelled>", "<cancelled>");
        row("shift alone", Qt::Key_Shift, false, "SHIFT", "SHIFT");
        row("F1", Qt::Key_F1, false, "F1", "F1");
        row("F12", Qt::Key_F12, false, "F12", "F12");
        row("F13 has no name", Qt::Key_F13, false, "<unnamed>", "<unnamed>");
        row("caps lock: ports only", Qt::Key_CapsLock, false, "CAPSLOCK (Ironwail, JoeQuake)",
            "CAPSLOCK (Yamagi Quake II, Q2PRO, R1Q2)");
        row("a letter beyond ASCII has no name", Qt::Key_Adiaeresis, false, "<unnamed>", "<unnamed>");
        row("keypad 8 with Num Lock", Qt::Key_8, true, "UPARROW", "KP_UPARROW");
        row("keypad 8 without Num Lock", Qt::Key_Up, true, "UPARROW", "KP_UPARROW");
        row("keypad 5 without Num Lock", Qt::Key_Clear, true, "5", "KP_5");
        row("keypad decimal comma", Qt::Key_Comma, true, "DEL", "KP_DEL");
        row("keypad slash", Qt::Key_Slash, true, "/", "KP_SLASH");
        row("keypad star: no stock KP_ name", Qt::Key_Asterisk, true, "*", "*");
        row("keypad equals has no keypad name", Qt::Key_Equal, true, "=", "=");
        row("main slash", Qt::Key_Slash, false, "/", "/");
    }

    void namesTheKey()
    {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(QString, quake);
        QFETCH(QString, quake2);
        QCOMPARE(shown(captureKey(key, keypad, Game::Quake)), quake);
        QCOMPARE(shown(captureKey(key, keypad, Game::Quake2)), quake2);
    }

    void namesTheMouse_data()
    {
        QTest::addColumn<int>("button"); // 0: wheel up, -1: wheel down
        QTest::addColumn<QString>("quake");
        QTest::addColumn<QString>("quake2");
        const auto row = [](const char* name, int button, const char* quake, const char* quake2) {
            QTest::newRow(name) << button << QString::fromUtf8(quake) << QString::fromUtf8(quake2);
        };
        row("left", Qt::LeftButton, "MOUSE1", "MOUSE1");
        row("back: ports only", Qt::BackButton, "MOUSE4 (QuakeSpasm, Ironwail, vkQuake, JoeQuake)",
            "MOUSE4 (Yamagi Quake II, Q2PRO, R1Q2)");
        row("a sixth button has no name", Qt::ExtraButton3, "<unnamed>", "<unnamed>");
        row("wheel up", 0, "MWHEELUP", "MWHEELUP");
        row("wheel down", -1, "MWHEELDOWN", "MWHEELDOWN");
    }

    void namesTheMouse()
    {
        QFETCH(int, button);
        QFETCH(QString, quake);
        QFETCH(QString, quake2);
        const auto capture = [button](Engine engine) {
            return button > 0 ? captureMouseButton(Qt::MouseButton(button), engine) : captureWheel(button == 0, engine);
        };
        QCOMPARE(shown(capture(Game::Quake)), quake);
        QCOMPARE(shown(capture(Game::Quake2)), quake2);
    }

    // A port's own profile gives its names, and no ports to mention.
    void namesTheKeyAsThePort_data()
    {
        QTest::addColumn<Engine>("engine");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<quint32>("scanCode"); // X11's, 0 for none
        QTest::addColumn<QString>("name");
        const auto row = [](const char* engine, const char* name, int key, bool keypad, quint32 scanCode,
                            const char* shownName) {
            QTest::addRow("%s: %s", engine, name) << *Engine::fromId(QLatin1StringView(engine)) << key << keypad
                                                  << scanCode << QString::fromUtf8(shownName);
        };
        row("quakespasm", "keypad 8", Qt::Key_8, true, 0, "KP_UPARROW");
        row("quakespasm", "caps lock has no name", Qt::Key_CapsLock, false, 0, "<unnamed>");
        row("ezquake", "caps lock", Qt::Key_CapsLock, false, 0, "CAPSLOCK");
        row("yamagi", "double quote", Qt::Key_QuoteDbl, false, 0, "DOUBLEQUOTE");
        row("ezquake", "left shift", Qt::Key_Shift, false, 50, "LSHIFT");
        row("q2pro", "right control", Qt::Key_Control, false, 105, "RCTRL");
        row("quakespasm", "left shift: it has no sides", Qt::Key_Shift, false, 50, "SHIFT");
        row("ezquake", "shift of no known side", Qt::Key_Shift, false, 0, "SHIFT");
    }

    void namesTheKeyAsThePort()
    {
        QFETCH(Engine, engine);
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(quint32, scanCode);
        QTEST(shown(captureKey(key, keypad, engine, keySideOfScanCode(scanCode))), "name");
    }

    // A plain name and Escape say nothing; the key button's test shows that.
    void says_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Engine>("engine");
        QTest::addColumn<QString>("message");
        QTest::newRow("console key") << int(Qt::Key_QuoteLeft) << Engine(Game::Quake)
                                     << "The console key cannot be bound.";
        QTest::newRow("no name: says the engine")
            << int(Qt::Key_F13) << Engine(Game::Quake2) << "Quake II 3.21 has no name for that key.";
        QTest::newRow("ports only") << int(Qt::Key_QuoteDbl) << Engine(Game::Quake2)
                                    << "Only source ports know DOUBLEQUOTE: Yamagi Quake II.";
    }

    void says()
    {
        QFETCH(int, key);
        QFETCH(Engine, engine);
        QFETCH(QString, message);
        QCOMPARE(captureMessage(captureKey(key, false, engine), engine), message);
    }
};

QTEST_APPLESS_MAIN(TestKeyCapture)
#include "tst_keycapture.moc"
