#pragma once

#include "editor/bindingdocument.h"
#include "editor/commandfield.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class BindingView;
class EditCommands;
class FileCommands;
class BindingListRows;
class KeyCaptureButton;
class MainActions;
class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class ScriptChecking;
class SideWindow;
class StatusLine;
class cLogo;
class frmCommands;
class frmName;
namespace tolvane {
class cMRU;
}

// The main window: the binding list, the entry row that composes new lines, the menus and
// toolbar that start every command, and the side windows it shows and hides. The rows and
// their file are the document's; the commands live in FileCommands and EditCommands.
class frmMain final : public QMainWindow
{
    Q_OBJECT

public:
    // commandLine: the program's arguments joined by single spaces, the file to open.
    explicit frmMain(const QString& commandLine = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    // The document state as the title shows it: the product name, or the file's path.
    QString caption() const;

    BindingDocument& document() { return m_document; }
    FileCommands& files() const { return *m_files; }
    BindingList& lstBind() { return m_document.rows(); }
    BindingView* lstBindView() const { return m_lstBind; }
    QLineEdit* txtBind() const { return m_txtBind; }
    CommandField* commandField() const { return m_txtBind; }
    QComboBox* txtKey() const { return m_txtKey; }
    KeyCaptureButton* cmdCaptureKey() const { return m_cmdCaptureKey; }
    QComboBox* cmbType() const { return m_cmbType; }
    QProgressBar* Progress() const { return m_progress; }
    PictureBox* picLogo() const { return m_picLogo; }
    QMenu* mnuEdit() const;
    // The recent-files list, or null when it could not be set up.
    tolvane::cMRU* recentFiles() const;
    // Toolbar entries counted from 1, separators included.
    QAction* toolbarEntry(int entry) const { return m_toolbarEntries.value(entry - 1); }
    // The command of that menu item's name ("mnuSave"), shared with its toolbar button.
    QAction* menuItem(const QString& name) const;
    frmCommands* commandsWindow() const;
    frmName* nameWindow() const;
    SideWindow* keyboardMapWindow() const;
    // The status line: the count of the list's problems, or what the user is doing.
    QLabel* lblProblems() const { return m_lblProblems; }
    // The engine the list is checked as, and whether it was guessed.
    QLabel* lblEngine() const { return m_lblEngine; }

    void AddBinding();

public slots:
    void cmdAdd_Click();
    void cmbType_Click();
    void lstBind_DblClick();
    void lstBind_ContextMenu();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createActions();
    void addListKeys();
    void Form_Load();
    void showCaption();
    void confirmExit();
    void toggleCommandList();
    void findCommand();
    void toggleFunName();
    void toggleKeyboardMap();
    void exportKeyboardMap();
    void appendToBinding(const QString& command);
    void showColors();
    void showAbout();
    template <typename Create>
    void toggleSideWindow(QPointer<SideWindow>& window, QPointer<SideWindow>* other, Create create, QAction* toggle);

    BindingDocument m_document;
    QString m_commandLine;
    std::unique_ptr<MainActions> m_actions;
    FileCommands* m_files = nullptr;
    EditCommands* m_edits = nullptr;

    QList<QAction*> m_toolbarEntries;
    PictureBox* m_picLogo = nullptr;
    QLabel* m_lblQuote = nullptr;
    QComboBox* m_cmbType = nullptr;
    QComboBox* m_txtKey = nullptr;
    KeyCaptureButton* m_cmdCaptureKey = nullptr;
    CommandField* m_txtBind = nullptr;
    QPushButton* m_cmdAdd = nullptr;
    BindingView* m_lstBind = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_lblProblems = nullptr;
    QLabel* m_lblEngine = nullptr;
    StatusLine* m_status = nullptr;
    std::unique_ptr<ScriptChecking> m_checking; // goes before the document it watches
    std::unique_ptr<BindingListRows> m_keymapRows;

    std::unique_ptr<cLogo> m_logo;
    QPointer<SideWindow> m_commands;
    QPointer<SideWindow> m_name;
    QPointer<SideWindow> m_keymap;
};
