#include "editor/bindinglist.h"
#include "funname/frmname.h"
#include "funname/glyphpalette.h"
#include "funname/glyphs.h"
#include "funname/namestrip.h"
#include "shared/twips.h"
#include "shared/windowdock.h"
#include "support/scripteddialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString FullMessage = QStringLiteral("The maximum number of caracters you can use is 15");

QAction* menuAction(const frmName& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

} // namespace

class TestFrmName : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowFrame();
    void layout_data();
    void layout();
    void fileMenu();

    void paletteClickPlacesGlyph();
    void slotClickSelectsSlot();
    void backButtonStepsBack();
    void markerFollowsCursor_data();
    void markerFollowsCursor();
    void crossHairOverPaletteAndSlots();

    void sixteenthGlyphIsRefused_data();
    void sixteenthGlyphIsRefused();
    void newEmptiesTheName();

    void addToBind_data();
    void addToBind();
    void addToBindKeepsTheName();

    void closingIsAnnounced_data();
    void closingIsAnnounced();

    void docksThroughTheSharedDock();

private:
    void showWindow();
    void placeAll(std::initializer_list<int> codes);
    void click(QWidget* widget, QPoint point);

    QStringList m_lines; // the name lines handed on, in order
    QWidget* m_main = nullptr;
    QPointer<frmName> m_window;
    ScriptedDialogs* m_dialogs = nullptr;
};

void TestFrmName::init()
{
    m_dialogs = new ScriptedDialogs;
    m_lines.clear();
    m_main = new QWidget;
    m_main->setGeometry(40, 60, 300, 200);
    m_window = new frmName(m_main);
    connect(m_window, &frmName::nameComposed, this, [this](const QString& line) { m_lines << line; });
}

void TestFrmName::cleanup()
{
    delete m_window;
    delete m_main;
    delete m_dialogs;
}

void TestFrmName::showWindow()
{
    m_main->show();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestFrmName::placeAll(std::initializer_list<int> codes)
{
    for (int code : codes)
        m_window->PlaceGlyph(code);
}

void TestFrmName::click(QWidget* widget, QPoint point)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
}

void TestFrmName::windowFrame()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vantor's Name Utility"));
    QVERIFY(m_window->isWindow());
    QCOMPARE(m_window->parentWidget(), nullptr);
    QVERIFY(m_window->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(m_window->centralWidget()->size(), twips::rect(0, 0, 4215, 5115).size());
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::Tool)); // a window of its own in the taskbar
}

void TestFrmName::layout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twipsGeometry");

    QTest::newRow("nominal: name strip") << QStringLiteral("Picture1") << QRect(30, 30, 3825, 495);
    QTest::newRow("nominal: back button") << QStringLiteral("Command1") << QRect(3870, 30, 345, 495);
    QTest::newRow("nominal: palette frame") << QStringLiteral("Frame1") << QRect(30, 570, 4155, 4215);
    QTest::newRow("nominal: palette grid") << QStringLiteral("Image1") << QRect(150, 240, 3840, 3840);
    QTest::newRow("nominal: dock box") << QStringLiteral("chkDocked") << QRect(1050, 4860, 2265, 195);
    QTest::newRow("nominal: quote label") << QStringLiteral("lblCap") << QRect(30, 450, 30, 45);
}

void TestFrmName::layout()
{
    QFETCH(QString, control);
    QFETCH(QRect, twipsGeometry);
    const QWidget* widget = m_window->findChild<QWidget*>(control);
    QVERIFY(widget);
    const QRect expected = twips::rect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(),
                                       twipsGeometry.height());
    QCOMPARE(widget->geometry(), expected);
}

void TestFrmName::fileMenu()
{
    const QMenu* file = m_window->findChild<QMenu*>(QStringLiteral("mnuFile"));
    QVERIFY(file);
    QCOMPARE(file->title(), QStringLiteral("&File"));
    QStringList captions;
    for (const QAction* action : file->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(captions, (QStringList{QStringLiteral("&New"), QStringLiteral("&Add to Bind"), QStringLiteral("-"),
                                    QStringLiteral("E&xit")}));

    QCOMPARE(m_window->chkDocked()->text(), QStringLiteral("Dock to Main Window"));
    QVERIFY(m_window->chkDocked()->isChecked());
    const QLabel* lblCap = m_window->findChild<QLabel*>(QStringLiteral("lblCap"));
    QCOMPARE(lblCap->text(), QStringLiteral("\""));
    QVERIFY(lblCap->isHidden());
}

void TestFrmName::paletteClickPlacesGlyph()
{
    showWindow();
    GlyphPalette* palette = m_window->findChild<GlyphPalette*>();
    click(palette, GlyphPalette::cellRect('V').center());
    click(palette, GlyphPalette::cellRect(229).center());
    click(palette, GlyphPalette::cellRect(0).center());

    QCOMPARE(m_window->CursorSlot(), 3);
    QCOMPARE(m_window->slotText(0), QStringLiteral("V"));
    QCOMPARE(m_window->slotText(1), QString(QChar(229)));
    QCOMPARE(m_window->slotText(2), QString());
    QCOMPARE(m_window->slotPicture(0), glyphs::picture('V'));
    QCOMPARE(m_window->slotPicture(1), glyphs::picture(229));
    QCOMPARE(m_window->slotPicture(2), glyphs::picture(0));
    QVERIFY(m_window->slotPicture(3).isNull());
}

void TestFrmName::slotClickSelectsSlot()
{
    showWindow();
    placeAll({'a', 'b', 'c'});
    NameStrip* strip = m_window->findChild<NameStrip*>();
    click(strip, strip->slotRect(7).center());
    QCOMPARE(m_window->CursorSlot(), 7);
    // Slot 1 lies over the right edge of slot 0.
    click(strip, strip->slotRect(0).topRight());
    QCOMPARE(m_window->CursorSlot(), 1);
    click(strip, strip->slotRect(0).topLeft());
    QCOMPARE(m_window->CursorSlot(), 0);
    QCOMPARE(m_window->slotText(2), QStringLiteral("c"));
}

void TestFrmName::backButtonStepsBack()
{
    showWindow();
    placeAll({'a', 'b', 'c'});
    QPushButton* command1 = m_window->findChild<QPushButton*>(QStringLiteral("Command1"));
    QVERIFY(!command1->icon().isNull());
    QVERIFY(command1->text().isEmpty());
    click(command1, command1->rect().center());
    QCOMPARE(m_window->CursorSlot(), 2);
    QVERIFY(m_window->slotPicture(2).isNull());
    QCOMPARE(m_window->slotText(1), QStringLiteral("b"));
    QCOMPARE(m_window->markerLeft(), 570);
}

void TestFrmName::markerFollowsCursor_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("expectedLeft");
    const int lefts[] = {120, 330, 570, 810, 1050, 1290, 1530, 1770, 2010, 2250, 2490, 2730, 2970, 3210, 3450};
    for (int slot = 0; slot < 15; ++slot)
        QTest::addRow("nominal: slot %d", slot) << slot << lefts[slot];
}

void TestFrmName::markerFollowsCursor()
{
    QFETCH(int, slot);
    QFETCH(int, expectedLeft);
    QCOMPARE(m_window->markerLeft(), 120);
    m_window->SelectSlot(slot);
    QCOMPARE(m_window->markerLeft(), expectedLeft);
    NameStrip* strip = m_window->findChild<NameStrip*>();
    QCOMPARE(strip->markerRect().left(), strip->slotRect(slot).left());
    QCOMPARE(strip->markerRect().top(), strip->slotRect(slot).bottom() + 1);
}

void TestFrmName::crossHairOverPaletteAndSlots()
{
    showWindow();
    QCOMPARE(m_window->findChild<GlyphPalette*>()->cursor().shape(), Qt::CrossCursor);
    NameStrip* strip = m_window->findChild<NameStrip*>();
    const auto hover = [strip](QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point, strip->mapToGlobal(point), Qt::NoButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(strip, &move);
        return strip->cursor().shape();
    };
    QCOMPARE(hover(strip->slotRect(4).center()), Qt::CrossCursor);
    QCOMPARE(hover(strip->markerRect().center()), Qt::ArrowCursor);
    QCOMPARE(hover(strip->slotRect(14).center()), Qt::CrossCursor);
    QCOMPARE(hover(QPoint(strip->width() - 3, strip->height() / 2)), Qt::ArrowCursor);
}

void TestFrmName::sixteenthGlyphIsRefused_data()
{
    QTest::addColumn<int>("firstSlot");
    QTest::addColumn<int>("placements");
    QTest::addColumn<int>("expectedMessages");

    QTest::newRow("nominal: fifteen fill the name") << 0 << 15 << 0;
    QTest::newRow("robustness: the sixteenth brings the message") << 0 << 16 << 1;
    QTest::newRow("edge: slot 14 selected, the second placement is refused") << 14 << 2 << 1;
}

void TestFrmName::sixteenthGlyphIsRefused()
{
    QFETCH(int, firstSlot);
    QFETCH(int, placements);
    QFETCH(int, expectedMessages);

    m_window->SelectSlot(firstSlot);
    for (int i = 0; i < placements; ++i)
        m_window->PlaceGlyph('a' + i);

    const QList<ScriptedDialogs::Call> messages = m_dialogs->messages();
    QCOMPARE(messages.size(), expectedMessages);
    for (const ScriptedDialogs::Call& message : messages) {
        QCOMPARE(message.text, FullMessage);
        QCOMPARE(message.title, QStringLiteral("Vantor's Bind Utility"));
        QCOMPARE(message.icon, Dialogs::Icon::None);
        QCOMPARE(message.buttons, Dialogs::Buttons::Ok);
    }
    QCOMPARE(m_window->CursorSlot(), 15);
    QCOMPARE(m_window->markerLeft(), 3450);
    QCOMPARE(m_window->slotText(14), QString(QChar('a' + 14 - firstSlot)));
}

void TestFrmName::newEmptiesTheName()
{
    placeAll({'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o'});
    menuAction(*m_window, "mnuNew")->trigger();
    QCOMPARE(m_window->CursorSlot(), 0);
    QCOMPARE(m_window->markerLeft(), 120);
    for (int slot = 0; slot < 15; ++slot) {
        QVERIFY(m_window->slotPicture(slot).isNull());
        QCOMPARE(m_window->slotText(slot), QString());
    }
    m_window->PlaceGlyph('z');
    QCOMPARE(m_window->slotText(0), QStringLiteral("z"));
}

void TestFrmName::addToBind_data()
{
    QTest::addColumn<QList<int>>("slotCodes"); // -1 leaves a slot empty
    QTest::addColumn<QString>("expectedLine");

    QTest::newRow("edge: empty name") << QList<int>{} << QStringLiteral("name \"\"");
    QTest::newRow("nominal: slots 0, 1 and 5, the gap vanishes")
        << QList<int>{'x', 'y', -1, -1, -1, 'z'} << QStringLiteral("name \"xyz\"");
    QTest::newRow("nominal: quote glyph and bytes go in unchanged, 0, 10, 13 add nothing")
        << QList<int>{'"', 0, 1, 10, 13, 255} << QString::fromLatin1("name \"\"\x01\xff\"");
}

void TestFrmName::addToBind()
{
    QFETCH(QList<int>, slotCodes);
    QFETCH(QString, expectedLine);
    for (int slot = 0; slot < slotCodes.size(); ++slot) {
        m_window->SelectSlot(slot);
        if (slotCodes.at(slot) >= 0)
            m_window->PlaceGlyph(slotCodes.at(slot));
    }
    menuAction(*m_window, "mnuSave")->trigger();
    QCOMPARE(m_lines, QStringList{expectedLine});
    QVERIFY(m_dialogs->calls.isEmpty());
}

void TestFrmName::addToBindKeepsTheName()
{
    placeAll({'a', 'b'});
    m_window->AddNameToBind();
    m_window->SelectSlot(1);
    m_window->PlaceGlyph('c');
    m_window->AddNameToBind();

    QCOMPARE(m_lines, (QStringList{QStringLiteral("name \"ab\""), QStringLiteral("name \"ac\"")}));
    QCOMPARE(m_window->CursorSlot(), 2);
    QCOMPARE(m_window->markerLeft(), 570);
}

void TestFrmName::closingIsAnnounced_data()
{
    QTest::addColumn<bool>("byExit");
    QTest::newRow("nominal: close box") << false;
    QTest::newRow("nominal: Exit") << true;
}

void TestFrmName::closingIsAnnounced()
{
    QFETCH(bool, byExit);
    showWindow();
    placeAll({'a'});
    QSignalSpy closing(m_window.data(), &frmName::closing);
    if (byExit)
        menuAction(*m_window, "mnuExit")->trigger();
    else
        QVERIFY(m_window->close());
    QCOMPARE(closing.count(), 1);
    QTRY_VERIFY(m_window.isNull());
    QVERIFY(m_dialogs->calls.isEmpty());
}

void TestFrmName::docksThroughTheSharedDock()
{
    QCOMPARE(m_window->findChildren<WindowDock*>().size(), 1);
    showWindow();

    m_main->move(120, 90);
    QTRY_COMPARE(m_window->pos(), WindowDock::dockedPosition(m_main));

    // Dragged away while docked, it goes straight back.
    m_window->move(500, 400);
    QTRY_COMPARE(m_window->pos(), WindowDock::dockedPosition(m_main));

    QTest::mouseClick(m_window->chkDocked(), Qt::LeftButton);
    QVERIFY(!m_window->chkDocked()->isChecked());
    m_window->move(500, 400);
    m_main->move(60, 30);
    QTRY_COMPARE(m_main->pos(), QPoint(60, 30));
    QCOMPARE(m_window->pos(), QPoint(500, 400));

    QTest::mouseClick(m_window->chkDocked(), Qt::LeftButton);
    QCOMPARE(m_window->pos(), WindowDock::dockedPosition(m_main));
}

QTEST_MAIN(TestFrmName)
#include "tst_frmname.moc"
