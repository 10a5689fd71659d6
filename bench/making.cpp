#include "making.h"

#include <cstdio>
#include <string>

#include "bench_mazes.h"
#include "qt_offscreen.h"

namespace tarnwick::bench {

namespace {

void print(const std::string& name, const MadeMaze& maze, const std::string& note = {}) {
    char cells[32];
    std::snprintf(cells, sizeof cells, " %7ld cells", maze.cells);
    printTimed(name, cells, maze.making, "  (not finished)", note);
}

}  // namespace

double makingRate(std::uint64_t passBudget) {
    std::uint64_t passes = 0;
    double seconds = 0;
    for (const MazeScript& script : benchMazes(false)) {
        const std::string name = "making/" + script.name;
        MazeWorkDir dir;
        const MadeMaze headless = makeMazeHeadless(script, passBudget);
        print(name, headless);
        if (headless.making.done) passes += headless.making.passes, seconds += headless.making.seconds;
        MadeMaze window;
        withQtWindow([&](Platform& platform) { window = makeMaze(platform, script, passBudget); });
        print(name + "/qt-offscreen", window, timesHeadless(window.making, headless.making));
    }
    return seconds > 0 ? passes / seconds : 0;
}

}  // namespace tarnwick::bench
