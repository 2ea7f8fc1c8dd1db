#include "editor/frmmain.h"

#include "catalogue/cataloguelocation.h"
#include "catalogue/frmcommands.h"
#include "editor/bindingline.h"
#include "editor/bindingview.h"
#include "editor/commandfield.h"
#include "editor/editcommands.h"
#include "editor/filecommands.h"
#include "editor/keycapturebutton.h"
#include "editor/mainactions.h"
#include "editor/scriptchecking.h"
#include "editor/statusline.h"
#include "funname/frmname.h"
#include "funname/glyphrowdelegate.h"
#include "keymap/exportkeyboardmap.h"
#include "keymap/keyboardmapwindow.h"
#include "keymap/keymaprows.h"
#include "presentation/clogo.h"
#include "presentation/frmabout.h"
#include "presentation/frmcolor.h"
#include "presentation/picturebox.h"
#include "shared/dialogs.h"
#include "shared/fonts.h"
#include "shared/identity.h"
#include "shared/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QToolBar>

#include <functional>
#include <limits>

namespace {

// Commands end silently when they fail (start-up steps and toolbar buttons must; a menu
// command that threw would end the program).
template <typename Step>
void runIgnoringErrors(Step&& step)
{
    try {
        step();
    } catch (const std::exception&) {
    }
}

// A drop-down that also takes typed text and uses it exactly as typed: no completion, no
// case-insensitive match against the items on Enter, and the typed word never joins them.
QComboBox* typedComboBox(const QStringList& items, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->addItems(items);
    return box;
}

} // namespace

frmMain::frmMain(const QString& commandLine, QWidget* parent) : QMainWindow(parent), m_commandLine(commandLine)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/corvale.svg")));
    createControls();
    m_files = new FileCommands(this, m_document, *m_progress);
    m_edits = new EditCommands(this, m_document);
    createActions();
    m_checking = std::make_unique<ScriptChecking>(m_document, *m_lstBind, *m_status, *m_lblEngine, *m_actions);
    m_txtBind->setCommands(*m_checking, *m_status);
    m_keymapRows = std::make_unique<BindingListRows>(m_document.rows(), &m_checking->diagnostics());
    connect(m_checking.get(), &ScriptChecking::engineChanged, this, [this](console::Engine engine) {
        if (auto* map = qobject_cast<KeyboardMapWindow*>(m_keymap.data()))
            map->setEngine(keymap::keymapEngine(engine));
    });
    connect(&m_document, &BindingDocument::fileNameChanged, this, &frmMain::showCaption);
    showCaption();
    // A fixed single border: the window keeps the size of its controls.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

frmMain::~frmMain()
{
    // The side windows have no owner; they go with the main window.
    delete m_commands;
    delete m_name;
    delete m_keymap;
}

void frmMain::createControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(twips::toPixels(5490), twips::toPixels(5625));
    client->setFont(fonts::timesNewRoman(9.75));
    setCentralWidget(client);

    const auto place = [](QWidget* control, const QRect& rect, const QString& name) {
        control->setGeometry(rect);
        control->setObjectName(name);
        return control;
    };

    // The caption rises over the dark end of the gradient, so it is written in white.
    m_picLogo = new PictureBox(client);
    place(m_picLogo, twips::rect(30, 390, 240, 5220), QStringLiteral("picLogo"));
    QFont logoFont = fonts::timesNewRoman(9.75);
    logoFont.setBold(true);
    m_picLogo->setFont(logoFont);
    QPalette logoColours = m_picLogo->palette();
    logoColours.setColor(QPalette::WindowText, Qt::white);
    m_picLogo->setPalette(logoColours);

    place(new QLabel(QStringLiteral("Type"), client), twips::rect(495, 450, 420, 270), QStringLiteral("lblType"));
    place(new QLabel(QStringLiteral("Key"), client), twips::rect(1665, 450, 300, 270), QStringLiteral("lblKey"));
    place(new QLabel(QStringLiteral("Binding"), client), twips::rect(3675, 450, 645, 270), QStringLiteral("lblBind"));
    m_lblQuote = new QLabel(QStringLiteral("\""), client);
    place(m_lblQuote, twips::rect(3015, 495, 75, 270), QStringLiteral("lblQuote"));
    m_lblQuote->hide();

    const QFont controlFont = fonts::msSansSerif();
    m_cmbType = typedComboBox({QStringLiteral("bind"), QStringLiteral("set"), QStringLiteral("alias")}, client);
    m_cmbType->setEditText(QStringLiteral("bind"));
    m_cmbType->setToolTip(QStringLiteral("Type Bind"));

    m_txtKey = typedComboBox(bindingline::keyNames(), client);
    m_txtKey->setMaxVisibleItems(20);
    m_txtKey->setEditText(QStringLiteral("a"));
    m_txtKey->setToolTip(QStringLiteral("Key to Bind"));

    m_txtBind = new CommandField(client);
    m_txtBind->setMaxLength(std::numeric_limits<int>::max());
    m_txtBind->setToolTip(QStringLiteral("Binding Text"));

    m_cmdAdd = new QPushButton(QStringLiteral("&Add"), client);
    m_cmdAdd->setToolTip(QStringLiteral("Add Binding"));
    m_cmdAdd->setDefault(true);
    m_cmdAdd->setAutoDefault(false);

    m_lstBind = new BindingView(&m_document.rows(), client);
    m_lstBind->setToolTip(QStringLiteral("Preview of the Finished File"));
    m_lstBind->setItemDelegate(new GlyphRowDelegate(m_lstBind));

    m_progress = new QProgressBar(client);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    for (QWidget* control : std::initializer_list<QWidget*>{m_cmbType, m_txtKey, m_txtBind, m_cmdAdd, m_lstBind})
        control->setFont(controlFont);
    place(m_cmbType, twips::rect(315, 720, 750, 315), QStringLiteral("cmbType"));
    place(m_txtKey, twips::rect(1095, 720, 1650, 315), QStringLiteral("txtKey"));
    place(m_txtBind, twips::rect(3090, 720, 1800, 300), QStringLiteral("txtBind"));
    place(m_cmdAdd, twips::rect(4920, 720, 540, 330), QStringLiteral("cmdAdd"));
    place(m_lstBind, twips::rect(315, 1080, 5145, 4110), QStringLiteral("lstBind"));
    place(m_progress, twips::rect(330, 5250, 1500, 315), QStringLiteral("Progress"));
    m_lblProblems = new QLabel(client);
    m_lblProblems->setFont(controlFont);
    place(m_lblProblems, twips::rect(1860, 5250, 1710, 315), QStringLiteral("lblProblems"));
    m_lblEngine = new QLabel(client);
    m_lblEngine->setFont(controlFont);
    m_lblEngine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(m_lblEngine, twips::rect(3600, 5250, 1860, 315), QStringLiteral("lblEngine"));
    m_status = new StatusLine(*m_lblProblems);
    // The engine is asked at each capture, for the names it uses.
    m_cmdCaptureKey = new KeyCaptureButton(
        *m_txtKey, *m_status, [this] { return m_checking->engine(); }, client);
    place(m_cmdCaptureKey, twips::rect(2760, 720, 315, 315), QStringLiteral("cmdCaptureKey"));

    setTabOrder(m_cmbType, m_txtKey);
    setTabOrder(m_txtKey, m_cmdCaptureKey);
    setTabOrder(m_cmdCaptureKey, m_txtBind);
    setTabOrder(m_txtBind, m_cmdAdd);

    // Enter in any entry field runs Add, as the window's default button does.
    for (QLineEdit* field : {m_cmbType->lineEdit(), m_txtKey->lineEdit(), static_cast<QLineEdit*>(m_txtBind)})
        connect(field, &QLineEdit::returnPressed, this, &frmMain::cmdAdd_Click);
    connect(m_cmdAdd, &QPushButton::clicked, this, &frmMain::cmdAdd_Click);
    connect(m_cmbType, &QComboBox::activated, this, &frmMain::cmbType_Click);
    connect(m_lstBind, &QAbstractItemView::doubleClicked, this, &frmMain::lstBind_DblClick);
    connect(m_lstBind, &QWidget::customContextMenuRequested, this, &frmMain::lstBind_ContextMenu);
}

void frmMain::createActions()
{
    m_actions = std::make_unique<MainActions>(this, m_document.history());
    FileCommands* files = m_files;
    EditCommands* edits = m_edits;
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"mnuNew", [files] { files->newFile(); }},
        {"mnuOpen", [files] { files->open(); }},
        {"mnuClose", [files] { files->close(); }},
        {"mnuSave", [files] { files->Save(); }},
        {"mnuSaveAs", [files] { files->SaveAs(); }},
        {"mnuExit", [this] { confirmExit(); }},
        {"mnuCut", [edits] { edits->cut(); }},
        {"mnuCopy", [edits] { edits->copy(); }},
        {"mnuPaste", [edits] { edits->paste(); }},
        {"mnuDelete", [edits] { edits->deleteSelected(); }},
        {"mnuClearAll", [edits] { edits->clearAll(); }},
        {"mnuInsertC", [edits] { edits->insertComment(); }},
        {"mnuCommandList", [this] { toggleCommandList(); }},
        {"mnuFindCommand", [this] { findCommand(); }},
        {"mnuFunName", [this] { toggleFunName(); }},
        {"mnuEditColors", [this] { showColors(); }},
        {"mnuAbout", [this] { showAbout(); }},
        {"mnuKeyboardMap", [this] { toggleKeyboardMap(); }},
        {"mnuExportKeyboardMap", [this] { exportKeyboardMap(); }},
    };
    for (const auto& [name, command] : commands)
        connect((*m_actions)[name], &QAction::triggered, this, [command] { runIgnoringErrors(command); });
    const QList<QAction*>& recent = m_actions->recentFileItems();
    for (int index = 1; index <= recent.size(); ++index)
        connect(recent[index - 1], &QAction::triggered, this, [files, index] { files->openRecent(index); });
    m_actions->fillMenuBar(*menuBar());
    addListKeys();

    auto* toolbar = new QToolBar(centralWidget());
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setGeometry(twips::rect(0, 0, 5490, 360));
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setMovable(false);
    m_toolbarEntries = m_actions->fillToolbar(*toolbar);
}

// Keys a list takes in other programs, besides the Edit menu's own shortcuts: they work only
// while the list has the focus, so the entry fields keep theirs.
void frmMain::addListKeys()
{
    EditCommands* edits = m_edits;
    const std::pair<QList<QKeySequence>, std::function<void()>> keys[] = {
        {{Qt::Key_F2, Qt::Key_Return, Qt::Key_Enter}, [edits] { edits->editSelected(); }},
        {{QKeySequence::Delete}, [edits] { edits->deleteSelected(); }},
        {{QKeySequence::Paste}, [edits] { edits->paste(); }},
    };
    for (const auto& [shortcuts, command] : keys) {
        auto* action = new QAction(m_lstBind);
        action->setShortcuts(shortcuts);
        action->setShortcutContext(Qt::WidgetShortcut);
        m_lstBind->addAction(action);
        connect(action, &QAction::triggered, this, command);
    }
}

QMenu* frmMain::mnuEdit() const
{
    return m_actions->editMenu();
}

tolvane::cMRU* frmMain::recentFiles() const
{
    return m_files->recentFiles();
}

QAction* frmMain::menuItem(const QString& name) const
{
    return (*m_actions)[name.toLatin1().constData()];
}

frmCommands* frmMain::commandsWindow() const
{
    return static_cast<frmCommands*>(m_commands.data());
}

SideWindow* frmMain::keyboardMapWindow() const
{
    return m_keymap.data();
}

frmName* frmMain::nameWindow() const
{
    return static_cast<frmName*>(m_name.data());
}

QString frmMain::caption() const
{
    return m_document.isUntitled() ? identity::ProductName : m_document.fileName();
}

void frmMain::showCaption()
{
    // "[*]" would otherwise be read as the modified-state placeholder.
    QString shown = caption();
    setWindowTitle(shown.replace(QLatin1String("[*]"), QLatin1String("[*][*]")));
}

// Each step is skipped silently when it fails; the window comes up all the same.
void frmMain::Form_Load()
{
    runIgnoringErrors([this] {
        m_logo = std::make_unique<cLogo>();
        m_logo->setDrawingObject(m_picLogo);
        m_logo->setCaption(identity::ProductName);
        m_logo->Draw();
    });
    runIgnoringErrors(
        [this] { m_files->setUpRecentFiles(m_actions->recentFilesDivider(), m_actions->recentFileItems()); });
    if (!m_commandLine.isEmpty())
        runIgnoringErrors([this] { m_files->CommandLineOpen(m_commandLine); });
}

void frmMain::AddBinding()
{
    const auto refuse = [this](const QString& text) {
        Dialogs::instance().message(this, Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QStringLiteral("Error"), text);
    };
    if (m_txtBind->text().isEmpty())
        return refuse(QStringLiteral("You must fill in the binding space"));
    if (m_txtKey->currentText().isEmpty())
        return refuse(QStringLiteral("You must fill in the key space"));
    m_document.appendRow(bindingline::compose(m_cmbType->currentText(), m_txtKey->currentText(), m_txtBind->text(),
                                              m_lblQuote->text()),
                         QStringLiteral("Add"));
    m_txtBind->clear();
    m_txtKey->setFocus();
}

void frmMain::cmdAdd_Click()
{
    AddBinding();
}

void frmMain::cmbType_Click()
{
    m_txtKey->setFocus();
}

void frmMain::lstBind_DblClick()
{
    m_edits->editSelected();
}

void frmMain::lstBind_ContextMenu()
{
    mnuEdit()->popup(QCursor::pos());
}

// With unsaved changes the save question stands for the exit question: it offers a way out
// (Cancel) as well, and asking both would ask twice.
void frmMain::confirmExit()
{
    if (m_document.isModified()) {
        if (m_files->offerToSave())
            QCoreApplication::quit();
        return;
    }
    const Dialogs::Answer answer = Dialogs::instance().message(this, Dialogs::Icon::Question, Dialogs::Buttons::YesNo,
                                                               QStringLiteral("Confirm"),
                                                               QStringLiteral("Do you really want to Exit"));
    if (answer == Dialogs::Answer::Yes)
        QCoreApplication::quit();
}

// Closing the main window ends the program at once, side windows and all, once unsaved
// changes are saved or given up.
void frmMain::closeEvent(QCloseEvent* event)
{
    if (!m_files->offerToSave()) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}

void frmMain::toggleCommandList()
{
    toggleSideWindow(
        m_commands, &m_name,
        [this] {
            auto* window = new frmCommands(this, m_progress, CatalogueLocation::standard(), m_checking->summaries());
            connect(window, &frmCommands::commandChosen, this, &frmMain::appendToBinding);
            return window;
        },
        (*m_actions)["mnuCommandList"]);
}

// The catalogue opens first when it is closed, so that Ctrl+F always leads to its filter.
void frmMain::findCommand()
{
    if (!m_commands)
        toggleCommandList();
    if (frmCommands* window = commandsWindow())
        window->focusFilter();
}

void frmMain::toggleFunName()
{
    toggleSideWindow(
        m_name, &m_commands,
        [this] {
            auto* window = new frmName(this);
            connect(window, &frmName::nameComposed, this,
                    [this](const QString& line) { m_document.insertRow(1, line, QStringLiteral("Add to Bind")); });
            return window;
        },
        (*m_actions)["mnuFunName"]);
}

// Several commands are joined by ";"; the insertion point goes to the end.
void frmMain::appendToBinding(const QString& command)
{
    m_txtBind->setText(m_txtBind->text().isEmpty() ? command : m_txtBind->text() + u';' + command);
    m_txtBind->setCursorPosition(int(m_txtBind->text().size()));
}

// At most one side window is open: showing one closes the other first. The toggle stays
// checked, its menu item ticked and its button down, while the window is open.
template <typename Create>
void frmMain::toggleSideWindow(QPointer<SideWindow>& window, QPointer<SideWindow>* other, Create create,
                               QAction* toggle)
{
    if (other && *other)
        (*other)->close();
    if (window) {
        window->close();
        return;
    }
    toggle->setChecked(true);
    window = create();
    connect(window, &SideWindow::closing, this, [&window, toggle] {
        window.clear();
        toggle->setChecked(false);
    });
    window->show();
}

// The map stays open beside either of the other side windows. A click on a bound key selects
// its line, on a free key puts its name in the Key box; a double-click edits the line.
void frmMain::toggleKeyboardMap()
{
    toggleSideWindow(
        m_keymap, nullptr,
        [this] {
            auto* window = new KeyboardMapWindow(this, *m_keymapRows, keymap::keymapEngine(m_checking->engine()));
            connect(window, &KeyboardMapWindow::keyClicked, this, [this, window](const QString& name) {
                if (!window->model().liveBinding(name.toLatin1()))
                    m_txtKey->setEditText(name);
            });
            connect(window, &KeyboardMapWindow::rowChosen, this, [this](int row) { lstBind().select(row + 1); });
            connect(window, &KeyboardMapWindow::rowActivated, this, [this](int row) {
                lstBind().select(row + 1);
                m_edits->editSelected();
            });
            return window;
        },
        (*m_actions)["mnuKeyboardMap"]);
}

void frmMain::exportKeyboardMap()
{
    const auto* map = qobject_cast<KeyboardMapWindow*>(m_keymap.data());
    ::exportKeyboardMap(this, *m_keymapRows, keymap::keymapEngine(m_checking->engine()),
                        map ? map->keyboardLayout() : QString());
}

void frmMain::showColors()
{
    frmColor colors(m_lstBind->foreColor(), m_lstBind->backColor(), this);
    connect(&colors, &frmColor::colorsChosen, m_lstBind, &BindingView::setColors);
    colors.exec();
}

void frmMain::showAbout()
{
    frmAbout about(this);
    about.exec();
}
