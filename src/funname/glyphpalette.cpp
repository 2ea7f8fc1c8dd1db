#include "funname/glyphpalette.h"

#include "funname/glyphs.h"

#include <QMouseEvent>
#include <QPainter>

GlyphPalette::GlyphPalette(QWidget* parent) : QWidget(parent)
{
    setFixedSize(Columns * glyphs::PictureSize, Columns * glyphs::PictureSize);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent); // the pictures cover every pixel
}

QRect GlyphPalette::cellRect(int code)
{
    return QRect((code % Columns) * glyphs::PictureSize, (code / Columns) * glyphs::PictureSize,
                 glyphs::PictureSize, glyphs::PictureSize);
}

int GlyphPalette::codeAt(QPoint point)
{
    const int side = Columns * glyphs::PictureSize;
    if (point.x() < 0 || point.y() < 0 || point.x() >= side || point.y() >= side)
        return -1;
    return (point.y() / glyphs::PictureSize) * Columns + point.x() / glyphs::PictureSize;
}

void GlyphPalette::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (int code = 0; code < glyphs::Count; ++code) {
        const QRect cell = cellRect(code);
        if (event->rect().intersects(cell))
            painter.drawImage(cell.topLeft(), glyphs::picture(code));
    }
}

void GlyphPalette::mousePressEvent(QMouseEvent* event)
{
    m_click.press(*event, codeAt(event->position().toPoint()));
}

void GlyphPalette::mouseReleaseEvent(QMouseEvent* event)
{
    if (const int clicked = m_click.release(*event, codeAt(event->position().toPoint())); clicked >= 0)
        emit glyphChosen(clicked);
}
