#include "sweep.h"

#include <cstdio>
#include <string>

#include "bench_mazes.h"
#include "solving/maze_property.h"

namespace tarnwick::bench {

namespace {

constexpr int surfaceWidth = 800, surfaceHeight = 600;
// The steps before the maze and the placing stage take a few hundred passes.
constexpr std::uint64_t passesAside = 1'000'000;

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

test::SolvedMaze sweepRun(const Run& run, std::uint64_t passesPerCell) {
    test::MazeRecipe recipe;
    recipe.example = run.example->item;
    recipe.wall = run.wall;
    recipe.enterWall = true;
    recipe.seed = run.seed;
    recipe.width = surfaceWidth, recipe.height = surfaceHeight;
    recipe.computerSolves = true;
    recipe.pipeKind = run.pipe;
    recipe.passesPerCell = passesPerCell;
    return test::makeAndSolve(recipe, passesAside);
}

std::string describe(const Run& run) {
    return std::string(run.example->name) + " wall " + std::to_string(run.wall) + " grid " +
           std::to_string(run.pipe ? 2 * run.wall : run.wall) + " seed " + std::to_string(run.seed);
}

struct Largest {
    double perCell = 0;
    std::string run;
    void add(std::uint64_t passes, std::uint64_t cells, const std::string& name) {
        const double p = cells > 0 ? static_cast<double>(passes) / static_cast<double>(cells) : 0;
        if (p > perCell) perCell = p, run = name;
    }
};

}  // namespace

double sweepStalls(std::uint64_t passesPerCell) {
    long runs = 0, stalls = 0, solved = 0, stopped = 0, lastResorts = 0;
    Largest making, solving, pastFallback;
    for (const ExampleDrawing& example : exampleDrawings)
        for (long wall = 5; wall <= 50; wall += 5)
            for (bool pipe : {false, true})
                for (std::uint64_t seed : {1, 2}) {
                    const Run run{&example, wall, pipe, seed};
                    MazeWorkDir dir;
                    const test::SolvedMaze out = sweepRun(run, passesPerCell);
                    if (!out.kindChosen) continue;
                    ++runs;
                    const std::string name = describe(run);
                    const char* end = !out.made     ? "STALL in making"
                                      : out.solved  ? "solved"
                                      : out.stopped ? "solve stopped"
                                                    : "STALL in solving";
                    if (!out.made || (!out.solved && !out.stopped)) ++stalls;
                    solved += out.solved ? 1 : 0;
                    stopped += out.stopped ? 1 : 0;
                    lastResorts += out.carvingGivenUp ? 1 : 0;
                    making.add(out.makingPasses, out.cells, name);
                    solving.add(out.solvingPasses, out.cells, name);
                    pastFallback.add(out.passesPastFallback, out.cells, name);
                    std::printf("sweep %-40s %6llu cells  making %10llu  solving %10llu  picture %08x  %s%s\n",
                                name.c_str(), static_cast<unsigned long long>(out.cells),
                                static_cast<unsigned long long>(out.makingPasses),
                                static_cast<unsigned long long>(out.solvingPasses), out.made ? pictureHash(out.madePicture) : 0u, end,
                                out.carvingGivenUp ? " (making ended by its last resort)" : "");
                    std::fflush(stdout);
                }
    std::printf("sweep: %ld runs, %ld stalls, %ld solved, %ld solves stopped, %ld makes ended by the last resort\n",
                runs, stalls, solved, stopped, lastResorts);
    std::printf("sweep: largest passes a cell: making %.1f (%s), solving %.1f (%s), past the carving fallback %.1f%s%s\n",
                making.perCell, making.run.c_str(), solving.perCell, solving.run.c_str(), pastFallback.perCell,
                pastFallback.run.empty() ? "" : " ", pastFallback.run.empty() ? "" : ("(" + pastFallback.run + ")").c_str());
    std::fflush(stdout);
    return static_cast<double>(stalls);
}

}  // namespace tarnwick::bench
