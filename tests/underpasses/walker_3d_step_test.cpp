// The 3d steps of the maze walker on small fixtures: the dig under existing
// passages, the plain and travelling steps, the trap tests, the refused
// underpass and the stuck tries, and the pipe maze's middle cell and end of travel.
#include "underpasses/corridor_arts.h"

namespace tarnwick::test {
namespace {

class Walker3dStep : public CellArtTest {
protected:
    // A carving walker on `at`, stepping in `direction`, whose cell shows black's passage.
    void carveFrom(Cell at, long direction, long kind) {
        form.mazekind = kind;
        form.gridstepx = form.gridstepy = kind == 1 ? 2 * wall : wall;
        placeWalker(at, direction);
        form.carvemode = 1;
        form.passagecolor = blackPassage;
        form.arrivalcolor = 0x000000;
    }
    Form57::WalkAt step() { return form.walk3dstep(); }
};

struct DigCase {
    const char* name;
    long kind, level, shortunderpasses;
    CellArt before, after;
    Cell landing;
};

void PrintTo(const DigCase& c, std::ostream* os) { *os << c.name; }

class Dig : public Walker3dStep, public ::testing::WithParamInterface<DigCase> {};

TEST_P(Dig, TunnelsUnderThePassagesAhead) {
    const DigCase& c = GetParam();
    paint(c.before);
    carveFrom({0, 2}, 2, c.kind);
    form.difficultylevel = c.level;
    form.shortunderpasses = c.shortunderpasses;
    EXPECT_EQ(step(), Form57::WalkAt::Pass);
    EXPECT_EQ(read(), c.after);
    EXPECT_EQ(walkerCell(), c.landing);
    EXPECT_EQ(previousCell(form), currentCell(form)) << "the next pass paints no passage for the landing";
    EXPECT_EQ(form.carvemode, 1);
}

// The crossed corridor keeps its walls; entry and landing are ordinary passages.
const CellArt underTheCorridor = {". . # . . . . . .",
                                  "    |            ",
                                  ". . # . . . . . .",
                                  "    |            ",
                                  "#-# # #-# . . . .",
                                  "    |            ",
                                  ". . # . . . . . .",
                                  "                 ",
                                  ". . . . . . . . ."};
const CellArt underTheCorridorMarked = {". . # . . . . . .",
                                        "    |            ",
                                        ". . # . . . . . .",
                                        "    |            ",
                                        "#-#>#<#-# . . . .",
                                        "    |            ",
                                        ". . # . . . . . .",
                                        "                 ",
                                        ". . . . . . . . ."};
const CellArt underTwoCorridors = {". . # . . # . . .",
                                   "    |     |      ",
                                   ". . # . . # . . .",
                                   "    |     |      ",
                                   "#-# # #-# # #-# .",
                                   "    |     |      ",
                                   ". . # . . # . . .",
                                   "                 ",
                                   ". . . . . . . . ."};
const CellArt withAClosedBox = {". . # . # . . . .",
                                "    |   |        ",
                                ". . # . # . . . .",
                                "    |   |        ",
                                "#-# # # # #-# . .",
                                "    |   |        ",
                                ". . # . # . . . .",
                                "                 ",
                                ". . . . . . . . ."};
const CellArt withAClosedBoxMarked = {". . # . # . . . .",
                                      "    |   |        ",
                                      ". . # . # . . . .",
                                      "    |   |        ",
                                      "#-#>#<#>#<#-# . .",
                                      "    |   |        ",
                                      ". . # . # . . . .",
                                      "                 ",
                                      ". . . . . . . . ."};

const CellArt corridorAheadOfNavy = {". . # . . . . . .",
                                     "    |            ",
                                     ". . # . . . . . .",
                                     "    |            ",
                                     "# . # . n . . . .",
                                     "    |            ",
                                     ". . # . . . . . .",
                                     "                 ",
                                     ". . . . . . . . ."};
// The landing shows its own colour even if the walker never carves on from it.
const CellArt underTheCorridorIntoNavy = {". . # . . . . . .",
                                          "    |            ",
                                          ". . # . . . . . .",
                                          "    |            ",
                                          "#-# # #-N . . . .",
                                          "    |            ",
                                          ". . # . . . . . .",
                                          "                 ",
                                          ". . . . . . . . ."};

INSTANTIATE_TEST_SUITE_P(
    Cases, Dig,
    ::testing::Values(
        DigCase{"UnderACorridor", 2, 4, 1, corridorAhead, underTheCorridor, {4, 2}},
        DigCase{"LandingInAnotherColour", 2, 4, 1, corridorAheadOfNavy, underTheCorridorIntoNavy, {4, 2}},
        DigCase{"UnderACorridorWithLongUnderpasses", 1, 4, 0, corridorAhead, underTheCorridorMarked, {4, 2}},
        DigCase{"UnderTwoCorridors", 2, 4, 1, twoFreeCellsBetweenCorridors, underTwoCorridors, {7, 2}},
        DigCase{"WithAClosedBoxBetweenCorridors", 2, 6, 1, oneFreeCellBetweenCorridors, withAClosedBox, {6, 2}},
        DigCase{"WithAMarkedClosedBox", 1, 6, 0, oneFreeCellBetweenCorridors, withAClosedBoxMarked, {6, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

// A refused underpass: with normal paths the walker travels at once; with large
// paths it tries left, right, up, down and the stop code, then travels.
TEST_F(Walker3dStep, RefusedUnderpassTravelsOrTriesTheOtherDirections) {
    const CellArt deadEndAhead = {". . . . .",
                                  "         ",
                                  ". . . . .",
                                  "         ",
                                  "# . #-# .",
                                  "      |  ",
                                  ". . . # ."};
    paint(deadEndAhead);
    carveFrom({0, 2}, 2, 2);
    step();
    EXPECT_EQ(form.carvemode, -1);
    EXPECT_EQ(form.stuckflag, 0);
    EXPECT_EQ(read(), deadEndAhead);

    carveFrom({0, 2}, 2, 2);
    form.pathsize = 2;
    step();
    EXPECT_EQ(form.carvemode, 1);
    EXPECT_EQ(form.stuckflag, 1);
    for (long tries = 1; tries <= 5; ++tries) {
        form.walkstucktries();
        EXPECT_EQ(form.direction, tries);
    }
    form.walkstucktries();
    EXPECT_EQ(form.stuckflag, 0);
    EXPECT_EQ(form.carvemode, -1);
}

TEST_F(Walker3dStep, StuckTriesEndWhenTheWalkerHasMoved) {
    form.stuckflag = 1;
    form.stucktries = 0;
    placeWalker({1, 1}, 0);
    form.markx = form.cellx1 - wall;
    form.marky = form.celly1;
    form.carvemode = 1;
    form.walkstucktries();
    EXPECT_EQ(form.stuckflag, 0);
    EXPECT_EQ(form.carvemode, 1);
}

TEST_F(Walker3dStep, PlainStepNeedsNoClosedPassageBesideTheCellAhead) {
    const CellArt corridorEndAboveAhead = {". . # . .",
                                           "    |    ",
                                           ". . # . .",
                                           "         ",
                                           "#-# . . .",
                                           "         ",
                                           ". . . . ."};
    paint(corridorEndAboveAhead);
    carveFrom({1, 2}, 2, 2);
    step();
    EXPECT_EQ(walkerCell(), (Cell{1, 2}));
    EXPECT_EQ(read(), corridorEndAboveAhead);

    paint({". . . . .",
           "         ",
           ". . . . .",
           "         ",
           "#-# . . .",
           "         ",
           ". . . . ."});
    carveFrom({1, 2}, 2, 2);
    step();
    EXPECT_EQ(walkerCell(), (Cell{2, 2}));
    EXPECT_EQ(read()[4], "#-#-# . .") << "the step paints its way into the cell";
}

// The arrival colour of the entered cell is its drawing colour, as the step
// found it, though the step has already painted into it.
TEST_F(Walker3dStep, PlainStepKeepsTheArrivalColourOfTheCellEntered) {
    paint({"#-# n . .", "", ". . . . .", "", ". . . . ."});
    carveFrom({1, 0}, 2, 2);
    step();
    ASSERT_EQ(walkerCell(), (Cell{2, 0}));
    form.walkcellleft();
    EXPECT_EQ(form.arrivalcolor, 0x800000);
}

struct TravelCase {
    const char* name;
    long kind;
    std::string row;  // row 0 of the drawing; the walker travels right from (0, 0)
    Cell to;
};

void PrintTo(const TravelCase& c, std::ostream* os) { *os << c.name; }

class TravellingStep : public Walker3dStep, public ::testing::WithParamInterface<TravelCase> {};

TEST_P(TravellingStep, MovesOntoThePassageAhead) {
    const TravelCase& c = GetParam();
    paint({c.row, "", ". . . . ."});
    carveFrom({0, 0}, 2, c.kind);
    form.carvemode = -1;
    step();
    EXPECT_EQ(walkerCell(), c.to);
    EXPECT_EQ(form.carvemode, -1);
}

INSTANTIATE_TEST_SUITE_P(Cases, TravellingStep,
                         ::testing::Values(TravelCase{"OneCellOntoAPassage", 2, "#-#-# . .", {1, 0}},
                                           TravelCase{"OverABorderCell", 2, "# R # . .", {2, 0}},
                                           TravelCase{"NotOverTwoCells", 2, "# R R # .", {0, 0}},
                                           TravelCase{"PipeAlwaysTwoCells", 1, "#-#-# . .", {2, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TrapCase {
    const char* name;
    long kind;
    CellArt art;  // the walker carves on (2, 2), heading right
    bool travels;
};

void PrintTo(const TrapCase& c, std::ostream* os) { *os << c.name; }

class TrapTests3d : public Walker3dStep, public ::testing::WithParamInterface<TrapCase> {};

TEST_P(TrapTests3d, TravelWithOneWayLeft) {
    const TrapCase& c = GetParam();
    paint(c.art);
    carveFrom({2, 2}, 2, c.kind);
    step();
    EXPECT_EQ(form.carvemode, c.travels ? -1 : 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrapTests3d,
                         ::testing::Values(TrapCase{"ThreeBorderSides",
                                                    2,
                                                    {". . . . .",
                                                     "         ",
                                                     ". . R . .",
                                                     "         ",
                                                     "#-#-# R .",
                                                     "         ",
                                                     ". . R . ."},
                                                    true},
                                           TrapCase{"TwoBorderSides",
                                                    2,
                                                    {". . . . .",
                                                     "         ",
                                                     ". . R . .",
                                                     "         ",
                                                     "#-#-# . .",
                                                     "         ",
                                                     ". . R . ."},
                                                    false},
                                           TrapCase{"PipeCellsTwoAwayBlocked",
                                                    1,
                                                    {". . R . . .",
                                                     "           ",
                                                     ". . . . . .",
                                                     "           ",
                                                     "#-#-# . R .",
                                                     "           ",
                                                     ". . . . . .",
                                                     "           ",
                                                     ". . R . . ."},
                                                    true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A pipe passage crosses its middle cell in that cell's own passage colour;
// the cell the walker left keeps its own.
TEST_F(Walker3dStep, PipeStepPaintsTheMiddleCellInItsOwnColour) {
    paint({"# n . .", "", ". . . ."});
    carveFrom({0, 0}, 2, 1);
    step();
    EXPECT_EQ(walkerCell(), (Cell{2, 0}));
    form.lastcarvemode = -1;  // it travelled onto (0, 0): step 8 repaints the cell left
    form.lastcreationmode = form.creationmode = 1;
    form.walkpassage();
    form.walkpipemiddle();
    form.walkcursor();
    EXPECT_EQ(read()[0], "#-N-N .");
    EXPECT_EQ(form.passagecolor, navyPassage);
}

TEST_F(Walker3dStep, PipeTravelEndsBeforeTwoCleanCells) {
    paint({"#-# . . .", "", ". . . . .", "", ". . . . ."});
    carveFrom({0, 0}, 2, 1);
    form.carvemode = -1;
    EXPECT_EQ(form.walkpipetravelend(), Form57::WalkAt::Next);
    EXPECT_EQ(form.carvemode, -1) << "the cell ahead is a passage";
    carveFrom({1, 0}, 2, 1);
    form.carvemode = -1;
    form.walkpipetravelend();
    EXPECT_EQ(form.carvemode, 1);
    carveFrom({1, 0}, 2, 1);
    form.carvemode = -1;
    form.canvas.pset(box({3, 0}).x1, box({3, 0}).y2 + 1, 0x0000FF);  // a border pixel in the landing's ring
    form.walkpipetravelend();
    EXPECT_EQ(form.carvemode, -1);
}

}  // namespace
}  // namespace tarnwick::test
