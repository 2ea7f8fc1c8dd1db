#pragma once

#include <QMainWindow>

class QCheckBox;

// A window that stands beside the main window: it has no owner, is destroyed when it is
// closed, says so before it goes, and keeps against the main window's right edge while
// its "Dock to Main Window" box is ticked.
class SideWindow : public QMainWindow
{
    Q_OBJECT

public:
    QCheckBox* chkDocked() const { return m_chkDocked; }

signals:
    // The window is closing, by whatever means.
    void closing();

protected:
    SideWindow(QWidget* mainWindow, Qt::WindowFlags flags);

    // Puts the ticked "Dock to Main Window" box on the client area and docks through it.
    void addDockedBox(QWidget* client, const QRect& geometry);
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* m_mainWindow;
    QCheckBox* m_chkDocked = nullptr;
};
