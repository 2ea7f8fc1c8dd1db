#include "presentation/picturebox.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& PictureBox::image()
{
    if (m_image.size() != size()) {
        QImage fitted(size(), QImage::Format_RGB32);
        // An empty box has no image to paint on.
        if (!fitted.isNull()) {
            fitted.fill(palette().color(QPalette::Window));
            QPainter painter(&fitted);
            painter.drawImage(0, 0, m_image);
        }
        m_image = std::move(fitted);
    }
    return m_image;
}

void PictureBox::refresh()
{
    update();
    emit refreshed();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image(), event->rect());
}
