#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class BindingDocument;
class QAction;
class QProgressBar;
class QWidget;
struct DocumentError;
namespace tolvane {
class cMRU;
}

// The File menu's commands over the document: opening from the dialog, the recent files and
// the command line, saving, New and Close. They keep the recent-files list and the shared
// file dialog's memory, and tell what failed in message boxes over the window.
class FileCommands final : public QObject
{
    Q_OBJECT

public:
    FileCommands(QWidget* window, BindingDocument& document, QProgressBar& progress);
    ~FileCommands() override;

    // Sets the recent-files list up over the File menu's items; throws when it cannot be.
    void setUpRecentFiles(QAction* divider, const QList<QAction*>& items);
    // The recent-files list, or null when it could not be set up.
    tolvane::cMRU* recentFiles() const { return m_mru.get(); }

    void open();
    void openRecent(int index);
    void OpenBindFile(const QString& name);
    void CommandLineOpen(const QString& name);
    // false when nothing was written.
    bool Save();
    bool SaveAs();
    void newFile();
    void close();
    // Before the rows are thrown away: with unsaved changes, asks whether to save them first.
    // false when the player cancelled or the save failed, and the rows must stay.
    bool offerToSave();

private:
    bool askFileName(const QString& title, bool forSaving);
    // The Close question; false on Cancel or when the save failed.
    bool askToSaveFirst();
    bool saveTo(const QString& name);
    bool told(const std::optional<DocumentError>& error, const QString& name);
    void listAdd(const QString& name);

    QWidget* m_window;
    BindingDocument& m_document;
    QProgressBar& m_progress;
    std::unique_ptr<tolvane::cMRU> m_mru;
    QString m_dialogFileName; // the file dialog's memory: the name last picked
};
