#pragma once
#include <cstdint>

namespace tarnwick::bench {

// Solves mazes the program made headless at 800 by 600 (each example drawing,
// made as a regular maze where its own kind is not, and drawings open
// everywhere at wall sizes 10 and 5), timed from "Solve maze" to the solved
// maze: headless and in the real window offscreen. Prints passes, seconds and
// passes per second for each; a maze not made, or not solved within `passBudget` passes, says so.
// Returns the passes per second over the headless solves.
double solvingRate(std::uint64_t passBudget);

// Makes and solves 3d mazes (3d, 3d-pipe with short and with long underpasses)
// on a drawing open everywhere at wall sizes 10 and 5, timed from the start of
// the maze to the solved maze, headless and in the real window offscreen, the
// same maze on both. Prints passes and seconds of making and solving and the
// window's time against headless. Returns the passes per second over the
// headless runs.
double solving3dRate(std::uint64_t passBudget);

}  // namespace tarnwick::bench
