#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;

// The start-up window: shows the artwork for two seconds, then opens the main window
// and goes. A key press closes it first, and with no window left the program ends.
class frmSplash final : public QWidget
{
    Q_OBJECT

public:
    // showMainWindow creates and shows the main window when the countdown ends.
    explicit frmSplash(std::function<void()> showMainWindow, QWidget* parent = nullptr);

    int SecondsLeft() const { return m_secondsLeft; }
    QTimer* Timer1() { return &m_timer; }
    QLabel* lblTimeLeft() const { return m_lblTimeLeft; }

public slots:
    void Timer1_Timer();

signals:
    // A key closed the window before the countdown ended: the program is to end.
    void dismissed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> m_showMainWindow;
    QPixmap m_picture;
    QTimer m_timer;
    QLabel* m_lblTimeLeft;
    qint16 m_secondsLeft = 2;
};
