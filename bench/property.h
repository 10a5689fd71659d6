#pragma once
#include <cstdint>

namespace tarnwick::bench {

// Makes and solves hundreds of 3d mazes (3d, 3d-pipe with short and with long
// underpasses; levels 1 to 6; wall sizes 10 and 5; the computer creating) on
// open drawings, and fifty of each example drawing in its own settings, and
// reads each trail back from the pixels. Prints for each
// kind the mazes made, solved and with a sound trail, the walks that never
// reached the finish within `passBudget` passes, and the first faults found.
// Returns the mazes per second.
double propertyRate(std::uint64_t passBudget);

}  // namespace tarnwick::bench
