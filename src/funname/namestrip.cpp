#include "funname/namestrip.h"

#include "funname/glyphs.h"
#include "funname/namecomposer.h"
#include "shared/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <array>

namespace {

// The first gap is narrower than the others: the slots were laid out by hand.
constexpr std::array<int, NameComposer::SlotCount> SlotLefts = {
    120, 330, 570, 810, 1050, 1290, 1530, 1770, 2010, 2250, 2490, 2730, 2970, 3210, 3450};
constexpr int SlotTop = 60;
constexpr int SlotSide = 240;
constexpr int MarkerTop = 300;
constexpr int MarkerHeight = 135;

QImage buildMarker()
{
    const QRect bar = twips::rect(0, 0, SlotSide, MarkerHeight);
    QImage image(bar.size(), QImage::Format_RGB32);
    image.fill(QColor(128, 0, 0));
    QPainter painter(&image);
    painter.setPen(QColor(232, 120, 112));
    painter.drawLine(bar.topLeft(), bar.topRight());
    painter.drawLine(bar.topLeft(), bar.bottomLeft());
    painter.setPen(QColor(72, 0, 0));
    painter.drawLine(bar.bottomLeft() + QPoint(1, 0), bar.bottomRight());
    painter.drawLine(bar.topRight() + QPoint(0, 1), bar.bottomRight());
    return image;
}

} // namespace

NameStrip::NameStrip(const NameComposer& name, QWidget* parent) : QFrame(parent), m_name(name)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true); // for the cross-hair over the slots
}

int NameStrip::slotLeft(int slot)
{
    return SlotLefts[size_t(slot)];
}

QRect NameStrip::slotRect(int slot) const
{
    return twips::rect(slotLeft(slot), SlotTop, SlotSide, SlotSide).translated(contentsRect().topLeft());
}

QRect NameStrip::markerRect() const
{
    return twips::rect(slotLeft(m_name.markerSlot()), MarkerTop, SlotSide, MarkerHeight)
        .translated(contentsRect().topLeft());
}

int NameStrip::slotAt(QPoint point) const
{
    // Slot 1 overlaps the edge of slot 0; the later slot lies on top, as it is drawn.
    for (int slot = NameComposer::SlotCount - 1; slot >= 0; --slot) {
        if (slotRect(slot).contains(point))
            return slot;
    }
    return -1;
}

const QImage& NameStrip::markerPicture()
{
    static const QImage marker = buildMarker();
    return marker;
}

void NameStrip::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    for (int slot = 0; slot < NameComposer::SlotCount; ++slot) {
        if (const std::optional<int> code = m_name.glyphAt(slot))
            painter.drawImage(slotRect(slot).topLeft(), glyphs::picture(*code));
    }
    painter.drawImage(markerRect().topLeft(), markerPicture());
}

void NameStrip::mouseMoveEvent(QMouseEvent* event)
{
    if (slotAt(event->position().toPoint()) >= 0)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
    QFrame::mouseMoveEvent(event);
}

void NameStrip::mousePressEvent(QMouseEvent* event)
{
    m_click.press(*event, slotAt(event->position().toPoint()));
}

void NameStrip::mouseReleaseEvent(QMouseEvent* event)
{
    if (const int clicked = m_click.release(*event, slotAt(event->position().toPoint())); clicked >= 0)
        emit slotChosen(clicked);
}
