#pragma once
#include <cstdint>

namespace tarnwick::bench {

// Makes whole mazes, the computer steering, headless at 800 by 600: on each
// example drawing with its settings file, and on a drawing open everywhere at
// wall sizes 10 and 5. Prints cells carved, passes, seconds and passes per
// second for each; a maze not finished within `passBudget` passes says so.
// Returns the passes per second over the finished ones.
double makingRate(std::uint64_t passBudget);

}  // namespace tarnwick::bench
