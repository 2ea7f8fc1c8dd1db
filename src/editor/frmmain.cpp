#include "editor/frmmain.h"

#include "catalogue/cataloguelocation.h"
#include "catalogue/frmcommands.h"
#include "cmru.h"
#include "editor/bindingline.h"
#include "editor/bindingview.h"
#include "editor/configfile.h"
#include "editor/menuitemobject.h"
#include "funname/frmname.h"
#include "funname/glyphrowdelegate.h"
#include "presentation/clogo.h"
#include "presentation/frmabout.h"
#include "presentation/frmcolor.h"
#include "presentation/picturebox.h"
#include "shared/dialogs.h"
#include "shared/fileexists.h"
#include "shared/fonts.h"
#include "shared/identity.h"
#include "shared/progresscounter.h"
#include "shared/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QToolBar>

#include <limits>

namespace {

const QString FileFilter = QStringLiteral(
    "Quake Config Files (*.cfg)|*.cfg|Quake Script Files (*.scr)|*.scr|All Files (*.*)|*.*");

// Start-up steps and toolbar commands end silently when they fail.
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

void showError(QWidget* parent, const QString& title, const QString& text)
{
    Dialogs::instance().message(parent, Dialogs::Icon::Critical, Dialogs::Buttons::Ok, title, text);
}

} // namespace

frmMain::frmMain(const QString& commandLine, QWidget* parent)
    : QMainWindow(parent), m_commandLine(commandLine)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/corvale.svg")));
    createControls();
    createMenus();
    createToolbar();
    setCaption(identity::ProductName);
    // A fixed single border: the window keeps the size of its controls.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

frmMain::~frmMain()
{
    // The side windows have no owner; they go with the main window.
    delete m_commands;
    delete m_name;
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

    place(new QLabel(QStringLiteral("Type"), client), twips::rect(540, 450, 420, 270), QStringLiteral("lblType"));
    place(new QLabel(QStringLiteral("Key"), client), twips::rect(1530, 450, 300, 270), QStringLiteral("lblKey"));
    place(new QLabel(QStringLiteral("Binding"), client), twips::rect(3330, 450, 645, 270),
          QStringLiteral("lblBind"));
    m_lblQuote = new QLabel(QStringLiteral("\""), client);
    place(m_lblQuote, twips::rect(2295, 495, 75, 270), QStringLiteral("lblQuote"));
    m_lblQuote->hide();

    const QFont controlFont = fonts::msSansSerif();
    m_cmbType = typedComboBox({QStringLiteral("bind"), QStringLiteral("set"), QStringLiteral("alias")}, client);
    m_cmbType->setEditText(QStringLiteral("bind"));
    m_cmbType->setToolTip(QStringLiteral("Type Bind"));

    m_txtKey = typedComboBox(bindingline::keyNames(), client);
    m_txtKey->setMaxVisibleItems(20);
    m_txtKey->setEditText(QStringLiteral("a"));
    m_txtKey->setToolTip(QStringLiteral("Key to Bind"));

    m_txtBind = new QLineEdit(client);
    m_txtBind->setMaxLength(std::numeric_limits<int>::max());
    m_txtBind->setToolTip(QStringLiteral("Binding Text"));

    m_cmdAdd = new QPushButton(QStringLiteral("&Add"), client);
    m_cmdAdd->setToolTip(QStringLiteral("Add Binding"));
    m_cmdAdd->setDefault(true);
    m_cmdAdd->setAutoDefault(false);

    m_lstBind = new BindingView(&m_bindings, client);
    m_lstBind->setToolTip(QStringLiteral("Preview of the Finished File"));
    m_lstBind->setItemDelegate(new GlyphRowDelegate(m_lstBind));

    m_progress = new QProgressBar(client);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    for (QWidget* control : std::initializer_list<QWidget*>{m_cmbType, m_txtKey, m_txtBind, m_cmdAdd, m_lstBind})
        control->setFont(controlFont);
    place(m_cmbType, twips::rect(315, 720, 825, 315), QStringLiteral("cmbType"));
    place(m_txtKey, twips::rect(1170, 720, 1230, 315), QStringLiteral("txtKey"));
    place(m_txtBind, twips::rect(2430, 720, 2355, 300), QStringLiteral("txtBind"));
    place(m_cmdAdd, twips::rect(4815, 720, 645, 330), QStringLiteral("cmdAdd"));
    place(m_lstBind, twips::rect(315, 1080, 5145, 4110), QStringLiteral("lstBind"));
    place(m_progress, twips::rect(330, 5250, 3375, 315), QStringLiteral("Progress"));

    setTabOrder(m_cmbType, m_txtKey);
    setTabOrder(m_txtKey, m_txtBind);
    setTabOrder(m_txtBind, m_cmdAdd);

    // Enter in any entry field runs Add, as the window's default button does.
    for (QLineEdit* field : {m_cmbType->lineEdit(), m_txtKey->lineEdit(), m_txtBind})
        connect(field, &QLineEdit::returnPressed, this, &frmMain::cmdAdd_Click);
    connect(m_cmdAdd, &QPushButton::clicked, this, &frmMain::cmdAdd_Click);
    connect(m_cmbType, &QComboBox::activated, this, &frmMain::cmbType_Click);
    connect(m_lstBind, &QAbstractItemView::doubleClicked, this, &frmMain::lstBind_DblClick);
    connect(m_lstBind, &QWidget::customContextMenuRequested, this, &frmMain::lstBind_ContextMenu);
}

QAction* frmMain::addMenuItem(QMenu* menu, const QString& name, const QString& text,
                              const QKeySequence& shortcut, void (frmMain::*slot)())
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void frmMain::createMenus()
{
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    addMenuItem(mnuFile, QStringLiteral("mnuNew"), QStringLiteral("&New"), QKeySequence(QStringLiteral("Ctrl+N")),
                &frmMain::mnuNew_Click);
    addMenuItem(mnuFile, QStringLiteral("mnuOpen"), QStringLiteral("&Open..."),
                QKeySequence(QStringLiteral("Ctrl+O")), &frmMain::mnuOpen_Click);
    addMenuItem(mnuFile, QStringLiteral("mnuClose"), QStringLiteral("C&lose"),
                QKeySequence(QStringLiteral("Ctrl+L")), &frmMain::mnuClose_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep4"));
    addMenuItem(mnuFile, QStringLiteral("mnuSave"), QStringLiteral("&Save"), QKeySequence(QStringLiteral("Ctrl+S")),
                &frmMain::mnuSave_Click);
    addMenuItem(mnuFile, QStringLiteral("mnuSaveAs"), QStringLiteral("&Save As..."), {}, &frmMain::mnuSaveAs_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    for (int index = 1; index <= 4; ++index) {
        QAction* item = mnuFile->addAction(QStringLiteral("MRU%1").arg(index));
        item->setObjectName(QStringLiteral("mnuFileMRU%1").arg(index));
        connect(item, &QAction::triggered, this, [this, index] { mnuFileMRU_Click(index); });
        m_mnuFileMRU << item;
    }
    m_mnuMRUDiv = mnuFile->addSeparator();
    m_mnuMRUDiv->setObjectName(QStringLiteral("mnuMRUDiv"));
    addMenuItem(mnuFile, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+X")),
                &frmMain::mnuExit_Click);

    m_mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    m_mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    addMenuItem(m_mnuEdit, QStringLiteral("mnuCut"), QStringLiteral("Cu&t"), QKeySequence(QStringLiteral("Ctrl+T")),
                &frmMain::mnuCut_Click);
    addMenuItem(m_mnuEdit, QStringLiteral("mnuCopy"), QStringLiteral("&Copy"),
                QKeySequence(QStringLiteral("Ctrl+C")), &frmMain::mnuCopy_Click);
    addMenuItem(m_mnuEdit, QStringLiteral("mnuPaste"), QStringLiteral("&Paste"),
                QKeySequence(QStringLiteral("Ctrl+P")), &frmMain::mnuPaste_Click);
    m_mnuEdit->addSeparator()->setObjectName(QStringLiteral("mnuSep0"));
    addMenuItem(m_mnuEdit, QStringLiteral("mnuDelete"), QStringLiteral("&Delete Selected"),
                QKeySequence(QStringLiteral("Ctrl+D")), &frmMain::mnuDelete_Click);
    addMenuItem(m_mnuEdit, QStringLiteral("mnuClearAll"), QStringLiteral("Clear &All"),
                QKeySequence(QStringLiteral("Ctrl+A")), &frmMain::mnuClearAll_Click);
    m_mnuEdit->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    addMenuItem(m_mnuEdit, QStringLiteral("mnuInsertC"), QStringLiteral("&Insert Comment Line"),
                QKeySequence(QStringLiteral("Ctrl+I")), &frmMain::mnuInsertC_Click);

    QMenu* mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    addMenuItem(mnuOptions, QStringLiteral("mnuCommandList"), QStringLiteral("Show Commands List"), {},
                &frmMain::mnuCommandList_Click)
        ->setCheckable(true);
    addMenuItem(mnuOptions, QStringLiteral("mnuFunName"), QStringLiteral("Fun Name Editor"), {},
                &frmMain::mnuFunName_Click)
        ->setCheckable(true);
    mnuOptions->addSeparator()->setObjectName(QStringLiteral("mnuSep5"));
    addMenuItem(mnuOptions, QStringLiteral("mnuEditColors"), QStringLiteral("&Edit Colors"), {},
                &frmMain::mnuEditColors_Click);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    addMenuItem(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("&About..."), QKeySequence(Qt::Key_F1),
                &frmMain::mnuAbout_Click);
}

void frmMain::createToolbar()
{
    struct Entry
    {
        const char* key; // empty: a separator
        const char* tooltip;
        const char* icon;
        bool check;
    };
    static constexpr Entry entries[] = {
        {"New", "New", "new", false},
        {"Open", "Open", "open", false},
        {"Save", "Save", "save", false},
        {"", "", "", false},
        {"Copy", "Copy", "copy", false},
        {"Cut", "Cut", "cut", false},
        {"Paste", "Paste", "paste", false},
        {"", "", "", false},
        {"Delete", "Delete", "delete", false},
        {"Insert", "Insert Comment", "insert", false},
        {"", "", "", false},
        {"CmdList", "Commands List", "cmdlist", true},
        {"FunName", "Fun Name Editor", "funname", true},
        {"", "", "", false},
        {"About", "", "about", false},
        {"", "", "", false},
        {"Exit", "", "exit", false},
    };

    m_toolbar = new QToolBar(centralWidget());
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setGeometry(twips::rect(0, 0, 5490, 360));
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->setMovable(false);
    for (const Entry& entry : entries) {
        const QString key = QLatin1String(entry.key);
        if (key.isEmpty()) {
            m_toolbarEntries << m_toolbar->addSeparator();
            continue;
        }
        QAction* button = m_toolbar->addAction(
            QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.icon))), key);
        button->setObjectName(QStringLiteral("Toolbar1_") + key);
        button->setToolTip(QLatin1String(entry.tooltip));
        button->setCheckable(entry.check);
        connect(button, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        m_toolbarEntries << button;
    }
}

QAction* frmMain::toolbarEntry(int entry) const
{
    return m_toolbarEntries.value(entry - 1);
}

frmCommands* frmMain::commandsWindow() const
{
    return static_cast<frmCommands*>(m_commands.data());
}

frmName* frmMain::nameWindow() const
{
    return static_cast<frmName*>(m_name.data());
}

QAction* frmMain::menuItem(const QString& name) const
{
    return findChild<QAction*>(name);
}

void frmMain::setCaption(const QString& caption)
{
    m_caption = caption;
    // "[*]" would otherwise be read as the modified-state placeholder.
    QString shown = caption;
    setWindowTitle(shown.replace(QLatin1String("[*]"), QLatin1String("[*][*]")));
}

// ---- start-up ---------------------------------------------------------------------------

void frmMain::Form_Load()
{
    runIgnoringErrors([this] {
        m_logo = std::make_unique<cLogo>();
        m_logo->setDrawingObject(m_picLogo);
        m_logo->setCaption(identity::ProductName);
        m_logo->Draw();
    });
    runIgnoringErrors([this] { setUpRecentFiles(); });
    if (!m_commandLine.isEmpty())
        runIgnoringErrors([this] { CommandLineOpen(); });
}

void frmMain::setUpRecentFiles()
{
    auto mru = std::make_unique<tolvane::cMRU>();
    mru->setAppName(identity::ProductName);
    mru->setListSize(4);
    mru->setObjectsUpdate(false);
    mru->setObjectsControlVisibility(true);
    mru->setObjectDivider(std::make_shared<MenuItemObject>(m_mnuMRUDiv));
    for (int index = 1; index <= 4; ++index)
        mru->setObjectsList(qint16(index), std::make_shared<MenuItemObject>(m_mnuFileMRU[index - 1]));
    mru->ListVerify();
    mru->setObjectsUpdate(true);
    m_mru = std::move(mru);
}

void frmMain::listAdd(const QString& name)
{
    if (m_mru)
        m_mru->ListAdd(name);
}

// ---- the entry row and the list ---------------------------------------------------------

void frmMain::AddBinding()
{
    if (m_txtBind->text().isEmpty()) {
        showError(this, QStringLiteral("Error"), QStringLiteral("You must fill in the binding space"));
        return;
    }
    if (m_txtKey->currentText().isEmpty()) {
        showError(this, QStringLiteral("Error"), QStringLiteral("You must fill in the key space"));
        return;
    }
    m_bindings.append(bindingline::compose(m_cmbType->currentText(), m_txtKey->currentText(), m_txtBind->text(),
                                           m_lblQuote->text()));
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
    const int row = m_bindings.selectedRow();
    if (row == 0 || m_bindings.text(row).isEmpty())
        return;
    const QString answer = Dialogs::instance().input(this, QStringLiteral("Enter the updated text."),
                                                     QStringLiteral("Edit Command"), m_bindings.text(row));
    if (!answer.isEmpty())
        m_bindings.setText(row, answer);
}

void frmMain::lstBind_ContextMenu()
{
    m_mnuEdit->popup(QCursor::pos());
}

void frmMain::Toolbar1_ButtonClick(const QString& key)
{
    static const QHash<QString, void (frmMain::*)()> commands = {
        {QStringLiteral("New"), &frmMain::mnuNew_Click},
        {QStringLiteral("Open"), &frmMain::mnuOpen_Click},
        {QStringLiteral("Save"), &frmMain::mnuSave_Click},
        {QStringLiteral("Copy"), &frmMain::mnuCopy_Click},
        {QStringLiteral("Cut"), &frmMain::mnuCut_Click},
        {QStringLiteral("Paste"), &frmMain::mnuPaste_Click},
        {QStringLiteral("Delete"), &frmMain::mnuDelete_Click},
        {QStringLiteral("Insert"), &frmMain::mnuInsertC_Click},
        {QStringLiteral("CmdList"), &frmMain::mnuCommandList_Click},
        {QStringLiteral("FunName"), &frmMain::mnuFunName_Click},
        {QStringLiteral("About"), &frmMain::mnuAbout_Click},
        {QStringLiteral("Exit"), &frmMain::mnuExit_Click},
    };
    const auto command = commands.value(key);
    if (command)
        runIgnoringErrors([this, command] { (this->*command)(); });
}

// ---- reading files ----------------------------------------------------------------------

void frmMain::mnuOpen_Click()
{
    const QString name = Dialogs::instance().openFileName(
        this, {QStringLiteral("Open"), FileFilter, QStringLiteral("cfg"),
               m_dialogFileName.isEmpty() ? QDir::homePath() : m_dialogFileName});
    if (name.isEmpty())
        return;
    m_dialogFileName = name;
    m_currentFileName = name;
    OpenBindFile(name);
}

void frmMain::mnuFileMRU_Click(int index)
{
    if (m_mru)
        OpenBindFile(m_mru->List(qint16(index)));
}

void frmMain::OpenBindFile(const QString& name)
{
    listAdd(name);
    if (!FileExists(name)) {
        showError(this, QStringLiteral("Error Opening File"),
                  QStringLiteral("File '%1' could not be found.").arg(name));
        if (m_mru)
            m_mru->ListRemoveString(name);
        return;
    }
    QFile file(name);
    configfile::ReadResult result;
    if (file.open(QIODevice::ReadOnly))
        result = configfile::read(file);
    else
        result.error = file.errorString();
    if (!result.lines) {
        showError(this, QStringLiteral("Error Opening File"),
                  QStringLiteral("File '%1' could not be read.\r\n%2").arg(name, result.error));
        return;
    }
    m_bindings.assign(std::move(*result.lines));
    setCaption(name);
}

void frmMain::CommandLineOpen()
{
    const QString name = m_commandLine;
    m_currentFileName = name;
    // Only a regular file: opening a named pipe or a device would wait for a writer.
    QFile file(name);
    if (!QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    configfile::ReadResult result = configfile::read(file);
    if (!result.lines)
        return;
    listAdd(name);
    result.lines->removeEmptyLines();
    m_bindings.assign(std::move(*result.lines));
    setCaption(name);
}

// ---- writing files ----------------------------------------------------------------------

bool frmMain::askSaveName(const QString& title)
{
    const QString name = Dialogs::instance().saveFileName(
        this, {title, FileFilter, QStringLiteral("cfg"),
               m_dialogFileName.isEmpty() ? QDir::homePath() : m_dialogFileName});
    if (name.isEmpty())
        return false;
    m_dialogFileName = name;
    m_currentFileName = name;
    return true;
}

bool frmMain::refuseUnwritableRows()
{
    const std::optional<qsizetype> line = configfile::firstUnwritableLine(m_bindings.lines());
    if (!line)
        return false;
    showError(this, QStringLiteral("Error Saving File"),
              QStringLiteral("Row %1 holds a character that cannot be written to a config file:\r\n%2\r\n"
                             "Nothing was saved. Change the row and save again.")
                  .arg(*line + 1)
                  .arg(m_bindings.text(int(*line) + 1)));
    return true;
}

// Writes every row through a save file, so a failed write leaves the old file as it was.
bool frmMain::writeBindFile(const QString& name)
{
    QSaveFile file(name);
    QString error;
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
    } else {
        ProgressCounter rowsWritten(*m_progress);
        error = configfile::write(file, m_bindings.lines(), [&rowsWritten] { rowsWritten.advance(); });
        if (!error.isEmpty())
            file.cancelWriting();
        else if (!file.commit())
            error = file.errorString();
    }
    if (error.isEmpty())
        return true;
    showError(this, QStringLiteral("Error Saving File"),
              QStringLiteral("File '%1' could not be saved.\r\n%2").arg(name, error));
    return false;
}

// Records the name with the recent files and writes the rows, the progress bar counting them.
bool frmMain::saveTo(const QString& name)
{
    m_progress->setRange(0, m_bindings.count() + 1);
    listAdd(name);
    const bool written = writeBindFile(name);
    m_progress->setValue(0);
    return written;
}

bool frmMain::Save()
{
    if (refuseUnwritableRows())
        return false;
    if (!m_caption.startsWith(identity::ProductName))
        m_currentFileName = m_caption;
    else if (!askSaveName(QStringLiteral("Save")))
        return false;
    if (!saveTo(m_currentFileName))
        return false;
    setCaption(m_currentFileName);
    return true;
}

bool frmMain::SaveAs()
{
    if (refuseUnwritableRows() || !askSaveName(QStringLiteral("Save As")))
        return false;
    setCaption(m_currentFileName);
    return saveTo(m_currentFileName);
}

void frmMain::mnuSave_Click()
{
    Save();
}

void frmMain::mnuSaveAs_Click()
{
    SaveAs();
}

// ---- document commands ------------------------------------------------------------------

void frmMain::mnuNew_Click()
{
    setCaption(identity::ProductName);
    m_bindings.removeAll();
    m_currentFileName.clear();
}

void frmMain::mnuClose_Click()
{
    if (m_caption == identity::ProductName)
        return;
    const Dialogs::Answer answer =
        Dialogs::instance().message(this, Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel,
                                    QStringLiteral("Close File"), QStringLiteral("Do you want to save first?"));
    if (answer == Dialogs::Answer::Cancel)
        return;
    // A save that failed keeps the rows: closing them now would lose them.
    if (answer == Dialogs::Answer::Yes && !Save())
        return;
    setCaption(identity::ProductName);
    m_bindings.removeAll();
}

void frmMain::mnuExit_Click()
{
    const Dialogs::Answer answer =
        Dialogs::instance().message(this, Dialogs::Icon::Question, Dialogs::Buttons::YesNo,
                                    QStringLiteral("Confirm"), QStringLiteral("Do you really want to Exit"));
    if (answer == Dialogs::Answer::Yes)
        QCoreApplication::quit();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program at once, side windows and all.
    event->accept();
    QCoreApplication::quit();
}

// ---- editing ----------------------------------------------------------------------------

void frmMain::mnuCopy_Click()
{
    const int row = m_bindings.selectedRow();
    if (row == 0)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(m_bindings.text(row));
}

void frmMain::mnuCut_Click()
{
    const int row = m_bindings.selectedRow();
    if (row == 0)
        return;
    mnuCopy_Click();
    m_bindings.remove(row);
}

void frmMain::mnuPaste_Click()
{
    const int row = m_bindings.selectedRow();
    if (row == 0)
        return;
    m_bindings.insert(row, QGuiApplication::clipboard()->text());
}

void frmMain::mnuDelete_Click()
{
    const int row = m_bindings.selectedRow();
    if (row != 0)
        m_bindings.remove(row);
}

void frmMain::mnuClearAll_Click()
{
    const Dialogs::Answer answer = Dialogs::instance().message(
        this, Dialogs::Icon::Information, Dialogs::Buttons::YesNo, QStringLiteral("Warning"),
        QStringLiteral("If you procede, you'll lose all bindings thus far.\r\n\r\nDo you wish to procede?"));
    if (answer == Dialogs::Answer::Yes)
        m_bindings.removeAll();
}

void frmMain::mnuInsertC_Click()
{
    const QString comment =
        Dialogs::instance().input(this, QStringLiteral("Please type your comment message"),
                                  QStringLiteral("Insert Comment"), QStringLiteral("Created by : ") + identity::ProductName);
    if (!comment.isEmpty())
        m_bindings.insert(1, QStringLiteral("//") + comment);
}

// ---- side windows -----------------------------------------------------------------------

void frmMain::mnuCommandList_Click()
{
    toggleSideWindow(
        m_commands, m_name, [this] { return new frmCommands(this, m_txtBind, m_progress, CatalogueLocation::standard()); },
        menuItem(QStringLiteral("mnuCommandList")), toolbarEntry(12));
}

void frmMain::mnuFunName_Click()
{
    toggleSideWindow(
        m_name, m_commands, [this] { return new frmName(this, &m_bindings); },
        menuItem(QStringLiteral("mnuFunName")), toolbarEntry(13));
}

// At most one side window is open: showing one closes the other first. The menu item's
// check mark and the toolbar button stay down while the window is open.
void frmMain::toggleSideWindow(QPointer<SideWindow>& window, QPointer<SideWindow>& other,
                               const std::function<SideWindow*()>& create, QAction* item, QAction* button)
{
    if (other)
        other->close();
    if (window) {
        window->close();
        return;
    }
    item->setChecked(true);
    window = create();
    connect(window, &SideWindow::closing, this, [&window, item, button] {
        window.clear();
        item->setChecked(false);
        button->setChecked(false);
    });
    window->show();
    button->setChecked(true);
}

void frmMain::mnuEditColors_Click()
{
    frmColor colors(m_lstBind, this);
    colors.exec();
}

void frmMain::mnuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}
