#include "catalogue/frmcommands.h"

#include "catalogue/cataloguelocation.h"
#include "catalogue/catalogueupdater.h"
#include "catalogue/commandlist.h"
#include "catalogue/commandtree.h"
#include "shared/fonts.h"
#include "shared/twips.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProgressBar>

namespace {

// Layout in twips; the client area lies below the menu bar.
constexpr int ClientLeft = 45;
constexpr int ClientTop = 615;
constexpr int ClientWidth = 2955;
constexpr int ClientHeight = 5640;
constexpr QRect TreeRect = twips::rect(30, 30, 1935, 5265);
constexpr QRect DockedBoxRect = twips::rect(360, 5370, 2265, 195);
constexpr int TreeMargin = 100;

// A fixed dialog frame with a close box only, kept out of the taskbar.
constexpr Qt::WindowFlags WindowStyle =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace

frmCommands::frmCommands(QWidget* mainWindow, QProgressBar* progress, const CatalogueLocation& catalogue)
    : SideWindow(mainWindow, WindowStyle)
{
    createControls();
    Form_Load(*mainWindow, *progress, catalogue.readPath());
    m_updater = std::make_unique<CatalogueUpdater>(catalogue, this);
}

frmCommands::~frmCommands() = default;

void frmCommands::setUpdater(std::unique_ptr<CatalogueUpdater> updater)
{
    m_updater = std::move(updater);
}

void frmCommands::createControls()
{
    setWindowTitle(QStringLiteral("Command List"));
    setFont(fonts::msSansSerif());
    m_mnuCheck = menuBar()->addAction(QStringLiteral("Check For List Updates"));
    m_mnuCheck->setObjectName(QStringLiteral("mnuCheck"));

    auto* client = new QWidget(this);
    setCentralWidget(client);
    m_treeView1 = new CommandTree(client);
    m_treeView1->setObjectName(QStringLiteral("TreeView1"));
    m_treeView1->setGeometry(TreeRect);
    addDockedBox(client, DockedBoxRect);
    connect(m_treeView1, &QTreeWidget::itemDoubleClicked, this, &frmCommands::TreeView1_DblClick);
    connect(m_mnuCheck, &QAction::triggered, this, &frmCommands::mnuCheck_Click);

    const int menuHeight = menuBar()->sizeHint().height();
    setGeometry(twips::toPixels(ClientLeft), twips::toPixels(ClientTop) - menuHeight, twips::toPixels(ClientWidth),
                twips::toPixels(ClientHeight) + menuHeight);
}

void frmCommands::Form_Load(const QWidget& mainWindow, QProgressBar& progress, const QString& cataloguePath)
{
    m_tag = LoadCommandList(cataloguePath, *m_treeView1, progress);

    // The tree spans the window less 100 twips. The window's frame is not known before it is
    // shown, so its client width stands in: that keeps the tree inside whatever frame the
    // window manager adds.
    m_treeView1->resize(twips::toPixels(twips::fromPixels(width()) - TreeMargin), m_treeView1->height());
    // The main window's height, taken once. Frames are not known before a window is shown,
    // so the client heights are matched: the frames then match as well when the window
    // manager decorates both windows alike.
    setFixedSize(width(), mainWindow.height());
    setWindowTitle(windowTitle() + QStringLiteral(" - v") + m_tag);
}

void frmCommands::TreeView1_DblClick(QTreeWidgetItem* item)
{
    if (CommandTree::isGroup(item)) {
        CommandTree::toggleGroupImage(item);
        return;
    }
    m_treeView1->setCurrentItem(item);
    MyCopyClip();
    MyPasteClip();
}

void frmCommands::MyCopyClip()
{
    const QList<QTreeWidgetItem*> selected = m_treeView1->selectedItems();
    if (selected.isEmpty())
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(selected.constFirst()->text(0));
}

void frmCommands::MyPasteClip()
{
    emit commandChosen(QGuiApplication::clipboard()->text());
}

void frmCommands::mnuCheck_Click()
{
    m_checking = true;
    m_updater->Check(m_tag);
    m_checking = false;
    if (m_closeAsked)
        close();
}

void frmCommands::closeEvent(QCloseEvent* event)
{
    // The update check waits for the server inside its handler, where closing would delete
    // the window under it: a close asked for meanwhile happens once the check is over.
    if (m_checking) {
        m_closeAsked = true;
        event->ignore();
        return;
    }
    SideWindow::closeEvent(event);
}
