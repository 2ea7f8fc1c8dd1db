#pragma once

#include "presentation/logogradient.h"

#include <QPointer>
#include <QString>

class PictureBox;
class QPainter;

// A vertical banner painted onto a picture box: a colour gradient from the start colour
// at the bottom to the end colour at the top, and the caption written upwards along the
// left edge. Colours are colour values (direct or system references), translated when
// they are set. Only Draw and a change of colour paint; nothing is kept between draws.
class cLogo
{
public:
    cLogo();

    QString Caption() const { return m_caption; }
    void setCaption(const QString& sCaption) { m_caption = sCaption; }
    void setDrawingObject(PictureBox* picThis) { m_surface = picThis; }
    quint32 StartColor() const { return m_start.value; }
    void setStartColor(quint32 oColor);
    quint32 EndColor() const { return m_end.value; }
    void setEndColor(quint32 oColor);
    void Draw();

private:
    struct StoredColour
    {
        quint32 value = 0;
        logogradient::Components components;
    };

    void changeColour(StoredColour& stored, quint32 value);
    // Paints the caption; false when the surface's face name is too long to ask for.
    bool drawCaption(QPainter& painter, int height) const;

    QPointer<PictureBox> m_surface;
    QString m_caption;
    StoredColour m_start;
    StoredColour m_end;
};
