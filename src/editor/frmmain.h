#pragma once

#include "editor/bindinglist.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class BindingView;
class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolBar;
class SideWindow;
class cLogo;
class frmCommands;
class frmName;
namespace tolvane { class cMRU; }

// The main window: the binding list, the entry row that composes new lines, the menus
// and toolbar that start every command, and the side windows it shows and hides.
class frmMain final : public QMainWindow
{
    Q_OBJECT

public:
    // commandLine: the program's arguments joined by single spaces, the file to open.
    explicit frmMain(const QString& commandLine = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    // The document state: the product name, or the path of the file last read or written.
    QString caption() const { return m_caption; }

    BindingList& lstBind() { return m_bindings; }
    BindingView* lstBindView() const { return m_lstBind; }
    QLineEdit* txtBind() const { return m_txtBind; }
    QComboBox* txtKey() const { return m_txtKey; }
    QComboBox* cmbType() const { return m_cmbType; }
    QProgressBar* Progress() const { return m_progress; }
    PictureBox* picLogo() const { return m_picLogo; }
    QMenu* mnuEdit() const { return m_mnuEdit; }
    // The recent-files list, or null when it could not be set up.
    tolvane::cMRU* recentFiles() const { return m_mru.get(); }
    // Toolbar entries counted from 1, separators included.
    QAction* toolbarEntry(int entry) const;
    QAction* menuItem(const QString& name) const;
    frmCommands* commandsWindow() const;
    frmName* nameWindow() const;

    void AddBinding();
    void CommandLineOpen();
    void OpenBindFile(const QString& name);
    // Save and Save As; false when nothing was written.
    bool Save();
    bool SaveAs();

public slots:
    void cmdAdd_Click();
    void cmbType_Click();
    void lstBind_DblClick();
    void lstBind_ContextMenu();
    void Toolbar1_ButtonClick(const QString& key);

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuClose_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuFileMRU_Click(int index);
    void mnuExit_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuDelete_Click();
    void mnuClearAll_Click();
    void mnuInsertC_Click();
    void mnuCommandList_Click();
    void mnuFunName_Click();
    void mnuEditColors_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();
    void createToolbar();
    void Form_Load();
    void setUpRecentFiles();
    void setCaption(const QString& caption);
    QAction* addMenuItem(QMenu* menu, const QString& name, const QString& text, const QKeySequence& shortcut,
                         void (frmMain::*slot)());
    bool askSaveName(const QString& title);
    bool refuseUnwritableRows();
    bool saveTo(const QString& name);
    bool writeBindFile(const QString& name);
    void listAdd(const QString& name);
    void toggleSideWindow(QPointer<SideWindow>& window, QPointer<SideWindow>& other,
                          const std::function<SideWindow*()>& create, QAction* item, QAction* button);

    BindingList m_bindings;
    QString m_caption;
    QString m_commandLine;
    QString m_currentFileName;
    QString m_dialogFileName; // the file dialog's memory: the name last picked

    QToolBar* m_toolbar = nullptr;
    QList<QAction*> m_toolbarEntries;
    PictureBox* m_picLogo = nullptr;
    QLabel* m_lblQuote = nullptr;
    QComboBox* m_cmbType = nullptr;
    QComboBox* m_txtKey = nullptr;
    QLineEdit* m_txtBind = nullptr;
    QPushButton* m_cmdAdd = nullptr;
    BindingView* m_lstBind = nullptr;
    QProgressBar* m_progress = nullptr;
    QMenu* m_mnuEdit = nullptr;
    QList<QAction*> m_mnuFileMRU;
    QAction* m_mnuMRUDiv = nullptr;

    std::unique_ptr<cLogo> m_logo;
    std::unique_ptr<tolvane::cMRU> m_mru;
    QPointer<SideWindow> m_commands;
    QPointer<SideWindow> m_name;
};
