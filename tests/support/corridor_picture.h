#pragma once
#include <set>
#include <utility>

#include "core/picture.h"

namespace tarnwick::test {

// Two serpentine corridors one cell wide, open (black) in a picture of a border
// colour (red), on the lattice of drawing cells `wall` pixels wide from (wall,
// wall). The top row runs across the lattice; below it each half holds a row
// every third cell, joined to the row above by the two cells between,
// alternately at the half's outer and inner end; walls are two cells thick.
// With `stride` 2 the layout lies on every second cell (a 3d-pipe maze's
// lattice), its neighbours joined through the cell between.
struct CorridorPicture {
    Picture picture;
    std::set<std::pair<long, long>> cells;  // the open drawing cells (column, row)
};
CorridorPicture corridorPicture(int width, int height, int wall = 5, int stride = 1);

}  // namespace tarnwick::test
