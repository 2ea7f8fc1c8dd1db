#include "console/rowchecker.h"

#include <QTest>

using namespace console;

Q_DECLARE_METATYPE(console::Game)

namespace {

// "code@column" for each finding of the row, apart by ", ".
QString findingsOf(const QByteArray& row, Game game)
{
    RowChecker checker(game);
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

} // namespace

class TestRowChecker : public QObject
{
    Q_OBJECT

private slots:
    void findsProblems_data();
    void findsProblems();
    void recordsOnlyTopLevelBindsWithACommand();
    void messagesSayHowToFix();
};

void TestRowChecker::findsProblems_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<Game>("game");
    QTest::addColumn<QString>("findings");
    const auto both = [](const char* name, const QByteArray& row, const char* findings) {
        QTest::addRow("quake: %s", name) << row << Game::Quake << QString::fromLatin1(findings);
        QTest::addRow("quake2: %s", name) << row << Game::Quake2 << QString::fromLatin1(findings);
    };
    const auto in = [](Game game, const char* name, const QByteArray& row, const char* findings) {
        QTest::addRow("%s: %s", qPrintable(gameId(game)), name) << row << game << QString::fromLatin1(findings);
    };
    const QByteArray longWord(128, 'w');
    const QByteArray longAlias(32, 'a');

    both("players: bind with tabs and a comment", "bind\tmouse1\t\"+attack\"\t// fire", "");
    both("players: +mlook", "+mlook", "");
    both("players: zoom alias", "alias zoom \"fov 30; bind mouse2 unzoom\"", "");
    both("players: key name in lower case", "bind uparrow +forward", "");
    both("players: print a binding", "bind x", "");
    both("players: SEMICOLON", "bind SEMICOLON +jump", "");
    both("players: name in quoted high glyphs", "name \"\xd0\xe5\xf2\"", "");
    both("players: high glyphs in a comment", "// \xd0\xe5\xf2 config", "");
    both("dead-key: bind", "bind A +jump", "dead-key@5");
    both("dead-key: unbind", "unbind Q", "dead-key@7");
    both("dead-key: command names ignore case", "BIND A +jump", "dead-key@5");
    both("dead-key: inside an alias", "alias j \"bind A +jump\"", "dead-key@14");
    both("unknown-key", "bind FOO +jump", "unknown-key@5");
    both("unknown-key: empty quoted key", "bind \"\" +jump", "unknown-key@5");
    in(Game::Quake, "port-key: backquote", "bind BACKQUOTE toggleconsole", "port-key@5");
    in(Game::Quake2, "unknown-key: backquote", "bind BACKQUOTE toggleconsole", "unknown-key@5");
    both("port-key: MOUSE4", "bind MOUSE4 +jump", "port-key@5");
    in(Game::Quake, "port-key: KP_ENTER", "bind KP_ENTER +attack", "port-key@5");
    in(Game::Quake2, "KP_ENTER", "bind kp_enter +attack", "");
    both("semicolon-key: bare", "bind ; +jump", "semicolon-key@5");
    both("semicolon-key: quoted", "bind \";\" +jump", "semicolon-key@5");
    both("broken-quote", "bind x \"say \"hi\"\"", "broken-quote@12");
    both("broken-quote: comment after a quote is fine", "bind x \"+jump\"// jump", "");
    both("unterminated-quote", "bind x \"+jump", "unterminated-quote@7");
    both("unterminated-quote: a quote in a comment is fine", "+jump // \"", "");
    in(Game::Quake, "set-in-quake", "set sensitivity 5", "set-in-quake@0");
    in(Game::Quake, "set-in-quake: inside a bind", "bind x \"set a 1\"", "set-in-quake@8");
    in(Game::Quake2, "set", "set sensitivity 5", "");
    in(Game::Quake2, "long-token", "bind x \"" + longWord + "\"", "long-token@7");
    in(Game::Quake2, "127 characters", "bind x \"" + longWord.chopped(1) + "\"", "");
    in(Game::Quake, "no long-token", "bind x \"" + longWord + "\"", "");
    both("long-line", echoOf(1024), "long-line@0");
    both("long-line: each command counts alone", echoOf(1022) + ";" + echoOf(1022), "");
    both("unquoted-high-byte", "name \xd0\xe5\xf2", "unquoted-high-byte@5");
    both("long-alias-name", "alias " + longAlias + " +jump", "long-alias-name@6");
    both("alias name of 31", "alias " + longAlias.chopped(1) + " +jump", "");
}

void TestRowChecker::findsProblems()
{
    QFETCH(QByteArray, row);
    QFETCH(Game, game);
    QTEST(findingsOf(row, game), "findings");
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

void TestRowChecker::messagesSayHowToFix()
{
    const QByteArray row = "bind \"A\" +jump";
    RowChecker checker;
    checker.check(row);
    QCOMPARE(describe(checker.findings().front(), row, Game::Quake),
             u"the game sends lower-case letters, so key \"A\" is never pressed; write \"a\""_qs);
}

QTEST_GUILESS_MAIN(TestRowChecker)
#include "tst_rowchecker.moc"
