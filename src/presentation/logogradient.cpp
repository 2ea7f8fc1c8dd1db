#include "presentation/logogradient.h"

#include "presentation/gdimath.h"

#include <QColor>
#include <QPainter>

namespace logogradient {
namespace {

// The start component plus the share of the difference reached at row y, computed in
// double precision before the one rounding.
int componentAt(int start, int end, int height, int y)
{
    return gdimath::roundHalfEven(start + double(height - y) * (end - start) / height);
}

Components colourAt(Components start, Components end, int height, int y)
{
    return {componentAt(start.red, end.red, height, y), componentAt(start.green, end.green, height, y),
            componentAt(start.blue, end.blue, height, y)};
}

} // namespace

Components fromDirect(quint32 direct)
{
    return {int(direct & 0xFF), int(direct >> 8 & 0xFF), int(direct >> 16 & 0xFF)};
}

int pixelsFromTwips(double twips, double twipsPerPixel)
{
    return gdimath::roundHalfEven(twips) / gdimath::roundHalfEven(twipsPerPixel);
}

std::optional<QList<Band>> bands(int height, Components start, Components end)
{
    if (height <= 0)
        return std::nullopt;
    const int step = qMax(1, height / 255);
    QList<Band> result;
    result.reserve(height / step + 1);
    Components current = start;
    // The colour is advanced after each fill from the row the band started at, so the two
    // lowest bands both carry the start colour.
    for (int y = height; y >= 0; y -= step) {
        const int bottom = height - int(result.size()) * step;
        result.append({bottom - step, bottom, current});
        current = colourAt(start, end, height, y);
    }
    return result;
}

void paint(QPainter& painter, int width, const QList<Band>& bands)
{
    for (const Band& band : bands) {
        const QColor colour(band.colour.red, band.colour.green, band.colour.blue);
        painter.fillRect(QRect(0, band.top, width, band.bottom - band.top), colour);
    }
}

} // namespace logogradient
