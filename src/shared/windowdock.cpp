#include "shared/windowdock.h"

#include <QAbstractButton>
#include <QEvent>
#include <QWidget>
#include <QWindow>

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
    m_lastAttempt.reset();
    windowMoved();
}

// A window is framed once it is on the screen: before that its frame is unknown, and a
// position computed from it lands the frame a title bar too high.
bool WindowDock::framed() const
{
    const QWindow* handle = m_side->windowHandle();
    return handle && handle->isExposed();
}

void WindowDock::windowMoved()
{
    // Placing the window moves it, and that move comes back here: the guard and the
    // position check end the exchange instead of recursing.
    if (m_placing || !m_main || !m_side || !m_docked->isChecked() || !framed())
        return;
    const Attempt attempt{dockedPosition(m_main), m_side->pos()};
    if (attempt.from == attempt.target) {
        m_lastAttempt.reset();
        return;
    }
    if (m_lastAttempt == attempt)
        return; // back where the last correction started: the manager refused it
    m_lastAttempt = attempt;
    m_placing = true;
    m_side->move(attempt.target);
    m_placing = false;
}

bool WindowDock::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_side && event->type() == QEvent::Show && m_side->windowHandle())
        m_side->windowHandle()->installEventFilter(this);
    else if (watched == m_side->windowHandle() && event->type() == QEvent::Expose && framed()) {
        watched->removeEventFilter(this); // only the first showing needs it
        windowMoved();
    } else if (event->type() == QEvent::Move && (watched == m_main || watched == m_side))
        windowMoved();
    return QObject::eventFilter(watched, event);
}
