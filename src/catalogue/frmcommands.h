#pragma once

#include "catalogue/commandsummaries.h"
#include "shared/sidewindow.h"

#include <memory>

class CatalogueUpdater;
struct CatalogueLocation;
class CommandTree;
class CommandTreeFilter;
class QAction;
class QLineEdit;
class QProgressBar;
class QTreeWidgetItem;

// The command catalogue: a tree of categories, sections and console commands beside the
// main window. Double-clicking a command appends it to the main window's binding field;
// while "Dock to Main Window" is ticked the window keeps to the main window's right edge. A
// filter field above the tree narrows it to the commands whose name or summary holds the
// text; commands show their summaries as tooltips.
// It has no owner and is deleted when closed.
class frmCommands final : public SideWindow
{
    Q_OBJECT

public:
    // mainWindow: the window to dock to and take the height of; progress: the bar that shows
    // the catalogue loading. Neither may be null.
    frmCommands(QWidget* mainWindow, QProgressBar* progress, const CatalogueLocation& catalogue,
                CommandSummaries summaries = CommandSummaries::standard());
    ~frmCommands() override;

    // Puts the selected node's text on the clipboard; nothing happens when no node is selected.
    void MyCopyClip();
    // Hands the clipboard's text on as the chosen command.
    void MyPasteClip();

    // "Check For List Updates": runs the update check against the catalogue file.
    QAction* mnuCheck() const { return m_mnuCheck; }
    // Replaces the update check that mnuCheck runs, as tests do to choose the server and
    // the answer to "online?".
    void setUpdater(std::unique_ptr<CatalogueUpdater> updater);
    // The version of the loaded catalogue, empty when it had none.
    QString catalogueVersion() const { return m_tag; }
    CommandTree* TreeView1() const { return m_treeView1; }
    QLineEdit* txtFilter() const { return m_txtFilter; }
    // Brings the window forward with the filter field focused and its text selected (Ctrl+F).
    void focusFilter();

signals:
    // A command was chosen in the tree, for the binding field.
    void commandChosen(const QString& command);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void Form_Load(const QWidget& mainWindow, QProgressBar& progress, const QString& cataloguePath);
    void TreeView1_DblClick(QTreeWidgetItem* item);
    bool txtFilter_KeyPress(int key);
    void enterTree(int key);
    void chooseCommand();
    void mnuCheck_Click();

    QString m_tag;
    QAction* m_mnuCheck = nullptr;
    QLineEdit* m_txtFilter = nullptr;
    CommandTree* m_treeView1 = nullptr;
    std::unique_ptr<CommandTreeFilter> m_filter;
    std::unique_ptr<CatalogueUpdater> m_updater;
    bool m_checking = false;
    bool m_closeAsked = false;
};
