#include "solving.h"

#include <cstdio>
#include <functional>
#include <string>

#include "bench_mazes.h"
#include "qt_offscreen.h"
#include "shell/form57.h"
#include "solve_stage.h"

namespace tarnwick::bench {

namespace {

Timed solveHeadless(const MadeMaze& maze, std::uint64_t passBudget) {
    return timeSolveStageHeadless(maze, passBudget, solvedMazeRun);
}

Timed solveInWindow(const MadeMaze& maze, std::uint64_t passBudget) {
    return timeSolveStageInWindow(maze, passBudget, solvedMazeRun);
}

// The maze made and then solved on one platform: the two stretches added.
Timed makeAndSolve(const std::function<MadeMaze()>& make, const std::function<Timed(const MadeMaze&)>& solve) {
    const MadeMaze maze = make();
    if (!maze.making.done) return maze.making;
    const Timed solved = solve(maze);
    return {maze.making.passes + solved.passes, maze.making.seconds + solved.seconds, solved.done};
}

}  // namespace

double solving3dRate(std::uint64_t passBudget) {
    OverallRate overall;
    for (const MazeScript& script : bench3dMazes()) {
        const std::string name = "made-and-solved/" + script.name;
        int width = 800, height = 600;
        const auto [window, headless] = timeBoth(
            [&] {
                MazeWorkDir dir;
                return makeAndSolve(
                    [&] {
                        MadeMaze made;
                        withQtWindow([&](Platform& platform) { made = makeMaze(platform, script, passBudget); });
                        width = made.picture.width, height = made.picture.height;
                        return made;
                    },
                    [&](const MadeMaze& made) { return solveInWindow(made, passBudget); });
            },
            [&] {
                MazeWorkDir dir;
                return makeAndSolve([&] { return makeMazeHeadless(script, passBudget, width, height); },
                                    [&](const MadeMaze& made) { return solveHeadless(made, passBudget); });
            });
        char size[32];
        std::snprintf(size, sizeof size, " %4dx%-4d", width, height);
        printTimed(name, size, headless, "  (not made or not solved)");
        overall.add(headless);
        printTimed(name + "/qt-offscreen", size, window, "  (not made or not solved)", timesHeadless(window, headless));
    }
    return overall.passesPerSecond();
}

double solvingRate(std::uint64_t passBudget) {
    return timeSolveStages("solving", benchMazes(true), passBudget, solvedMazeRun, "  (not solved)", false);
}

}  // namespace tarnwick::bench
