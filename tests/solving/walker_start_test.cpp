#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

// A start square inside an underpass of a 3d-maze is a box closed on all four
// sides; the cells beside it in its row decide how the walker sets off.
struct StartCase {
    const char* name;
    long mazekind;
    MazeArt art;
    long lock;  // -1: nothing may change
    bool down;
};

class WalkerStart : public SolvingTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(WalkerStart, SetsProbeHeadingAndLock) {
    const StartCase& c = GetParam();
    paintMaze(c.art, 10);
    form.mazekind = c.mazekind;
    form.probex = 7, form.probey = 7, form.stepx = -1, form.stepy = 0, form.underpasslock = 9;
    form.firstnoxy();
    if (c.lock < 0) {
        EXPECT_EQ(form.probex, 7);
        EXPECT_EQ(form.probey, 7);
        EXPECT_EQ(form.stepx, -1);
        EXPECT_EQ(form.underpasslock, 9);
        return;
    }
    EXPECT_EQ(form.underpasslock, c.lock);
    if (c.down) {
        EXPECT_EQ(form.probex, form.startx1);
        EXPECT_EQ(form.probey, form.starty1 + 1);
        EXPECT_EQ(form.stepx, 0);
        EXPECT_EQ(form.stepy, 1);
    } else {
        EXPECT_EQ(form.probex, form.startx1 + 1);
        EXPECT_EQ(form.probey, form.starty1);
        EXPECT_EQ(form.stepx, 1);
        EXPECT_EQ(form.stepy, 0);
    }
}

// A vertical passage (column 3) runs over the horizontal underpass in which the start lies.
const MazeArt crossedOnTheLeft = {
    "#########",
    "###.#####",
    "###.#####",
    "###.#S#.#",
    "###.#####",
    "###.#####",
    "#########",
};

INSTANTIATE_TEST_SUITE_P(
    Cases, WalkerStart,
    ::testing::Values(
        StartCase{"closedPixelBesideHeadsRight", 2, {"#######", "###S#.#", "#######"}, 2, false},
        StartCase{"closedLookCellHeadsDown", 2, {"#########", "#.#.#S#.#", "#########"}, 1, true},
        StartCase{"crossedPassageThenNoCellHeadsRight", 2, crossedOnTheLeft, 2, false},
        StartCase{"openStartChangesNothing", 2, {"#######", "#.#S..#", "#######"}, -1, false},
        StartCase{"regularMazeChangesNothing", 0, {"#######", "###S#.#", "#######"}, -1, false},
        StartCase{"pipeMazeChangesNothing", 1, {"#########", "#.#.#S#.#", "#########"}, -1, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The dead-end record keeps the fallback finish.
struct RecordCase {
    const char* name;
    MazeArt art;  // the current cell is C
    long carvemode, recorded;
    bool wantRecord;
    long wantRecorded;
};

class DeadEndRecord : public SolvingTest, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(DeadEndRecord, RecordsByTheRule) {
    const RecordCase& c = GetParam();
    paintMaze(c.art, 10);
    Cell current;
    for (long r = 0; r < static_cast<long>(c.art.size()); ++r)
        for (long k = 0; k < static_cast<long>(c.art[r].size()); ++k)
            if (c.art[r][k] == 'C') current = {r, k};
    const CellRect b = box(current);
    form.cellx1 = b.x1, form.celly1 = b.y1, form.cellx2 = b.x2, form.celly2 = b.y2;
    // The start square, and the grid line on its right in its colour too.
    const CellRect s = box(startCell);
    form.canvas.fillBox(s.x1, s.y1, s.x2 + 2, s.y2, form.startcolor);
    form.carvemode = c.carvemode;
    form.fallbackrecorded = c.recorded;
    form.fallbackx1 = -5;
    form.thisa47();
    EXPECT_EQ(form.fallbackx1, c.wantRecord ? b.x1 : -5);
    if (c.wantRecord) {
        EXPECT_EQ(form.fallbacky2, b.y2);
    }
    EXPECT_EQ(form.fallbackrecorded, c.wantRecorded);
}

const MazeArt corridor = {"#########", "#S#..C..#", "#########"};  // C open left and right
const MazeArt tip = {"#########", "#S#..C###", "#########"};       // C open on its left only
const MazeArt ontoStart = {"#######", "#S.C..#", "#######"};       // one side opens onto the start

INSTANTIATE_TEST_SUITE_P(
    Cases, DeadEndRecord,
    ::testing::Values(
        RecordCase{"tipWhileCarving", tip, 1, 1, true, 1},
        RecordCase{"tipWhileTravelling", tip, -1, 1, false, 1},
        RecordCase{"corridorWithNothingRecorded", corridor, -1, 0, true, 0},
        RecordCase{"corridorWithARecord", corridor, 1, 1, false, 1},
        RecordCase{"startColourCountsClosed", ontoStart, 1, 1, true, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolvingTest, DeadEndRecordSkipsTheStartSquare) {
    paintMaze({"#######", "#S..###", "#######"}, 10);
    form.cellx1 = form.startx1, form.celly1 = form.starty1, form.cellx2 = form.startx2, form.celly2 = form.starty2;
    form.carvemode = 1;
    form.fallbackrecorded = 0;
    form.fallbackx1 = -5;
    form.thisa47();
    EXPECT_EQ(form.fallbackx1, -5);
    EXPECT_EQ(form.fallbackrecorded, 0);
}

}  // namespace
}  // namespace tarnwick::test
