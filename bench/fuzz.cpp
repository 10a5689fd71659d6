#include "fuzz.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench_mazes.h"
#include "solving/maze_property.h"
#include "support/mazefile_text.h"

namespace tarnwick::bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int caseCount = 1000;
constexpr std::uint32_t fuzzSeed = 20261210;

void printCases(const char* what, const std::vector<std::string>& cases) {
    std::printf("fuzz: %zu %s\n", cases.size(), what);
    for (std::size_t i = 0; i < cases.size() && i < 20; ++i) std::printf("    %s\n", cases[i].c_str());
}

}  // namespace

double fuzzRate(std::uint64_t passBudget) {
    std::vector<std::string> good;
    for (const ExampleDrawing& e : exampleDrawings) good.push_back(test::fileBytes(std::filesystem::path(TARNWICK_DATA_DIR) / e.file));
    std::mt19937 rng(fuzzSeed);
    std::vector<std::string> makingStalls, solvingStalls, stopped, finishOnStart;
    long solved = 0;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < caseCount; ++i) {
        const std::size_t e = static_cast<std::size_t>(i) % 4;
        const test::MutatedMazefile file = test::mutatedMazefile(good[e], rng);
        MazeWorkDir dir;
        test::writeFileBytes(exampleDrawings[e].file, file.bytes);
        test::MazeRecipe recipe;
        recipe.example = exampleDrawings[e].item;
        recipe.seed = static_cast<std::uint64_t>(i) + 1;
        recipe.width = 800, recipe.height = 600;
        recipe.computerSolves = true;
        const test::SolvedMaze maze = test::makeAndSolve(recipe, passBudget);
        const std::string what = "case " + std::to_string(i) + " " + exampleDrawings[e].file + ": " + file.what;
        // Every example has room for more than one cell: a finish on the start is
        // solved at once without a maze to solve.
        const bool onStart = maze.state.finishx1 == maze.state.startx1 && maze.state.finishy1 == maze.state.starty1;
        if (!maze.made) makingStalls.push_back(what);
        else if (onStart) finishOnStart.push_back(what);
        else if (maze.solved) ++solved;
        else if (maze.stopped) stopped.push_back(what);
        else solvingStalls.push_back(what);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("fuzz: %d mutated mazefiles, %ld solved\n", caseCount, solved);
    printCases("solves stopped by themselves, going round without reaching the finish", stopped);
    printCases("stalls in making", makingStalls);
    printCases("stalls in solving", solvingStalls);
    printCases("finishes placed on the start", finishOnStart);
    std::fflush(stdout);
    return caseCount / seconds;
}

}  // namespace tarnwick::bench
