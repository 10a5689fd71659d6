#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bench_mazes.h"

namespace tarnwick {
class Form57;
}

namespace tarnwick::bench {

// What a timed solve stage does with the made maze: `prepare` sets the program
// up once the maze is shown; `finished` says when the run has done its work.
struct SolveRun {
    std::function<void(Form57&)> prepare;
    std::function<bool(const Form57&)> finished;
};

// The walk from the placed maze to the solved one, the computer solving.
extern const SolveRun solvedMazeRun;
// The solve stage as the placing stage hands it a finish still to be found: the
// finish hidden off the window, option 1, the walk until it comes back to placing.
extern const SolveRun finishSearchRun;

// The main loop's solve stage on the made maze in a fresh program, timed until
// it returns. The stage is left (as by "Go back to Drawing") once the run is
// finished or has used up `passBudget` passes; it is done when it finished.
Timed timeSolveStage(Platform& platform, const MadeMaze& maze, std::uint64_t passBudget, const SolveRun& run);
// The same on an 800 by 600 headless platform, and in the real window offscreen.
Timed timeSolveStageHeadless(const MadeMaze& maze, std::uint64_t passBudget, const SolveRun& run);
Timed timeSolveStageInWindow(const MadeMaze& maze, std::uint64_t passBudget, const SolveRun& run);

// Each script's maze made headless, then its solve stage timed headless and in
// the real window and printed as "GROUP/NAME" (with the maze's cells when
// `showCells`), `undone` after a run that did not finish. Returns the passes
// per second over the headless runs.
double timeSolveStages(const std::string& group, const std::vector<MazeScript>& scripts, std::uint64_t passBudget,
                       const SolveRun& run, const char* undone, bool showCells);

}  // namespace tarnwick::bench
