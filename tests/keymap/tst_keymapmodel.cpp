#include "keymap/keymapmodel.h"

#include <QTest>

using keymap::KeymapModel;

namespace {

KeymapModel modelOf(const QList<QByteArray>& rows, bool physicalAtStart = false)
{
    KeymapModel model;
    model.reset(
        rows.size(), [&rows](qsizetype row, QByteArray&) { return QByteArrayView(rows[row]); }, physicalAtStart);
    return model;
}

// "row:command" for the live binding, "" for a free key.
QByteArray live(const KeymapModel& model, QByteArrayView key)
{
    const keymap::Binding* binding = model.liveBinding(key);
    return binding ? QByteArray::number(binding->row) + ':' + binding->command : QByteArray();
}

QList<int> deadRows(const KeymapModel& model, QByteArrayView key)
{
    QList<int> rows;
    for (const keymap::Binding& binding : model.bindingsOf(key))
        if (binding.dead)
            rows.append(binding.row);
    return rows;
}

} // namespace

class TestKeymapModel : public QObject
{
    Q_OBJECT

private slots:
    void bindings_data()
    {
        QTest::addColumn<QList<QByteArray>>("rows");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("live");
        QTest::addColumn<QList<int>>("dead");
        QTest::newRow("nominal: quoted command") << QList<QByteArray>{"bind F5 \"save quick\""} << QByteArray("f5")
                                                 << QByteArray("0:save quick") << QList<int>{};
        QTest::newRow("nominal: unquoted words kept as written")
            << QList<QByteArray>{"bind x say hello   there"} << QByteArray("x") << QByteArray("0:say hello   there")
            << QList<int>{};
        QTest::newRow("later bind replaces earlier ones")
            << QList<QByteArray>{"bind mouse1 +attack", "// comment", "bind MOUSE1 +jump", "bind Mouse1 +use"}
            << QByteArray("MOUSE1") << QByteArray("3:+use") << QList<int>{0, 2};
        QTest::newRow("one-character names keep their case")
            << QList<QByteArray>{"bind a +moveleft", "bind A +jump"} << QByteArray("a") << QByteArray("0:+moveleft")
            << QList<int>{};
        QTest::newRow("unbind frees the key")
            << QList<QByteArray>{"bind q +attack", "unbind q"} << QByteArray("q") << QByteArray() << QList<int>{0};
        QTest::newRow("unbindall kills every earlier bind")
            << QList<QByteArray>{"bind q +attack", "unbindall", "bind e +use"} << QByteArray("q") << QByteArray()
            << QList<int>{0};
        QTest::newRow("several commands on a row") << QList<QByteArray>{"bind w +forward; bind s +back"}
                                                   << QByteArray("s") << QByteArray("0:+back") << QList<int>{};
        QTest::newRow("a bind inside an alias binds nothing yet")
            << QList<QByteArray>{"alias setup \"bind g +attack\""} << QByteArray("g") << QByteArray() << QList<int>{};
        QTest::newRow("robustness: bind without a command binds nothing")
            << QList<QByteArray>{"bind k"} << QByteArray("k") << QByteArray() << QList<int>{};
        QTest::newRow("robustness: unclosed quote runs to the end")
            << QList<QByteArray>{"bind j \"say hi"} << QByteArray("j") << QByteArray("0:say hi") << QList<int>{};
        QTest::newRow("robustness: commented out")
            << QList<QByteArray>{"// bind h +attack"} << QByteArray("h") << QByteArray() << QList<int>{};
    }

    void bindings()
    {
        QFETCH(QList<QByteArray>, rows);
        QFETCH(QByteArray, key);
        const KeymapModel model = modelOf(rows);
        QTEST(live(model, key), "live");
        QTEST(deadRows(model, key), "dead");
    }

    void keysRunning_data()
    {
        QTest::addColumn<QList<QByteArray>>("rows");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QList<QByteArray>>("keys");
        QTest::newRow("direct") << QList<QByteArray>{"bind mouse1 +attack", "bind space +jump"} << QByteArray("+attack")
                                << QList<QByteArray>{"MOUSE1"};
        QTest::newRow("command names match without regard to case")
            << QList<QByteArray>{"bind mouse1 +ATTACK"} << QByteArray("+attack") << QList<QByteArray>{"MOUSE1"};
        QTest::newRow("among several commands") << QList<QByteArray>{"bind f \"impulse 7; +attack; wait\""}
                                                << QByteArray("+attack") << QList<QByteArray>{"f"};
        QTest::newRow("command with its argument") << QList<QByteArray>{"bind 7 \"impulse 7\"", "bind 6 \"impulse 6\""}
                                                   << QByteArray("impulse 7") << QList<QByteArray>{"7"};
        QTest::newRow("through one alias") << QList<QByteArray>{"alias foo \"+attack; wait\"", "bind mouse1 foo"}
                                           << QByteArray("+attack") << QList<QByteArray>{"MOUSE1"};
        QTest::newRow("alias defined after the bind") << QList<QByteArray>{"bind mouse1 foo", "alias foo +attack"}
                                                      << QByteArray("+attack") << QList<QByteArray>{"MOUSE1"};
        QTest::newRow("through nested aliases")
            << QList<QByteArray>{"alias a1 \"echo; a2\"", "alias a2 a3", "alias a3 \"+attack\"", "bind e a1"}
            << QByteArray("+attack") << QList<QByteArray>{"e"};
        QTest::newRow("alias cycle without the command ends")
            << QList<QByteArray>{"alias ping pong", "alias pong ping", "bind p ping"} << QByteArray("+attack")
            << QList<QByteArray>{};
        QTest::newRow("alias cycle that runs the command")
            << QList<QByteArray>{"alias ping \"pong\"", "alias pong \"ping; +attack\"", "bind p ping"}
            << QByteArray("+attack") << QList<QByteArray>{"p"};
        QTest::newRow("a replaced binding runs nothing")
            << QList<QByteArray>{"bind mouse1 +attack", "bind mouse1 +jump"} << QByteArray("+attack")
            << QList<QByteArray>{};
        QTest::newRow("the alias name itself") << QList<QByteArray>{"alias zoom \"fov 30\"", "bind z zoom"}
                                               << QByteArray("zoom") << QList<QByteArray>{"z"};
        QTest::newRow("robustness: empty query lights nothing")
            << QList<QByteArray>{"bind mouse1 +attack"} << QByteArray("  ") << QList<QByteArray>{};
    }

    void keysRunning()
    {
        QFETCH(QList<QByteArray>, rows);
        QFETCH(QByteArray, command);
        QTEST(modelOf(rows).keysRunning(command), "keys");
    }

    // Whether each bind of z was made with con_bindphysical 1.
    void physicalBinding_data()
    {
        QTest::addColumn<QList<QByteArray>>("rows");
        QTest::addColumn<bool>("physicalAtStart");
        QTest::addColumn<QList<bool>>("physical");
        QTest::newRow("exec'd in ezQuake") << QList<QByteArray>{"bind z +jump"} << true << QList<bool>{true};
        QTest::newRow("typed at the console") << QList<QByteArray>{"bind z +jump"} << false << QList<bool>{false};
        QTest::newRow("set to 1 on the way") << QList<QByteArray>{"bind z +jump", "con_bindphysical 1", "bind z +use"}
                                             << false << QList<bool>{false, true};
        QTest::newRow("with set") << QList<QByteArray>{"set con_bindphysical \"0\"", "bind z +jump"} << true
                                  << QList<bool>{false};
        QTest::newRow("on the same row") << QList<QByteArray>{"con_bindphysical 0; bind z +jump; con_bindphysical 1"}
                                         << true << QList<bool>{false};
    }

    void physicalBinding()
    {
        QFETCH(QList<QByteArray>, rows);
        QFETCH(bool, physicalAtStart);
        QList<bool> physical;
        const KeymapModel model = modelOf(rows, physicalAtStart);
        for (const keymap::Binding& binding : model.bindingsOf("z"))
            physical.append(binding.physical);
        QTEST(physical, "physical");
    }
};

QTEST_APPLESS_MAIN(TestKeymapModel)
#include "tst_keymapmodel.moc"
