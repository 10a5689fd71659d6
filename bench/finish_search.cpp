#include "finish_search.h"

#include <cstdio>
#include <string>

#include "bench_mazes.h"
#include "shell/form57.h"
#include "solve_stage.h"

namespace tarnwick::bench {

namespace {

// The solve stage as the placing stage hands it a finish still to be found:
// the finish hidden off the window, option 1, the walk until it comes back to
// placing (or has used up its passes).
const SolveRun searchRun{[](Form57& form) {
                             form.endpointoption = 1;
                             form.finishfound = 0;
                             form.finishx1 = form.finishy1 = form.finishx2 = form.finishy2 = -100;
                         },
                         [](const Form57& form) { return form.finishfound == 1; }};

}  // namespace

double finishSearchRate(std::uint64_t passBudget) {
    OverallRate overall;
    std::vector<MazeScript> scripts;
    for (MazeScript& s : benchMazes(true))
        if (s.name.rfind("open-wall-", 0) == 0) scripts.push_back(std::move(s));
    for (MazeScript& s : bench3dMazes()) scripts.push_back(std::move(s));
    for (const MazeScript& script : scripts) {
        const std::string name = "finish-search/" + script.name;
        MazeWorkDir dir;
        const MadeMaze maze = makeMazeHeadless(script, passBudget);
        if (!maze.making.done) {
            std::printf("%-44s (maze not made)\n", name.c_str());
            continue;
        }
        const auto [window, headless] = timeBoth([&] { return timeSolveStageInWindow(maze, passBudget, searchRun); },
                                                 [&] { return timeSolveStageHeadless(maze, passBudget, searchRun); });
        const std::string cells = " " + std::to_string(maze.cells) + " cells";
        printTimed(name, cells, headless, "  (finish not found)");
        overall.add(headless);
        printTimed(name + "/qt-offscreen", cells, window, "  (finish not found)", timesHeadless(window, headless));
    }
    return overall.passesPerSecond();
}

}  // namespace tarnwick::bench
