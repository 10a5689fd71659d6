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

}  // namespace tarnwick::bench
