// The solver's walker carried through long underpasses of 3d-pipe mazes, whose
// ends carry a one-pixel line in passage colour on the first grid-line pixel.
#include "underpasses/crossing_fixture.h"

namespace tarnwick::test {
namespace {

// (1, 1) under the corridor (2, 1) to (3, 1), marked at both ends.
const CellArt longUnderOneCorridor = {". . # . .",
                                      "    |    ",
                                      "#-#>#<#-#",
                                      "    |    ",
                                      ". . # . ."};

// From (1, 1): a corridor, a closed box marked at both ends, a corridor, the landing (5, 1).
const CellArt longClosedBoxBetweenCorridors = {". . # . # . .",
                                               "    |   |    ",
                                               "#-#>#<#>#<#-#",
                                               "    |   |    ",
                                               ". . # . # . ."};

// The same from a cell of the other passage colour: the line beside it keeps the colour of the far end.
const CellArt longUnderOneCorridorFromNavy = {". . # . .",
                                              "    |    ",
                                              "N-N>#<#-#",
                                              "    |    ",
                                              ". . # . ."};

// Behind the entry cell another underpass ends, its line on the far pixel of
// the grid line: the entry's trail reaches over the near one, a wall.
const CellArt longUnderFromAClosedCell = {". . # . .",
                                          "    |    ",
                                          "#>#>#<#-#",
                                          "    |    ",
                                          ". . # . ."};

class LongCrossing : public CrossingTest {
protected:
    LongCrossing() {
        form.mazekind = 1;
        form.shortunderpasses = 0;
    }
};

TEST_F(LongCrossing, TrailReachesOverTheLinesAtTheEnds) {
    paint(longUnderOneCorridor);
    walkerAt({1, 1}, 1, 0);
    const Picture before = form.canvas.image();
    form.longunderpasscrossing();

    EXPECT_EQ(walkerCell(), (Cell{3, 1}));
    EXPECT_EQ(form.underpasslength, 2);
    EXPECT_EQ(form.pathunderpasses, 1);
    EXPECT_EQ(form.probex, box({3, 1}).x1 + 1);
    EXPECT_EQ(form.stepx, 1);
    EXPECT_EQ(previousCell(form), box({3, 1}));
    const long y = cy({1, 1});
    const Pixels drawn =
        segment(box({1, 1}).x1 - 1, y, box({1, 1}).x2 + 1, y) | segment(box({3, 1}).x1 - 1, y, cx({3, 1}), y);
    EXPECT_EQ(trail(), drawn);
    expectUnchangedBut(before, drawn);
    EXPECT_EQ(read(), longUnderOneCorridor);
}

TEST_F(LongCrossing, GoingBackWipesTheTrailAndRestoresTheLines) {
    paint(longUnderOneCorridor);
    walkerAt({1, 1}, 1, 0);
    const Picture before = form.canvas.image();
    form.longunderpasscrossing();
    probeOnEdge(-1, 0);
    form.stepx = -1;
    form.longunderpasscrossing();

    EXPECT_EQ(walkerCell(), (Cell{1, 1}));
    EXPECT_EQ(form.pathunderpasses, 0);
    const long y = cy({1, 1});
    const Pixels left = segment(box({1, 1}).x1 - 1, y, cx({1, 1}), y);
    EXPECT_EQ(trail(), left);
    expectUnchangedBut(before, left);
    EXPECT_EQ(read(), longUnderOneCorridor);
}

// There and back, by the computer or a player with trail: the wipe gives the
// line at the underpass's end its own colour back, not the cell's beside it.
TEST_F(LongCrossing, GoingBackGivesTheLineItsOwnColour) {
    struct Walker {
        const char* who;
        long playoption;
    };
    for (const Walker w : {Walker{"computer", 0}, Walker{"player", 1}}) {
        paint(longUnderOneCorridorFromNavy);
        walkerAt({1, 1}, 1, 0);
        form.playoption = w.playoption;
        const Picture before = form.canvas.image();
        form.longunderpasscrossing();
        ASSERT_EQ(walkerCell(), (Cell{3, 1})) << w.who;
        probeOnEdge(-1, 0);
        form.stepx = -1;
        form.longunderpasscrossing();
        ASSERT_EQ(walkerCell(), (Cell{1, 1})) << w.who;
        const long y = cy({1, 1});
        EXPECT_EQ(form.canvas.point(box({1, 1}).x2 + 1, y), blackPassage) << w.who;
        expectUnchangedBut(before, segment(box({1, 1}).x1 - 1, y, cx({1, 1}), y));
    }
}

// A wall the trail opened can let the walker go where it could not before: the
// walker's state holds it, so the solve watch never takes the walk with it open
// for the walk without; the wipe closes it again.
TEST_F(LongCrossing, AWallTheTrailOpensIsPartOfTheWalkersState) {
    paint(longUnderFromAClosedCell);
    walkerAt({1, 1}, 1, 0);
    const Form57::WalkerState closed = form.walkerstate();
    const long wallx = box({1, 1}).x1 - 1, y = cy({1, 1});
    const long wall = form.canvas.point(wallx, y);
    ASSERT_FALSE(form.pathpixel(wallx, y));
    form.longunderpasscrossing();
    ASSERT_EQ(walkerCell(), (Cell{3, 1}));
    EXPECT_EQ(form.canvas.point(wallx, y), startColour);
    walkerAt({1, 1}, 1, 0);
    EXPECT_NE(form.walkerstate(), closed);
    form.trailbox(wallx, y, wallx, y, false);
    EXPECT_EQ(form.canvas.point(wallx, y), wall);
    EXPECT_EQ(form.walkerstate(), closed);
}

// The mouth test reads the side along the heading two pixels out, past the
// line; heading across it, the line one pixel out reads as an opening.
TEST_F(LongCrossing, OnlyAHeadingAlongTheUnderpassStartsIt) {
    struct Heading {
        long stepx, stepy;
        bool crosses;
    };
    for (const Heading h : {Heading{1, 0, true}, Heading{-1, 0, true}, Heading{0, 1, false}, Heading{0, -1, false}}) {
        paint(longUnderOneCorridor);
        walkerAt({1, 1}, 1, 0);
        form.stepx = h.stepx, form.stepy = h.stepy;
        form.longunderpasscrossing();
        EXPECT_EQ(walkerCell(), (h.crosses ? Cell{3, 1} : Cell{1, 1})) << h.stepx << "," << h.stepy;
    }
}

TEST_F(LongCrossing, ClosedBoxTakesTwoHops) {
    paint(longClosedBoxBetweenCorridors);
    walkerAt({1, 1}, 1, 0);
    form.longunderpasscrossing();
    EXPECT_EQ(walkerCell(), (Cell{3, 1}));
    EXPECT_EQ(form.underpasslock, 1);
    probeOnEdge(1, 0);
    form.longunderpasscrossing();
    EXPECT_EQ(walkerCell(), (Cell{5, 1}));
    EXPECT_EQ(form.underpasslock, 0);
    EXPECT_EQ(form.pathunderpasses, 2);
    EXPECT_EQ(previousCell(form), box({3, 1}));
    const long y = cy({1, 1});
    EXPECT_EQ(trail(), segment(box({1, 1}).x1 - 1, y, box({1, 1}).x2 + 1, y) |
                           segment(box({3, 1}).x1 - 1, y, cx({3, 1}), y) |
                           segment(box({5, 1}).x1 - 1, y, cx({5, 1}), y));
}

// Unlike the short crossing, a player without trail gets none in a finish search either.
TEST_F(LongCrossing, PaintsOnlyForTheComputerOrAPlayerWithTrail) {
    struct Walker {
        long playoption, notrail, endpointoption;
        bool painted;
    };
    for (const Walker w : {Walker{0, 0, 0, true}, Walker{1, 0, 0, true}, Walker{1, 1, 0, false},
                           Walker{1, 1, 1, false}}) {
        paint(longUnderOneCorridor);
        walkerAt({1, 1}, 1, 0);
        form.playoption = w.playoption, form.notrail = w.notrail, form.endpointoption = w.endpointoption;
        form.longunderpasscrossing();
        EXPECT_EQ(walkerCell(), (Cell{3, 1}));
        EXPECT_EQ(trail().empty(), !w.painted) << w.playoption << "/" << w.notrail << "/" << w.endpointoption;
    }
}

// The player's arrow against the line at an underpass end records the push, and
// the crossing of the same pass carries the player through; back the same way.
TEST_F(LongCrossing, APlayersPushCrossesAndComesBack) {
    paint(longUnderOneCorridor);
    walkerAt({1, 1}, 0, 0);
    form.probex = form.probey = 0;
    form.playoption = 1;
    form.programmode = 3;
    const Picture before = form.canvas.image();
    form.playkeys(39);
    EXPECT_EQ(walkerCell(), (Cell{1, 1})) << "the line beside the box let the player through";
    form.crossunderpasses();
    EXPECT_EQ(walkerCell(), (Cell{3, 1}));
    EXPECT_EQ(form.pathunderpasses, 1);
    form.probex = form.probey = 0;
    form.playkeys(37);
    form.crossunderpasses();
    EXPECT_EQ(walkerCell(), (Cell{1, 1}));
    EXPECT_EQ(form.pathunderpasses, 0);
    const long y = cy({1, 1});
    expectUnchangedBut(before, segment(box({1, 1}).x1 - 1, y, box({3, 1}).x2 + 1, y));
    EXPECT_EQ(read(), longUnderOneCorridor);
}

TEST_F(LongCrossing, ServesOnlyLongPipeUnderpasses) {
    struct Kind {
        long mazekind, shortunderpasses;
        bool crosses;
    };
    for (const Kind k : {Kind{0, 0, false}, Kind{1, 1, false}, Kind{2, 1, false}, Kind{1, 0, true}}) {
        paint(longUnderOneCorridor);
        walkerAt({1, 1}, 1, 0);
        form.mazekind = k.mazekind;
        form.shortunderpasses = k.shortunderpasses;
        form.longunderpasscrossing();
        EXPECT_EQ(walkerCell(), (k.crosses ? Cell{3, 1} : Cell{1, 1})) << k.mazekind << "/" << k.shortunderpasses;
    }
}

// A long mouth whose scan runs into uncarved cells is no underpass either.
TEST_F(LongCrossing, MouthWithoutUnderpassLeavesTheWalkerWhereItIs) {
    paint({". # . .",
           "  |    ",
           ". # #-#",
           "  |    ",
           ". # . ."});
    walkerAt({2, 1}, -1, 0);
    const Picture before = form.canvas.image();
    form.longunderpasscrossing();
    EXPECT_EQ(walkerCell(), (Cell{2, 1}));
    EXPECT_EQ(form.probex, box({2, 1}).x1);
    EXPECT_EQ(form.pathunderpasses, 0);
    expectUnchangedBut(before, {});
}

}  // namespace
}  // namespace tarnwick::test
