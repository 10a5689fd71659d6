#pragma once
#include <cstdint>

namespace tarnwick::bench {

// The speed goals, each measured headless and in the real window (offscreen,
// maximized on a screen of the size named) in one run, printed beside its
// goal: making and solving whole mazes, the cost of a solving and of a finish
// search pass, a bare pass, the peak memory of a make and solve, and the
// start-up to the title screen. Returns the window's make + solve time of the
// 1920x1080 regular maze in seconds.
double goalsTable(std::uint64_t passBudget);

// The peak memory in MB of this process after it made and solved the regular
// wall-5 maze on a drawing open everywhere, on a screen of the size given. The
// goals table runs it in a fresh process of its own for each figure.
double peakMemoryOfMakeAndSolve(bool inWindow, int screenWidth, int screenHeight, std::uint64_t passBudget);

// Seconds to make and solve the wall-5 maze (3d or regular) on a drawing open
// everywhere, on a screen of the size given (0 when it did not end): one run, to profile.
double madeAndSolvedSeconds(bool threeD, bool inWindow, int screenWidth, int screenHeight, std::uint64_t passBudget);

// Seconds from the program's creation until the title screen shows, on a
// screen of the size given. The goals table runs it in fresh processes.
double startupSeconds(bool inWindow, int screenWidth, int screenHeight);

}  // namespace tarnwick::bench
