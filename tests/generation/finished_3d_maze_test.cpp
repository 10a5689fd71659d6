// 3d-mazes and 3d-pipe-mazes made on small drawings, read back from their
// pixels: making ends, and every cell such a maze must carve is carved, in the
// passage colour of its drawing colour.
#include <fstream>
#include <functional>

#include "core/colours.h"
#include "directionpatterns/pattern_files.h"
#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

struct Maze3dCase {
    const char* name;
    long mazekind;  // 1 3d-pipe, 2 3d
    bool longunderpasses;
    long level, pathsize;
};
void PrintTo(const Maze3dCase& c, std::ostream* os) { *os << c.name; }

int paletteIndex(char c) { return c == 'n' ? 2 : c == 'g' ? 3 : 1; }
bool openCell(char c) { return c != 'R' && c != 'G'; }

class Finished3dMaze : public MakingTest, public ::testing::WithParamInterface<Maze3dCase> {
protected:
    void make(const Drawing& d, const std::function<void()>& beforeMaking = [] {}) {
        const Maze3dCase& c = GetParam();
        paintDrawing(d);
        form.mazekind = c.mazekind;
        form.gridstepx = form.gridstepy = c.mazekind == 1 ? 2 * wall : wall;
        form.scanx = form.wallsizex + 1 - form.gridstepx;
        form.scany = form.wallsizey + 1 - form.gridstepy;
        form.difficultylevel = c.level;
        form.pathsize = c.pathsize;
        form.ui.setChecked("pthin", c.longunderpasses);
        form.ui.setChecked("pthick", !c.longunderpasses);
        beforeMaking();
        ASSERT_TRUE(makeMaze()) << "making did not end";
        EXPECT_EQ(form.programmode, 2);
        EXPECT_EQ(form.shortunderpasses, c.longunderpasses ? 0 : 1);
    }

    // Every open lattice cell the walker can reach, unless the completion scan of
    // a 3d-maze passes it over.
    void expectEveryCellCarved(const std::function<bool(LatticeCell)>& reachable = [](LatticeCell) { return true; }) {
        const long step = form.gridstepx / wall;
        for (long row = 0; row < static_cast<long>(drawing.size()); row += step)
            for (long col = 0; col < static_cast<long>(drawing[row].size()); col += step) {
                const char k = drawing[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
                if (!openCell(k) || !reachable({col, row})) continue;
                if (!carved({col, row})) {
                    // A 3d-maze leaves a cell clean where no plain step may enter it.
                    if (form.mazekind == 1 || stillToCarve({col, row}))
                        ADD_FAILURE() << "cell (" << col << "," << row << ") left uncarved";
                    continue;
                }
                const CellRect b = box({col, row});
                EXPECT_EQ(pixel(b.x1 + 3, b.y1 + 3), passageColourOf(paletteIndex(k)))
                    << "cell (" << col << "," << row << ")";
            }
    }

    // Passages cross grid lines only between two cells, never at a corner of four.
    void expectNoCornerPainted() {
        for (long row = 1; row < static_cast<long>(drawing.size()); ++row)
            for (long col = 1; col < static_cast<long>(drawing[0].size()); ++col) {
                const long x = wall + col * wall, y = wall + row * wall;
                ASSERT_FALSE(isPassageColour(form, pixel(x - 1, y - 1)) && isPassageColour(form, pixel(x, y)))
                    << "corner at " << x << "," << y;
            }
    }
};

TEST_P(Finished3dMaze, FillsTheDrawing) {
    ASSERT_NO_FATAL_FAILURE(make({"S..........",
                                  "...........",
                                  "...........",
                                  "...........",
                                  "...........",
                                  "...........",
                                  "..........F"}));
    expectEveryCellCarved();
    expectNoCornerPainted();
}

TEST_P(Finished3dMaze, FillsColourRegionsInTheirOwnColours) {
    ASSERT_NO_FATAL_FAILURE(make({"S....nnnnnn",
                                  ".....nnnnnn",
                                  "ggggg......",
                                  "ggggg......",
                                  "ggggg...nnn",
                                  "ggggg...nnn",
                                  "ggggg...nnF"}));
    expectEveryCellCarved();
    expectNoCornerPainted();
}

// Patterns that never propose left (the left pattern goes right): a resumed
// pattern replaces the travelling walker's left step by its own first move, so
// only the fallback of random steering ever carves the cells to the left.
TEST_P(Finished3dMaze, FillsTheDrawingWhenNoPatternProposesLeft) {
    ASSERT_NO_FATAL_FAILURE(make({"........S..",
                                  "...........",
                                  "...........",
                                  "...........",
                                  "...........",
                                  "...........",
                                  "..........F"},
                                 [this] {
                                     for (long pattern = 1; pattern <= 4; ++pattern) {
                                         std::ofstream out(patternfilename(form.mazekind, pattern),
                                                           std::ios::binary | std::ios::trunc);
                                         out << (pattern == 1 ? 2 : pattern) << "\r\n9999,88\r\n";
                                     }
                                 }));
    expectEveryCellCarved();
    expectNoCornerPainted();
}

// The walker never gets past the border; the region beyond stays as drawn.
TEST_P(Finished3dMaze, EndsWithARegionCutOffByBorders) {
    ASSERT_NO_FATAL_FAILURE(make({"S.......R..",
                                  "........R..",
                                  "........R..",
                                  "RRRRRRRRR..",
                                  "...........",
                                  "...........",
                                  "..........F"}));
    auto inside = [](LatticeCell c) { return c.row < 3 && c.col < 8; };
    expectEveryCellCarved(inside);
    for (long row = 0; row < 7; ++row)
        for (long col = 0; col < 11; ++col)
            EXPECT_FALSE(!inside({col, row}) && carved({col, row})) << col << "," << row;
}

// The lattice cell (2, 2) of a 3d-pipe-maze opens only towards the middle cell
// (1, 2), whose other lattice neighbour is border: no pipe step ever lands there.
TEST_P(Finished3dMaze, EndsWithAPipeCellOnlyBorderLeadsTo) {
    ASSERT_NO_FATAL_FAILURE(make({"S......",
                                  "..R....",
                                  "R..R...",
                                  "..R....",
                                  "......F"}));
    EXPECT_FALSE(form.mazekind == 1 && carved({2, 2}));
}

// Border on both ways out of the start: the maze begins on the first cell of the
// rest instead, and the start's cell stays clean.
TEST_P(Finished3dMaze, BeginsElsewhereWhenTheStartIsWalledIn) {
    ASSERT_NO_FATAL_FAILURE(make({"SR.....",
                                  "RR.....",
                                  ".......",
                                  ".......",
                                  "......F"}));
    EXPECT_EQ(startSquare(form), box({2, 0}));
    EXPECT_FALSE(carved({0, 0}));
    expectEveryCellCarved([](LatticeCell c) { return !(c == LatticeCell{0, 0}); });
}

INSTANTIATE_TEST_SUITE_P(Kinds, Finished3dMaze,
                         ::testing::Values(Maze3dCase{"Maze3dLevel4", 2, false, 4, 1},
                                           Maze3dCase{"Maze3dLevel1LargePaths", 2, false, 1, 2},
                                           Maze3dCase{"Maze3dLevel6", 2, false, 6, 1},
                                           Maze3dCase{"PipeShortLevel4", 1, false, 4, 1},
                                           Maze3dCase{"PipeShortLevel1", 1, false, 1, 1},
                                           Maze3dCase{"PipeLongLevel6LargePaths", 1, true, 6, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
