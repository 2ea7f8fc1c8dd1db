#include "shared/windowdock.h"

#include <QAbstractButton>
#include <QEvent>
#include <QWidget>

WindowDock::WindowDock(QWidget* sideWindow, QWidget* mainWindow, QAbstractButton* dockedBox)
    : QObject(sideWindow), m_side(sideWindow), m_main(mainWindow), m_docked(dockedBox)
{
    m_side->installEventFilter(this);
    if (m_main)
        m_main->installEventFilter(this);
    connect(m_docked, &QAbstractButton::clicked, this, &WindowDock::DockToMain);
}

QPoint WindowDock::dockedPosition(const QWidget* mainWindow)
{
    const QRect frame = mainWindow->frameGeometry();
    return {frame.x() + frame.width(), frame.y()};
}

void WindowDock::DockToMain()
{
    // Placing the window moves it, and that move comes back here: the guard and the
    // position check end the exchange instead of recursing.
    if (m_placing || !m_main || !m_side || !m_docked->isChecked())
        return;
    const QPoint target = dockedPosition(m_main);
    if (m_side->pos() == target)
        return;
    m_placing = true;
    m_side->move(target);
    m_placing = false;
}

bool WindowDock::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Move && (watched == m_main || watched == m_side))
        DockToMain();
    return QObject::eventFilter(watched, event);
}
