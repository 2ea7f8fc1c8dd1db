#include "console/bindingtext.h"

#include <QTest>

using namespace console;

// The text with the cursor marked by '|'.
static std::pair<QString, qsizetype> withCursor(const char* marked)
{
    QString text = QString::fromUtf8(marked);
    const qsizetype cursor = text.indexOf(u'|');
    text.remove(cursor, 1);
    return {text, cursor};
}

class TestBindingText : public QObject
{
    Q_OBJECT

private slots:
    void findsTheWordTyped_data();
    void findsTheWordTyped();
    void completionReplacesTheWord_data();
    void completionReplacesTheWord();
    void findsTheCommandAtTheCursor_data();
    void findsTheCommandAtTheCursor();
};

void TestBindingText::findsTheWordTyped_data()
{
    QTest::addColumn<QString>("marked");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("word"); // all that a completion replaces
    const auto row = [](const char* name, const char* marked, bool found, const char* prefix, const char* word) {
        QTest::newRow(name) << QString::fromUtf8(marked) << found << QString::fromUtf8(prefix)
                            << QString::fromUtf8(word);
    };
    row("empty field", "|", true, "", "");
    row("first word", "+att|", true, "+att", "+att");
    row("after a ;", "+attack;+ju|", true, "+ju", "+ju");
    row("after a ; and blanks", "+attack; \t+ju|", true, "+ju", "+ju");
    row("right after a ;", "+attack;|", true, "", "");
    row("after a quote", "\"+att|", true, "+att", "+att");
    row("after a quote after a ;", "wait; \"imp|", true, "imp", "imp");
    row("after the last ; only", "a;b;c|", true, "c", "c");
    row("middle of a line: up to the cursor, the rest kept", "+att|;+jump", true, "+att", "+att");
    row("inside a word: the whole word is replaced", "+at|tack;+jump", true, "+at", "+attack");
    row("word ends at a blank", "sa| hello", true, "sa", "sa");
    row("among the arguments: nothing", "say hel|", false, "", "");
    row("after an argument's blank: nothing", "impulse |", false, "", "");
    row("inside a quoted argument: nothing", "say \"hi|", false, "", "");
}

void TestBindingText::findsTheWordTyped()
{
    QFETCH(QString, marked);
    QFETCH(bool, found);
    QFETCH(QString, prefix);
    QFETCH(QString, word);
    const auto [text, cursor] = withCursor(marked.toUtf8().constData());
    const std::optional<CompletionWord> completion = completionWordAt(text, cursor);
    QCOMPARE(completion.has_value(), found);
    if (!completion)
        return;
    QCOMPARE(completion->prefix(text).toString(), prefix);
    QCOMPARE(QStringView(text).sliced(completion->start, completion->end - completion->start).toString(), word);
}

void TestBindingText::completionReplacesTheWord_data()
{
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("completed"); // with the cursor after the name
    QTest::newRow("prefix in another case") << "+ATT|"
                                            << "+attack"
                                            << "+attack|";
    QTest::newRow("middle of a line") << "wait;+at|tack;wait"
                                      << "+attack"
                                      << "wait;+attack|;wait";
    QTest::newRow("arguments after the word kept") << "sa| hello"
                                                   << "say_team"
                                                   << "say_team| hello";
}

void TestBindingText::completionReplacesTheWord()
{
    QFETCH(QString, marked);
    QFETCH(QString, name);
    QFETCH(QString, completed);
    const auto [text, cursor] = withCursor(marked.toUtf8().constData());
    const Completed result = complete(text, *completionWordAt(text, cursor), name);
    QCOMPARE(QString(result.text).insert(result.cursor, u'|'), completed);
}

void TestBindingText::findsTheCommandAtTheCursor_data()
{
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "|" << QString();
    QTest::newRow("on the name") << "+at|tack"
                                 << "+attack";
    QTest::newRow("just after the name") << "+attack|"
                                         << "+attack";
    QTest::newRow("among the arguments") << "fov 9|0"
                                         << "fov";
    QTest::newRow("second command") << "+attack; wait; say h|i"
                                    << "say";
    QTest::newRow("between commands") << "+attack;| wait" << QString();
    QTest::newRow("inside a quoted alias body") << "alias zoom \"fov 30; sensitivity| 2\""
                                                << "sensitivity";
    QTest::newRow("on the alias itself") << "ali|as zoom \"fov 30\""
                                         << "alias";
    QTest::newRow("in a comment") << "wait // say h|i" << QString();
}

void TestBindingText::findsTheCommandAtTheCursor()
{
    QFETCH(QString, marked);
    QFETCH(QString, name);
    const auto [text, cursor] = withCursor(marked.toUtf8().constData());
    const QByteArray bytes = text.toLatin1();
    QCOMPARE(QString::fromLatin1(commandNameAt(bytes, cursor)), name);
}

QTEST_APPLESS_MAIN(TestBindingText)
#include "tst_bindingtext.moc"
