#pragma once

#include <QMouseEvent>
#include <utility>

// A click on one cell of a row or grid of pictures: it counts only when the left button is
// pressed and released on the same cell, so dragging off a cell cancels it.
class CellClick
{
public:
    void press(const QMouseEvent& event, int cell) { m_pressed = event.button() == Qt::LeftButton ? cell : -1; }

    // The cell clicked, or -1 when the release ends no click.
    int release(const QMouseEvent& event, int cell)
    {
        const int pressed = std::exchange(m_pressed, -1);
        return event.button() == Qt::LeftButton && pressed >= 0 && pressed == cell ? pressed : -1;
    }

private:
    int m_pressed = -1;
};
