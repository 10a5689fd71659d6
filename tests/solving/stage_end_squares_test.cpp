#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

class StageEndSquares : public HeadlessProgramTest {
protected:
    // The square's box is a whole cell box on the drawing lattice.
    void expectOnTheLattice(long x1, long y1, long x2, long y2, const char* what) {
        const Form57& f = program.form;
        const long w = f.wallsizex;
        EXPECT_EQ((x1 - 1) % w, 0) << what << " x1 " << x1;
        EXPECT_EQ((y1 - 1) % w, 0) << what << " y1 " << y1;
        EXPECT_EQ(x2 - x1, w - 3) << what;
        EXPECT_EQ(y2 - y1, w - 3) << what;
        EXPECT_LE(x1 - 1, f.lastcolumnx) << what;
        EXPECT_LE(y1 - 1, f.lastrowy) << what;
    }
};

// A new wall size entered and "New maze " given at once, so that the drawing
// stage ends before a pass of it has recomputed the lattice: the default
// squares still go on the new lattice, and the maze can be solved.
TEST_F(StageEndSquares, NewWallSizeThenNewMazeAtOnce) {
    copyExampleSettings();
    const std::string script =
        "passes 3\nbutton \"Click to Begin\"\npasses 5\nmenu \"Maze Picture\" \"temple.maze\"\npasses 5\n"
        "menu \"Maze Options\" \"New maze \"\npasses 20\nexpect-mode 0\n"
        "menu \"Options\" \"Change wall size\"\npasses 2\ntype \"7\"\nkey Enter\n"
        "menu \"Maze Options\" \"New maze \"\nuntil-mode 2 3000000\npasses 3\n"
        "menu \"Maze Options\" \"Solve maze\"\nuntil-mode 4 3000000\n";
    EXPECT_EQ(program.runScript(script), "");
    const Form57& f = program.form;
    ASSERT_EQ(f.wallsizex, 7);
    EXPECT_EQ(f.lastcolumnx, 791);
    expectOnTheLattice(f.startx1, f.starty1, f.startx2, f.starty2, "start");
    expectOnTheLattice(f.finishx1, f.finishy1, f.finishx2, f.finishy2, "finish");
}

}  // namespace
}  // namespace tarnwick::test
