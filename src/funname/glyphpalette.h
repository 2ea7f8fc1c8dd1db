#pragma once

#include "funname/cellclick.h"

#include <QWidget>

// The 16 x 16 grid of glyph pictures, code 0 top left, codes running along each row.
// A click on a glyph (pressed and released on the same one) chooses it.
class GlyphPalette final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Columns = 16;

    explicit GlyphPalette(QWidget* parent = nullptr);

    static QRect cellRect(int code);
    // The code under a point, or -1 outside the grid.
    static int codeAt(QPoint point);

signals:
    void glyphChosen(int code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CellClick m_click;
};
