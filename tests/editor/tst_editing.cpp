#include "windowtestcase.h"

#include "editor/bindinglist.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

// The Edit menu's commands, Exit, and what becomes of unsaved changes.
class TestEditing : public WindowTestCase
{
    Q_OBJECT

private slots:
    void clearAllWarnsFirst();
    void insertCommentGoesOnTop();
    void clipboardCommands();
    void pastePosition();
    void commandsNeedASelection();
    void exitAnsweredNo();
    void unsavedChangesAreOffered_data();
    void unsavedChangesAreOffered();
};

void TestEditing::clearAllWarnsFirst()
{
    writeFile(QStringLiteral("a.cfg"), "a\r\nb\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    m_dialogs->answerMessage(Dialogs::Answer::No);
    m_window->menuItem(QStringLiteral("mnuClearAll"))->trigger();
    const ScriptedDialogs::Call warning = m_dialogs->last();
    QCOMPARE(warning.title, QStringLiteral("Warning"));
    QCOMPARE(warning.text, QStringLiteral("If you procede, you'll lose all bindings thus far.\r\n\r\n"
                                          "Do you wish to procede?"));
    QCOMPARE(warning.icon, Dialogs::Icon::Information);
    QCOMPARE(warning.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(m_window->lstBind().count(), 2);

    m_dialogs->answerMessage(Dialogs::Answer::Yes);
    m_window->menuItem(QStringLiteral("mnuClearAll"))->trigger();
    QCOMPARE(m_window->lstBind().count(), 0);
    QCOMPARE(m_window->caption(), path(QStringLiteral("a.cfg")));
    m_window->menuItem(QStringLiteral("mnuSave"))->trigger(); // the cleared list still belongs to its file
    QCOMPARE(readFile(QStringLiteral("a.cfg")), QByteArray());
}

void TestEditing::insertCommentGoesOnTop()
{
    m_window->lstBind().append(QStringLiteral("bind a \"x\""));
    m_dialogs->answerInput(QStringLiteral("Created by : Vantor's Bind Utility"));
    m_dialogs->answerInput(QStringLiteral("newer"));
    m_window->menuItem(QStringLiteral("mnuInsertC"))->trigger();
    m_window->menuItem(QStringLiteral("mnuInsertC"))->trigger();
    m_window->menuItem(QStringLiteral("mnuInsertC"))->trigger(); // cancelled
    QCOMPARE(m_dialogs->calls.first().text, QStringLiteral("Please type your comment message"));
    QCOMPARE(m_dialogs->calls.first().title, QStringLiteral("Insert Comment"));
    QCOMPARE(m_dialogs->calls.first().defaultText, QStringLiteral("Created by : Vantor's Bind Utility"));
    QCOMPARE(rows(), strings({"//newer", "//Created by : Vantor's Bind Utility", "bind a \"x\""}));
}

void TestEditing::clipboardCommands()
{
    BindingList& list = m_window->lstBind();
    for (const char* row : {"one", "two", "three"})
        list.append(QLatin1String(row));
    list.select(2);
    m_window->menuItem(QStringLiteral("mnuCopy"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("two"));

    m_window->menuItem(QStringLiteral("mnuCut"))->trigger();
    QCOMPARE(rows(), strings({"one", "three"}));
    list.select(2);
    m_window->menuItem(QStringLiteral("mnuPaste"))->trigger(); // cut then paste at the same position restores it
    QCOMPARE(rows(), strings({"one", "two", "three"}));

    list.select(1);
    m_window->menuItem(QStringLiteral("mnuDelete"))->trigger();
    QCOMPARE(rows(), strings({"two", "three"}));
}

void TestEditing::pastePosition()
{
    BindingList& list = m_window->lstBind();
    list.append(QStringLiteral("first"));
    list.append(QStringLiteral("last"));
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    list.select(1);
    m_window->menuItem(QStringLiteral("mnuPaste"))->trigger();
    QCOMPARE(rows(), strings({"pasted", "first", "last"}));
    list.select(3);
    m_window->menuItem(QStringLiteral("mnuPaste"))->trigger(); // never below the selected row
    QCOMPARE(rows(), strings({"pasted", "first", "pasted", "last"}));
    QGuiApplication::clipboard()->clear();
    list.select(1);
    m_window->menuItem(QStringLiteral("mnuPaste"))->trigger();
    QCOMPARE(list.text(1), QString());
}

void TestEditing::commandsNeedASelection()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    m_window->lstBind().append(QStringLiteral("row"));
    m_window->menuItem(QStringLiteral("mnuCopy"))->trigger();
    m_window->menuItem(QStringLiteral("mnuCut"))->trigger();
    m_window->menuItem(QStringLiteral("mnuPaste"))->trigger();
    m_window->menuItem(QStringLiteral("mnuDelete"))->trigger();
    QCOMPARE(rows(), strings({"row"}));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("clip"));
    QVERIFY(m_dialogs->calls.isEmpty());
}

void TestEditing::exitAnsweredNo()
{
    m_window->lstBind().append(QStringLiteral("row"));
    m_dialogs->answerMessage(Dialogs::Answer::No);
    m_window->menuItem(QStringLiteral("mnuExit"))->trigger();
    QCOMPARE(m_dialogs->last().title, QStringLiteral("Confirm"));
    QCOMPARE(m_dialogs->last().text, QStringLiteral("Do you really want to Exit"));
    QCOMPARE(m_dialogs->last().icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs->last().buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(m_window->lstBind().count(), 1);
}

void TestEditing::unsavedChangesAreOffered_data()
{
    QTest::addColumn<QString>("command"); // a menu item, or "close box"
    QTest::addColumn<bool>("changed");
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<int>("rowsAfter");
    QTest::addColumn<QByteArray>("fileAfter");
    const QStringList save{QStringLiteral("Close File")};
    const QByteArray original("bind a +attack\r\n");
    const QByteArray saved("bind a +attack\r\nbind b +jump\r\n");
    using A = Dialogs::Answer;
    QTest::newRow("new, changed, Cancel: the rows stay") << "mnuNew" << true << A::Cancel << save << 2 << original;
    QTest::newRow("new, changed, No: emptied unsaved") << "mnuNew" << true << A::No << save << 0 << original;
    QTest::newRow("new, changed, Yes: saved, then emptied") << "mnuNew" << true << A::Yes << save << 0 << saved;
    QTest::newRow("new, unchanged: asks nothing") << "mnuNew" << false << A::Cancel << QStringList() << 0 << original;
    QTest::newRow("open, changed, Cancel: no dialog") << "mnuOpen" << true << A::Cancel << save << 2 << original;
    QTest::newRow("recent, changed, No: the recent file opens")
        << "mnuFileMRU2" << true << A::No << save << 3 << original;
    QTest::newRow("close box, changed, Cancel: the window stays")
        << "close box" << true << A::Cancel << save << 2 << original;
    QTest::newRow("close box, changed, Yes: saved") << "close box" << true << A::Yes << save << 2 << saved;
    QTest::newRow("exit, changed, Cancel: one question") << "mnuExit" << true << A::Cancel << save << 2 << original;
}

// New, Open, a recent file, Exit and the close box never throw away a changed list unasked.
void TestEditing::unsavedChangesAreOffered()
{
    QFETCH(QString, command);
    QFETCH(bool, changed);
    QFETCH(Dialogs::Answer, answer);
    QFETCH(QStringList, asked);
    QFETCH(int, rowsAfter);
    QFETCH(QByteArray, fileAfter);
    writeFile(QStringLiteral("a.cfg"), "bind a +attack\r\n");
    writeFile(QStringLiteral("b.cfg"), "bind x +back\r\nbind y +left\r\nbind z +right\r\n");
    openFile(path(QStringLiteral("b.cfg")));
    openFile(path(QStringLiteral("a.cfg")));
    if (changed)
        m_window->document().appendRow(QStringLiteral("bind b +jump"), QStringLiteral("Add"));
    m_dialogs->calls.clear();
    m_dialogs->answerMessage(answer);

    if (command == QLatin1String("close box"))
        QCOMPARE(m_window->close(), answer != Dialogs::Answer::Cancel);
    else
        m_window->menuItem(command)->trigger();
    QStringList titles;
    for (const ScriptedDialogs::Call& call : m_dialogs->calls)
        titles << call.title;
    QCOMPARE(titles, asked);
    QCOMPARE(m_window->lstBind().count(), rowsAfter);
    QCOMPARE(readFile(QStringLiteral("a.cfg")), fileAfter);
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
