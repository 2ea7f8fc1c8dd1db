#include "editor/filecommands.h"

#include "cmru.h"
#include "editor/bindingdocument.h"
#include "editor/menuitemobject.h"
#include "shared/dialogs.h"
#include "shared/identity.h"
#include "shared/progresscounter.h"

#include <QDir>
#include <QProgressBar>
#include <QWidget>

namespace {

const QString FileFilter = QStringLiteral(
    "Quake Config Files (*.cfg)|*.cfg|Quake Script Files (*.scr)|*.scr|All Files (*.*)|*.*");

} // namespace

FileCommands::FileCommands(QWidget* window, BindingDocument& document, QProgressBar& progress)
    : QObject(window), m_window(window), m_document(document), m_progress(progress)
{
}

FileCommands::~FileCommands() = default;

void FileCommands::setUpRecentFiles(QAction* divider, const QList<QAction*>& items)
{
    auto mru = std::make_unique<tolvane::cMRU>();
    mru->setAppName(identity::ProductName);
    mru->setListSize(qint16(items.size()));
    mru->setObjectsUpdate(false);
    mru->setObjectsControlVisibility(true);
    mru->setObjectDivider(std::make_shared<MenuItemObject>(divider));
    for (qsizetype index = 0; index < items.size(); ++index)
        mru->setObjectsList(qint16(index + 1), std::make_shared<MenuItemObject>(items[index]));
    mru->ListVerify();
    mru->setObjectsUpdate(true);
    m_mru = std::move(mru);
}

void FileCommands::listAdd(const QString& name)
{
    if (m_mru)
        m_mru->ListAdd(name);
}

// Asks for a file name in the shared dialog, which remembers the name last picked.
bool FileCommands::askFileName(const QString& title, bool forSaving)
{
    const Dialogs::FileRequest request{title, FileFilter, QStringLiteral("cfg"),
                                       m_dialogFileName.isEmpty() ? QDir::homePath() : m_dialogFileName};
    const QString name = forSaving ? Dialogs::instance().saveFileName(m_window, request)
                                   : Dialogs::instance().openFileName(m_window, request);
    if (name.isEmpty())
        return false;
    m_dialogFileName = name;
    return true;
}

// Tells the user what went wrong with the file; false when nothing did.
bool FileCommands::told(const std::optional<DocumentError>& error, const QString& name)
{
    if (!error)
        return false;
    const auto show = [this](const QString& title, const QString& text) {
        Dialogs::instance().message(m_window, Dialogs::Icon::Critical, Dialogs::Buttons::Ok, title, text);
    };
    const QString opening = QStringLiteral("Error Opening File");
    const QString saving = QStringLiteral("Error Saving File");
    switch (error->kind) {
    case DocumentError::Kind::NotFound:
        show(opening, QStringLiteral("File '%1' could not be found.").arg(name));
        break;
    case DocumentError::Kind::Unreadable:
        show(opening, QStringLiteral("File '%1' could not be read.\r\n%2").arg(name, error->reason));
        break;
    case DocumentError::Kind::UnwritableRow:
        show(saving, QStringLiteral("Row %1 holds a character that cannot be written to a config file:\r\n%2\r\n"
                                    "Nothing was saved. Change the row and save again.")
                         .arg(error->row)
                         .arg(m_document.rows().text(error->row)));
        break;
    case DocumentError::Kind::WriteFailed:
        show(saving, QStringLiteral("File '%1' could not be saved.\r\n%2").arg(name, error->reason));
        break;
    }
    return true;
}

void FileCommands::open()
{
    if (offerToSave() && askFileName(QStringLiteral("Open"), false))
        OpenBindFile(m_dialogFileName);
}

void FileCommands::openRecent(int index)
{
    if (m_mru && offerToSave())
        OpenBindFile(m_mru->List(qint16(index)));
}

void FileCommands::OpenBindFile(const QString& name)
{
    listAdd(name);
    const std::optional<DocumentError> error = m_document.open(name, BindingDocument::ReadMode::Open);
    if (told(error, name) && error->kind == DocumentError::Kind::NotFound && m_mru)
        m_mru->ListRemoveString(name);
}

// Silent on failure: start-up goes on with an empty list.
void FileCommands::CommandLineOpen(const QString& name)
{
    if (!m_document.open(name, BindingDocument::ReadMode::CommandLine))
        listAdd(name);
}

// Records the name with the recent files and writes the rows, the progress bar counting them.
bool FileCommands::saveTo(const QString& name)
{
    m_progress.setRange(0, m_document.rows().count() + 1);
    listAdd(name);
    std::optional<DocumentError> error;
    {
        ProgressCounter rowsWritten(m_progress); // leaves the bar at the rows written when it goes
        error = m_document.save(name, [&rowsWritten] { rowsWritten.advance(); });
    }
    m_progress.setValue(0);
    return !told(error, name);
}

bool FileCommands::Save()
{
    if (told(m_document.refuseUnwritableRows(), {}))
        return false;
    if (m_document.isUntitled() && !askFileName(QStringLiteral("Save"), true))
        return false;
    return saveTo(m_document.isUntitled() ? m_dialogFileName : m_document.fileName());
}

bool FileCommands::SaveAs()
{
    if (told(m_document.refuseUnwritableRows(), {}) || !askFileName(QStringLiteral("Save As"), true))
        return false;
    // The new name shows at once, before anything is written, and stays if writing fails.
    m_document.setFileName(m_dialogFileName);
    return saveTo(m_dialogFileName);
}

void FileCommands::newFile()
{
    if (offerToSave())
        m_document.close();
}

void FileCommands::close()
{
    if (!m_document.isUntitled() && askToSaveFirst())
        m_document.close();
}

bool FileCommands::offerToSave()
{
    return !m_document.isModified() || askToSaveFirst();
}

bool FileCommands::askToSaveFirst()
{
    const Dialogs::Answer answer = Dialogs::instance().message(m_window, Dialogs::Icon::Question,
                                                               Dialogs::Buttons::YesNoCancel,
                                                               QStringLiteral("Close File"),
                                                               QStringLiteral("Do you want to save first?"));
    if (answer == Dialogs::Answer::Cancel)
        return false;
    // A save that failed keeps the rows: throwing them away now would lose them.
    return answer == Dialogs::Answer::No || (m_document.isUntitled() ? SaveAs() : Save());
}
