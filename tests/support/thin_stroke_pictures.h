#pragma once
#include <cstdint>

#include "support/cell_picture.h"

namespace tarnwick::test {

// Drawings a user makes with the thinnest pen, on the units of the lattice (see
// UnitLattice: with `stride` 2 they lie on a 3d-pipe maze's own lattice). The
// random ones follow `seed` alone, the same on every machine.
enum class ThinStroke {
    Maze,               // a picture that is itself a maze: a depth-first tree of corridors and walls one unit wide
    Strokes,            // strokes one unit wide that wind, branch, touch and cross like handwriting
    Spiral,             // a square spiral one unit wide, its turns one unit apart, ending where the finish goes
    Corridors,          // the two serpentines of corridorPicture
    CorridorIntoBlock,  // a long serpentine that opens into a block filling the lower half
};
inline constexpr ThinStroke thinStrokes[] = {ThinStroke::Maze, ThinStroke::Strokes, ThinStroke::Spiral,
                                             ThinStroke::Corridors, ThinStroke::CorridorIntoBlock};
const char* thinStrokeName(ThinStroke drawing);

CellPicture thinStrokePicture(ThinStroke drawing, int width, int height, std::uint64_t seed, int wall = 5,
                              int stride = 1);

}  // namespace tarnwick::test
