#pragma once

#include <QImage>
#include <array>

// The game's console character set: 256 glyphs of 8 x 8 cells. Codes 0–127 are drawn
// in greys and white, 128–255 repeat those shapes in reddish browns, except 128–131,
// which hold the pieces of the menu slider. The pictures are built from the cell data
// here the first time they are asked for; nothing is loaded from files.
namespace glyphs {

inline constexpr int Count = 256;
inline constexpr int CellSize = 8;
inline constexpr int PictureSize = 2 * CellSize;

// Eight row bytes, top row first; bit 7 is the leftmost column.
using Cell = std::array<quint8, CellSize>;

const Cell& cell(int code);

// The cell with every pixel doubled both ways, on black: 16 x 16 pixels.
const QImage& picture(int code);

} // namespace glyphs
