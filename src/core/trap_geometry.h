#pragma once

#include "core/geometry.h"

namespace tarnwick {

// The pixels a trap test reads on one side of a cell box (x1, y1)-(x2, y2), one
// wall size (w across, h down) away: the neighbour's corner, the grid line
// beyond it, the grid line between, the two grid lines at its flanks, and the
// two diagonal cells beside the neighbour with the grid lines along the side.
// Maze making and the pattern editor read the same places; only their colours differ.
struct TrapDiagonal {
    Pixel test, sideA, sideB;
};
struct TrapSide {
    long dx, dy;
    Pixel corner, far, near, flankA, flankB;
    TrapDiagonal first, second;
};

// side: 0 left, 1 right, 2 up, 3 down.
TrapSide trapSide(int side, const CellRect& box, long w, long h);

}  // namespace tarnwick
