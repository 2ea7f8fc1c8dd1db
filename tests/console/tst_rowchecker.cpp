#include "console/rowchecker.h"

#include <QTest>

using namespace console;

Q_DECLARE_METATYPE(console::Engine)

namespace {

// "code@column" for each finding of the row, apart by ", ".
QString findingsOf(const QByteArray& row, Engine engine)
{
    RowChecker checker(engine);
    checker.check(row);
    QStringList found;
    for (const Finding& finding : checker.findings())
        found << QStringLiteral("%1@%2").arg(codeOf(finding.rule)).arg(finding.column);
    return found.join(QStringLiteral(", "));
}

// An echo command of short words, length characters long (an even number).
QByteArray echoOf(int length)
{
    return "echo" + QByteArray(" x").repeated((length - 4) / 2);
}

// A bind whose quoted command is one word of length characters.
QByteArray bindOfWord(int length)
{
    return "bind x \"" + QByteArray(length, 'w') + "\"";
}

void addRow(const char* engine, const char* name, const QByteArray& row, const char* findings)
{
    QTest::addRow("%s: %s", engine, name)
        << row << *Engine::fromId(QLatin1StringView(engine)) << QString::fromLatin1(findings);
}

// The same findings in every engine named (by ids apart by spaces).
void addRows(const char* engines, const char* name, const QByteArray& row, const char* findings)
{
    for (const QByteArray& engine : QByteArray(engines).split(' '))
        addRow(engine.constData(), name, row, findings);
}

constexpr const char* Stock = "quake quakeworld quake2";

} // namespace

class TestRowChecker : public QObject
{
    Q_OBJECT

private slots:
    void findsProblems_data();
    void findsProblems();
    void recordsOnlyTopLevelBindsWithACommand();
    void tellsABindingRepeatedFromOneReplaced();
    void messagesNameTheEngineAndItsNumbers_data();
    void messagesNameTheEngineAndItsNumbers();
};

void TestRowChecker::findsProblems_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<Engine>("engine");
    QTest::addColumn<QString>("findings");
    const QByteArray longAlias(32, 'a');

    addRows(Stock, "players: bind with tabs and a comment", "bind\tmouse1\t\"+attack\"\t// fire", "");
    addRows(Stock, "players: +mlook", "+mlook", "");
    addRows(Stock, "players: zoom alias", "alias zoom \"fov 30; bind mouse2 unzoom\"", "");
    addRows(Stock, "players: print a binding", "bind x", "");
    addRows(Stock, "players: SEMICOLON", "bind SEMICOLON +jump", "");
    addRows(Stock, "players: name in quoted high glyphs", "name \"\xd0\xe5\xf2\"", "");
    addRows(Stock, "players: carriage return inside quotes is part of the binding", "bind x \"+jump\r\"", "");
    addRows(Stock, "unknown-key", "bind FOO +jump", "unknown-key@5");
    addRows(Stock, "unknown-key: empty quoted key", "bind \"\" +jump", "unknown-key@5");
    addRows(Stock, "semicolon-key: bare", "bind ; +jump", "semicolon-key@5");
    addRows(Stock, "broken-quote", "bind x \"say \"hi\"\"", "broken-quote@12");
    addRows(Stock, "broken-quote: comment after a quote is fine", "bind x \"+jump\"// jump", "");
    addRows(Stock, "unterminated-quote", "bind x \"+jump", "unterminated-quote@7");
    addRows(Stock, "unterminated-quote: a quote in a comment is fine", "+jump // \"", "");
    addRows(Stock, "command-line-syntax: +set", "+set sensitivity 3", "command-line-syntax@0");
    addRows(Stock, "command-line-syntax: +exec in an alias", "alias go \"+exec my.cfg\"", "command-line-syntax@10");
    addRows(Stock, "command-line-syntax: +map", "+MAP e1m1", "command-line-syntax@0");
    addRows(Stock, "semicolon-comment", "; my keys", "semicolon-comment@0");
    addRows(Stock, "semicolon-comment: the words run", "; bind keys", "semicolon-comment@0, unknown-key@7");
    addRows(Stock, "semicolon-comment: blanks before", "  ;echo hi", "semicolon-comment@2");
    addRows(Stock, "a lone semicolon runs nothing", " ;", "");
    addRows(Stock, "trailing-words", "bind x \"+jump\" now", "trailing-words@15");
    addRows(Stock, "trailing-words: a comment is no word", "bind x \"+jump\" // now", "");
    addRows(Stock, "several bare words are one command", "bind x say hi", "");
    addRows(Stock, "long-alias-name", "alias " + longAlias + " +jump", "long-alias-name@6");
    addRows(Stock, "alias name of 31", "alias " + longAlias.chopped(1) + " +jump", "");
    addRows(Stock, "long-line", echoOf(1024), "long-line@0");
    addRows(Stock, "long-line: each command counts alone", echoOf(1022) + ";" + echoOf(1022), "");

    // One-character keys: the character is the key code, lower-cased only by some engines.
    addRows("quake quakespasm vkquake joequake quakeworld ezquake fodquake quake2 yamagi r1q2", "dead-key",
            "bind A +jump", "dead-key@5");
    addRows("ironwail fte q2pro", "upper-case letter lower-cased", "bind A +jump", "");
    addRows(Stock, "dead-key: unbind", "unbind Q", "dead-key@7");
    addRows(Stock, "dead-key: command names ignore case", "BIND A +jump", "dead-key@5");
    addRows(Stock, "dead-key: inside an alias", "alias j \"bind A +jump\"", "dead-key@14");

    // Key names: a family's id notes what its ports have, a port's id says who has it.
    addRow("quakespasm", "gamepad key LSHOULDER is known", "bind LSHOULDER +jump", "");
    addRow("quake", "port-key: LSHOULDER", "bind LSHOULDER +jump", "port-key@5");
    addRow("quake2", "unknown-key: LSHOULDER is in no Quake 2 engine", "bind LSHOULDER +jump", "unknown-key@5");
    addRow("ezquake", "LSHIFT is known", "bind LSHIFT +jump", "");
    addRow("fte", "LSHIFT is known", "bind lshift +jump", "");
    addRow("q2pro", "LSHIFT is known", "bind LSHIFT +jump", "");
    addRow("quakeworld", "port-key: LSHIFT", "bind LSHIFT +jump", "port-key@5");
    addRow("quake2", "port-key: LSHIFT", "bind LSHIFT +jump", "port-key@5");
    addRow("yamagi", "unknown-key: LSHIFT", "bind LSHIFT +jump", "unknown-key@5");
    addRow("ezquake", "MOUSE6 is known", "bind MOUSE6 +jump", "");
    addRow("quakespasm", "unknown-key: MOUSE6", "bind MOUSE6 +jump", "unknown-key@5");
    addRow("quake", "port-key: KP_ENTER", "bind KP_ENTER +attack", "port-key@5");
    addRow("quake2", "KP_ENTER is known", "bind kp_enter +attack", "");
    addRow("quake", "port-key: BACKQUOTE", "bind BACKQUOTE toggleconsole", "port-key@5");
    addRow("yamagi", "BTN_SOUTH is known", "bind BTN_SOUTH +jump", "");
    addRow("ironwail", "unknown-key: JOY1", "bind JOY1 +jump", "unknown-key@5");
    addRow("quake", "JOY1 is known", "bind JOY1 +jump", "");

    // A quoted ";" binds the semicolon key; the Quake 2 writers that save keys bare break it.
    addRows("quake quakespasm quakeworld ezquake yamagi q2pro", "quoted semicolon key", "bind \";\" +jump", "");
    addRows("quake2 r1q2", "semicolon-key: quoted, saved bare", "bind \";\" +jump", "semicolon-key@5");

    // set and its relatives, where the engine lacks them.
    addRows("quakespasm ironwail", "set-in-quake", "set sensitivity 5", "set-in-quake@0");
    addRow("quakespasm", "set-in-quake: inside a bind", "bind x \"set a 1\"", "set-in-quake@8");
    addRows("quake quakeworld", "port-command: set", "set sensitivity 5", "port-command@0");
    addRows("vkquake joequake ezquake fte fodquake quake2 yamagi q2pro r1q2", "set", "set sensitivity 5", "");
    addRows("vkquake fte q2pro", "seta", "seta sensitivity 5", "");
    addRow("quake2", "port-command: seta", "seta sensitivity 5", "port-command@0");
    addRow("ezquake", "set-in-quake: no seta", "seta sensitivity 5", "set-in-quake@0");
    addRows("ezquake fte", "set_tp", "set_tp loc 1", "");
    addRow("fodquake", "set-in-quake: no set_calc", "set_calc x $y + 1", "set-in-quake@0");
    addRow("quake2", "set-in-quake: set_tp is in no Quake 2 engine", "set_tp loc 1", "set-in-quake@0");

    // Word and command limits.
    addRow("quake2", "long-token: 128 characters", bindOfWord(128), "long-token@7");
    addRow("quake2", "127 characters", bindOfWord(127), "");
    addRow("r1q2", "long-token: 512 characters", bindOfWord(512), "long-token@7");
    addRow("r1q2", "511 characters", bindOfWord(511), "");
    addRow("ezquake", "long-token: quoted 1023 characters", "echo \"" + QByteArray(1023, 'w') + "\"",
           "long-line@0, long-token@5");
    addRows("quake quakeworld q2pro", "no word limit of its own", bindOfWord(900), "");
    addRow("fodquake", "commands of 1399 characters", echoOf(1398), "");
    addRow("fodquake", "long-line: 1400 characters", echoOf(1400), "long-line@0");
    addRow("fte", "no line limit", echoOf(4000), "");
    addRows("fte q2pro", "no alias name limit", "alias " + longAlias + " +jump", "");

    // A ";" after "//": the end of the command, or part of the comment.
    addRows("quake quakespasm joequake quakeworld quake2 yamagi r1q2", "semicolon after // ends the command",
            "echo hi // bye; bind FOO +jump", "unknown-key@21");
    addRows("ironwail vkquake ezquake fte fodquake q2pro", "semicolon after // is comment",
            "echo hi // bye; bind FOO +jump", "");
    addRow("ezquake", "semicolon after a quoted //", "echo \"//\"; bind FOO +jump", "unknown-key@16");

    // Bytes 128-255 outside quotes: blanks in most engines, word characters in some.
    addRows("quake quakespasm quakeworld quake2 q2pro", "unquoted-high-byte", "name \xd0\xe5\xf2",
            "unquoted-high-byte@5");
    addRows("ezquake fte fodquake", "high bytes are word characters", "name \xd0\xe5\xf2", "");
    addRows(Stock, "high glyphs in a comment", "// \xd0\xe5\xf2 config", "");

    // A bare word that runs into a quote.
    addRow("quake", "a quote inside a bare word", "bind a\"+jump\"", "unknown-key@5");
    addRow("q2pro", "a bare word ends at a quote", "bind a\"+jump\"", "");
}

void TestRowChecker::findsProblems()
{
    QFETCH(QByteArray, row);
    QFETCH(Engine, engine);
    QTEST(findingsOf(row, engine), "findings");
}

void TestRowChecker::recordsOnlyTopLevelBindsWithACommand()
{
    RowChecker checker;
    checker.check("bind x; bind y +jump; alias a \"bind z +jump\"; bind Y +jump; bind FOO +jump");
    QList<qint32> columns;
    for (const Binding& binding : checker.bindings())
        columns << binding.column;
    QCOMPARE(columns, QList<qint32>({13, 51}));
}

void TestRowChecker::tellsABindingRepeatedFromOneReplaced()
{
    RowChecker checker;
    const auto commandOf = [&checker](const QByteArray& row) {
        checker.check(row);
        return checker.bindings().front().command;
    };
    QCOMPARE(commandOf("bind x \"say hi\""), commandOf("bind x say hi"));
    QVERIFY(commandOf("bind x \"say hi\"") != commandOf("bind x \"say ho\""));
}

void TestRowChecker::messagesNameTheEngineAndItsNumbers_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<Engine>("engine");
    QTest::addColumn<QString>("message");
    addRow("quake", "dead-key", "bind \"A\" +jump",
           "Quake (WinQuake / GLQuake 1.09) sends lower-case letters, so key \"A\" is never pressed; write \"a\"");
    addRow("quake", "port-key names the ports", "bind LSHOULDER +jump",
           "key \"LSHOULDER\" works only in source ports (QuakeSpasm, Ironwail, vkQuake); stock Quake (WinQuake / "
           "GLQuake 1.09) answers \"isn't a valid key\"");
    addRow("yamagi", "unknown-key names the engines that know the key", "bind LSHIFT +jump",
           "Yamagi Quake II knows no key \"LSHIFT\" and answers \"isn't a valid key\"; only JoeQuake, ezQuake, FTE "
           "QuakeWorld, Fodquake, Q2PRO know it");
    addRow("r1q2", "long-token gives the engine's limit", bindOfWord(600),
           "R1Q2 cuts this 600-character word at 511 characters; make it shorter, for example by splitting it into "
           "aliases");
    addRow("fodquake", "long-line gives the engine's limit", echoOf(1500),
           "this command is 1500 characters; Fodquake takes commands shorter than 1400; split it into aliases");
}

void TestRowChecker::messagesNameTheEngineAndItsNumbers()
{
    QFETCH(QByteArray, row);
    QFETCH(Engine, engine);
    RowChecker checker(engine);
    checker.check(row);
    QTEST(describe(checker.findings().front(), row, engine), "message");
}

QTEST_GUILESS_MAIN(TestRowChecker)
#include "tst_rowchecker.moc"
