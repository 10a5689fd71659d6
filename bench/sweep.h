#pragma once
#include <cstdint>

namespace tarnwick::bench {

// Every example drawing at every wall size from 5 to 50 in steps of 5, with the
// grid step equal to the wall size and twice it (the 3d-pipe kind) where the
// example lets the user choose the kind, two seeds each: made by the computer
// and solved, headless at 800 by 600, each stage under a pass bound that grows
// with the lattice. Prints one line a run, then the stalls (a stage that did not
// end within its bound; the goal is none) and the largest passes a lattice cell.
// Returns the stall count.
double sweepStalls(std::uint64_t passesPerCell);

}  // namespace tarnwick::bench
