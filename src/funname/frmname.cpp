#include "funname/frmname.h"

#include "funname/glyphpalette.h"
#include "funname/glyphs.h"
#include "funname/namestrip.h"
#include "shared/dialogs.h"
#include "shared/fonts.h"
#include "shared/identity.h"
#include "shared/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 4215;
constexpr int ClientHeight = 5115;

} // namespace

frmName::frmName(QWidget* mainWindow)
    : SideWindow(mainWindow, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Vantor's Name Utility"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/funname.svg")));
    setFont(fonts::msSansSerif());
    buildMenu();
    setCentralWidget(buildClientArea());
    setFixedSize(centralWidget()->width(), menuBar()->sizeHint().height() + centralWidget()->height());
    centreOnScreen();
}

void frmName::buildMenu()
{
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuNew = mnuFile->addAction(QStringLiteral("&New"), this, &frmName::ClearName);
    mnuNew->setObjectName(QStringLiteral("mnuNew"));
    QAction* mnuSave = mnuFile->addAction(QStringLiteral("&Add to Bind"), this, &frmName::AddNameToBind);
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction* mnuExit = mnuFile->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
}

QWidget* frmName::buildClientArea()
{
    auto* client = new QWidget(this);
    client->setFixedSize(twips::rect(0, 0, ClientWidth, ClientHeight).size());

    // Drawn first, so the name strip hides it: it only holds the quote character.
    m_lblCap = new QLabel(QStringLiteral("\""), client);
    m_lblCap->setObjectName(QStringLiteral("lblCap"));
    m_lblCap->setGeometry(twips::rect(30, 450, 30, 45));
    m_lblCap->hide();

    m_picture1 = new NameStrip(m_name, client);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(twips::rect(30, 30, 3825, 495));
    connect(m_picture1, &NameStrip::slotChosen, this, &frmName::SelectSlot);

    auto* command1 = new QPushButton(client);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(twips::rect(3870, 30, 345, 495));
    command1->setIcon(QIcon(QStringLiteral(":/icons/arrow-left.svg")));
    command1->setIconSize(QSize(glyphs::PictureSize, glyphs::PictureSize));
    connect(command1, &QPushButton::clicked, this, &frmName::BackspaceGlyph);

    buildPalette(client);

    addDockedBox(client, twips::rect(1050, 4860, 2265, 195));
    return client;
}

void frmName::buildPalette(QWidget* parent)
{
    auto* frame1 = new QFrame(parent);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1->setGeometry(twips::rect(30, 570, 4155, 4215));

    auto* palette = new GlyphPalette(frame1);
    palette->setObjectName(QStringLiteral("Image1"));
    palette->move(twips::rect(150, 240, 0, 0).topLeft());
    connect(palette, &GlyphPalette::glyphChosen, this, &frmName::PlaceGlyph);
}

void frmName::centreOnScreen()
{
    const QRect available = screen()->availableGeometry();
    move(available.center() - rect().center());
}

void frmName::PlaceGlyph(int code)
{
    if (!m_name.PlaceGlyph(code)) {
        Dialogs::instance().message(this, Dialogs::Icon::None, Dialogs::Buttons::Ok, identity::ProductName,
                                    QStringLiteral("The maximum number of caracters you can use is 15"));
        return;
    }
    nameChanged();
}

void frmName::SelectSlot(int slot)
{
    m_name.SelectSlot(slot);
    nameChanged();
}

void frmName::BackspaceGlyph()
{
    m_name.BackspaceGlyph();
    nameChanged();
}

void frmName::ClearName()
{
    m_name.ClearName();
    nameChanged();
}

void frmName::AddNameToBind()
{
    emit nameComposed(m_name.nameLine(m_lblCap->text()));
}

QImage frmName::slotPicture(int slot) const
{
    const std::optional<int> code = m_name.glyphAt(slot);
    return code ? glyphs::picture(*code) : QImage();
}

int frmName::markerLeft() const
{
    return twips::fromPixels(m_picture1->markerRect().left() - m_picture1->contentsRect().left());
}

void frmName::nameChanged()
{
    m_picture1->update();
}

