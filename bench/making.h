#pragma once
#include <cstdint>

namespace tarnwick::bench {

// Makes whole mazes, the computer steering, at 800 by 600 (each example
// drawing as its own kind, and drawings open everywhere at wall sizes 10 and
// 5), headless and in the real window offscreen with the display updating.
// Prints cells carved, passes, seconds and passes per second for each; a maze
// not finished within `passBudget` passes says so. Returns the passes per
// second over the finished headless ones.
double makingRate(std::uint64_t passBudget);

// What making costs: the largest passes to placing for each cell the maze
// carves, over the four examples with their own settings at wall sizes 5, 8,
// 10 and 15, seeds 1 to 4; or over the thin-stroke drawings in one kind at 800
// by 600, seeds 1 and 2. Each stage is bounded by `passesPerCell` a lattice
// cell. Prints the run it comes from, and any run that stalled, gave up clean
// cells, or (a regular maze) left a cell clean that a walk reaches.
double examplesMakingCost(std::uint64_t passesPerCell);
double thinStrokeMakingCost(int kind, std::uint64_t passesPerCell);  // kind: index into mazeKinds

}  // namespace tarnwick::bench
