#include "windowtestcase.h"

#include "editor/bindinglist.h"
#include "editor/bindingview.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

using Call = ScriptedDialogs::Call;

// The entry row that composes lines, and the list: editing in place, the pop-up menu.
class TestFrmMain : public WindowTestCase
{
    Q_OBJECT

private slots:
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
    void keysInTheList_data();
    void keysInTheList();
    void nextProblemSaysWhatIsWrong();
};

void TestFrmMain::composesTheLine_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("binding");
    QTest::addColumn<QString>("line");
    QTest::newRow("nominal: bind") << "bind"
                                   << "a"
                                   << "+attack"
                                   << "bind a \"+attack\"";
    QTest::newRow("nominal: set names the variable") << "set"
                                                     << "sensitivity"
                                                     << "5"
                                                     << "set sensitivity \"5\"";
    QTest::newRow("nominal: any typed type word") << "echo"
                                                  << "f1"
                                                  << "x"
                                                  << "echo f1 \"x\"";
    QTest::newRow("nominal: empty type starts with a space") << ""
                                                             << "a"
                                                             << "x"
                                                             << " a \"x\"";
    QTest::newRow("nominal: quotes and semicolons left as typed") << "alias"
                                                                  << "zoom"
                                                                  << "say \"hi\";wait"
                                                                  << "alias zoom \"say \"hi\";wait\"";
    QTest::newRow("nominal: spaces kept") << "bind"
                                          << " b "
                                          << " +jump "
                                          << "bind  b  \" +jump \"";
    QTest::newRow("mend: the semicolon key is written by name") << "bind"
                                                                << ";"
                                                                << "+jump"
                                                                << "bind SEMICOLON \"+jump\"";
    QTest::newRow("nominal: a key holding a semicolon is as typed") << "bind"
                                                                    << ";;"
                                                                    << "x"
                                                                    << "bind ;; \"x\"";
    const QString longText(100'000, u'x');
    QTest::newRow("mend: a long binding text is kept whole")
        << "bind"
        << "a" << longText << QStringLiteral("bind a \"%1\"").arg(longText);
}

void TestFrmMain::composesTheLine()
{
    QFETCH(QString, type);
    QFETCH(QString, key);
    QFETCH(QString, binding);
    QFETCH(QString, line);
    m_window->cmbType()->setEditText(type);
    m_window->txtKey()->setEditText(key);
    m_window->txtBind()->setText(binding);
    m_window->cmdAdd_Click();
    QCOMPARE(m_window->lstBind().count(), 1);
    QCOMPARE(m_window->lstBind().text(1), line);
    QVERIFY(m_dialogs->calls.isEmpty());
}

void TestFrmMain::addAsksForTheBindingFirst()
{
    m_window->txtKey()->setEditText(QString());
    m_window->txtBind()->clear();
    m_window->cmdAdd_Click();
    QCOMPARE(m_dialogs->calls.size(), 1);
    const Call& call = m_dialogs->last();
    QCOMPARE(call.title, QStringLiteral("Error"));
    QCOMPARE(call.text, QStringLiteral("You must fill in the binding space"));
    QCOMPARE(call.icon, Dialogs::Icon::Critical);
    QCOMPARE(call.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(m_window->lstBind().count(), 0);
}

void TestFrmMain::addAsksForTheKey()
{
    m_window->txtKey()->setEditText(QString());
    m_window->txtBind()->setText(QStringLiteral("+attack"));
    m_window->cmdAdd_Click();
    QCOMPARE(m_dialogs->calls.size(), 1);
    QCOMPARE(m_dialogs->last().text, QStringLiteral("You must fill in the key space"));
    QCOMPARE(m_dialogs->last().title, QStringLiteral("Error"));
    QCOMPARE(m_dialogs->last().icon, Dialogs::Icon::Critical);
    QCOMPARE(m_window->lstBind().count(), 0);
    QCOMPARE(m_window->txtBind()->text(), QStringLiteral("+attack"));
}

void TestFrmMain::afterAddTheKeyFieldHasFocus()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->cmbType()->setEditText(QStringLiteral("alias"));
    m_window->txtKey()->setEditText(QStringLiteral("mouse2"));
    m_window->txtBind()->setText(QStringLiteral("+jump"));
    m_window->txtBind()->setFocus();
    m_window->cmdAdd_Click();
    QCOMPARE(m_window->cmbType()->currentText(), QStringLiteral("alias"));
    QCOMPARE(m_window->txtKey()->currentText(), QStringLiteral("mouse2"));
    QVERIFY(m_window->txtBind()->text().isEmpty());
    QTRY_VERIFY(m_window->txtKey()->hasFocus());

    m_window->cmdAdd_Click();
    QCOMPARE(m_dialogs->last().text, QStringLiteral("You must fill in the binding space"));
    QCOMPARE(m_window->lstBind().count(), 1);
}

void TestFrmMain::enterInAFieldRunsAdd()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->txtBind()->setText(QStringLiteral("+forward"));
    m_window->txtBind()->setFocus();
    QTest::keyClick(m_window->txtBind(), Qt::Key_Return);
    QCOMPARE(m_window->lstBind().count(), 1);
    QCOMPARE(m_window->lstBind().text(1), QStringLiteral("bind a \"+forward\""));
}

void TestFrmMain::typedFieldsStayAsTyped_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("line");
    QTest::newRow("mend: an upper-case key is not matched to the list") << "bind"
                                                                        << "A"
                                                                        << "bind A \"x\"";
    QTest::newRow("mend: a capitalised type is not matched to the list") << "Bind"
                                                                         << "a"
                                                                         << "Bind a \"x\"";
    QTest::newRow("mend: no completion of a partial key") << "bind"
                                                          << "pg"
                                                          << "bind pg \"x\"";
    QTest::newRow("mend: a new word does not join the list") << "bind"
                                                             << "kp_enter"
                                                             << "bind kp_enter \"x\"";
}

// Typed key by key and ended with Enter in the field, as a player does.
void TestFrmMain::typedFieldsStayAsTyped()
{
    QFETCH(QString, type);
    QFETCH(QString, key);
    QFETCH(QString, line);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    for (auto [field, text] : {std::pair{m_window->cmbType(), type}, std::pair{m_window->txtKey(), key}}) {
        field->lineEdit()->clear();
        field->setFocus();
        QTest::keyClicks(field->lineEdit(), text);
        QCOMPARE(field->currentText(), text);
    }
    m_window->txtBind()->setText(QStringLiteral("x"));
    QTest::keyClick(m_window->txtKey()->lineEdit(), Qt::Key_Return);
    QCOMPARE(m_window->lstBind().text(1), line);
    QCOMPARE(m_window->txtKey()->count(), 85);
    QCOMPARE(m_window->cmbType()->count(), 3);
}

void TestFrmMain::choosingATypeMovesToTheKey()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->cmbType()->setFocus();
    emit m_window->cmbType()->activated(1);
    QTRY_VERIFY(m_window->txtKey()->hasFocus());
}

void TestFrmMain::offersTheKeysInOrder()
{
    const QComboBox* keys = m_window->txtKey();
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
    QCOMPARE(m_window->cmbType()->currentText(), QStringLiteral("bind"));
    QCOMPARE(m_window->cmbType()->count(), 3);
}

void TestFrmMain::editInPlace_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QStringList>("answers"); // empty list: Cancel
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("asked");
    QTest::newRow("nominal: answer replaces the row")
        << "bind a \"x\"" << QStringList{QStringLiteral("bind b \"y\"")} << "bind b \"y\"" << true;
    QTest::newRow("nominal: cancel keeps the row") << "bind a \"x\"" << QStringList{} << "bind a \"x\"" << true;
    QTest::newRow("nominal: empty answer keeps the row")
        << "bind a \"x\"" << QStringList{QString()} << "bind a \"x\"" << true;
    QTest::newRow("nominal: an empty row asks nothing") << "" << QStringList{} << "" << false;
}

void TestFrmMain::editInPlace()
{
    QFETCH(QString, row);
    QFETCH(QStringList, answers);
    QFETCH(QString, result);
    QFETCH(bool, asked);
    for (const QString& answer : answers)
        m_dialogs->answerInput(answer);
    m_window->lstBind().append(QStringLiteral("first"));
    m_window->lstBind().append(row);
    m_window->lstBind().select(2);
    m_window->lstBind_DblClick();
    QCOMPARE(m_window->lstBind().text(2), result);
    QCOMPARE(m_window->lstBind().text(1), QStringLiteral("first"));
    QCOMPARE(m_dialogs->calls.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(m_dialogs->last().kind, ScriptedDialogs::Kind::Input);
        QCOMPARE(m_dialogs->last().text, QStringLiteral("Enter the updated text."));
        QCOMPARE(m_dialogs->last().title, QStringLiteral("Edit Command"));
        QCOMPARE(m_dialogs->last().defaultText, row);
    }
}

void TestFrmMain::editWithNoSelectionDoesNothing()
{
    m_window->lstBind().append(QStringLiteral("row"));
    m_window->lstBind_DblClick();
    QVERIFY(m_dialogs->calls.isEmpty());
}

void TestFrmMain::rightClickShowsTheEditMenu()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QWidget* viewport = m_window->lstBindView()->viewport();
    emit m_window->lstBindView()->customContextMenuRequested(viewport->rect().center());
    QTRY_VERIFY(m_window->mnuEdit()->isVisible());
    m_window->mnuEdit()->close();
}

void TestFrmMain::keysInTheList_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("asked"); // input boxes
    const QStringList edited{QStringLiteral("first"), QStringLiteral("edited")};
    QTest::newRow("F2 edits the row") << int(Qt::Key_F2) << 0 << edited << 1;
    QTest::newRow("Enter edits the row") << int(Qt::Key_Return) << 0 << edited << 1;
    QTest::newRow("Delete deletes it") << int(Qt::Key_Delete) << 0 << QStringList{QStringLiteral("first")} << 0;
    QTest::newRow("Ctrl+V pastes") << int(Qt::Key_V) << int(Qt::ControlModifier)
                                   << QStringList{QStringLiteral("first"), QStringLiteral("clip"),
                                                  QStringLiteral("second")}
                                   << 0;
}

// Keys the list takes as other programs' lists do, while it has the focus.
void TestFrmMain::keysInTheList()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, rows);
    QFETCH(int, asked);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    m_dialogs->answerInput(QStringLiteral("edited"));
    m_window->lstBind().append(QStringLiteral("first"));
    m_window->lstBind().append(QStringLiteral("second"));
    m_window->lstBind().select(2);
    m_window->lstBindView()->setFocus();
    QTest::keyClick(m_window->lstBindView(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(this->rows(), rows);
    QCOMPARE(m_dialogs->calls.size(), asked);
}

// The keyboard reaches a row's messages, not only the pointer's tooltip.
void TestFrmMain::nextProblemSaysWhatIsWrong()
{
    m_window->lstBind().append(QStringLiteral("bind a +attack"));
    m_window->lstBind().append(QStringLiteral("bind ; +jump"));
    m_window->menuItem(QStringLiteral("mnuNextProblem"))->trigger();
    QCOMPARE(m_window->lstBind().selectedRow(), 2);
    QVERIFY2(status().contains(QLatin1String("SEMICOLON")), qPrintable(status()));
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
