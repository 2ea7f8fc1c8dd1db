#include "console/commandwalker.h"

#include <QTest>

using namespace console;

namespace {

// "column:word" for each word, quoted words with their quotes as found, commands apart by " / ".
QString layout(const QByteArray& row, const Syntax& syntax = {})
{
    TokenizedRow tokens;
    tokenize(row, syntax, tokens);
    QStringList commands;
    for (const Command& command : tokens.commands) {
        QStringList words;
        for (const Word& word : tokens.wordsOf(command))
            words << QStringLiteral("%1:%2")
                         .arg(word.column)
                         .arg(QString::fromLatin1(row.sliced(word.column, word.end() - word.column)));
        commands << words.join(u' ');
    }
    return commands.join(QStringLiteral(" / "));
}

} // namespace

class TestScriptTokenizer : public QObject
{
    Q_OBJECT

private slots:
    void splitsLikeTheEngines_data();
    void splitsLikeTheEngines();
    void splitsAsEachEngine_data();
    void splitsAsEachEngine();
    void walksIntoBindsAndAliases();
    void wideRowsBecomeLatin1();
};

void TestScriptTokenizer::splitsLikeTheEngines_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("layout");
    const auto row = [](const char* name, const QByteArray& text, const char* layout) {
        QTest::newRow(name) << text << QString::fromLatin1(layout);
    };
    row("nominal: bind", "bind x +jump", "0:bind 5:x 7:+jump");
    row("nominal: tabs between words", "bind\tx\t\"+attack\"", "0:bind 5:x 7:\"+attack\"");
    row("quotes group a ';'", "bind x \"+jump; say hi\"", "0:bind 5:x 7:\"+jump; say hi\"");
    row("';' splits commands", "+mlook;wait;-mlook", "0:+mlook / 7:wait / 12:-mlook");
    row("no escape: a backslash is ordinary", "say \"a\\\"b\"", "0:say 4:\"a\\\" 8:b\"");
    row("comment after a command", "bind x +jump // jump", "0:bind 5:x 7:+jump");
    row("comment stops at ';'", "bind x +jump // a; say hi", "0:bind 5:x 7:+jump / 19:say 23:hi");
    row("'//' inside a word is no comment", "echo http://x", "0:echo 5:http://x");
    row("quote in a comment hides ';'", "// \"; bind a b", "");
    row("high bytes are blanks outside quotes",
        "name \xff\xfe"
        "AB",
        "0:name 7:AB");
    row("high bytes kept inside quotes",
        "name \"\xff"
        "A\"",
        "0:name 5:\"\xff"
        "A\"");
    row("unclosed quote runs to the end", "bind x \"+jump; say hi", "0:bind 5:x 7:\"+jump; say hi");
    row("a quote inside ends the word", "bind x \"say \"hi\"\"", "0:bind 5:x 7:\"say \" 13:hi\"\"");
    row("bare ';' as the key", "bind ; +jump", "0:bind / 7:+jump");
    row("empty row", "", "");
}

void TestScriptTokenizer::splitsLikeTheEngines()
{
    QFETCH(QByteArray, row);
    QTEST(layout(row), "layout");
}

void TestScriptTokenizer::splitsAsEachEngine_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("layout");
    const auto row = [](const char* engine, const char* name, const QByteArray& text, const char* layout) {
        QTest::addRow("%s: %s", engine, name) << text << QString::fromLatin1(engine) << QString::fromLatin1(layout);
    };
    row("quake", "';' after '//' ends the command", "echo a // b; echo c", "0:echo 5:a / 13:echo 18:c");
    row("ezquake", "';' after '//' is comment", "echo a // b; echo c", "0:echo 5:a");
    row("ironwail", "'//' in quotes hides nothing", "echo \"//\"; echo c", "0:echo 5:\"//\" / 11:echo 16:c");
    row("ezquake", "high bytes are word characters",
        "name \xff\xfe"
        "AB",
        "0:name 5:\xff\xfe"
        "AB");
    row("quake", "a bare word runs through a quote", "echo a\"b c\"", "0:echo 5:a\"b 9:c\"");
    row("q2pro", "a bare word ends at a quote", "echo a\"b c\"", "0:echo 5:a 6:\"b c\"");
}

void TestScriptTokenizer::splitsAsEachEngine()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, engine);
    QTEST(layout(row, Syntax::of(Engine::fromId(engine)->profile())), "layout");
}

void TestScriptTokenizer::walksIntoBindsAndAliases()
{
    const QByteArray row = "alias j \"bind a +jump; say x\"; bind b echo hi";
    QStringList visited;
    CommandWalker walker;
    walker.walk(row, [&](const CommandView& view) {
        QStringList words;
        for (const Word& word : view.words)
            words << QString::fromLatin1(word.text(row));
        visited << QStringLiteral("%1:%2").arg(view.depth).arg(words.join(u' '));
    });
    const QStringList expected = {u"0:alias j bind a +jump; say x"_qs,
                                  u"1:bind a +jump"_qs,
                                  u"2:+jump"_qs,
                                  u"1:say x"_qs,
                                  u"0:bind b echo hi"_qs,
                                  u"1:echo hi"_qs};
    QCOMPARE(visited, expected);
}

void TestScriptTokenizer::wideRowsBecomeLatin1()
{
    QByteArray scratch;
    const QString wide = QStringLiteral("say \u00e9\u20ac");
    QCOMPARE(latin1Bytes(wide, scratch), QByteArrayView("say \xe9?"));
    const QByteArray narrow = "say x";
    QCOMPARE(latin1Bytes(QLatin1StringView(narrow), scratch).data(), narrow.data());
}

QTEST_GUILESS_MAIN(TestScriptTokenizer)
#include "tst_scripttokenizer.moc"
