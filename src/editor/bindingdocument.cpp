#include "editor/bindingdocument.h"

#include "editor/configfile.h"
#include "shared/fileexists.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUndoCommand>

namespace {

// One row comes in at a position: Add, Paste, Insert Comment Line, Add to Bind.
class InsertRow final : public QUndoCommand
{
public:
    InsertRow(BindingList& rows, int position, const QString& text, const QString& change)
        : QUndoCommand(change), m_rows(rows), m_position(position), m_text(text)
    {
    }
    void redo() override
    {
        m_rows.insert(m_position, m_text);
        m_rows.select(m_position);
    }
    void undo() override { m_rows.remove(m_position); }

private:
    BindingList& m_rows;
    int m_position;
    QString m_text;
};

// One row goes: Cut, Delete Selected.
class RemoveRow final : public QUndoCommand
{
public:
    RemoveRow(BindingList& rows, int position, const QString& change)
        : QUndoCommand(change), m_rows(rows), m_position(position), m_text(rows.text(position))
    {
    }
    void redo() override { m_rows.remove(m_position); }
    void undo() override
    {
        m_rows.insert(m_position, m_text);
        m_rows.select(m_position);
    }

private:
    BindingList& m_rows;
    int m_position;
    QString m_text;
};

// A row's text is replaced: the edit in place. Undo and redo swap the two texts.
class ReplaceRow final : public QUndoCommand
{
public:
    ReplaceRow(BindingList& rows, int position, const QString& text)
        : QUndoCommand(QStringLiteral("Edit")), m_rows(rows), m_position(position), m_text(text)
    {
    }
    void redo() override { swap(); }
    void undo() override { swap(); }

private:
    void swap()
    {
        const QString old = m_rows.text(m_position);
        m_rows.setText(m_position, m_text);
        m_rows.select(m_position);
        m_text = old;
    }

    BindingList& m_rows;
    int m_position;
    QString m_text;
};

// Every row goes: Clear All. The rows move into the step and back, never copied.
class RemoveAllRows final : public QUndoCommand
{
public:
    explicit RemoveAllRows(BindingList& rows) : QUndoCommand(QStringLiteral("Clear All")), m_rows(rows) {}
    void redo() override { m_removed = m_rows.takeAll(); }
    void undo() override { m_rows.assign(std::exchange(m_removed, {})); }

private:
    BindingList& m_rows;
    LineStore m_removed;
};

bool readable(const QString& path, BindingDocument::ReadMode mode)
{
    return mode == BindingDocument::ReadMode::Open ? FileExists(path) : QFileInfo(path).isFile();
}

} // namespace

BindingDocument::BindingDocument(QObject* parent) : QObject(parent) {}

void BindingDocument::setFileName(const QString& name)
{
    if (name == m_fileName)
        return;
    m_fileName = name;
    emit fileNameChanged();
}

std::optional<DocumentError> BindingDocument::open(const QString& path, ReadMode mode)
{
    if (!readable(path, mode))
        return DocumentError{DocumentError::Kind::NotFound, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DocumentError{DocumentError::Kind::Unreadable, file.errorString()};
    configfile::ReadResult result = configfile::read(file);
    if (!result.lines)
        return DocumentError{DocumentError::Kind::Unreadable, result.error};
    if (mode == ReadMode::CommandLine)
        result.lines->removeEmptyLines();
    m_history.clear();
    emit opening(*result.lines, path);
    m_rows.assign(std::move(*result.lines));
    setFileName(path);
    return std::nullopt;
}

std::optional<DocumentError> BindingDocument::refuseUnwritableRows() const
{
    if (const std::optional<qsizetype> line = configfile::firstUnwritableLine(m_rows.lines()))
        return DocumentError{DocumentError::Kind::UnwritableRow, {}, int(*line) + 1};
    return std::nullopt;
}

std::optional<DocumentError> BindingDocument::save(const QString& path, const std::function<void()>& rowWritten)
{
    if (std::optional<DocumentError> refused = refuseUnwritableRows())
        return refused;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return DocumentError{DocumentError::Kind::WriteFailed, file.errorString()};
    const QString error = configfile::write(file, m_rows.lines(), rowWritten);
    if (!error.isEmpty()) {
        file.cancelWriting();
        return DocumentError{DocumentError::Kind::WriteFailed, error};
    }
    if (!file.commit())
        return DocumentError{DocumentError::Kind::WriteFailed, file.errorString()};
    m_history.setClean();
    setFileName(path);
    return std::nullopt;
}

void BindingDocument::close()
{
    m_history.clear();
    m_rows.removeAll();
    setFileName({});
}

void BindingDocument::insertRow(int position, const QString& text, const QString& change)
{
    m_history.push(new InsertRow(m_rows, position, text, change));
}

void BindingDocument::appendRow(const QString& text, const QString& change)
{
    insertRow(m_rows.count() + 1, text, change);
}

void BindingDocument::replaceRow(int position, const QString& text)
{
    m_history.push(new ReplaceRow(m_rows, position, text));
}

void BindingDocument::removeRow(int position, const QString& change)
{
    m_history.push(new RemoveRow(m_rows, position, change));
}

void BindingDocument::removeAllRows()
{
    m_history.push(new RemoveAllRows(m_rows));
}
