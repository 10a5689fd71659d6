// Properties every finished regular maze has, read back from its pixels.
#include <map>
#include <random>
#include <set>

#include "core/colours.h"
#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

bool openCell(char c) { return c == '.' || c == 'n' || c == 'g' || c == 'S' || c == 'F'; }

int paletteIndex(char c) { return c == 'n' ? 2 : c == 'g' ? 3 : 1; }

class FinishedMaze : public MakingTest {
protected:
    // The carved cells and the openings between them.
    std::set<LatticeCell> carvedCells() const {
        std::set<LatticeCell> cells;
        for (long row = 0; row < static_cast<long>(drawing.size()); ++row)
            for (long col = 0; col < static_cast<long>(drawing[row].size()); ++col)
                if (carved({col, row})) cells.insert({col, row});
        return cells;
    }

    // Every cell carved, the openings a tree over them, the finish a dead end,
    // no crossing of grid lines painted, each box in its own passage colour.
    void expectPerfectMaze(const std::set<LatticeCell>& expectedCells) {
        const auto cells = carvedCells();
        EXPECT_EQ(cells, expectedCells);
        std::map<LatticeCell, LatticeCell> parent;
        for (const auto& c : cells) parent[c] = c;
        auto root = [&parent](LatticeCell c) {
            while (!(parent[c] == c)) c = parent[c];
            return c;
        };
        long edges = 0;
        for (const auto& c : cells)
            for (const LatticeCell n : {LatticeCell{c.col + 1, c.row}, LatticeCell{c.col, c.row + 1}}) {
                if (!cells.count(n) || !opening(c, n)) continue;
                ++edges;
                const auto a = root(c), b = root(n);
                EXPECT_FALSE(a == b) << "a second way between cells (" << c.col << "," << c.row << ") and (" << n.col
                                     << "," << n.row << ")";
                parent[a] = b;
            }
        EXPECT_EQ(edges, static_cast<long>(cells.size()) - 1) << "the openings do not join every cell";
        // Crossings of grid lines stay wall.
        for (long row = 1; row < static_cast<long>(drawing.size()); ++row)
            for (long col = 1; col < static_cast<long>(drawing[0].size()); ++col) {
                const long x = wall + col * wall, y = wall + row * wall;
                for (long dy = -1; dy <= 0; ++dy)
                    for (long dx = -1; dx <= 0; ++dx)
                        ASSERT_FALSE(isPassageColour(form, pixel(x + dx, y + dy))) << "crossing at " << x << "," << y;
            }
        for (const auto& c : cells) {
            const char k = drawing[static_cast<std::size_t>(c.row)][static_cast<std::size_t>(c.col)];
            const CellRect b = box(c);
            for (long y = b.y1; y <= b.y2; ++y)
                for (long x = b.x1; x <= b.x2; ++x)
                    ASSERT_EQ(pixel(x, y), passageColourOf(paletteIndex(k)))
                        << "cell (" << c.col << "," << c.row << ") at " << x << "," << y;
        }
    }

    std::set<LatticeCell> openCells() const {
        std::set<LatticeCell> cells;
        for (long row = 0; row < static_cast<long>(drawing.size()); ++row)
            for (long col = 0; col < static_cast<long>(drawing[row].size()); ++col)
                if (openCell(drawing[row][col])) cells.insert({col, row});
        return cells;
    }

    int openingsOf(LatticeCell c) const {
        int n = 0;
        for (const LatticeCell d : {LatticeCell{c.col - 1, c.row}, LatticeCell{c.col + 1, c.row},
                                    LatticeCell{c.col, c.row - 1}, LatticeCell{c.col, c.row + 1}})
            if (d.col >= 0 && d.row >= 0 && opening(c, d)) ++n;
        return n;
    }
};

struct DrawingCase {
    const char* name;
    Drawing drawing;
    unsigned seed;
};

class FinishedMazeOf : public FinishedMaze, public ::testing::WithParamInterface<DrawingCase> {};

TEST_P(FinishedMazeOf, IsAPerfectMazeOverEveryOpenCell) {
    paintDrawing(GetParam().drawing);
    form.random.seed(GetParam().seed);
    ASSERT_TRUE(makeMaze());
    EXPECT_EQ(form.programmode, 2);
    expectPerfectMaze(openCells());
    EXPECT_EQ(openingsOf(drawingCells('F').front()), 1) << "the finish is a dead end";
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, FinishedMazeOf,
    ::testing::Values(
        DrawingCase{"Rectangle",
                    {"S...........",
                     "............",
                     "............",
                     "............",
                     "...........F"},
                    1},
        DrawingCase{"ColoursMeet",
                    {"S.....nnnnnn",
                     "......nnnnnn",
                     "gggggg......",
                     "gggggg...nn.",
                     "gggggg...nnF"},
                    2},
        DrawingCase{"BorderIslands",
                    {"S.......R...",
                     ".RRR..RRR...",
                     ".RRR........",
                     ".RRR..G.....",
                     "......G....F"},
                    3},
        DrawingCase{"Snake",
                    {"S...........",
                     "RRRRRRRRRRR.",
                     "............",
                     ".RRRRRRRRRRR",
                     "...........F"},
                    4}),
    [](const auto& info) { return std::string(info.param.name); });

// The user steers with the arrow keys, pressed at random here: the patterns of
// their directions carve, a trapped walker travels by the keys, and the maze
// stage ends with the same kind of maze, the last cursor cell painted over by
// the stage's exit and the placing stage's entry.
TEST_F(FinishedMaze, UserCreationByTheArrowKeysMakesAPerfectMaze) {
    paintDrawing({"S.....nnnnnn",
                  "......nnnnnn",
                  "gggggg...R..",
                  "gggggg...R..",
                  "gggggg...R.F"});
    form.creationmode = -1;
    std::mt19937 keys(5);
    long pressed = 0;
    platform.setFeeder([&](HeadlessPlatform& p) {
        p.pushKey(37 + static_cast<int>(keys() % 4));  // left, up, right, down
        ++pressed;
    });
    platform.setPassBudget(platform.passes() + 400'000);
    ASSERT_EQ(form.mazestage(), LoopStage::Placing);
    form.placingentrysquares();
    EXPECT_EQ(form.creationmode, -1) << "the keys handed the maze to the computer";
    EXPECT_GT(pressed, 100);
    expectPerfectMaze(openCells());
    EXPECT_EQ(openingsOf(drawingCells('F').front()), 1) << "the finish is a dead end";
}

// Open cells that the walker cannot reach stay as drawn, and making still ends.
TEST_F(FinishedMaze, EndsWithARegionCutOffByBorders) {
    paintDrawing({"S....R......",
                  ".....R......",
                  ".....R......",
                  "RRRRRR......",
                  ".....F......"});
    ASSERT_TRUE(makeMaze());
    std::set<LatticeCell> reachable;
    for (const auto& c : openCells())
        if (c.col < 5 && c.row < 3) reachable.insert(c);
    reachable.insert(drawingCells('F').front());  // the finish is carved only if reached
    auto cells = carvedCells();
    cells.insert(drawingCells('F').front());
    EXPECT_EQ(cells, reachable);
}

// Every neighbour of the start holds a pixel of a border frame drawn round the
// start's cell: the walker never leaves home, and making ends with nothing carved.
// A start walled in on every side: the maze begins on the first cell of the rest
// of the drawing instead, and the walled-in cells stay as drawn.
TEST_F(FinishedMaze, BeginsElsewhereWhenTheStartIsWalledIn) {
    paintDrawing({"......",
                  ".S....",
                  "......",
                  ".....F"});
    const CellRect s = box({1, 1});
    const long x1 = s.x1 - 2, y1 = s.y1 - 2, x2 = s.x2 + 2, y2 = s.y2 + 2, red = form.palette[13];
    for (const CellRect line : {CellRect{x1, y1, x2, y1}, CellRect{x1, y2, x2, y2}, CellRect{x1, y1, x1, y2},
                                CellRect{x2, y1, x2, y2}})
        form.canvas.fillBox(line.x1, line.y1, line.x2, line.y2, red);
    form.savesnapshot("drawing1b.bmp");
    ASSERT_TRUE(makeMaze());
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ((CellRect{form.homex1, form.homey1, form.homex2, form.homey2}), box({3, 0}));
    EXPECT_EQ(startSquare(form), box({3, 0}));
    // The lines cross every cell around the start's.
    auto expected = openCells();
    for (long row = 0; row <= 2; ++row)
        for (long col = 0; col <= 2; ++col) expected.erase({col, row});
    expectPerfectMaze(expected);
}

TEST_F(FinishedMaze, EndsWithAHoleInsideABorderIsland) {
    paintDrawing({"S.......",
                  ".RRR....",
                  ".R.R....",
                  ".RRR...F"});
    ASSERT_TRUE(makeMaze());
    auto expected = openCells();
    expected.erase({2, 2});
    expectPerfectMaze(expected);
}

TEST_F(FinishedMaze, EndsWithARegionBehindTheFinish) {
    paintDrawing({"S..R.....",
                  "...R.....",
                  "...F.....",
                  "...R.....",
                  "...R....."});
    ASSERT_TRUE(makeMaze());
    for (const auto& c : openCells()) EXPECT_EQ(carved(c), c.col <= 3) << c.col << "," << c.row;
    EXPECT_EQ(openingsOf(drawingCells('F').front()), 1);
}

// A passage left by an earlier maze two cells beyond the finish: the walker hops
// only over cells outside every maze colour, never over the finish.
TEST_F(FinishedMaze, EndsWithAPassageBehindTheFinish) {
    paintDrawing({"S..R.....",
                  "...R.....",
                  "...F.....",
                  "...R.....",
                  "...R....."});
    const CellRect behind = box({4, 2});
    form.canvas.fillBox(behind.x1, behind.y1, behind.x2, behind.y2, passageColourOf(1));
    form.savesnapshot("drawing1b.bmp");
    ASSERT_TRUE(makeMaze());
    for (const auto& c : openCells()) {
        if (c.col == 4 && c.row == 2) continue;  // the old passage
        EXPECT_EQ(carved(c), c.col <= 3) << c.col << "," << c.row;
    }
}

}  // namespace
}  // namespace tarnwick::test
