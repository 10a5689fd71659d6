#pragma once
#include <optional>

#include "core/canvas.h"
#include "core/geometry.h"
#include "core/state.h"

namespace tarnwick {

// Where a maze has room to grow. A cell fits when its whole drawing cell is clean
// (open, no passage). The walker carves from a cell into the one a grid step away
// when that one fits, and, where the step spans two cells, the one between too.
// Both tests read the wall size and grid step held in the state.

// Some neighbour of the cell box can be carved into from it.
bool canCarveFrom(const State& state, const Canvas& canvas, const CellRect& box);

// The cell box of the first cell, in raster order of the drawing lattice, of the
// largest group of fitting cells joined by carvable steps (of equal groups, the
// one met first); none when no two cells fit together.
std::optional<CellRect> roomiestCell(const State& state, const Canvas& canvas);

// The first cell of that largest group when it is larger than the group of the
// cell box (a box that is no fitting cell has none); none otherwise.
std::optional<CellRect> roomierCell(const State& state, const Canvas& canvas, const CellRect& box);

// What the user is told when no two cells fit together, by what would give the
// maze room: an area colour, something drawn in one, or another wall size.
constexpr const char* noAreaColourMessage =
    "The drawing has no room for a maze: no colour is ticked as an area. Tick a colour as an area.";
constexpr const char* blankDrawingMessage =
    "The drawing has no room for a maze: nothing is drawn in an area colour. Draw a shape first.";
constexpr const char* noRoomMessage =
    "The drawing has no room for a maze at this wall size. Choose another wall size.";
const char* noRoomMessageFor(const State& state, const Canvas& canvas);

}  // namespace tarnwick
