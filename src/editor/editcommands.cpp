#include "editor/editcommands.h"

#include "editor/bindingdocument.h"
#include "shared/dialogs.h"
#include "shared/identity.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

EditCommands::EditCommands(QWidget* window, BindingDocument& document)
    : QObject(window), m_window(window), m_document(document)
{
}

void EditCommands::copy()
{
    const int row = m_document.rows().selectedRow();
    if (row == 0)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(m_document.rows().text(row));
}

void EditCommands::cut()
{
    const int row = m_document.rows().selectedRow();
    if (row == 0)
        return;
    copy();
    m_document.removeRow(row, QStringLiteral("Cut"));
}

void EditCommands::paste()
{
    const int row = m_document.rows().selectedRow();
    if (row != 0)
        m_document.insertRow(row, QGuiApplication::clipboard()->text(), QStringLiteral("Paste"));
}

void EditCommands::deleteSelected()
{
    const int row = m_document.rows().selectedRow();
    if (row != 0)
        m_document.removeRow(row, QStringLiteral("Delete Selected"));
}

void EditCommands::clearAll()
{
    const Dialogs::Answer answer = Dialogs::instance().message(
        m_window, Dialogs::Icon::Information, Dialogs::Buttons::YesNo, QStringLiteral("Warning"),
        QStringLiteral("If you procede, you'll lose all bindings thus far.\r\n\r\nDo you wish to procede?"));
    if (answer == Dialogs::Answer::Yes)
        m_document.removeAllRows();
}

void EditCommands::insertComment()
{
    const QString comment = Dialogs::instance().input(m_window, QStringLiteral("Please type your comment message"),
                                                      QStringLiteral("Insert Comment"),
                                                      QStringLiteral("Created by : ") + identity::ProductName);
    if (!comment.isEmpty())
        m_document.insertRow(1, QStringLiteral("//") + comment, QStringLiteral("Insert Comment Line"));
}

void EditCommands::editSelected()
{
    const int row = m_document.rows().selectedRow();
    if (row == 0 || m_document.rows().text(row).isEmpty())
        return;
    const QString answer = Dialogs::instance().input(m_window, QStringLiteral("Enter the updated text."),
                                                     QStringLiteral("Edit Command"), m_document.rows().text(row));
    if (!answer.isEmpty())
        m_document.replaceRow(row, answer);
}
