#pragma once
#include "support/cell_picture.h"

namespace tarnwick::test {

// Two serpentine corridors one cell wide on the units of the lattice (see
// UnitLattice). The top row runs across the lattice; below it each half holds
// a row every third unit, joined to the row above by the two units between,
// alternately at the half's outer and inner end; walls are two units thick.
using CorridorPicture = CellPicture;
CorridorPicture corridorPicture(int width, int height, int wall = 5, int stride = 1);

}  // namespace tarnwick::test
