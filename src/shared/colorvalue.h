#pragma once

#include <QColor>
#include <QPalette>
#include <optional>

// A colour as the windows store it: 0x00BBGGRR for a direct colour, or
// 0x80000000 + n for system colour n, looked up in the palette when it is needed.
namespace colorvalue {

inline constexpr quint32 SystemFlag = 0x80000000u;
inline constexpr quint32 WindowBackground = SystemFlag + 5; // system colour 5, the window
inline constexpr quint32 WindowText = SystemFlag + 8;       // system colour 8, window text
inline constexpr quint32 ButtonFace = SystemFlag + 15;      // system colour 15, button face

constexpr bool isSystem(quint32 value) { return (value & 0xFF000000u) == SystemFlag; }

constexpr quint32 fromRgb(int red, int green, int blue)
{
    return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}

inline quint32 fromColor(const QColor& color) { return fromRgb(color.red(), color.green(), color.blue()); }

// The direct 0x00BBGGRR colour of a value, or nothing when it names no known colour.
std::optional<quint32> translate(quint32 value, const QPalette& palette = QPalette());

// The QColor of a value; an untranslatable value is black.
QColor toColor(quint32 value, const QPalette& palette = QPalette());

// A copy of palette whose text and background (Text, Base) are the given colour values,
// system references looked up in system.
QPalette textPalette(QPalette palette, quint32 foreColor, quint32 backColor, const QPalette& system);

} // namespace colorvalue
