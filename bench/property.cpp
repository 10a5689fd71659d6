#include "property.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_mazes.h"
#include "solving/maze_property.h"

namespace tarnwick::bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int seedsPerSetting = 25;
constexpr int surfaceWidth = 400, surfaceHeight = 300;

struct Tally {
    long mazes = 0, made = 0, solved = 0, sound = 0, underpasses = 0;
    std::uint64_t solvingPasses = 0;
    std::vector<std::string> faults;
};

void tally(Tally& t, const test::MazeRecipe& recipe, std::uint64_t passBudget) {
    const test::SolvedMaze maze = test::makeAndSolve(recipe, passBudget);
    ++t.mazes;
    if (!maze.made) {
        t.faults.push_back(test::describe(recipe) + ": not made");
        return;
    }
    ++t.made;
    if (!maze.solved) {
        t.faults.push_back(test::describe(recipe) + ": the walk never reached the finish");
        return;
    }
    ++t.solved;
    t.solvingPasses += maze.solvingPasses;
    const test::TrailReading trail = test::readTrail(maze);
    if (!trail.fault.empty()) {
        t.faults.push_back(test::describe(recipe) + ": " + trail.fault);
        return;
    }
    ++t.sound;
    t.underpasses += trail.underpasses;
}

void print(const std::string& name, const Tally& t) {
    std::printf("property/%-16s %4ld mazes %4ld made %4ld solved %4ld sound trails, %6ld underpasses on the ways,"
                " %8.0f passes a solve\n",
                name.c_str(), t.mazes, t.made, t.solved, t.sound, t.underpasses,
                t.solved > 0 ? static_cast<double>(t.solvingPasses) / t.solved : 0.0);
    for (std::size_t i = 0; i < t.faults.size() && i < 10; ++i) std::printf("    %s\n", t.faults[i].c_str());
    std::fflush(stdout);
}

}  // namespace

double propertyRate(std::uint64_t passBudget) {
    MazeWorkDir dir;
    test::writeOpenPicture();
    struct Kind {
        const char* name;
        long mazekind;
        bool longunderpasses;
    };
    const Kind kinds[] = {{"3d", 2, false}, {"3d-pipe-short", 1, false}, {"3d-pipe-long", 1, true}};
    long total = 0;
    const Clock::time_point start = Clock::now();
    std::uint64_t seed = 1;
    for (const Kind& kind : kinds) {
        Tally t;
        for (long wall : {10L, 5L})
            for (long level = 1; level <= 6; ++level)
                for (int i = 0; i < seedsPerSetting; ++i)
                    tally(t, {kind.mazekind, kind.longunderpasses, level, wall, seed++, surfaceWidth, surfaceHeight},
                          passBudget);
        total += t.mazes;
        print(kind.name, t);
    }
    // The example drawings in their own kinds and settings, at 800 by 600.
    for (const char* example : {"usetemple", "usespace", "usediamond", "usetree"}) {
        Tally t;
        for (int i = 0; i < 2 * seedsPerSetting; ++i) {
            test::MazeRecipe recipe;
            recipe.example = example;
            recipe.seed = seed++;
            recipe.width = 800, recipe.height = 600;
            tally(t, recipe, passBudget);
        }
        total += t.mazes;
        print(example, t);
    }
    return total / std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace tarnwick::bench
