#include "windowtestcase.h"

#include "catalogue/frmcommands.h"
#include "editor/bindinglist.h"
#include "editor/bindingview.h"
#include "funname/frmname.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

// The menus and toolbar: one command each, the side-window toggles, undo, closing.
class TestMainActions : public WindowTestCase
{
    Q_OBJECT

private slots:
    void menuItems_data();
    void menuItems();
    void originalItemsComeFirst_data();
    void originalItemsComeFirst();
    void editKeysStayWithTheFocusedField();
    void sideWindowsExcludeEachOther();
    void ctrlFLeadsToTheCatalogueFilter_data();
    void ctrlFLeadsToTheCatalogueFilter();
    void closingEndsTheProgram();
    void toolbarEntries_data();
    void toolbarEntries();
    void undoNamesTheChange_data();
    void undoNamesTheChange();
    void sideWindowsHandTheirResultsOver();
};

void TestMainActions::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    const auto item = [](const char* name, const char* caption, const char* shortcut) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                            << QString::fromLatin1(shortcut);
    };
    item("mnuNew", "&New", "Ctrl+N");
    item("mnuOpen", "&Open...", "Ctrl+O");
    item("mnuClose", "C&lose", "Ctrl+L");
    item("mnuSave", "&Save", "Ctrl+S");
    item("mnuSaveAs", "&Save As...", "");
    item("mnuExit", "E&xit", "Ctrl+X");
    item("mnuCut", "Cu&t", "Ctrl+T");
    item("mnuCopy", "&Copy", "Ctrl+C");
    item("mnuPaste", "&Paste", "Ctrl+P");
    item("mnuDelete", "&Delete Selected", "Ctrl+D");
    item("mnuClearAll", "Clear &All", "Ctrl+A");
    item("mnuInsertC", "&Insert Comment Line", "Ctrl+I");
    item("mnuCommandList", "Show Commands List", "");
    item("mnuFunName", "Fun Name Editor", "");
    item("mnuEditColors", "&Edit Colors", "");
    item("mnuAbout", "&About...", "F1");
}

void TestMainActions::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    const QAction* action = m_window->menuItem(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QVERIFY(!action->isChecked());
}

void TestMainActions::originalItemsComeFirst_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("first"); // "-" a separator
    QTest::newRow("edit") << "mnuEdit"
                          << strings({"mnuCut", "mnuCopy", "mnuPaste", "-", "mnuDelete", "mnuClearAll", "-",
                                      "mnuInsertC", "-"});
    QTest::newRow("options") << "mnuOptions" << strings({"mnuCommandList", "mnuFunName", "-", "mnuEditColors", "-"});
}

// A player walking a menu by keys finds the first release's items where they always were;
// what came later follows them, behind a separator.
void TestMainActions::originalItemsComeFirst()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, first);
    const QMenu* shown = m_window->menuBar()->findChild<QMenu*>(menu);
    QVERIFY(shown);
    QStringList items;
    for (const QAction* action : shown->actions().first(first.size()))
        items << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    QCOMPARE(items, first);
}

void TestMainActions::editKeysStayWithTheFocusedField()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->lstBind().append(QStringLiteral("the selected row"));
    m_window->lstBind().select(1);
    QGuiApplication::clipboard()->clear();

    m_window->txtBind()->setText(QStringLiteral("+attack"));
    m_window->txtBind()->setFocus();
    m_window->txtBind()->selectAll();
    QTest::keyClick(m_window->txtBind(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("+attack"));

    // Ctrl+X cuts the field's text instead of asking to exit.
    QTest::keyClick(m_window->txtBind(), Qt::Key_X, Qt::ControlModifier);
    QVERIFY(m_window->txtBind()->text().isEmpty());
    QVERIFY(m_dialogs->calls.isEmpty());

    // In the list the same keys run the Edit menu.
    m_window->lstBindView()->setFocus();
    QTest::keyClick(m_window->lstBindView(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("the selected row"));
    m_dialogs->answerMessage(Dialogs::Answer::No);
    QTest::keyClick(m_window->lstBindView(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(m_dialogs->calls.size(), 1);
    QCOMPARE(m_dialogs->last().title, QStringLiteral("Warning"));
}

void TestMainActions::sideWindowsExcludeEachOther()
{
    QAction* commandList = m_window->menuItem(QStringLiteral("mnuCommandList"));
    QAction* funName = m_window->menuItem(QStringLiteral("mnuFunName"));
    QAction* button12 = m_window->toolbarEntry(12);
    QAction* button13 = m_window->toolbarEntry(13);

    commandList->trigger(); // from the menu
    QVERIFY(m_window->commandsWindow());
    QVERIFY(commandList->isChecked() && button12->isChecked());

    button13->trigger(); // the other one, from the toolbar: the first closes
    QVERIFY(!m_window->commandsWindow());
    QVERIFY(m_window->nameWindow());
    QVERIFY(!commandList->isChecked() && !button12->isChecked());
    QVERIFY(funName->isChecked() && button13->isChecked());

    funName->trigger(); // hiding it from the menu releases its button
    QVERIFY(!m_window->nameWindow());
    QVERIFY(!funName->isChecked() && !button13->isChecked());

    button12->trigger();
    QVERIFY(m_window->commandsWindow());
    QVERIFY(commandList->isChecked() && button12->isChecked());
    m_window->commandsWindow()->close(); // its own close box
    QVERIFY(!m_window->commandsWindow());
    QVERIFY(!commandList->isChecked() && !button12->isChecked());
}

void TestMainActions::ctrlFLeadsToTheCatalogueFilter_data()
{
    QTest::addColumn<bool>("open");
    QTest::newRow("nominal: the catalogue closed") << false;
    QTest::newRow("nominal: the catalogue open, which stays open") << true;
}

void TestMainActions::ctrlFLeadsToTheCatalogueFilter()
{
    QFETCH(bool, open);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    if (open)
        m_window->menuItem(QStringLiteral("mnuCommandList"))->trigger();
    QTest::keyClick(m_window.get(), Qt::Key_F, Qt::ControlModifier);
    const frmCommands* commands = m_window->commandsWindow();
    QVERIFY(commands);
    QCOMPARE(commands->focusWidget(), commands->txtFilter());
    QVERIFY(m_window->menuItem(QStringLiteral("mnuCommandList"))->isChecked());
}

void TestMainActions::closingEndsTheProgram()
{
    // Closing the main m_window ends the event loop at once, side windows open or not.
    m_window->show();
    m_window->menuItem(QStringLiteral("mnuFunName"))->trigger();
    QVERIFY(m_window->nameWindow());
    bool ended = false;
    QTimer::singleShot(0, m_window.get(), [this] { m_window->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // never hang the suite
    ended = QCoreApplication::exec() == 0;
    QVERIFY(ended);
}

void TestMainActions::toolbarEntries_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("item"); // the menu item whose command the button runs
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("checkButton");
    const auto entry = [](int number, const char* key, const char* tooltip, bool check) {
        QTest::addRow("entry %d", number)
            << number << QString::fromLatin1(key) << QString::fromLatin1(tooltip) << check;
    };
    entry(1, "mnuNew", "New", false);
    entry(2, "mnuOpen", "Open", false);
    entry(3, "mnuSave", "Save", false);
    entry(4, "", "", false);
    entry(5, "mnuCopy", "Copy", false);
    entry(6, "mnuCut", "Cut", false);
    entry(7, "mnuPaste", "Paste", false);
    entry(8, "", "", false);
    entry(9, "mnuDelete", "Delete", false);
    entry(10, "mnuInsertC", "Insert Comment", false);
    entry(11, "", "", false);
    entry(12, "mnuCommandList", "Commands List", true);
    entry(13, "mnuFunName", "Fun Name Editor", true);
    entry(14, "", "", false);
    entry(15, "mnuAbout", "", false);
    entry(16, "", "", false);
    entry(17, "mnuExit", "", false);
}

void TestMainActions::toolbarEntries()
{
    QFETCH(int, entry);
    QFETCH(QString, item);
    QFETCH(QString, tooltip);
    QFETCH(bool, checkButton);
    const QAction* button = m_window->toolbarEntry(entry);
    QVERIFY(button);
    QCOMPARE(button->isSeparator(), item.isEmpty());
    QVERIFY(!m_window->toolbarEntry(18));
    if (item.isEmpty())
        return;
    QCOMPARE(button, m_window->menuItem(item));
    if (!tooltip.isEmpty())
        QCOMPARE(button->toolTip(), tooltip);
    QCOMPARE(button->isCheckable(), checkButton);
    QVERIFY(!button->icon().isNull());
}

void TestMainActions::undoNamesTheChange_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("undoText");
    QTest::addColumn<QStringList>("afterwards");
    QTest::newRow("nominal: delete") << "mnuDelete"
                                     << "&Undo Delete Selected" << QStringList{QStringLiteral("b")};
    QTest::newRow("nominal: cut") << "mnuCut"
                                  << "&Undo Cut" << QStringList{QStringLiteral("b")};
    QTest::newRow("nominal: paste") << "mnuPaste"
                                    << "&Undo Paste"
                                    << QStringList{QStringLiteral("x"), QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("nominal: clear all") << "mnuClearAll"
                                        << "&Undo Clear All" << QStringList{};
}

// Every change of the list is one step back, named after the command; Ctrl+Z takes it back.
void TestMainActions::undoNamesTheChange()
{
    QFETCH(QString, item);
    QFETCH(QString, undoText);
    QFETCH(QStringList, afterwards);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->lstBind().append(QStringLiteral("a"));
    m_window->lstBind().append(QStringLiteral("b"));
    m_window->lstBind().select(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    m_dialogs->answerMessage(Dialogs::Answer::Yes);
    m_window->menuItem(item)->trigger();
    QCOMPARE(rows(), afterwards);
    QCOMPARE(m_window->menuItem(QStringLiteral("mnuUndo"))->text(), undoText);

    m_window->lstBindView()->setFocus();
    QTest::keyClick(m_window->lstBindView(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rows(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QTest::keyClick(m_window->lstBindView(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(rows(), afterwards);
}

void TestMainActions::sideWindowsHandTheirResultsOver()
{
    m_window->menuItem(QStringLiteral("mnuCommandList"))->trigger();
    for (const char* command : {"+forward", "+back", "+attack"})
        emit m_window->commandsWindow()->commandChosen(QLatin1String(command));
    QCOMPARE(m_window->txtBind()->text(), QStringLiteral("+forward;+back;+attack"));
    QCOMPARE(m_window->txtBind()->cursorPosition(), m_window->txtBind()->text().size());

    m_window->lstBind().append(QStringLiteral("bind w +forward"));
    m_window->menuItem(QStringLiteral("mnuFunName"))->trigger();
    emit m_window->nameWindow()->nameComposed(QStringLiteral("name \"ab\""));
    QCOMPARE(rows(), (QStringList{QStringLiteral("name \"ab\""), QStringLiteral("bind w +forward")}));
    QCOMPARE(m_window->menuItem(QStringLiteral("mnuUndo"))->text(), QStringLiteral("&Undo Add to Bind"));
}

QTEST_MAIN(TestMainActions)
#include "tst_mainactions.moc"
