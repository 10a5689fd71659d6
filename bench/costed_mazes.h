#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "solving/maze_property.h"
#include "support/thin_stroke_pictures.h"

namespace tarnwick::bench {

// The three kinds of maze; a 3d-pipe maze's drawing lies on its own lattice of every second cell.
struct MazeKind {
    const char* name;
    long mazekind;  // as test::MazeRecipe has it
    int stride;
};
inline constexpr MazeKind mazeKinds[] = {{"regular", 0, 1}, {"3d", 2, 1}, {"3d-pipe", 1, 2}};

// Each stage's bound beyond its passes a lattice cell: the steps before the
// maze and the placing stage take a few hundred passes.
inline constexpr std::uint64_t passesAside = 1'000'000;

// Drawings whose maze carves fewer cells than this are left out of the cost a
// carved cell: the passes before the walker's first step weigh too much there.
inline constexpr long fewestCellsCosted = 100;

struct CostedMaze {
    test::SolvedMaze out;
    long carved = 0;        // cells of the maze's own grid showing a passage colour as making ended
    long reachedClean = 0;  // drawing cells a walk reaches that making left clean (thin strokes only)
    // Passes to placing for each cell carved, or 0 when the maze carved too few to tell.
    double passesPerCarvedCell() const {
        return carved >= fewestCellsCosted ? static_cast<double>(out.makingPasses) / static_cast<double>(carved) : 0;
    }
};

// Makes and solves a maze of the kind on the thin-stroke drawing at wall size 5
// in a window of the size given, in a fresh working directory; each stage
// bounded by passesAside and `passesPerCell` a lattice cell.
CostedMaze thinStrokeMaze(test::ThinStroke drawing, const MazeKind& kind, int width, int height, std::uint64_t seed,
                          std::uint64_t passesPerCell);
std::string describe(test::ThinStroke drawing, const MazeKind& kind, int width, int height, std::uint64_t seed);

// Makes and solves a maze on an example drawing with its settings at the wall
// size entered, headless at 800 by 600, in the current working directory (see
// MazeWorkDir). `pipe` switches to or from the 3d-pipe kind where the example
// offers it; unset keeps its own.
CostedMaze exampleMaze(const char* item, long wall, std::optional<bool> pipe, std::uint64_t seed,
                       std::uint64_t passesPerCell);

}  // namespace tarnwick::bench
