#include "catalogue/frmcommands.h"
#include "editor/bindingline.h"
#include "editor/bindinglist.h"
#include "editor/bindingview.h"
#include "editor/frmmain.h"
#include "funname/frmname.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using Call = ScriptedDialogs::Call;

class TestFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void composesTheLine_data();
    void composesTheLine();
    void addAsksForTheBindingFirst();
    void addAsksForTheKey();
    void afterAddTheKeyFieldHasFocus();
    void enterInAFieldRunsAdd();
    void typedFieldsStayAsTyped_data();
    void typedFieldsStayAsTyped();
    void choosingATypeMovesToTheKey();
    void offersTheKeysInOrder();

    void editInPlace_data();
    void editInPlace();
    void editWithNoSelectionDoesNothing();
    void rightClickShowsTheEditMenu();

    void menuItems_data();
    void menuItems();
    void editKeysStayWithTheFocusedField();
    void sideWindowsExcludeEachOther();
    void closingEndsTheProgram();
    void toolbarEntries_data();
    void toolbarEntries();
    void undoNamesTheChange_data();
    void undoNamesTheChange();
    void sideWindowsHandTheirResultsOver();

private:
    QStringList rows() const
    {
        QStringList texts;
        for (int row = 1; row <= window->lstBind().count(); ++row)
            texts << window->lstBind().text(row);
        return texts;
    }

    std::unique_ptr<frmMain> window;
    std::unique_ptr<ScriptedDialogs> dialogs;
};

void TestFrmMain::init()
{
    dialogs = std::make_unique<ScriptedDialogs>();
    window = std::make_unique<frmMain>();
}

void TestFrmMain::cleanup()
{
    window.reset();
    dialogs.reset();
}

void TestFrmMain::composesTheLine_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("binding");
    QTest::addColumn<QString>("line");
    QTest::newRow("nominal: bind") << "bind" << "a" << "+attack" << "bind a \"+attack\"";
    QTest::newRow("nominal: set names the variable") << "set" << "sensitivity" << "5" << "set sensitivity \"5\"";
    QTest::newRow("nominal: any typed type word") << "echo" << "f1" << "x" << "echo f1 \"x\"";
    QTest::newRow("nominal: empty type starts with a space") << "" << "a" << "x" << " a \"x\"";
    QTest::newRow("nominal: quotes and semicolons left as typed")
        << "alias" << "zoom" << "say \"hi\";wait" << "alias zoom \"say \"hi\";wait\"";
    QTest::newRow("nominal: spaces kept") << "bind" << " b " << " +jump " << "bind  b  \" +jump \"";
    QTest::newRow("mend: the semicolon key is written by name") << "bind" << ";" << "+jump"
                                                                 << "bind SEMICOLON \"+jump\"";
    QTest::newRow("nominal: a key holding a semicolon is as typed") << "bind" << ";;" << "x" << "bind ;; \"x\"";
    const QString longText(100'000, u'x');
    QTest::newRow("mend: a long binding text is kept whole")
        << "bind" << "a" << longText << QStringLiteral("bind a \"%1\"").arg(longText);
}

void TestFrmMain::composesTheLine()
{
    QFETCH(QString, type);
    QFETCH(QString, key);
    QFETCH(QString, binding);
    QFETCH(QString, line);
    window->cmbType()->setEditText(type);
    window->txtKey()->setEditText(key);
    window->txtBind()->setText(binding);
    window->cmdAdd_Click();
    QCOMPARE(window->lstBind().count(), 1);
    QCOMPARE(window->lstBind().text(1), line);
    QVERIFY(dialogs->calls.isEmpty());
}

void TestFrmMain::addAsksForTheBindingFirst()
{
    window->txtKey()->setEditText(QString());
    window->txtBind()->clear();
    window->cmdAdd_Click();
    QCOMPARE(dialogs->calls.size(), 1);
    const Call& call = dialogs->last();
    QCOMPARE(call.title, QStringLiteral("Error"));
    QCOMPARE(call.text, QStringLiteral("You must fill in the binding space"));
    QCOMPARE(call.icon, Dialogs::Icon::Critical);
    QCOMPARE(call.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(window->lstBind().count(), 0);
}

void TestFrmMain::addAsksForTheKey()
{
    window->txtKey()->setEditText(QString());
    window->txtBind()->setText(QStringLiteral("+attack"));
    window->cmdAdd_Click();
    QCOMPARE(dialogs->calls.size(), 1);
    QCOMPARE(dialogs->last().text, QStringLiteral("You must fill in the key space"));
    QCOMPARE(dialogs->last().title, QStringLiteral("Error"));
    QCOMPARE(dialogs->last().icon, Dialogs::Icon::Critical);
    QCOMPARE(window->lstBind().count(), 0);
    QCOMPARE(window->txtBind()->text(), QStringLiteral("+attack"));
}

void TestFrmMain::afterAddTheKeyFieldHasFocus()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->cmbType()->setEditText(QStringLiteral("alias"));
    window->txtKey()->setEditText(QStringLiteral("mouse2"));
    window->txtBind()->setText(QStringLiteral("+jump"));
    window->txtBind()->setFocus();
    window->cmdAdd_Click();
    QCOMPARE(window->cmbType()->currentText(), QStringLiteral("alias"));
    QCOMPARE(window->txtKey()->currentText(), QStringLiteral("mouse2"));
    QVERIFY(window->txtBind()->text().isEmpty());
    QTRY_VERIFY(window->txtKey()->hasFocus());

    window->cmdAdd_Click();
    QCOMPARE(dialogs->last().text, QStringLiteral("You must fill in the binding space"));
    QCOMPARE(window->lstBind().count(), 1);
}

void TestFrmMain::enterInAFieldRunsAdd()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->txtBind()->setText(QStringLiteral("+forward"));
    window->txtBind()->setFocus();
    QTest::keyClick(window->txtBind(), Qt::Key_Return);
    QCOMPARE(window->lstBind().count(), 1);
    QCOMPARE(window->lstBind().text(1), QStringLiteral("bind a \"+forward\""));
}

void TestFrmMain::typedFieldsStayAsTyped_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("line");
    QTest::newRow("mend: an upper-case key is not matched to the list") << "bind" << "A" << "bind A \"x\"";
    QTest::newRow("mend: a capitalised type is not matched to the list") << "Bind" << "a" << "Bind a \"x\"";
    QTest::newRow("mend: no completion of a partial key") << "bind" << "pg" << "bind pg \"x\"";
    QTest::newRow("mend: a new word does not join the list") << "bind" << "kp_enter" << "bind kp_enter \"x\"";
}

// Typed key by key and ended with Enter in the field, as a player does.
void TestFrmMain::typedFieldsStayAsTyped()
{
    QFETCH(QString, type);
    QFETCH(QString, key);
    QFETCH(QString, line);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    for (auto [field, text] : {std::pair{window->cmbType(), type}, std::pair{window->txtKey(), key}}) {
        field->lineEdit()->clear();
        field->setFocus();
        QTest::keyClicks(field->lineEdit(), text);
        QCOMPARE(field->currentText(), text);
    }
    window->txtBind()->setText(QStringLiteral("x"));
    QTest::keyClick(window->txtKey()->lineEdit(), Qt::Key_Return);
    QCOMPARE(window->lstBind().text(1), line);
    QCOMPARE(window->txtKey()->count(), 85);
    QCOMPARE(window->cmbType()->count(), 3);
}

void TestFrmMain::choosingATypeMovesToTheKey()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->cmbType()->setFocus();
    emit window->cmbType()->activated(1);
    QTRY_VERIFY(window->txtKey()->hasFocus());
}

void TestFrmMain::offersTheKeysInOrder()
{
    const QComboBox* keys = window->txtKey();
    QCOMPARE(keys->count(), 85);
    QCOMPARE(keys->currentText(), QStringLiteral("a"));
    QCOMPARE(keys->itemText(0), QStringLiteral("a"));
    QCOMPARE(keys->itemText(25), QStringLiteral("z"));
    QCOMPARE(keys->itemText(26), QStringLiteral("0"));
    QCOMPARE(keys->itemText(36), QStringLiteral("\\"));
    QCOMPARE(keys->itemText(40), QStringLiteral(";"));
    QCOMPARE(keys->itemText(48), QStringLiteral("*"));
    QCOMPARE(keys->itemText(49), QStringLiteral("f1"));
    QCOMPARE(keys->itemText(61), QStringLiteral("enter"));
    QCOMPARE(keys->itemText(84), QStringLiteral("tab"));
    QCOMPARE(window->cmbType()->currentText(), QStringLiteral("bind"));
    QCOMPARE(window->cmbType()->count(), 3);
}

void TestFrmMain::editInPlace_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QStringList>("answers"); // empty list: Cancel
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("asked");
    QTest::newRow("nominal: answer replaces the row") << "bind a \"x\"" << QStringList{QStringLiteral("bind b \"y\"")}
                                                      << "bind b \"y\"" << true;
    QTest::newRow("nominal: cancel keeps the row") << "bind a \"x\"" << QStringList{} << "bind a \"x\"" << true;
    QTest::newRow("nominal: empty answer keeps the row") << "bind a \"x\"" << QStringList{QString()}
                                                         << "bind a \"x\"" << true;
    QTest::newRow("nominal: an empty row asks nothing") << "" << QStringList{} << "" << false;
}

void TestFrmMain::editInPlace()
{
    QFETCH(QString, row);
    QFETCH(QStringList, answers);
    QFETCH(QString, result);
    QFETCH(bool, asked);
    for (const QString& answer : answers)
        dialogs->answerInput(answer);
    window->lstBind().append(QStringLiteral("first"));
    window->lstBind().append(row);
    window->lstBind().select(2);
    window->lstBind_DblClick();
    QCOMPARE(window->lstBind().text(2), result);
    QCOMPARE(window->lstBind().text(1), QStringLiteral("first"));
    QCOMPARE(dialogs->calls.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(dialogs->last().kind, ScriptedDialogs::Kind::Input);
        QCOMPARE(dialogs->last().text, QStringLiteral("Enter the updated text."));
        QCOMPARE(dialogs->last().title, QStringLiteral("Edit Command"));
        QCOMPARE(dialogs->last().defaultText, row);
    }
}

void TestFrmMain::editWithNoSelectionDoesNothing()
{
    window->lstBind().append(QStringLiteral("row"));
    window->lstBind_DblClick();
    QVERIFY(dialogs->calls.isEmpty());
}

void TestFrmMain::rightClickShowsTheEditMenu()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QWidget* viewport = window->lstBindView()->viewport();
    emit window->lstBindView()->customContextMenuRequested(viewport->rect().center());
    QTRY_VERIFY(window->mnuEdit()->isVisible());
    window->mnuEdit()->close();
}

void TestFrmMain::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    const auto item = [](const char* name, const char* caption, const char* shortcut) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption) << QString::fromLatin1(shortcut);
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

void TestFrmMain::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    const QAction* action = window->menuItem(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QVERIFY(!action->isChecked());
}

void TestFrmMain::editKeysStayWithTheFocusedField()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->lstBind().append(QStringLiteral("the selected row"));
    window->lstBind().select(1);
    QGuiApplication::clipboard()->clear();

    window->txtBind()->setText(QStringLiteral("+attack"));
    window->txtBind()->setFocus();
    window->txtBind()->selectAll();
    QTest::keyClick(window->txtBind(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("+attack"));

    // Ctrl+X cuts the field's text instead of asking to exit.
    QTest::keyClick(window->txtBind(), Qt::Key_X, Qt::ControlModifier);
    QVERIFY(window->txtBind()->text().isEmpty());
    QVERIFY(dialogs->calls.isEmpty());

    // In the list the same keys run the Edit menu.
    window->lstBindView()->setFocus();
    QTest::keyClick(window->lstBindView(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("the selected row"));
    dialogs->answerMessage(Dialogs::Answer::No);
    QTest::keyClick(window->lstBindView(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(dialogs->calls.size(), 1);
    QCOMPARE(dialogs->last().title, QStringLiteral("Warning"));
}

void TestFrmMain::sideWindowsExcludeEachOther()
{
    QAction* commandList = window->menuItem(QStringLiteral("mnuCommandList"));
    QAction* funName = window->menuItem(QStringLiteral("mnuFunName"));
    QAction* button12 = window->toolbarEntry(12);
    QAction* button13 = window->toolbarEntry(13);

    commandList->trigger(); // from the menu
    QVERIFY(window->commandsWindow());
    QVERIFY(commandList->isChecked() && button12->isChecked());

    button13->trigger(); // the other one, from the toolbar: the first closes
    QVERIFY(!window->commandsWindow());
    QVERIFY(window->nameWindow());
    QVERIFY(!commandList->isChecked() && !button12->isChecked());
    QVERIFY(funName->isChecked() && button13->isChecked());

    funName->trigger(); // hiding it from the menu releases its button
    QVERIFY(!window->nameWindow());
    QVERIFY(!funName->isChecked() && !button13->isChecked());

    button12->trigger();
    QVERIFY(window->commandsWindow());
    QVERIFY(commandList->isChecked() && button12->isChecked());
    window->commandsWindow()->close(); // its own close box
    QVERIFY(!window->commandsWindow());
    QVERIFY(!commandList->isChecked() && !button12->isChecked());
}

void TestFrmMain::closingEndsTheProgram()
{
    // Closing the main window ends the event loop at once, side windows open or not.
    window->show();
    window->menuItem(QStringLiteral("mnuFunName"))->trigger();
    QVERIFY(window->nameWindow());
    bool ended = false;
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // never hang the suite
    ended = QCoreApplication::exec() == 0;
    QVERIFY(ended);
}

void TestFrmMain::toolbarEntries_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("item"); // the menu item whose command the button runs
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("checkButton");
    const auto entry = [](int number, const char* key, const char* tooltip, bool check) {
        QTest::addRow("entry %d", number) << number << QString::fromLatin1(key) << QString::fromLatin1(tooltip) << check;
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

void TestFrmMain::toolbarEntries()
{
    QFETCH(int, entry);
    QFETCH(QString, item);
    QFETCH(QString, tooltip);
    QFETCH(bool, checkButton);
    const QAction* button = window->toolbarEntry(entry);
    QVERIFY(button);
    QCOMPARE(button->isSeparator(), item.isEmpty());
    QVERIFY(!window->toolbarEntry(18));
    if (item.isEmpty())
        return;
    QCOMPARE(button, window->menuItem(item));
    if (!tooltip.isEmpty())
        QCOMPARE(button->toolTip(), tooltip);
    QCOMPARE(button->isCheckable(), checkButton);
    QVERIFY(!button->icon().isNull());
}

void TestFrmMain::undoNamesTheChange_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("undoText");
    QTest::addColumn<QStringList>("afterwards");
    QTest::newRow("nominal: delete") << "mnuDelete" << "&Undo Delete Selected" << QStringList{QStringLiteral("b")};
    QTest::newRow("nominal: cut") << "mnuCut" << "&Undo Cut" << QStringList{QStringLiteral("b")};
    QTest::newRow("nominal: paste") << "mnuPaste" << "&Undo Paste" << QStringList{QStringLiteral("x"), QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("nominal: clear all") << "mnuClearAll" << "&Undo Clear All" << QStringList{};
}

// Every change of the list is one step back, named after the command; Ctrl+Z takes it back.
void TestFrmMain::undoNamesTheChange()
{
    QFETCH(QString, item);
    QFETCH(QString, undoText);
    QFETCH(QStringList, afterwards);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->lstBind().append(QStringLiteral("a"));
    window->lstBind().append(QStringLiteral("b"));
    window->lstBind().select(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    dialogs->answerMessage(Dialogs::Answer::Yes);
    window->menuItem(item)->trigger();
    QCOMPARE(rows(), afterwards);
    QCOMPARE(window->menuItem(QStringLiteral("mnuUndo"))->text(), undoText);

    window->lstBindView()->setFocus();
    QTest::keyClick(window->lstBindView(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rows(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QTest::keyClick(window->lstBindView(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(rows(), afterwards);
}

void TestFrmMain::sideWindowsHandTheirResultsOver()
{
    window->menuItem(QStringLiteral("mnuCommandList"))->trigger();
    for (const char* command : {"+forward", "+back", "+attack"})
        emit window->commandsWindow()->commandChosen(QLatin1String(command));
    QCOMPARE(window->txtBind()->text(), QStringLiteral("+forward;+back;+attack"));
    QCOMPARE(window->txtBind()->cursorPosition(), window->txtBind()->text().size());

    window->lstBind().append(QStringLiteral("bind w +forward"));
    window->menuItem(QStringLiteral("mnuFunName"))->trigger();
    emit window->nameWindow()->nameComposed(QStringLiteral("name \"ab\""));
    QCOMPARE(rows(), (QStringList{QStringLiteral("name \"ab\""), QStringLiteral("bind w +forward")}));
    QCOMPARE(window->menuItem(QStringLiteral("mnuUndo"))->text(), QStringLiteral("&Undo Add to Bind"));
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
