#pragma once
#include <cstdint>

namespace tarnwick::bench {

// Every example drawing at every wall size from 5 to 50, with the grid step
// equal to the wall size and twice it (the 3d-pipe kind) where the example lets
// the user choose the kind, two seeds each, headless at 800 by 600; then the
// corridor pictures (two serpentines one cell wide) at 800 by 600 and 1920 by
// 1080 as regular, 3d and 3d-pipe mazes, two seeds each. Each is made by the
// computer and solved, each stage under a pass bound that grows with the
// lattice. Prints one line a run, then for the examples and the corridors the
// stalls (a stage that did not end within its bound; the goal is none), the
// makes that gave up clean cells, the solves of a maze with nothing carved and
// the largest passes a lattice cell. Returns the stall count.
double sweepStalls(std::uint64_t passesPerCell);

}  // namespace tarnwick::bench
