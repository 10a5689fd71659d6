#pragma once
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/geometry.h"
#include "support/headless_program.h"

namespace tarnwick::test {

// The pattern editor's canvas as one character per 5-pixel cell, laid on the
// lattice from (5, 5). Rows alternate: cell rows ("n-W B Y") and grid-line rows,
// whose characters under the cells stand for the grid line below them.
//   cells: 'n' navy (free), 'W' white (path), 'B' black (cursor or trapped),
//          'Y' yellow (outside the field, with the grid lines around it);
//   grid lines: ' ' navy (closed, or yellow beside yellow cells), '-' or '|'
//          white (open), '=' or '!' black.
// The rest of the surface is yellow.
using EditorArt = std::vector<std::string>;

struct EditorCell {
    long col = 0, row = 0;
    bool operator==(const EditorCell&) const = default;
};
inline void PrintTo(const EditorCell& c, std::ostream* os) { *os << "(" << c.col << "," << c.row << ")"; }

class EditorArtTest : public ::testing::Test {
protected:
    static constexpr long pitch = 5;
    static constexpr long white = 0xFFFFFF, navy = 0x800000, yellow = 0x00FFFF, black = 0x000000;

    EditorArtTest();
    ~EditorArtTest() override;

    void paint(const EditorArt& art);
    EditorArt read() const;  // over the size of the last art painted

    CellRect box(EditorCell c) const;
    void place(EditorCell c);  // the cursor (and the previous cell) on a cell
    EditorCell cursor() const;
    // One live move step as the editor's pass makes it (the previous cell set first).
    void live(long direction);
    void replay(long direction);
    // The codes recorded so far, one per line as the file holds them.
    std::string recorded();

    TempWorkDir workDir;
    HeadlessProgram program{200, 160};
    Form57& form;
    EditorArt painted;
};

}  // namespace tarnwick::test
