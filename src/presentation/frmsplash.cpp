#include "presentation/frmsplash.h"

#include "shared/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

frmSplash::frmSplash(std::function<void()> showMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_showMainWindow(std::move(showMainWindow)),
      m_picture(QStringLiteral(":/splash.jpg")),
      m_lblTimeLeft(new QLabel(QStringLiteral("5 Seconds Left"), this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips::toPixels(7725), twips::toPixels(3885));
    m_lblTimeLeft->setObjectName(QStringLiteral("lblTimeLeft"));
    m_lblTimeLeft->setGeometry(twips::rect(0, 0, 1365, 195));
    m_lblTimeLeft->hide();

    connect(&m_timer, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    m_timer.start(1000);
}

void frmSplash::Timer1_Timer()
{
    --m_secondsLeft;
    m_lblTimeLeft->setText(QString::number(m_secondsLeft) + QStringLiteral(" Seconds Left"));
    if (m_secondsLeft == 0) {
        m_timer.stop();
        m_showMainWindow();
        close();
    }
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_timer.stop();
    close();
    emit dismissed();
}

void frmSplash::showEvent(QShowEvent* event)
{
    // Window managers give no focus to a splash window of their own accord; without it the
    // key that should close the window would never arrive.
    activateWindow();
    QWidget::showEvent(event);
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(0, 0, m_picture);
}
