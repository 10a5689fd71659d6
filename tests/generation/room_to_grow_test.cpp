#include <filesystem>
#include <string>

#include "core/colours.h"
#include "core/maze_room.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

bool sameCell(const Form57& f) { return f.startx1 == f.finishx1 && f.starty1 == f.finishy1; }

// A maze begins where it can grow: on a drawing whose first usable cell is cut
// off from the rest, in the largest group of cells that fit; on a drawing with
// no two cells that fit together, not at all.
class RoomToGrow : public HeadlessProgramTest {
protected:
    // A new regular drawing, `drawing` keys, then "New maze " made by `creation`.
    static std::string newMaze(const std::string& drawing, const std::string& creation) {
        return "passes 3\nbutton \"Click to Begin\"\npasses 20\n"
               "menu \"Options\" \"New Tarnwick Drawing\" \"regular 2-d mazes\"\npasses 5\n" +
               drawing + "menu \"Maze Settings\" \"Maze creation\" \"" + creation + "\"\npasses 3\n" +
               "menu \"Maze Options\" \"New maze \"\n";
    }
};

// Open cells where the first usable cell is (one that cannot be carved from, or
// two that make a maze of their own) and, apart from them, a block of 10 by 8
// cells: the maze is made in the block, and solved on a path of its own.
TEST_F(RoomToGrow, AStrayCornerLeavesTheMazeToTheBlock) {
    const struct {
        const char* stray;  // keys from the first cell to the block's first cell, drawing off between
        long blockx1, strayx1;
    } cases[] = {
        {"key Slash\npasses 2\nkey Right\npasses 2\nkey Right\npasses 2\n", 31, 11},
        {"key Right\npasses 2\nkey Slash\npasses 2\nkey Right\npasses 2\nkey Right\npasses 2\n", 41, 21},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stray);
        HeadlessProgram run;
        std::string drawing = "key Period\npasses 3\n" + std::string(c.stray) + "key Slash\npasses 2\n";
        for (int i = 0; i < 10; ++i) drawing += "key D\npasses 1\n";
        for (int i = 0; i < 8; ++i) drawing += "key S\npasses 1\n";
        EXPECT_EQ(run.runScript(newMaze(drawing, "(2)-Computer creates maze") +
                                "until-mode 2 300000\npasses 3\n"
                                "menu \"Maze Options\" \"Solve maze\"\nuntil-mode 4 100000\n"
                                "expect-caption \"The Quillary Tarnwick-(computer has solved maze)\"\n"
                                "expect-messages 0\n"),
                  "");
        const Form57& f = run.form;
        EXPECT_EQ(f.startx1, c.blockx1) << "the block's first cell";
        EXPECT_EQ(f.starty1, 11);
        EXPECT_EQ(f.homex1, f.startx1);
        EXPECT_FALSE(sameCell(f));
        // The stray cells stay as drawn: no passage reaches them.
        for (long x = 11; x <= c.strayx1; x += 10) {
            EXPECT_EQ(f.canvas.point(x, 11), f.canvas.point(x + 4, 15));
            EXPECT_FALSE(isPassageColour(f, f.canvas.point(x, 11)));
        }
    }
}

// Nothing drawn: no cell fits anywhere. Whoever creates the maze, the user is
// told once and the drawing stage comes back, where a later attempt is told again.
TEST_F(RoomToGrow, NothingDrawnIsToldOnceAndTheDrawingStageComesBack) {
    for (const char* creation : {"(2)-Computer creates maze", "(1)-User creates maze"}) {
        HeadlessProgram run;
        EXPECT_EQ(run.runScript(newMaze("", creation) +
                                "passes 50\n"
                                "expect-mode 0\n"
                                "expect-caption \"The Quillary Tarnwick-(drawing picture for 'Regular mazes')\"\n"
                                "expect-messages 1\n"
                                "key Right\npasses 50\nexpect-mode 0\nexpect-messages 1\n"
                                "menu \"Maze Options\" \"New maze \"\npasses 50\n"
                                "expect-mode 0\nexpect-messages 2\n"),
                  "")
            << creation;
        EXPECT_EQ(run.platform.lastMessage(), blankDrawingMessage) << creation;
        EXPECT_EQ(run.form.mazeprogress, 1) << creation << ": never placed nor solved";
    }
}

struct TreeCase {
    long wallSize;
    const char* kind;  // the Create item, empty for the tree's own kind (3d-mazes)
};

// The christmas tree from the menus at every wall size the entry takes: the maze
// is made in the tree's body and solved from its start to a finish elsewhere.
class TreeAtEveryWallSize : public ::testing::TestWithParam<TreeCase> {
protected:
    TreeAtEveryWallSize() {
        namespace fs = std::filesystem;
        for (const auto& entry : fs::directory_iterator(fs::path(TARNWICK_DATA_DIR)))
            fs::copy_file(entry.path(), entry.path().filename());
    }
    TempWorkDir workDir;
    HeadlessProgram program{800, 600, 10'000'000};
};

TEST_P(TreeAtEveryWallSize, GetsAMazeMadeAndSolved) {
    const TreeCase& c = GetParam();
    std::string script =
        "passes 3\nbutton \"Click to Begin\"\npasses 5\n"
        "menu \"Maze Picture\" \"Christmas-tree.maze\"\npasses 5\n"
        "menu \"Maze Settings\" \"Maze creation\" \"(2)-Computer creates maze\"\npasses 3\n"
        "menu \"Maze Options\" \"New maze \"\npasses 20\n"
        "menu \"Maze Options\" \"New maze \"\nuntil-mode 2 2000000\npasses 3\n"
        "menu \"Maze Options\" \"Go back to Drawing\"\npasses 5\n"
        "menu \"Options\" \"Change wall size\"\ntype \"" +
        std::to_string(c.wallSize) + "\"\nkey Enter\npasses 3\n";
    if (*c.kind) script += std::string("menu \"Options\" \"") + c.kind + "\"\npasses 5\n";
    script += "menu \"Maze Options\" \"New maze \"\nuntil-mode 2 3000000\npasses 3\n"
              "menu \"Maze Options\" \"Solve maze\"\nuntil-mode 4 3000000\n"
              "expect-caption \"The Quillary Tarnwick-(computer has solved maze)\"\n"
              "expect-messages 0\n";
    ASSERT_EQ(program.runScript(script), "");
    const Form57& f = program.form;
    EXPECT_EQ(f.wallsizex, c.wallSize);
    EXPECT_FALSE(sameCell(f)) << "start and finish share the cell at " << f.startx1 << "," << f.starty1;
}

std::vector<TreeCase> treeCases() {
    std::vector<TreeCase> cases;
    for (const char* kind : {"", "Create regular 2-d mazes inside drawing"})
        for (long w = 5; w <= 50; ++w) cases.push_back({w, kind});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Tree, TreeAtEveryWallSize, ::testing::ValuesIn(treeCases()), [](const auto& info) {
    return std::string(*info.param.kind ? "regular" : "threeD") + std::to_string(info.param.wallSize);
});

}  // namespace
}  // namespace tarnwick::test
