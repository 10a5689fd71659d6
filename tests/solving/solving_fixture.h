#pragma once
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/geometry.h"
#include "support/headless_program.h"
#include "support/pixel_art.h"

namespace tarnwick::test {

// Default colour classes, white passages, and the squares in their placing
// colours (magenta - 1 and grey + 1, shifted off the palette).
constexpr long white = 0xFFFFFF;
constexpr long black = 0x000000;
constexpr long startShifted = 0xFF00FE;
constexpr long finishShifted = 0x808081;
void standardColours(State& state);

// The example drawings' settings files, copied into the current directory.
void copyExampleSettings();

// A maze drawn as cells and the walls between them: the characters at odd row
// and odd column are cells ('.' a cell, 'S' the start, 'F' the finish, '#' no
// cell), the ones between two cells are '.' for an opening and '#' for a wall.
//   #######
//   #S..#F#
//   ###.#.#
//   #.....#
//   #######
using MazeArt = std::vector<std::string>;

// Mazes with dead ends on every side of the way, so the walker has to go into
// them and wipe its trail on the way out.
extern const MazeArt twisty;
extern const MazeArt startInTheMiddle;
extern const MazeArt finishAbove;  // reached from below; the start opens upwards only
// Two rows of three cells joined through the middle one: S at the top left, F
// at the bottom left.
extern const MazeArt tee;

struct Cell {
    long row = 0, col = 0;
    auto operator<=>(const Cell&) const = default;
};
inline void PrintTo(const Cell& c, std::ostream* os) { *os << "(" << c.row << "," << c.col << ")"; }

// The program on a small headless surface, with the maze stages' fields set up.
class SolvingTest : public ::testing::Test {
protected:
    explicit SolvingTest(int width = 160, int height = 120);

    // Black drawing, white passages painted cell box to cell box; the squares on
    // S and F; the lattice, wall size and grid step of the art.
    void paintMaze(const MazeArt& art, long wall);
    CellRect box(Cell cell) const;  // the cell box of a cell of the art
    Pixel centre(Cell cell) const;

    // Every cell the openings of the art lead to from S, with its path length.
    std::map<Cell, long> distancesFromStart(const MazeArt& art) const;
    // The cells from S to F, each next to the one before.
    std::vector<Cell> pathFromStartToFinish(const MazeArt& art) const;
    // The cell each reached cell was first reached from.
    std::map<Cell, Cell> searchFromStart(const MazeArt& art) const;
    // The pixels a finished trail covers: the start square and the segments between centres.
    std::set<std::pair<long, long>> trailPixels(const std::vector<Cell>& path) const;
    std::set<std::pair<long, long>> pixelsOf(long colour) const;

    // After a solve: the trail is exactly the way from S to F, and every other
    // pixel shows `maze` as it was before (the finish square in its colour).
    void expectOnlyTheTrailAdded(const MazeArt& art, const Picture& maze);

    // Runs the solve stage until the maze is solved (or the budget runs out); the
    // picture is then left as the solved maze showed it.
    void solveToTheEnd(std::uint64_t passBudget = 200'000);

    TempWorkDir workDir;
    HeadlessProgram program;
    Form57& form;
    HeadlessPlatform& platform;
    Cell startCell, finishCell;
};

}  // namespace tarnwick::test
