#include "sweep.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "bench_mazes.h"
#include "core/colours.h"
#include "platform/picture_files.h"
#include "solving/maze_property.h"
#include "support/corridor_picture.h"

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

struct Tally {
    long runs = 0, stalls = 0, solved = 0, stopped = 0, lastResorts = 0, onNothing = 0, noRoom = 0;
    Largest making, solving, pastFallback;

    void add(const std::string& name, const test::SolvedMaze& out) {
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
        std::printf("sweep %-44s %6llu cells  making %10llu  solving %10llu  picture %08x  %s%s%s\n", name.c_str(),
                    static_cast<unsigned long long>(out.cells), static_cast<unsigned long long>(out.makingPasses),
                    static_cast<unsigned long long>(out.solvingPasses), out.made ? pictureHash(out.madePicture) : 0u,
                    end, out.carvingGivenUp ? " (making gave up clean cells)" : "",
                    nothing ? " (solved with nothing carved)" : "");
        std::fflush(stdout);
    }

    void print(const char* what) const {
        std::printf("sweep %s: %ld runs, %ld stalls, %ld solved, %ld solves stopped, %ld makes that gave up clean cells"
                    " (the guide or the last resort), %ld solved with nothing carved, %ld told there is no room\n",
                    what, runs, stalls, solved, stopped, lastResorts, onNothing, noRoom);
        std::printf("sweep %s: largest passes a cell: making %.1f (%s), solving %.1f (%s), past the carving fallback "
                    "%.1f%s%s\n",
                    what, making.perCell, making.run.c_str(), solving.perCell, solving.run.c_str(),
                    pastFallback.perCell, pastFallback.run.empty() ? "" : " ",
                    pastFallback.run.empty() ? "" : ("(" + pastFallback.run + ")").c_str());
        std::fflush(stdout);
    }
};

// The corridor pictures: two serpentines one cell wide at wall size 5, in each
// kind (3d-pipe on its own lattice of every second cell).
void corridorRuns(Tally& tally, std::uint64_t passesPerCell) {
    struct Kind {
        const char* name;
        long mazekind;
        int stride;
    };
    const Kind kinds[] = {{"regular", 0, 1}, {"3d", 2, 1}, {"3d-pipe", 1, 2}};
    const struct {
        int width, height;
    } sizes[] = {{800, 600}, {1920, 1080}};
    for (const auto& size : sizes)
        for (const Kind& kind : kinds)
            for (std::uint64_t seed : {1, 2}) {
                MazeWorkDir dir(size.width, size.height);
                savePictureFile(test::corridorPicture(size.width, size.height, 5, kind.stride).picture,
                                "corridor.bmp");
                test::MazeRecipe recipe;
                recipe.mazekind = kind.mazekind;
                recipe.wall = 5;
                recipe.seed = seed;
                recipe.picture = "corridor";
                recipe.width = size.width, recipe.height = size.height;
                recipe.computerSolves = true;
                recipe.passesPerCell = passesPerCell;
                const std::string name = std::string("corridors ") + kind.name + " " + std::to_string(size.width) +
                                         "x" + std::to_string(size.height) + " seed " + std::to_string(seed);
                tally.add(name, test::makeAndSolve(recipe, passesAside));
            }
}

}  // namespace

double sweepStalls(std::uint64_t passesPerCell) {
    Tally examples, corridors;
    for (const ExampleDrawing& example : exampleDrawings)
        for (long wall = 5; wall <= 50; ++wall)
            for (bool pipe : {false, true})
                for (std::uint64_t seed : {1, 2}) {
                    const Run run{&example, wall, pipe, seed};
                    MazeWorkDir dir;
                    const test::SolvedMaze out = sweepRun(run, passesPerCell);
                    if (out.kindChosen) examples.add(describe(run), out);
                }
    corridorRuns(corridors, passesPerCell);
    examples.print("examples");
    corridors.print("corridors");
    return static_cast<double>(examples.stalls + corridors.stalls);
}

}  // namespace tarnwick::bench
