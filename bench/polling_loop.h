#pragma once
#include <cstdint>

namespace tarnwick {
class Platform;
}

namespace tarnwick::bench {

// The shape of every stage loop: paint one cell box, then let the platform
// process events. A 10x10 box walks across an 800x600 canvas, row by row.
// Returns passes per second over `passes` passes.
double pollingLoopRate(Platform& platform, std::uint64_t passes);

}  // namespace tarnwick::bench
