#include "keymap/keyboardlayout.h"
#include "keymap/keymapmodel.h"
#include "keymap/keymapscene.h"

#include <QTest>

using keymap::KeyboardLayout;

// Evdev codes of the keys the rows name, by their place on a US keyboard.
namespace evdev {
constexpr int One = 2, Minus = 12, Q = 16, W = 17, Y = 21, A = 30, Semicolon = 39, Z = 44, M = 50, Iso = 86;
}

class TestKeyboardLayout : public QObject
{
    Q_OBJECT

private slots:
    void typesOnKey_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("legend");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("us: Q types q") << "us" << evdev::Q << "q" << QByteArray("q");
        QTest::newRow("us: semicolon key by name") << "us" << evdev::Semicolon << ";" << QByteArray("SEMICOLON");
        QTest::newRow("fr: QWERTY's Q types a") << "fr" << evdev::Q << "a" << QByteArray("a");
        QTest::newRow("fr: QWERTY's W types z") << "fr" << evdev::W << "z" << QByteArray("z");
        QTest::newRow("fr: QWERTY's semicolon types m") << "fr" << evdev::Semicolon << "m" << QByteArray("m");
        QTest::newRow("fr: QWERTY's M types a comma") << "fr" << evdev::M << "," << QByteArray(",");
        QTest::newRow("fr: the 1 key types &") << "fr" << evdev::One << "&" << QByteArray("&");
        QTest::newRow("de: QWERTY's Y types z") << "de" << evdev::Y << "z" << QByteArray("z");
        QTest::newRow("de: QWERTY's Z types y") << "de" << evdev::Z << "y" << QByteArray("y");
        QTest::newRow("de: sharp s has no engine name") << "de" << evdev::Minus << "ß" << QByteArray();
        QTest::newRow("de: the ISO key types <") << "de" << evdev::Iso << "<" << QByteArray("<");
        QTest::newRow("with a variant") << "de(nodeadkeys)" << evdev::Y << "z" << QByteArray("z");
        QTest::newRow("robustness: unknown layout shows US") << "xx" << evdev::Q << "q" << QByteArray("q");
        QTest::newRow("robustness: malformed name shows US") << "fr;rm -rf" << evdev::A << "a" << QByteArray("a");
    }

    void typesOnKey()
    {
        QFETCH(QString, layout);
        QFETCH(int, key);
        const KeyboardLayout keyboard(layout);
        QTEST(keyboard.legend(key), "legend");
        QTEST(keyboard.engineName(key), "name");
    }

    void loads_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<bool>("iso");
        QTest::newRow("us: ANSI") << "us" << true << false;
        QTest::newRow("fr: ISO") << "fr" << true << true;
        QTest::newRow("robustness: unknown") << "xx" << false << false;
        QTest::newRow("robustness: empty") << "" << false << false;
    }

    void loads()
    {
        QFETCH(QString, layout);
        const KeyboardLayout keyboard(layout);
        QTEST(keyboard.isLoaded(), "loaded");
        QTEST(keyboard.isIso(), "iso");
    }

    void layoutOfXServer_data()
    {
        QTest::addColumn<QByteArray>("names");
        QTest::addColumn<QString>("layout");
        const auto names = [](const char* layouts, const char* variants) {
            return QByteArray("evdev") + '\0' + "pc105" + '\0' + layouts + '\0' + variants + '\0'
                 + "grp:alt_shift_toggle" + '\0';
        };
        QTest::newRow("one layout") << names("fr", "") << "fr";
        QTest::newRow("the first of several") << names("de,us", ",") << "de";
        QTest::newRow("with its variant") << names("de,fr", "nodeadkeys,") << "de(nodeadkeys)";
        QTest::newRow("robustness: no layout") << names("", "") << "";
        QTest::newRow("robustness: too few fields") << QByteArray("evdev\0pc105", 11) << "";
        QTest::newRow("robustness: not a layout name") << names("../../etc", "") << "";
    }

    void layoutOfXServer()
    {
        QFETCH(QByteArray, names);
        QTEST(KeyboardLayout::layoutFromRulesNames(names), "layout");
    }

    // Where the map draws a bind: on the key that types the name, or by position.
    void drawnOnKey_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("byPosition");
        QTest::newRow("us: z on the Z key") << "quake"
                                            << "us" << QByteArray("bind z +jump") << QList<int>{evdev::Z} << false;
        QTest::newRow("fr: z on QWERTY's W") << "quake"
                                             << "fr" << QByteArray("bind z +jump") << QList<int>{evdev::W} << false;
        QTest::newRow("de: z on QWERTY's Y") << "quake2"
                                             << "de" << QByteArray("bind z +jump") << QList<int>{evdev::Y} << false;
        QTest::newRow("yamagi: SC_Z at the US Z position whatever the layout")
            << "yamagi"
            << "fr" << QByteArray("bind SC_Z +jump") << QList<int>{evdev::Z} << true;
        QTest::newRow("ezquake: an exec'd file binds z at the US Z position")
            << "ezquake"
            << "fr" << QByteArray("bind z +jump") << QList<int>{evdev::Z} << true;
        QTest::newRow("ezquake: with con_bindphysical 0, on the key that types z")
            << "ezquake"
            << "fr" << QByteArray("con_bindphysical 0; bind z +jump") << QList<int>{evdev::W} << false;
        QTest::newRow("quake: keypad 8 is read as the up arrow")
            << "quake"
            << "us" << QByteArray("bind UPARROW +forward") << QList<int>{103, 72} << false;
        QTest::newRow("quake2: keypad 8 is KP_UPARROW")
            << "quake2"
            << "us" << QByteArray("bind KP_UPARROW +forward") << QList<int>{72} << false;
    }

    void keyState_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("state");
        QTest::newRow("stock name") << "quake" << QByteArray("F5") << int(keymap::KeyState::Free);
        QTest::newRow("bound") << "quake" << QByteArray("MOUSE1") << int(keymap::KeyState::Bound);
        QTest::newRow("a port's name, dimmed in the stock engine")
            << "quake" << QByteArray("MOUSE4") << int(keymap::KeyState::OtherEngine);
        QTest::newRow("the same name in that port")
            << "quakespasm" << QByteArray("MOUSE4") << int(keymap::KeyState::Free);
        QTest::newRow("the console key") << "quake" << QByteArray("`") << int(keymap::KeyState::Unnamed);
    }

    void keyState()
    {
        QFETCH(QString, engine);
        QFETCH(QByteArray, key);
        const QByteArray row = "bind mouse1 +attack";
        keymap::KeymapModel model;
        model.reset(1, [&row](qsizetype, QByteArray&) { return QByteArrayView(row); });
        keymap::KeymapScene scene(*keymap::keymapEngine(engine), KeyboardLayout(QStringLiteral("us")));
        scene.update(model, {});
        const keymap::SceneKey* found = scene.keyNamed(key);
        QVERIFY(found);
        QTEST(int(found->state), "state");
    }

    void unplacedKeys_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QList<QByteArray>>("unplaced");
        QTest::newRow("joystick button") << "us" << QByteArray("bind JOY1 +attack") << QList<QByteArray>{"JOY1"};
        QTest::newRow("de has no semicolon key")
            << "de" << QByteArray("bind SEMICOLON +attack") << QList<QByteArray>{"SEMICOLON"};
        QTest::newRow("us has one") << "us" << QByteArray("bind semicolon +attack") << QList<QByteArray>{};
        QTest::newRow("a replaced binding is not counted")
            << "us" << QByteArray("bind JOY1 +attack; unbind joy1") << QList<QByteArray>{};
    }

    void unplacedKeys()
    {
        QFETCH(QString, layout);
        QFETCH(QByteArray, row);
        keymap::KeymapModel model;
        model.reset(1, [&row](qsizetype, QByteArray&) { return QByteArrayView(row); });
        keymap::KeymapScene scene(*keymap::keymapEngine(u"quake"), KeyboardLayout(layout));
        scene.update(model, {});
        QTEST(scene.unplacedKeys(), "unplaced");
    }

    void drawnOnKey()
    {
        QFETCH(QString, engine);
        QFETCH(QString, layout);
        QFETCH(QByteArray, row);
        const keymap::KeymapEngine profile = *keymap::keymapEngine(engine);
        keymap::KeymapModel model;
        model.reset(
            1, [&row](qsizetype, QByteArray&) { return QByteArrayView(row); }, profile.physicalCharacters);
        keymap::KeymapScene scene(profile, KeyboardLayout(layout));
        scene.update(model, {});
        QList<int> bound;
        bool byPosition = false;
        for (const keymap::SceneKey& each : scene.keys())
            if (each.row == 0 && each.physical.evdev != 0) {
                bound.append(each.physical.evdev);
                byPosition = each.byPosition;
            }
        QTEST(bound, "keys");
        QTEST(byPosition, "byPosition");
    }
};

QTEST_APPLESS_MAIN(TestKeyboardLayout)
#include "tst_keyboardlayout.moc"
