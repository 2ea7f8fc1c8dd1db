#pragma once

#include <QObject>

class BindingDocument;
class QWidget;

// The Edit menu's commands on the selected row and the clipboard, and the edit in place.
// Each change is one step of the document's history. Commands on the selected row do
// nothing when no row is selected.
class EditCommands final : public QObject
{
    Q_OBJECT

public:
    EditCommands(QWidget* window, BindingDocument& document);

    void cut();
    void copy();
    void paste();
    void deleteSelected();
    void clearAll();
    void insertComment();
    void editSelected();

private:
    QWidget* m_window;
    BindingDocument& m_document;
};
