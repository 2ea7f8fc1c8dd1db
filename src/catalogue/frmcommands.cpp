#include "catalogue/frmcommands.h"

#include "catalogue/cataloguelocation.h"
#include "catalogue/catalogueupdater.h"
#include "catalogue/commandlist.h"
#include "catalogue/commandtree.h"
#include "catalogue/commandtreefilter.h"
#include "shared/fonts.h"
#include "shared/twips.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>

namespace {

// Layout in twips; the client area lies below the menu bar.
constexpr int ClientLeft = 45;
constexpr int ClientTop = 615;
constexpr int ClientWidth = 2955;
constexpr int ClientHeight = 5640;
// The filter field takes the top of what was the tree's place.
constexpr QRect FilterRect = twips::rect(30, 30, 1935, 300);
constexpr QRect TreeRect = twips::rect(30, 375, 1935, 4920);
constexpr QRect DockedBoxRect = twips::rect(360, 5370, 2265, 195);
constexpr int TreeMargin = 100;

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A fixed dialog frame with a close box only, kept out of the taskbar.
constexpr Qt::WindowFlags WindowStyle = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                      | Qt::WindowCloseButtonHint;

} // namespace

frmCommands::frmCommands(QWidget* mainWindow, QProgressBar* progress, const CatalogueLocation& catalogue,
                         CommandSummaries summaries)
    : SideWindow(mainWindow, WindowStyle)
{
    createControls();
    m_treeView1->setSummaries(std::move(summaries));
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
    m_txtFilter = new QLineEdit(client);
    m_txtFilter->setObjectName(QStringLiteral("txtFilter"));
    m_txtFilter->setGeometry(FilterRect);
    m_txtFilter->setPlaceholderText(QStringLiteral("Filter commands"));
    m_txtFilter->setClearButtonEnabled(true);
    m_txtFilter->installEventFilter(this);
    m_treeView1->installEventFilter(this);
    setTabOrder(m_txtFilter, m_treeView1);
    m_filter = std::make_unique<CommandTreeFilter>(*m_treeView1);
    connect(m_txtFilter, &QLineEdit::textChanged, this, [this](const QString& text) { m_filter->setText(text); });
    auto* find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    addAction(find);
    connect(find, &QAction::triggered, this, &frmCommands::focusFilter);
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

    // The tree and the filter span the window less 100 twips. The window's frame is not known before it is
    // shown, so its client width stands in: that keeps the tree inside whatever frame the
    // window manager adds.
    const int treeWidth = twips::toPixels(twips::fromPixels(width()) - TreeMargin);
    m_treeView1->resize(treeWidth, m_treeView1->height());
    m_txtFilter->resize(treeWidth, m_txtFilter->height());
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

void frmCommands::focusFilter()
{
    raise();
    activateWindow();
    m_txtFilter->setFocus(Qt::ShortcutFocusReason);
    m_txtFilter->selectAll();
}

bool frmCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == m_txtFilter)
            return txtFilter_KeyPress(key);
        // The tree's own Enter would only emit activated(), which a double-click emits too.
        QTreeWidgetItem* current = m_treeView1->currentItem();
        if (watched == m_treeView1 && isEnter(key) && current && !CommandTree::isGroup(current)) {
            TreeView1_DblClick(current);
            return true;
        }
    }
    return SideWindow::eventFilter(watched, event);
}

bool frmCommands::txtFilter_KeyPress(int key)
{
    if (key == Qt::Key_Down || key == Qt::Key_Up)
        enterTree(key);
    else if (isEnter(key))
        chooseCommand();
    else if (key == Qt::Key_Escape)
        m_txtFilter->clear();
    else
        return false;
    return true;
}

// Down lands on the first command shown, Up on the last: the results start afresh with each
// letter, whatever node was current before.
void frmCommands::enterTree(int key)
{
    const QList<QTreeWidgetItem*> shown = m_filter->shownCommands();
    if (!shown.isEmpty())
        m_treeView1->setCurrentItem(key == Qt::Key_Down ? shown.constFirst() : shown.constLast());
    m_treeView1->setFocus(Qt::OtherFocusReason);
}

// The selected command, as a double-click would hand it on; while the tree is filtered and no
// command shown is selected, the first one shown, so that typing part of a name and Enter is
// enough.
void frmCommands::chooseCommand()
{
    QTreeWidgetItem* selected = m_treeView1->selectedItems().value(0);
    const bool usable = selected && !selected->isHidden() && !CommandTree::isGroup(selected);
    if (!usable)
        selected = m_txtFilter->text().trimmed().isEmpty() ? nullptr : m_filter->shownCommands().value(0);
    if (selected)
        TreeView1_DblClick(selected);
}
