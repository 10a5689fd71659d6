#include "sweep.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench_mazes.h"
#include "core/colours.h"
#include "costed_mazes.h"

namespace tarnwick::bench {

namespace {

struct Run {
    const ExampleDrawing* example;
    long wall = 10;
    bool pipe = false;  // grid step twice the wall size
    std::uint64_t seed = 1;
};

std::uint32_t pictureHash(const Picture& picture) {
    std::uint32_t h = 2166136261u;
    for (const std::uint32_t colour : picture.pixels) h = (h ^ colour) * 16777619u;
    return h;
}

std::string describe(const Run& run) {
    return std::string(run.example->name) + " wall " + std::to_string(run.wall) + " grid " +
           std::to_string(run.pipe ? 2 * run.wall : run.wall) + " seed " + std::to_string(run.seed);
}

// A solve that ends at once: start and finish share one cell, or making left
// no pixel of a passage colour.
bool solvedOnNothing(const test::SolvedMaze& out) {
    if (!out.solved) return false;
    const State& s = out.state;
    if (s.startx1 == s.finishx1 && s.starty1 == s.finishy1) return true;
    return std::none_of(out.madePicture.pixels.begin(), out.madePicture.pixels.end(),
                        [&s](std::uint32_t colour) { return isPassageColour(s, colour); });
}

struct Largest {
    double perCell = 0;
    std::string run;
    void add(std::uint64_t passes, std::uint64_t cells, const std::string& name) {
        const double p = cells > 0 ? static_cast<double>(passes) / static_cast<double>(cells) : 0;
        if (p > perCell) perCell = p, run = name;
    }
};

// The goal for making: no more passes to placing than this for each cell the maze carves.
constexpr double mostPassesPerCarvedCell = 150;

struct Tally {
    // Only a regular maze carves every cell a walk reaches: a 3d walker may jump
    // over a clean cell or leave it as a wall between two passages.
    bool cleanIsFault = false;
    long runs = 0, stalls = 0, solved = 0, stopped = 0, lastResorts = 0, onNothing = 0, noRoom = 0;
    long overCost = 0, reachedClean = 0;
    Largest making, solving, pastFallback, carvedCost;

    void add(const std::string& name, const CostedMaze& maze) {
        const test::SolvedMaze& out = maze.out;
        ++runs;
        const char* end = out.noRoom    ? "no room for a maze"
                          : !out.made   ? "STALL in making"
                          : out.solved  ? "solved"
                          : out.stopped ? "solve stopped"
                                        : "STALL in solving";
        if (!out.noRoom && (!out.made || (!out.solved && !out.stopped))) ++stalls;
        noRoom += out.noRoom ? 1 : 0;
        solved += out.solved ? 1 : 0;
        stopped += out.stopped ? 1 : 0;
        lastResorts += out.carvingGivenUp ? 1 : 0;
        const bool nothing = solvedOnNothing(out);
        onNothing += nothing ? 1 : 0;
        making.add(out.makingPasses, out.cells, name);
        solving.add(out.solvingPasses, out.cells, name);
        pastFallback.add(out.passesPastFallback, out.cells, name);
        const double cost = maze.passesPerCarvedCell();
        if (cost > carvedCost.perCell) carvedCost.perCell = cost, carvedCost.run = name;
        const bool over = cost > mostPassesPerCarvedCell;
        overCost += over ? 1 : 0;
        reachedClean += maze.reachedClean;
        std::printf("sweep %-44s %6llu cells  making %10llu  solving %10llu  carved %6ld  %7.1f a carved cell  "
                    "picture %08x  %s%s%s%s%s\n",
                    name.c_str(), static_cast<unsigned long long>(out.cells),
                    static_cast<unsigned long long>(out.makingPasses),
                    static_cast<unsigned long long>(out.solvingPasses), maze.carved, cost,
                    out.made ? pictureHash(out.madePicture) : 0u, end,
                    out.carvingGivenUp ? " (making gave up clean cells)" : "",
                    nothing ? " (solved with nothing carved)" : "", over ? " (OVER the cost a carved cell)" : "",
                    maze.reachedClean > 0 ? (" (" + std::to_string(maze.reachedClean) + " cells a walk reaches left " +
                                             (cleanIsFault ? "CLEAN)" : "clean)")).c_str()
                                          : "");
        std::fflush(stdout);
    }

    void print(const std::string& what) const {
        std::printf("sweep %s: %ld runs, %ld stalls, %ld solved, %ld solves stopped, %ld makes that gave up clean cells"
                    " (the guide or the last resort), %ld solved with nothing carved, %ld told there is no room\n",
                    what.c_str(), runs, stalls, solved, stopped, lastResorts, onNothing, noRoom);
        std::printf("sweep %s: largest passes a cell: making %.1f (%s), solving %.1f (%s), past the carving fallback "
                    "%.1f%s%s\n",
                    what.c_str(), making.perCell, making.run.c_str(), solving.perCell, solving.run.c_str(),
                    pastFallback.perCell, pastFallback.run.empty() ? "" : " ",
                    pastFallback.run.empty() ? "" : ("(" + pastFallback.run + ")").c_str());
        std::printf("sweep %s: largest passes to placing a carved cell %.1f (%s), %ld runs over %.0f, %ld cells a walk "
                    "reaches left clean%s\n",
                    what.c_str(), carvedCost.perCell, carvedCost.run.c_str(), overCost, mostPassesPerCarvedCell,
                    reachedClean, cleanIsFault ? "" : " (a 3d maze may leave them)");
        std::fflush(stdout);
    }

    long faults() const { return stalls + overCost + lastResorts + onNothing + (cleanIsFault ? reachedClean : 0); }
};

// The thin-stroke drawings at wall size 5 in each kind, three seeds at each size.
void thinStrokeRuns(Tally (&tallies)[std::size(mazeKinds)], std::uint64_t passesPerCell) {
    const struct {
        int width, height;
    } sizes[] = {{800, 600}, {1280, 1024}, {1920, 1080}};
    for (const auto& size : sizes)
        for (std::size_t k = 0; k < std::size(mazeKinds); ++k)
            for (const test::ThinStroke drawing : test::thinStrokes)
                for (std::uint64_t seed : {1, 2, 3})
                    tallies[k].add(describe(drawing, mazeKinds[k], size.width, size.height, seed),
                                   thinStrokeMaze(drawing, mazeKinds[k], size.width, size.height, seed, passesPerCell));
}

}  // namespace

double sweepFaults(std::uint64_t passesPerCell) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    Tally examples, thin[std::size(mazeKinds)];
    for (std::size_t k = 0; k < std::size(mazeKinds); ++k) thin[k].cleanIsFault = mazeKinds[k].mazekind == 0;
    for (const ExampleDrawing& example : exampleDrawings)
        for (long wall = 5; wall <= 50; ++wall)
            for (bool pipe : {false, true})
                for (std::uint64_t seed : {1, 2}) {
                    const Run run{&example, wall, pipe, seed};
                    MazeWorkDir dir;
                    const CostedMaze maze =
                        exampleMaze(example.item, wall, pipe, seed, passesPerCell);
                    if (maze.out.kindChosen) examples.add(describe(run), maze);
                }
    const Clock::time_point examplesEnd = Clock::now();
    thinStrokeRuns(thin, passesPerCell);
    const auto seconds = [](Clock::time_point a, Clock::time_point b) {
        return std::chrono::duration<double>(b - a).count();
    };
    examples.print("examples");
    long faults = examples.faults();
    for (std::size_t k = 0; k < std::size(mazeKinds); ++k) {
        thin[k].print(std::string("thin strokes ") + mazeKinds[k].name);
        faults += thin[k].faults();
    }
    std::printf("sweep: examples %.0f s, thin strokes %.0f s\n", seconds(start, examplesEnd),
                seconds(examplesEnd, Clock::now()));
    return static_cast<double>(faults);
}

}  // namespace tarnwick::bench
