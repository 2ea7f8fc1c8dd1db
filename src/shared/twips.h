#pragma once

#include <QRect>

// Window layouts are given in twips; the screen works in pixels (15 twips each at 96 dpi).
namespace twips {

inline constexpr int PerPixel = 15;

constexpr int toPixels(int twips) { return twips / PerPixel; }
constexpr int fromPixels(int pixels) { return pixels * PerPixel; }

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace twips
