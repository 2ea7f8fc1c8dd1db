#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;

// Keeps a side window's frame against the main window's right edge, tops level, while
// its "Dock to Main Window" box is ticked. It listens to the move events of both
// windows and to clicks on the box; both side windows use this one piece of code.
class WindowDock final : public QObject
{
    Q_OBJECT

public:
    WindowDock(QWidget* sideWindow, QWidget* mainWindow, QAbstractButton* dockedBox);

    // Where the side window's frame belongs: left on the main frame's right edge.
    static QPoint dockedPosition(const QWidget* mainWindow);

public slots:
    void DockToMain();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_side;
    QPointer<QWidget> m_main;
    QAbstractButton* m_docked;
    bool m_placing = false;
};
