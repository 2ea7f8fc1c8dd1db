#include "shared/windowdock.h"

#include "shared/x11property.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <optional>

namespace {

// The atom _NET_FRAME_EXTENTS, or 0 away from X11.
quint32 frameExtentsAtom()
{
    static const quint32 atom = x11property::atom("_NET_FRAME_EXTENTS", true);
    return atom;
}

// The frame's widths as the window manager last set them on the window, read from the server
// itself: Qt keeps its own copy, which can lag behind a frame drawn late.
std::optional<QMargins> reportedExtents(const QWidget* window)
{
    if (!window->internalWinId())
        return std::nullopt;
    const std::optional<QByteArray> extents = x11property::read(quint32(window->internalWinId()), frameExtentsAtom(),
                                                                XCB_ATOM_CARDINAL, 32, 4);
    if (!extents || extents->size() != 4 * sizeof(quint32))
        return std::nullopt;
    const auto* sides = reinterpret_cast<const quint32*>(extents->constData()); // left, right, top, bottom
    return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3])) / window->devicePixelRatioF();
}

// The window's outer frame as the window manager reports it; Qt's idea of it where the
// manager reports nothing.
QRect frameOf(const QWidget* window)
{
    const std::optional<QMargins> extents = reportedExtents(window);
    return extents ? window->geometry().marginsAdded(*extents) : window->frameGeometry();
}

} // namespace

WindowDock::WindowDock(QWidget* sideWindow, QWidget* mainWindow, QAbstractButton* dockedBox)
    : QObject(sideWindow), m_side(sideWindow), m_main(mainWindow), m_docked(dockedBox)
{
    m_side->installEventFilter(this);
    if (m_main)
        m_main->installEventFilter(this);
    connect(m_docked, &QAbstractButton::clicked, this, &WindowDock::DockToMain);
    if (frameExtentsAtom())
        QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowDock::~WindowDock()
{
    if (frameExtentsAtom())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

QPoint WindowDock::dockedPosition(const QWidget* mainWindow)
{
    const QRect frame = frameOf(mainWindow);
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
    const QRect frame = frameOf(m_side);
    const Attempt attempt{dockedPosition(m_main), frame.topLeft()};
    if (attempt.from == attempt.target) {
        m_lastAttempt.reset();
        return;
    }
    if (m_lastAttempt == attempt)
        return; // back where the last correction started: the manager refused it
    m_lastAttempt = attempt;
    m_placing = true;
    // The window itself goes where its frame puts the frame on target, by the frame as the
    // manager reports it rather than by Qt's copy.
    const QPoint client = attempt.target + (m_side->geometry().topLeft() - frame.topLeft());
    m_side->setGeometry(QRect(client, m_side->size()));
    m_placing = false;
}

// A new frame changes where the window belongs or where it stands. The event is seen before Qt
// reads it, so the window is placed once Qt has; a new frame is a new start, whatever the
// manager refused before.
bool WindowDock::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || !m_side)
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
    const auto isFrameOf = [property](const QWidget* window) {
        return window && window->internalWinId() == property->window;
    };
    if (property->atom == frameExtentsAtom() && (isFrameOf(m_side) || isFrameOf(m_main)))
        QMetaObject::invokeMethod(this, &WindowDock::DockToMain, Qt::QueuedConnection);
    return false;
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
