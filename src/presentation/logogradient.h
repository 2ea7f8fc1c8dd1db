#pragma once

#include <QList>
#include <QtGlobal>
#include <optional>

class QPainter;

// The colour bands of the caption logo: from the start colour at the bottom edge towards
// the end colour at the top, in bands of H / 255 pixels (at least one).
namespace logogradient {

struct Components
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Components&, const Components&) = default;
};

// A direct 0x00BBGGRR colour split into its components.
Components fromDirect(quint32 direct);

struct Band
{
    int top = 0;    // may lie above the surface; painting clips it
    int bottom = 0; // exclusive
    Components colour;
};

// A surface dimension in pixels from its size in twips and the twips per pixel, both
// rounded half to even first, then divided dropping the remainder.
int pixelsFromTwips(double twips, double twipsPerPixel);

// Every band from the bottom up, floor(height / s) + 1 of them. Nothing for a surface
// without height: its only band lies outside it and the colour step would divide by zero.
std::optional<QList<Band>> bands(int height, Components start, Components end);

// Fills each band across the given width.
void paint(QPainter& painter, int width, const QList<Band>& bands);

} // namespace logogradient
