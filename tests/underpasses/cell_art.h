#pragma once
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/geometry.h"
#include "support/headless_program.h"

namespace tarnwick::test {

// A maze as one character per cell, laid on the lattice from (w, w), wall size
// 10 unless set otherwise, with a character between two cells for the grid line that parts them.
// Rows alternate: cell rows ("#-# . R") and grid-line rows, whose characters
// under the cells stand for the grid line below them ("|   ").
//   cells: '.' black, 'n' navy (both open), 'R' red (border), '#' passage in
//          black's passage colour, 'N' in navy's, 'c' the user's cursor colour;
//   grid lines: ' ' closed, '-' or '|' open (passage), and a long underpass's
//          one-pixel mark: '>' or 'v' beside the left or upper cell, '<' or
//          '^' beside the right or lower one.
// The rest of the surface is gray (border).
using CellArt = std::vector<std::string>;

struct Cell {
    long col = 0, row = 0;
};

class CellArtTest : public ::testing::Test {
protected:
    long wall = 10;
    static constexpr long blackPassage = 0xF0E001, navyPassage = 0xF0E002;

    CellArtTest();

    // Another wall size for the lattice and the cell boxes, before painting.
    void setWallSize(long w);
    void paint(const CellArt& art);
    // The picture read back in the same notation, over the size of the last art painted.
    CellArt read() const;

    CellRect box(Cell c) const;
    // Puts the walker (current and previous cell) on a cell, facing a direction (1 to 4).
    void placeWalker(Cell c, long direction);
    // The look cell k cells ahead of the walker, for the underpass search and guard.
    void lookAhead(long k);
    Cell walkerCell() const;
    Cell lookCellNow() const;

    TempWorkDir workDir;
    HeadlessProgram program{200, 160};
    Form57& form;
    CellArt painted;
};

inline void PrintTo(const Cell& c, std::ostream* os) { *os << "(" << c.col << "," << c.row << ")"; }
inline bool operator==(const Cell& a, const Cell& b) { return a.col == b.col && a.row == b.row; }

}  // namespace tarnwick::test
