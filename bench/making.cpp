#include "making.h"

#include <cstdio>
#include <string>

#include "bench_mazes.h"
#include "costed_mazes.h"
#include "qt_offscreen.h"

namespace tarnwick::bench {

namespace {

void print(const std::string& name, const MadeMaze& maze, const Timed& making, const std::string& note = {}) {
    char cells[48];
    std::snprintf(cells, sizeof cells, " %4dx%-4d %6ld cells", maze.picture.width, maze.picture.height, maze.cells);
    printTimed(name, cells, making, "  (not finished)", note);
}

struct LargestCost {
    double cost = 0;
    std::string run;
    void add(const std::string& name, const CostedMaze& maze) {
        const test::SolvedMaze& out = maze.out;
        if (!out.noRoom && (!out.made || (!out.solved && !out.stopped)))
            std::printf("making-cost: %s STALLED\n", name.c_str());
        if (out.carvingGivenUp) std::printf("making-cost: %s gave up clean cells\n", name.c_str());
        if (maze.reachedClean > 0 && maze.out.state.mazekind == 0)
            std::printf("making-cost: %s left %ld cells a walk reaches clean\n", name.c_str(), maze.reachedClean);
        if (maze.passesPerCarvedCell() > cost) cost = maze.passesPerCarvedCell(), run = name;
    }
    double print(const char* what) const {
        std::printf("making-cost/%s: largest %.1f passes to placing a carved cell (%s)\n", what, cost, run.c_str());
        std::fflush(stdout);
        return cost;
    }
};

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

double examplesMakingCost(std::uint64_t passesPerCell) {
    LargestCost largest;
    for (const ExampleDrawing& example : exampleDrawings)
        for (long wall : {5, 8, 10, 15})
            for (std::uint64_t seed = 1; seed <= 4; ++seed) {
                MazeWorkDir dir;
                largest.add(std::string(example.name) + " wall " + std::to_string(wall) + " seed " +
                                std::to_string(seed),
                            exampleMaze(example.item, wall, std::nullopt, seed, passesPerCell));
            }
    return largest.print("examples");
}

double thinStrokeMakingCost(int kind, std::uint64_t passesPerCell) {
    const MazeKind& k = mazeKinds[kind];
    LargestCost largest;
    for (const test::ThinStroke drawing : test::thinStrokes)
        for (std::uint64_t seed : {1, 2})
            largest.add(describe(drawing, k, 800, 600, seed), thinStrokeMaze(drawing, k, 800, 600, seed, passesPerCell));
    return largest.print((std::string("thin-strokes/") + k.name).c_str());
}

}  // namespace tarnwick::bench
