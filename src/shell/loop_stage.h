#pragma once
#include <functional>

namespace tarnwick {

// The places of the main loop: the title wait and the four stage entries.
enum class LoopStage { Title, Drawing, Maze, Placing, Solve };

// The stage workers the main loop calls and waits for. They default to the
// program's own; tests put stand-ins here to drive the hand-overs.
struct StageWorkers {
    std::function<void()> drawing;  // drawpicture
    std::function<void()> making;   // makemaze
    std::function<void()> placing;  // placesandf
    std::function<void()> solving;  // solvestage: its set-up, solvingmaze and its return
};

}  // namespace tarnwick
