#pragma once
#include <cstdint>

namespace tarnwick::bench {

// Every example drawing at every wall size from 5 to 50, with the grid step
// equal to the wall size and twice it (the 3d-pipe kind) where the example lets
// the user choose the kind, two seeds each, headless at 800 by 600; then the
// thin-stroke drawings (test::ThinStroke) at wall size 5 at 800 by 600, 1280 by
// 1024 and 1920 by 1080 as regular, 3d and 3d-pipe mazes, three seeds each.
// Each is made by the computer and solved, each stage under a pass bound that
// grows with the lattice. Prints one line a run, then for the examples and for
// the thin strokes of each kind the stalls (a stage that did not end within its
// bound; the goal is none), the makes that gave up clean cells, the solves of a
// maze with nothing carved, the largest passes a lattice cell, the largest
// passes to placing a carved cell with the runs over 150, and the cells a walk
// reaches that making left clean (a fault in a regular maze only); then the
// time each part took. Returns the stalls, runs over 150, makes that gave up
// clean cells, solves of a maze with nothing carved and regular mazes' cells
// left clean together (the goal is 0).
double sweepFaults(std::uint64_t passesPerCell);

}  // namespace tarnwick::bench
