#include "console/bindingtext.h"

#include <QTest>

using namespace console;

// The text with the cursor marked by '|'.
static std::pair<QString, qsizetype> withCursor(const QString& marked)
{
    QString text = marked;
    const qsizetype cursor = text.indexOf(u'|');
    text.remove(cursor, 1);
    return {text, cursor};
}

class TestBindingText : public QObject
{
    Q_OBJECT

private slots:
    void findsTheWordTyped_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("word"); // all that a completion replaces
        const auto row = [](const char* name, const char* marked, bool found, const char* prefix, const char* word) {
            QTest::newRow(name) << QString::fromUtf8(marked) << found << QString::fromUtf8(prefix)
                                << QString::fromUtf8(word);
        };
        row("after a ; and blanks", "+attack; \t+ju|", true, "+ju", "+ju");
        row("right after a ;", "+attack;|", true, "", "");
        row("after the last ; only", "a;b;c|", true, "c", "c");
        row("after a quote after a ;", "wait; \"imp|", true, "imp", "imp");
        row("inside a word: the whole word is replaced", "+at|tack;+jump", true, "+at", "+attack");
        row("word ends at a blank", "sa| hello", true, "sa", "sa");
        row("after an argument's blank: nothing", "impulse |", false, "", "");
    }

    void findsTheWordTyped()
    {
        QFETCH(QString, marked);
        QFETCH(bool, found);
        QFETCH(QString, prefix);
        QFETCH(QString, word);
        const auto [text, cursor] = withCursor(marked);
        const std::optional<CompletionWord> completion = completionWordAt(text, cursor);
        QCOMPARE(completion.has_value(), found);
        if (!completion)
            return;
        QCOMPARE(completion->prefix(text).toString(), prefix);
        QCOMPARE(QStringView(text).sliced(completion->start, completion->end - completion->start).toString(), word);
    }

    void findsTheCommandAtTheCursor_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* name, const char* marked, const char* command) {
            QTest::newRow(name) << QString::fromUtf8(marked) << QString::fromUtf8(command);
        };
        row("just after the name", "+attack|", "+attack");
        row("second command, among its arguments", "+attack; wait; say h|i", "say");
        row("between commands", "+attack;| wait", "");
        row("inside a quoted alias body", "alias zoom \"fov 30; sensitivity| 2\"", "sensitivity");
        row("on the alias itself", "ali|as zoom \"fov 30\"", "alias");
        row("in a comment", "wait // say h|i", "");
    }

    void findsTheCommandAtTheCursor()
    {
        QFETCH(QString, marked);
        QFETCH(QString, name);
        const auto [text, cursor] = withCursor(marked);
        const QByteArray bytes = text.toLatin1();
        QCOMPARE(QString::fromLatin1(commandNameAt(bytes, cursor)), name);
    }
};

QTEST_APPLESS_MAIN(TestBindingText)
#include "tst_bindingtext.moc"
