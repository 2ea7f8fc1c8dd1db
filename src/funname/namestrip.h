#pragma once

#include "funname/cellclick.h"

#include <QFrame>

class NameComposer;

// The name strip: the fifteen slots of a name with the marker under the cursor's slot.
// It shows what the composer holds and reports clicks on the slots.
class NameStrip final : public QFrame
{
    Q_OBJECT

public:
    explicit NameStrip(const NameComposer& name, QWidget* parent = nullptr);

    // Left edge of a slot inside the strip, in twips as the layout counts them.
    static int slotLeft(int slot);
    // Where a slot and the marker are drawn, in pixels of this widget.
    QRect slotRect(int slot) const;
    QRect markerRect() const;
    // The slot under a point, or -1 between and around the slots.
    int slotAt(QPoint point) const;

    // A dark-red bar with a light upper and left edge.
    static const QImage& markerPicture();

signals:
    void slotChosen(int slot);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const NameComposer& m_name;
    CellClick m_click;
};
