#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>

class QAbstractButton;
class QWidget;

// Keeps a side window's frame against the main window's right edge, tops level, while
// its "Dock to Main Window" box is ticked. It listens to the move events of both
// windows and to clicks on the box; both side windows use this one piece of code.
//
// A window manager may put a window elsewhere than asked (off the screen's edge, next to a
// maximised window). When a correction brings the window back to where it was corrected
// from, the manager has refused: docking waits for a real move of either window or a click
// on the box instead of asking again, so it cannot ping-pong with the manager.
//
// Positions are frames as the window manager reports them. A frame may be drawn, or change,
// after the window was shown and placed, however late and without moving the window: on X11
// the dock hears the manager set either window's frame extents and places the window again.
class WindowDock final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    WindowDock(QWidget* sideWindow, QWidget* mainWindow, QAbstractButton* dockedBox);
    ~WindowDock() override;

    // Where the side window's frame belongs: left on the main frame's right edge, by the
    // frame the window manager reports.
    static QPoint dockedPosition(const QWidget* mainWindow);

public slots:
    // Docks now, whatever was refused before.
    void DockToMain();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    // A correction: the docked position asked for, and where the window was then.
    struct Attempt
    {
        QPoint target;
        QPoint from;
        bool operator==(const Attempt&) const = default;
    };

    void windowMoved();
    bool framed() const;

    QPointer<QWidget> m_side;
    QPointer<QWidget> m_main;
    QAbstractButton* m_docked;
    bool m_placing = false;
    std::optional<Attempt> m_lastAttempt; // until the window is seen docked
};
