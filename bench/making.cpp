#include "making.h"

#include <cstdio>
#include <string>

#include "bench_mazes.h"
#include "qt_offscreen.h"

namespace tarnwick::bench {

namespace {

void print(const std::string& name, const MadeMaze& maze, const Timed& making, const std::string& note = {}) {
    char cells[48];
    std::snprintf(cells, sizeof cells, " %4dx%-4d %6ld cells", maze.picture.width, maze.picture.height, maze.cells);
    printTimed(name, cells, making, "  (not finished)", note);
}

}  // namespace

double makingRate(std::uint64_t passBudget) {
    OverallRate overall;
    for (const MazeScript& script : benchMazes(false)) {
        const std::string name = "making/" + script.name;
        MadeMaze window, headless;
        const Medians timed = timeBoth(
            [&] {
                MazeWorkDir dir;
                withQtWindow([&](Platform& platform) { window = makeMaze(platform, script, passBudget); });
                return window.making;
            },
            [&] {
                // The same maze: on a canvas of the window's size, the random source seeded alike.
                MazeWorkDir dir;
                headless = makeMazeHeadless(script, passBudget, window.picture.width, window.picture.height);
                return headless.making;
            });
        print(name, headless, timed.headless);
        overall.add(timed.headless);
        print(name + "/qt-offscreen", window, timed.window, timesHeadless(timed.window, timed.headless));
    }
    return overall.passesPerSecond();
}

}  // namespace tarnwick::bench
