#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

// Drawings whose maze has no second cell: the finish must still be a whole cell
// box, and the solve must end instead of walking for ever.
class OneCellMaze : public HeadlessProgramTest {
protected:
    // A new regular drawing, `drawing` keys, the computer makes the maze, then solves it.
    std::string script(const std::string& drawing) {
        return "passes 3\nbutton \"Click to Begin\"\npasses 20\n"
               "menu \"Options\" \"New Tarnwick Drawing\" \"regular 2-d mazes\"\npasses 5\n" +
               drawing +
               "menu \"Maze Settings\" \"Maze creation\" \"(2)-Computer creates maze\"\npasses 3\n"
               "menu \"Maze Options\" \"New maze \"\nuntil-mode 2 300000\npasses 3\n"
               "menu \"Maze Options\" \"Solve maze\"\nuntil-mode 4 10000\n"
               "expect-caption \"The Quillary Tarnwick-(computer has solved maze)\"\n";
    }
    void expectFinishOnTheStartsCell() {
        const Form57& f = program.form;
        EXPECT_EQ(f.finishx2 - f.finishx1, f.wallsizex - 3);
        EXPECT_EQ(f.finishy2 - f.finishy1, f.wallsizey - 3);
        EXPECT_EQ(f.finishx1, f.startx1);
        EXPECT_EQ(f.finishy1, f.starty1);
    }
};

// One open cell at the home position and, apart from it, a block: the maze is
// made on the home cell alone.
TEST_F(OneCellMaze, AStrayCellBesideABlock) {
    std::string drawing = "key Period\npasses 3\nkey Slash\npasses 2\nkey Right\npasses 2\nkey Right\npasses 2\n"
                          "key Slash\npasses 2\n";
    for (int i = 0; i < 10; ++i) drawing += "key D\npasses 1\n";
    for (int i = 0; i < 8; ++i) drawing += "key S\npasses 1\n";
    EXPECT_EQ(program.runScript(script(drawing)), "");
    const Form57& f = program.form;
    EXPECT_EQ(f.startx1, 11);
    EXPECT_EQ(f.starty1, 11);
    expectFinishOnTheStartsCell();
}

// Nothing drawn: no cell at all; the squares stay off the window together.
TEST_F(OneCellMaze, NothingDrawn) {
    EXPECT_EQ(program.runScript(script("")), "");
    expectFinishOnTheStartsCell();
}

}  // namespace
}  // namespace tarnwick::test
