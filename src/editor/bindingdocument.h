#pragma once

#include "editor/bindinglist.h"

#include <QUndoStack>
#include <functional>
#include <optional>

// Why a file could not be read or written, for the window to tell in its own words.
struct DocumentError
{
    enum class Kind {
        NotFound,      // no such ordinary file
        Unreadable,    // it exists but could not be read; reason says why
        UnwritableRow, // row holds a character the file's 8-bit set lacks
        WriteFailed,   // reason says why; the old file is as it was
    };
    Kind kind;
    QString reason;
    int row = 0; // for UnwritableRow, counted from 1
};

// The binding list being edited and the file it belongs to, without any window. Every
// change of the rows goes through the history, so it can be undone; a change stores only
// what it changed, never a copy of the list.
class BindingDocument final : public QObject
{
    Q_OBJECT

public:
    // Open and the recent files keep blank lines; the command line drops them and takes
    // only a regular file (a named pipe would wait for a writer).
    enum class ReadMode { Open, CommandLine };

    explicit BindingDocument(QObject* parent = nullptr);

    BindingList& rows() { return m_rows; }
    const BindingList& rows() const { return m_rows; }
    QUndoStack& history() { return m_history; }
    // Changed since the rows were last read, written or emptied; undoing back to that point
    // counts as unchanged.
    bool isModified() const { return !m_history.isClean(); }

    // The file the rows were last read from or written to; empty while there is none.
    QString fileName() const { return m_fileName; }
    bool isUntitled() const { return m_fileName.isEmpty(); }
    void setFileName(const QString& name);

    // Replaces the rows with the file's lines; on failure nothing changes.
    std::optional<DocumentError> open(const QString& path, ReadMode mode);
    // An UnwritableRow error naming the first row the file's 8-bit set cannot hold, if any.
    std::optional<DocumentError> refuseUnwritableRows() const;
    // Writes every row through a save file, calling rowWritten after each; on success the
    // rows belong to path.
    std::optional<DocumentError> save(const QString& path, const std::function<void()>& rowWritten = {});
    // An empty list of no file with a fresh history, as New and Close leave it.
    void close();

    // The changes, each one step of the history named as the user knows it.
    void insertRow(int position, const QString& text, const QString& change);
    void appendRow(const QString& text, const QString& change);
    void replaceRow(int position, const QString& text);
    void removeRow(int position, const QString& change);
    void removeAllRows();

signals:
    void fileNameChanged();
    // A file's lines are about to replace the rows, which are then reset.
    void opening(const LineStore& lines, const QString& path);

private:
    BindingList m_rows;
    QUndoStack m_history;
    QString m_fileName;
};
