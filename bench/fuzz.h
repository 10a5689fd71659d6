#pragma once
#include <cstdint>

namespace tarnwick::bench {

// Makes and solves mazes from a thousand mutations of the four examples'
// settings files (values changed, inserted or removed, files cut short; a fixed
// seed, so every run makes the same cases), the computer creating and solving.
// A maze not made, or a solve neither done nor stopped by itself, within
// `passBudget` passes is a stall. Prints the solves that stopped by themselves
// (no way to the finish), the stalls of making and of solving, and the first
// cases of each; returns the cases per second.
double fuzzRate(std::uint64_t passBudget);

}  // namespace tarnwick::bench
