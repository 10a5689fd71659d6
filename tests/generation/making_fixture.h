#pragma once
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/geometry.h"
#include "support/headless_program.h"
#include "support/pixel_art.h"

namespace tarnwick::test {

// A drawing as one character per drawing cell, laid on the lattice from (w, w):
// '.' black (open), 'n' navy (open), 'g' green (open), 'R' red (border), 'G' gray
// (border); 'S' and 'F' are black cells holding the start and the finish. The
// rest of the surface is gray.
using Drawing = std::vector<std::string>;

// Passage colours, one per palette colour, none of them a palette colour.
long passageColourOf(int paletteIndex);

struct LatticeCell {
    long col = 0, row = 0;
    auto operator<=>(const LatticeCell&) const = default;
};
inline void PrintTo(const LatticeCell& c, std::ostream* os) { *os << "(" << c.col << "," << c.row << ")"; }

// The program on a small headless surface, with the fields that the main loop
// sets before it calls makemaze.
class MakingTest : public ::testing::Test {
protected:
    explicit MakingTest(int width = 200, int height = 160);

    void standardColours();  // default classes, a passage colour of its own for each palette colour
    void paintDrawing(const Drawing& drawing, long wall = 10);
    CellRect box(LatticeCell cell) const;
    long pixel(long x, long y) const { return form.canvas.point(x, y); }

    // Runs makemaze as the maze stage calls it; false when it was still making
    // after the budget of passes.
    bool makeMaze(std::uint64_t passBudget = 400'000);

    // Read back from the pixels.
    bool carved(LatticeCell cell) const;  // its box shows a passage colour
    bool opening(LatticeCell a, LatticeCell b) const;  // the grid line between two neighbours is passage
    std::vector<LatticeCell> drawingCells(char which) const;  // cells of the drawing with that character
    // The completion scan would still wait on this clean cell.
    bool stillToCarve(LatticeCell cell);

    TempWorkDir workDir;
    HeadlessProgram program;
    Form57& form;
    HeadlessPlatform& platform;
    Drawing drawing;
    long wall = 10;
};

}  // namespace tarnwick::test
