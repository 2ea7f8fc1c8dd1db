#pragma once

#include "shared/twips.h"

#include <QImage>
#include <QWidget>

// A picture box that keeps what is painted on it: drawing goes into an image the size
// of the box, and the box repaints itself from that image whenever it is exposed.
// The image exists as soon as the box has a size, shown or not.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The persistent drawing surface, one pixel per device-independent pixel.
    QImage& image();

    // The outer size of the box in twips.
    int widthTwips() const { return twips::fromPixels(width()); }
    int heightTwips() const { return twips::fromPixels(height()); }

    // Shows what was painted into the image.
    void refresh();

signals:
    void refreshed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};
