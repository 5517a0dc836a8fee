#pragma once
// Where the cells lie on the board's surface: 9 x 9 cells of 45 x 45 pixels,
// cell (0, 0) at the top left. The window's board and the scenario replay,
// whose clicks arrive as pixels, both find the cell under a click here.

#include <optional>

#include "Board.h"
#include "Rounding.h"

namespace velko {

constexpr int kCellSize = 45;   // pixels of one cell, across and down
constexpr int kBoardPixels = kCells * kCellSize;

// The cell index under one pixel coordinate, or -1 when it lies off the
// board. The pixel is rounded half to even first, as the board always has:
// 44.5 is still the first cell, 404.6 is past the last.
inline int cellIndexAt(float pixel)
{
    if (!(pixel > -1.0f && pixel < static_cast<float>(kBoardPixels)))
        return -1;   // also catches NaN
    const float rounded = roundHalfToEven(pixel);
    if (rounded < 0.0f || rounded >= static_cast<float>(kBoardPixels))
        return -1;
    return static_cast<int>(rounded) / kCellSize;
}

// The cell under board pixel (x, y); none when either lies off the board.
inline std::optional<Cell> cellAt(float x, float y)
{
    const Cell cell{cellIndexAt(x), cellIndexAt(y)};
    if (cell.column < 0 || cell.row < 0)
        return std::nullopt;
    return cell;
}

}   // namespace velko
