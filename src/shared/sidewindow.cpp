#include "shared/sidewindow.h"

#include "shared/windowdock.h"

#include <QCheckBox>
#include <QCloseEvent>

SideWindow::SideWindow(QWidget* mainWindow, Qt::WindowFlags flags)
    : QMainWindow(nullptr, flags), m_mainWindow(mainWindow)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void SideWindow::addDockedBox(QWidget* client, const QRect& geometry)
{
    m_chkDocked = new QCheckBox(QStringLiteral("Dock to Main Window"), client);
    m_chkDocked->setObjectName(QStringLiteral("chkDocked"));
    m_chkDocked->setGeometry(geometry);
    m_chkDocked->setChecked(true);
    new WindowDock(this, m_mainWindow, m_chkDocked);
}

void SideWindow::closeEvent(QCloseEvent* event)
{
    emit closing();
    QMainWindow::closeEvent(event);
}
