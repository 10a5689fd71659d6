// The solver's walker carried through short underpasses, one call of the
// crossing at a time, on hand-drawn cells.
#include "underpasses/crossing_fixture.h"

namespace tarnwick::test {
namespace {

// (3, 1) is a dead end open to the right, facing a vertical corridor; beyond
// the corridor (1, 1) is closed towards it and open to the left.
const CellArt underOneCorridor = {". . # . .",
                                  "    |    ",
                                  "#-# # #-#",
                                  "    |    ",
                                  ". . # . ."};

// The same turned upright: (1, 3) under the corridor of row 2 to (1, 1).
const CellArt underOneCorridorUpwards = {". # .",
                                         "  |  ",
                                         ". # .",
                                         "     ",
                                         "#-#-#",
                                         "     ",
                                         ". # .",
                                         "  |  ",
                                         ". # ."};

// From (1, 1) to the right: a corridor, a closed box, a corridor, the landing (5, 1).
const CellArt closedBoxBetweenCorridors = {". . # . # . .",
                                           "    |   |    ",
                                           "#-# # # # #-#",
                                           "    |   |    ",
                                           ". . # . # . ."};

class ShortCrossing : public CrossingTest {};

TEST_F(ShortCrossing, CarriesTheWalkerUnderACorridorAndDrawsTheTrailBesideIt) {
    paint(underOneCorridor);
    walkerAt({3, 1}, -1, 0);
    form.markx = form.marky = 5;
    const Picture before = form.canvas.image();
    form.maze3dunderpass();

    EXPECT_EQ(walkerCell(), (Cell{1, 1}));
    EXPECT_EQ(currentCell(form), box({1, 1}));
    EXPECT_EQ(form.underpasslength, 2);
    EXPECT_EQ(form.underpasslock, 0);
    EXPECT_EQ(form.pathunderpasses, 1);
    EXPECT_EQ(form.probex, box({1, 1}).x2 - 1);
    EXPECT_EQ(form.probey, box({1, 1}).y1);
    EXPECT_EQ(form.stepx, -1);
    EXPECT_EQ(form.stepy, 0);
    // The walker has moved for the solver's next pass: the previous cell is the
    // landing cell, the mark the cell it came from.
    EXPECT_EQ(previousCell(form), box({1, 1}));
    EXPECT_EQ(form.markx, box({3, 1}).x1);
    EXPECT_EQ(form.marky, box({3, 1}).y1);
    const long y = cy({3, 1});
    const Pixels drawn = segment(box({3, 1}).x1, y, box({3, 1}).x2, y) | segment(cx({1, 1}), y, box({1, 1}).x2, y);
    EXPECT_EQ(trail(), drawn);
    expectUnchangedBut(before, drawn);
    EXPECT_EQ(read(), underOneCorridor) << "the crossed corridor was painted";
}

TEST_F(ShortCrossing, GoingBackWipesTheTrailItDrewAndTakesTheUnderpassOffTheCount) {
    paint(underOneCorridor);
    walkerAt({3, 1}, -1, 0);
    form.endpointoption = 2;
    form.pathlength = 10;
    const Picture before = form.canvas.image();
    form.maze3dunderpass();
    EXPECT_EQ(form.pathlength, 12);
    probeOnEdge(1, 0);
    form.maze3dunderpass();

    EXPECT_EQ(walkerCell(), (Cell{3, 1}));
    EXPECT_EQ(form.pathunderpasses, 0);
    EXPECT_EQ(form.pathlength, 10);
    // The half that leads on from the entry cell's centre, the way the walker came, stays.
    const long y = cy({3, 1});
    const Pixels left = segment(cx({3, 1}), y, box({3, 1}).x2, y);
    EXPECT_EQ(trail(), left);
    expectUnchangedBut(before, left);
}

// Cells of two passage colours on either side of the corridor. Going back the
// crossing wipes the landing cell's trail in that cell's own colour, at every
// wall size: at 5 the pixel it samples the colour from is the cell's centre,
// which the trail covers.
class CrossingBackInTwoColours : public CrossingTest, public ::testing::WithParamInterface<long> {};

TEST_P(CrossingBackInTwoColours, LeavesEachCellItsOwnColour) {
    setWallSize(GetParam());
    const CellArt twoColours = {". . # . .",
                                "    |    ",
                                "N-N # #-#",
                                "    |    ",
                                ". . # . ."};
    paint(twoColours);
    walkerAt({3, 1}, -1, 0);
    const Picture before = form.canvas.image();
    form.maze3dunderpass();
    ASSERT_EQ(walkerCell(), (Cell{1, 1}));
    EXPECT_EQ(form.passagecolor, navyPassage);
    probeOnEdge(1, 0);
    form.maze3dunderpass();

    ASSERT_EQ(walkerCell(), (Cell{3, 1}));
    EXPECT_EQ(form.passagecolor, blackPassage);
    const long y = cy({3, 1});
    const Pixels left = segment(cx({3, 1}), y, box({3, 1}).x2, y);
    EXPECT_EQ(trail(), left);
    expectUnchangedBut(before, left);
}

INSTANTIATE_TEST_SUITE_P(WallSizes, CrossingBackInTwoColours, ::testing::Values(10L, 6L, 5L));

TEST_F(ShortCrossing, ClosedBoxTakesTwoHopsAndHoldsTheOtherAxisMeanwhile) {
    paint(closedBoxBetweenCorridors);
    walkerAt({1, 1}, 1, 0);
    form.maze3dunderpass();
    EXPECT_EQ(walkerCell(), (Cell{3, 1}));
    EXPECT_EQ(form.underpasslock, 1);
    EXPECT_EQ(form.underpasslength, 2);
    EXPECT_EQ(form.pathunderpasses, 1);
    EXPECT_EQ(previousCell(form), box({3, 1}));
    const long y = cy({1, 1});
    const Pixels firstHop = segment(box({1, 1}).x1, y, box({1, 1}).x2, y) | segment(box({3, 1}).x1, y, cx({3, 1}), y);
    EXPECT_EQ(trail(), firstHop);

    // The box has no opening: nothing is painted across it, and the previous
    // cell stays on it for the solver to draw through.
    probeOnEdge(1, 0);
    form.maze3dunderpass();
    EXPECT_EQ(walkerCell(), (Cell{5, 1}));
    EXPECT_EQ(form.underpasslock, 0);
    EXPECT_EQ(form.pathunderpasses, 2);
    EXPECT_EQ(previousCell(form), box({3, 1}));
    EXPECT_EQ(trail(), firstHop | segment(box({5, 1}).x1, y, cx({5, 1}), y));
    EXPECT_EQ(read(), closedBoxBetweenCorridors);
}

// The start square as the entry cell: the trail test pixel beside its centre
// lies inside the square and shows the trail colour, so the segment across the
// square is a wipe, whichever way the walker leaves; the square held the trail
// colour before any trail, and stays whole.
TEST_F(ShortCrossing, FromTheStartSquareTheSquareStaysWhole) {
    struct Way {
        CellArt art;
        Cell start;
        long dx;
    };
    for (const Way& way : {Way{closedBoxBetweenCorridors, {1, 1}, 1}, Way{underOneCorridor, {3, 1}, -1}}) {
        paint(way.art);
        const CellRect s = box(way.start);
        form.canvas.fillBox(s.x1, s.y1, s.x2, s.y2, startColour);
        form.passagecolor = navyPassage;
        walkerAt(way.start, way.dx, 0);
        form.maze3dunderpass();
        EXPECT_NE(walkerCell(), way.start);
        EXPECT_TRUE(form.boxall(s.x1, s.y1, s.x2, s.y2, [](long c) { return c == startColour; })) << "going " << way.dx;
    }
}

struct LockCase {
    const char* name;
    bool upright;
    long lock;
    bool crosses;
};
void PrintTo(const LockCase& c, std::ostream* os) { *os << c.name; }

class AxisLock : public CrossingTest, public ::testing::WithParamInterface<LockCase> {};

TEST_P(AxisLock, ForbidsOnlyTheOtherAxis) {
    const LockCase& c = GetParam();
    paint(c.upright ? underOneCorridorUpwards : underOneCorridor);
    const Cell entry = c.upright ? Cell{1, 3} : Cell{3, 1};
    const Cell landing = c.upright ? Cell{1, 1} : Cell{1, 1};
    walkerAt(entry, c.upright ? 0 : -1, c.upright ? -1 : 0);
    form.underpasslock = c.lock;
    const Picture before = form.canvas.image();
    form.maze3dunderpass();
    EXPECT_EQ(walkerCell(), c.crosses ? landing : entry);
    EXPECT_EQ(form.underpasslock, c.crosses ? 0 : c.lock);
    if (!c.crosses) expectUnchangedBut(before, {});
}

INSTANTIATE_TEST_SUITE_P(Cases, AxisLock,
                         ::testing::Values(LockCase{"LeftWithoutLock", false, 0, true},
                                           LockCase{"LeftAfterAHorizontalBox", false, 1, true},
                                           LockCase{"LeftAfterAVerticalBox", false, 2, false},
                                           LockCase{"UpWithoutLock", true, 0, true},
                                           LockCase{"UpAfterAHorizontalBox", true, 1, false},
                                           LockCase{"UpAfterAVerticalBox", true, 2, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShortCrossing, NoMouthWhereAFlankIsOpenOrTheProbeIsOffTheEdge) {
    // (3, 1) opens upwards as well: a corner, not the mouth of an underpass.
    const CellArt openFlank = {". . # # .",
                               "    | |  ",
                               "#-# # #-#",
                               "    |    ",
                               ". . # . ."};
    paint(openFlank);
    walkerAt({3, 1}, -1, 0);
    Picture before = form.canvas.image();
    form.maze3dunderpass();
    EXPECT_EQ(walkerCell(), (Cell{3, 1}));
    EXPECT_EQ(form.testcount, 0);
    expectUnchangedBut(before, {});

    paint(underOneCorridor);
    walkerAt({3, 1}, -1, 0);
    form.probex += 1;
    before = form.canvas.image();
    form.maze3dunderpass();
    EXPECT_EQ(walkerCell(), (Cell{3, 1}));
    expectUnchangedBut(before, {});
}

// Only option 2 counts the cells crossed; a crossing adds nothing to the
// length under options 1 and 3 (every option counts the underpass itself).
TEST_F(ShortCrossing, PathLengthCountsTheCellsCrossedOnlyUnderOptionTwo) {
    const long added[] = {0, 0, 2, 0};
    for (long option = 0; option <= 3; ++option) {
        paint(underOneCorridor);
        walkerAt({3, 1}, -1, 0);
        form.endpointoption = option;
        form.pathlength = 10;
        form.pathunderpasses = 4;
        form.maze3dunderpass();
        EXPECT_EQ(form.pathlength, 10 + added[option]) << "option " << option;
        EXPECT_EQ(form.pathunderpasses, 5) << "option " << option;
    }
}

struct WalkerCase {
    const char* name;
    long playoption, notrail, endpointoption;
    bool painted, previousMoves;
};
void PrintTo(const WalkerCase& c, std::ostream* os) { *os << c.name; }

class CrossingWalkers : public CrossingTest, public ::testing::WithParamInterface<WalkerCase> {};

// The player crosses like the computer; without a trail nothing is painted and
// the previous cell and the mark stay, unless a finish search draws the trail.
TEST_P(CrossingWalkers, PaintAndMoveThePreviousCellByTheTrailCondition) {
    const WalkerCase& c = GetParam();
    paint(underOneCorridor);
    walkerAt({3, 1}, -1, 0);
    form.playoption = c.playoption;
    form.notrail = c.notrail;
    form.endpointoption = c.endpointoption;
    form.markx = form.marky = 5;
    form.maze3dunderpass();
    EXPECT_EQ(walkerCell(), (Cell{1, 1}));
    EXPECT_EQ(form.pathunderpasses, 1);
    EXPECT_EQ(form.probex, box({1, 1}).x2 - 1);
    EXPECT_EQ(trail().empty(), !c.painted);
    EXPECT_EQ(previousCell(form), box(c.previousMoves ? Cell{1, 1} : Cell{3, 1}));
    EXPECT_EQ(form.markx, c.previousMoves ? box({3, 1}).x1 : 5);
}

INSTANTIATE_TEST_SUITE_P(Cases, CrossingWalkers,
                         ::testing::Values(WalkerCase{"Computer", 0, 0, 0, true, true},
                                           WalkerCase{"ComputerWithTrailUnticked", 0, 1, 0, true, true},
                                           WalkerCase{"PlayerWithTrail", 2, 0, 0, true, true},
                                           WalkerCase{"PlayerWithoutTrail", 1, 1, 0, false, false},
                                           WalkerCase{"PlayerWithoutTrailInAFinishSearch", 1, 1, 1, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShortCrossing, ServesOnlyThreeDMazesAndShortPipeUnderpasses) {
    struct Kind {
        long mazekind, shortunderpasses;
        bool crosses;
    };
    for (const Kind k : {Kind{0, 1, false}, Kind{1, 0, false}, Kind{1, 1, true}, Kind{2, 1, true}}) {
        paint(underOneCorridor);
        walkerAt({3, 1}, -1, 0);
        form.mazekind = k.mazekind;
        form.shortunderpasses = k.shortunderpasses;
        form.maze3dunderpass();
        EXPECT_EQ(walkerCell(), (k.crosses ? Cell{1, 1} : Cell{3, 1})) << k.mazekind << "/" << k.shortunderpasses;
    }
}

// A dead end whose end wall faces a passage has the shape of a mouth. When no
// underpass follows, the scan leaves the maze: into the margin, an uncarved
// cell, a border or off the surface, where every side reads as wall. The
// crossing is given up there and the walker turns round as at any dead end.
struct NoUnderpassCase {
    const char* name;
    CellArt art;
    Cell deadEnd;
    long dx;
};
void PrintTo(const NoUnderpassCase& c, std::ostream* os) { *os << c.name; }

class MouthWithoutUnderpass : public CrossingTest, public ::testing::WithParamInterface<NoUnderpassCase> {};

TEST_P(MouthWithoutUnderpass, LeavesTheWalkerWhereItIs) {
    const NoUnderpassCase& c = GetParam();
    paint(c.art);
    walkerAt(c.deadEnd, c.dx, 0);
    form.underpasslock = 1;
    const CellRect cell = currentCell(form);
    const long probex = form.probex, probey = form.probey;
    const Picture before = form.canvas.image();
    form.maze3dunderpass();
    EXPECT_EQ(currentCell(form), cell);
    EXPECT_EQ(form.probex, probex);
    EXPECT_EQ(form.probey, probey);
    EXPECT_EQ(form.stepx, c.dx);
    EXPECT_EQ(form.underpasslock, 1);
    EXPECT_EQ(form.pathunderpasses, 0);
    EXPECT_EQ(form.testcount, 0);
    expectUnchangedBut(before, {});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MouthWithoutUnderpass,
    ::testing::Values(NoUnderpassCase{"CorridorInTheFirstColumn",
                                      {"# . .",
                                       "|    ",
                                       "# #-#",
                                       "|    ",
                                       "# . ."},
                                      {1, 1},
                                      -1},
                      NoUnderpassCase{"UncarvedCellBeyond",
                                      {". # . .",
                                       "  |    ",
                                       ". # #-#",
                                       "  |    ",
                                       ". # . ."},
                                      {2, 1},
                                      -1},
                      NoUnderpassCase{"BorderBeyond",
                                      {". # . .",
                                       "  |    ",
                                       "R # #-#",
                                       "  |    ",
                                       ". # . ."},
                                      {2, 1},
                                      -1},
                      // Beyond the corridor of the last column lies the surface's edge.
                      NoUnderpassCase{"CorridorInTheLastColumn",
                                      {". . . . . . . . . . . . . . . . . . #",
                                       "                                    |",
                                       ". . . . . . . . . . . . . . . . #-# #",
                                       "                                    |",
                                       ". . . . . . . . . . . . . . . . . . #"},
                                      {17, 1},
                                      1},
                      // A cell open towards the entry but closed ahead raises the
                      // balance to 2; off the surface every look cell keeps it there.
                      NoUnderpassCase{"RisingBalanceAtTheSurfaceEdge",
                                      {". . . . . . . . . . . . . . . . . # .",
                                       "                                  |  ",
                                       ". . . . . . . . . . . . . . . #-# #-#",
                                       "                                  |  ",
                                       ". . . . . . . . . . . . . . . . . # ."},
                                      {16, 1},
                                      1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
