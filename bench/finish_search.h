#pragma once
#include <cstdint>

namespace tarnwick::bench {

// The computer's finish search (end-point option 1) on regular, 3d and
// 3d-pipe mazes (short and long underpasses) made on an 800 by 600 drawing
// open everywhere at wall sizes 10 and 5: the walk of the whole maze timed
// from the handover of the placing stage to its return with the finish found,
// headless and in the real window offscreen, on the same maze. Prints passes
// and seconds of each and the window's time against headless. Returns the
// passes per second over the headless searches.
double finishSearchRate(std::uint64_t passBudget);

}  // namespace tarnwick::bench
