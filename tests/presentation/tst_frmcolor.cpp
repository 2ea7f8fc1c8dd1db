#include "editor/bindinglist.h"
#include "editor/bindingview.h"
#include "presentation/colortextbox.h"
#include "presentation/frmcolor.h"
#include "shared/colorvalue.h"
#include "support/scripteddialogs.h"

#include <QPushButton>
#include <QTest>

namespace {

const quint32 Red = colorvalue::fromRgb(255, 0, 0);

enum class Closing { OkButton, Enter, CancelButton, Escape, CloseBox };

} // namespace

Q_DECLARE_METATYPE(Closing)

class TestFrmColor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowAsDesigned();
    void okWithoutChangeKeepsSystemColours();
    void applyThenCancelKeepsTheApplied();
    void cancelledDialogBeforeAnyConfirmationGivesBlack();
    void confirmedColourSurvivesACancelledDialog();
    void closing_data();
    void closing();

private:
    // The window over the list's colours, its choice applied to the list as the main window does.
    void openForm()
    {
        m_form = std::make_unique<frmColor>(m_lstBind->foreColor(), m_lstBind->backColor(), nullptr);
        connect(m_form.get(), &frmColor::colorsChosen, m_lstBind.get(), &BindingView::setColors);
    }
    void click(const char* name) { m_form->findChild<QPushButton*>(QLatin1String(name))->click(); }
    ColorTextBox* preview() const { return m_form->findChild<ColorTextBox*>(QStringLiteral("Text1")); }

    BindingList m_list;
    std::unique_ptr<BindingView> m_lstBind;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmColor> m_form;
};

void TestFrmColor::init()
{
    m_lstBind = std::make_unique<BindingView>(&m_list);
    m_dialogs = std::make_unique<ScriptedDialogs>();
    openForm();
}

void TestFrmColor::cleanup()
{
    QVERIFY(m_dialogs->allAnswersUsed());
    m_form.reset();
    m_dialogs.reset();
    m_lstBind.reset();
}

void TestFrmColor::windowAsDesigned()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Change Colors"));
    QCOMPARE(m_form->windowType(), Qt::Tool);
    QCOMPARE(m_form->size(), QSize(308, 110));
    QCOMPARE(preview()->text(), QStringLiteral("Vantor's Bind Utility"));
    QCOMPARE(preview()->font().pointSizeF(), 14.25);
    QStringList tabOrder;
    for (QWidget* widget = preview()->nextInFocusChain(); widget != preview(); widget = widget->nextInFocusChain()) {
        if (auto* button = qobject_cast<QPushButton*>(widget))
            tabOrder << button->text() + (button->isDefault() ? QStringLiteral(" (default)") : QString());
    }
    QCOMPARE(tabOrder, (QStringList{QStringLiteral("Change List Font Color"), QStringLiteral("Change List BackColor"),
                                    QStringLiteral("OK (default)"), QStringLiteral("Cancel"), QStringLiteral("Apply")}));
}

void TestFrmColor::okWithoutChangeKeepsSystemColours()
{
    // The preview copies the system colour references themselves, and OK copies them back.
    QCOMPARE(preview()->backColor(), colorvalue::WindowBackground);
    click("Command3");
    QCOMPARE(m_lstBind->foreColor(), colorvalue::WindowText);
    QCOMPARE(m_lstBind->backColor(), colorvalue::WindowBackground);
}

void TestFrmColor::applyThenCancelKeepsTheApplied()
{
    m_dialogs->answerColor(QColor(Qt::red));
    click("Command1");
    click("Command5");
    QCOMPARE(m_lstBind->foreColor(), Red);
    click("Command4");
    QCOMPARE(m_form->result(), int(QDialog::Rejected));
    QCOMPARE(m_lstBind->foreColor(), Red);
    QCOMPARE(m_lstBind->backColor(), colorvalue::WindowBackground);
}

void TestFrmColor::cancelledDialogBeforeAnyConfirmationGivesBlack()
{
    m_lstBind->setForeColor(Red);
    openForm();
    m_dialogs->answerColor(std::nullopt);
    click("Command1");
    QCOMPARE(m_dialogs->last().initialColor, QColor(Qt::black));
    QCOMPARE(preview()->foreColor(), 0u);
    QCOMPARE(m_lstBind->foreColor(), Red);
}

void TestFrmColor::confirmedColourSurvivesACancelledDialog()
{
    m_dialogs->answerColor(QColor(Qt::red));
    m_dialogs->answerColor(std::nullopt);
    click("Command1");
    click("Command2");
    QCOMPARE(m_dialogs->last().initialColor, QColor(Qt::red));
    QCOMPARE(preview()->foreColor(), Red);
    QCOMPARE(preview()->backColor(), Red);
}

void TestFrmColor::closing_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::addColumn<bool>("applied");
    QTest::newRow("nominal: OK") << Closing::OkButton << true;
    QTest::newRow("nominal: Enter") << Closing::Enter << true;
    QTest::newRow("nominal: Cancel") << Closing::CancelButton << false;
    QTest::newRow("nominal: Escape") << Closing::Escape << false;
    QTest::newRow("nominal: close box") << Closing::CloseBox << false;
}

void TestFrmColor::closing()
{
    QFETCH(Closing, closing);
    QFETCH(bool, applied);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    m_dialogs->answerColor(QColor(Qt::red));
    click("Command2");
    preview()->setFocus();
    switch (closing) {
    case Closing::OkButton: click("Command3"); break;
    case Closing::Enter: QTest::keyClick(preview(), Qt::Key_Return); break;
    case Closing::CancelButton: click("Command4"); break;
    case Closing::Escape: QTest::keyClick(preview(), Qt::Key_Escape); break;
    case Closing::CloseBox: m_form->close(); break;
    }
    QVERIFY(!m_form->isVisible());
    QCOMPARE(m_form->result(), int(applied ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(m_lstBind->backColor(), applied ? Red : colorvalue::WindowBackground);
}

QTEST_MAIN(TestFrmColor)
#include "tst_frmcolor.moc"
