#include "core/colours.h"
#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

constexpr long magenta = 0xFF00FF;
constexpr long grey = 0x808080;
constexpr long blue = 0xFF0000;

// Square colours at the maze-stage entry.
struct ColourCase {
    const char* name;
    long start, finish;
    int openColour;  // a palette colour (1..16) made open as well, or 0
    long wantStart, wantFinish;
};

class MazeEntryColours : public SolvingTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(MazeEntryColours, NeverOpenNorPassage) {
    const ColourCase& c = GetParam();
    if (c.openColour) setColourClass(form, c.openColour, true);
    form.startcolor = c.start;
    form.finishcolor = c.finish;
    form.mazeentrysquarecolors();
    EXPECT_EQ(form.startcolor, c.wantStart);
    EXPECT_EQ(form.finishcolor, c.wantFinish);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MazeEntryColours,
    ::testing::Values(
        // Black is open: the walk skips the markers of entries 1 to 8 and takes grey.
        ColourCase{"unsetFinishBecomesGrey", magenta, 0, 0, magenta, grey},
        ColourCase{"equalColoursStayEqual", magenta, magenta, 0, magenta, magenta},
        ColourCase{"openStartColourReplaced", magenta, blue, 14, grey, blue},
        // White is the passage colour; the finish may not take the start's grey.
        ColourCase{"passageColoursReplaced", white, white, 0, grey, blue}),
    [](const auto& info) { return std::string(info.param.name); });

// Every palette colour open: no border colour is left. The squares still get
// colours that are no passage colour, and different ones.
TEST_F(SolvingTest, NoBorderColourLeftStillGivesNoPassageColour) {
    for (int k = 1; k <= 16; ++k) setColourClass(form, k, true);
    form.startcolor = white;
    form.finishcolor = white;
    form.mazeentrysquarecolors();
    EXPECT_FALSE(isPassageColour(form, form.startcolor));
    EXPECT_FALSE(isPassageColour(form, form.finishcolor));
    EXPECT_NE(form.startcolor, form.finishcolor);
}

TEST_F(SolvingTest, ShiftOffThePaletteAndBack) {
    for (int k = 1; k <= 16; ++k) {
        const long colour = form.palette[static_cast<std::size_t>(k)];
        form.startcolor = colour;
        form.finishcolor = 0x123456;  // no palette colour: left alone
        form.shiftsquarecolors();
        EXPECT_EQ(form.startcolor, k <= 12 ? colour + 1 : colour - 1) << "palette " << k;
        EXPECT_EQ(form.finishcolor, 0x123456);
        form.unshiftsquarecolors();
        EXPECT_EQ(form.startcolor, colour) << "palette " << k;
        EXPECT_EQ(form.finishcolor, 0x123456);
    }
}

TEST_F(SolvingTest, KeptColoursComeBackOnceASolveKeptThem) {
    form.startcolor = magenta;
    form.keptstartcolor = 0x0000FE;
    form.keptfinishcolor = 0x00FFFE;
    form.restorekeptsquarecolors();
    EXPECT_EQ(form.startcolor, magenta);
    form.colorskept = 1;
    form.restorekeptsquarecolors();
    EXPECT_EQ(form.startcolor, 0x0000FE);
    EXPECT_EQ(form.finishcolor, 0x00FFFE);
}

// The placing-stage entry: squares that are not on the maze are moved onto it.
class PlacingEntry : public SolvingTest {
protected:
    // Cell (3, 3) is off the maze.
    const MazeArt maze = {
        "#########",
        "#S......#",
        "#.#####.#",
        "#.###...#",
        "#.#####.#",
        "#.....#F#",
        "#########",
    };
    void SetUp() override {
        paintMaze(maze, 10);
        form.mazeprogress = 1;
        form.creationmode = 1;
        setCell(form.cellx1, form.celly1, form.cellx2, form.celly2, box({3, 5}));
        setCell(form.homex1, form.homey1, form.homex2, form.homey2, box({1, 1}));
        setCell(form.fallbackx1, form.fallbacky1, form.fallbackx2, form.fallbacky2, box({3, 7}));
    }
    static void setCell(auto& x1, auto& y1, auto& x2, auto& y2, CellRect r) { x1 = r.x1, y1 = r.y1, x2 = r.x2, y2 = r.y2; }
    void putFinish(CellRect r) { setCell(form.finishx1, form.finishy1, form.finishx2, form.finishy2, r); }
    void putStart(CellRect r) { setCell(form.startx1, form.starty1, form.startx2, form.starty2, r); }
    CellRect finish() const { return finishSquare(form); }
    CellRect start() const { return startSquare(form); }
};

TEST_F(PlacingEntry, SquaresOnTheMazeStay) {
    form.placingentrysquares();
    EXPECT_EQ(start(), box({1, 1}));
    EXPECT_EQ(finish(), box({5, 7}));
}

TEST_F(PlacingEntry, ComputerMadeMazeTakesTheFallbackFinish) {
    putFinish(box({3, 3}));  // no cell there
    form.placingentrysquares();
    EXPECT_EQ(finish(), box({3, 7}));
}

TEST_F(PlacingEntry, UserMadeMazeTakesTheCarvingHeadUnlessItIsOnTheStart) {
    putFinish(box({3, 3}));
    form.creationmode = -1;
    form.placingentrysquares();
    EXPECT_EQ(finish(), box({3, 5}));

    putFinish(box({3, 3}));
    form.cellx1 = form.startx1, form.celly1 = form.starty1;
    form.cellx2 = form.startx2, form.celly2 = form.starty2;
    form.placingentrysquares();
    EXPECT_EQ(finish(), box({3, 7}));
}

// The fallback is off the maze too: the last carved cell from the bottom-right.
TEST_F(PlacingEntry, FallbackOffTheMazeSearchesFromTheBottomRight) {
    putFinish(box({3, 3}));
    setCell(form.fallbackx1, form.fallbacky1, form.fallbackx2, form.fallbacky2, box({3, 3}));
    form.placingentrysquares();
    // Row 5 is the last lattice row, whose last column the search never visits.
    EXPECT_EQ(finish(), box({5, 5}));
}

// Only the start cell is carved: the search skips it and finds nothing. The
// fallback is off the maze (or never recorded, a pixel at the corner), so the
// finish shares the start's cell, the one cell a walk can reach.
TEST_F(PlacingEntry, OnlyTheStartCarvedPutsTheFinishOnTheStartsCell) {
    for (const CellRect fallback : {box({3, 3}), CellRect{0, 0, 0, 0}}) {
        form.canvas.setBackColour(black);
        const CellRect s = box({1, 1});
        form.canvas.fillBox(s.x1, s.y1, s.x2, s.y2, white);
        setCell(form.fallbackx1, form.fallbacky1, form.fallbackx2, form.fallbacky2, fallback);
        putFinish(box({3, 3}));
        form.placingentrysquares();
        EXPECT_EQ(finish(), box({1, 1}));
        EXPECT_EQ(start(), box({1, 1}));
    }
}

TEST_F(PlacingEntry, StartOffTheMazeGoesHome) {
    putStart(box({3, 3}));
    setCell(form.homex1, form.homey1, form.homex2, form.homey2, box({1, 5}));
    form.placingentrysquares();
    EXPECT_EQ(start(), box({1, 5}));
}

// In a 3d-maze the finish tries its neighbours from the bottom-right, the start from the top-left.
TEST_F(PlacingEntry, ThreeDMazeTriesTheNeighboursFirst) {
    form.mazekind = 2;
    putFinish(box({3, 3}));
    putStart(box({3, 3}));
    setCell(form.homex1, form.homey1, form.homex2, form.homey2, box({5, 1}));
    form.placingentrysquares();
    EXPECT_EQ(finish(), box({5, 5}));  // down-right of (3, 3)
    EXPECT_EQ(start(), box({1, 1}));   // up-left of (3, 3)
}

// In a 3d-maze a square off the maze tries the eight cells around it, the finish
// from the bottom-right, the start mirrored from the top-left; the last one of
// the eight is taken without a test. When none is on the maze the finish takes
// the fallback cell and the start the home cell.
struct NeighbourCase {
    const char* name;
    std::vector<std::pair<int, int>> onMaze;  // (dx, dy) in cells around the square
    std::pair<int, int> wantFinish, wantStart;
};
void PrintTo(const NeighbourCase& c, std::ostream* os) { *os << c.name; }

class ThreeDRepair : public SolvingTest, public ::testing::WithParamInterface<NeighbourCase> {};

TEST_P(ThreeDRepair, TriesTheNeighboursInOrder) {
    const NeighbourCase& c = GetParam();
    form.wallsizex = form.wallsizey = form.gridstepx = form.gridstepy = 10;
    form.mazekind = 2;
    form.creationmode = 1;
    form.canvas.setBackColour(black);
    const auto at = [](std::pair<int, int> d) { return cellBox(40 + 10 * d.first, 40 + 10 * d.second, 10, 10); };
    for (const auto& d : c.onMaze) form.canvas.fillBox(at(d).x1, at(d).y1, at(d).x2, at(d).y2, white);
    const CellRect fallback = cellBox(100, 80, 10, 10), home = cellBox(100, 10, 10, 10);
    for (const CellRect& r : {fallback, home}) form.canvas.fillBox(r.x1, r.y1, r.x2, r.y2, white);
    form.fallbackx1 = fallback.x1, form.fallbacky1 = fallback.y1, form.fallbackx2 = fallback.x2,
    form.fallbacky2 = fallback.y2;
    form.homex1 = home.x1, form.homey1 = home.y1, form.homex2 = home.x2, form.homey2 = home.y2;
    const CellRect off = at({0, 0});
    form.finishx1 = off.x1, form.finishy1 = off.y1, form.finishx2 = off.x2, form.finishy2 = off.y2;
    form.startx1 = off.x1, form.starty1 = off.y1, form.startx2 = off.x2, form.starty2 = off.y2;

    form.repairfinish();
    form.repairstart();

    const bool finishFallsBack = c.wantFinish == std::pair{9, 9};
    const bool startGoesHome = c.wantStart == std::pair{9, 9};
    EXPECT_EQ(finishSquare(form), finishFallsBack ? fallback : at(c.wantFinish));
    EXPECT_EQ(startSquare(form), startGoesHome ? home : at(c.wantStart));
}

INSTANTIATE_TEST_SUITE_P(
    Order, ThreeDRepair,
    ::testing::Values(
        NeighbourCase{"diagonals", {{1, 1}, {-1, -1}}, {1, 1}, {-1, -1}},
        NeighbourCase{"rightBeforeUp", {{1, 0}, {1, -1}, {0, -1}}, {1, 0}, {0, -1}},
        NeighbourCase{"onlyLeft", {{-1, 0}}, {-1, 0}, {-1, 0}},
        NeighbourCase{"onlyDownLeft", {{-1, 1}}, {-1, 1}, {-1, 1}},
        NeighbourCase{"onlyUpIsTheFinishsLast", {{0, -1}}, {0, -1}, {0, -1}},
        NeighbourCase{"onlyDownIsTheStartsLast", {{0, 1}}, {0, 1}, {0, 1}},
        // (9, 9): the fallback finish and the home start.
        NeighbourCase{"noneOnTheMaze", {}, {9, 9}, {9, 9}}),
    [](const auto& info) { return std::string(info.param.name); });

// Back from a solve: nothing is repaired, but the carving head's cell is
// repainted and the colours under the squares are sampled.
TEST_F(PlacingEntry, BackFromASolveRepairsNothingButSamples) {
    constexpr long red = 0x0000FF;
    form.passagecolors.set(2, red);
    form.mazeprogress = 3;
    putFinish(box({3, 3}));
    const CellRect s = box({1, 1});
    form.canvas.fillBox(s.x1, s.y1, s.x2, s.y2, red);
    const CellRect head = box({3, 5});
    form.canvas.fillBox(head.x1, head.y1, head.x2, head.y2, form.cursorcolor);
    form.placingentrysquares();
    EXPECT_EQ(finish(), box({3, 3}));
    EXPECT_EQ(form.canvas.point(head.x1, head.y1), white);
    EXPECT_EQ(form.startsample, red);
    EXPECT_EQ(form.startunder, red);
    EXPECT_EQ(form.finishunder, white);  // black under the finish is no passage: unchanged
}

TEST_F(PlacingEntry, ASquareAlreadyPaintedIsNotSampled) {
    const CellRect s = box({1, 1});
    form.canvas.fillBox(s.x1, s.y1, s.x2, s.y2, form.startcolor);
    form.startsample = form.startunder = 0x00FF00;
    form.placingentrysquares();
    EXPECT_EQ(form.startsample, 0x00FF00);
    EXPECT_EQ(form.startunder, 0x00FF00);
}

}  // namespace
}  // namespace tarnwick::test
