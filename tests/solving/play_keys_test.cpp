#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

constexpr int keyLeft = 37, keyUp = 38, keyRight = 39, keyDown = 40;

// The arrows of play mode, one key at a time straight into the dispatcher.
class PlayKeys : public SolvingTest {
protected:
    void SetUp() override {
        paintMaze(tee, 10);
        form.playoption = 1;
        standOn({1, 1});
        // Recognisable values that a refused key must leave alone.
        form.probex = 77, form.probey = 88, form.stepx = 5, form.stepy = 6;
    }
    void standOn(Cell cell) {
        const CellRect b = box(cell);
        form.cellx1 = b.x1, form.celly1 = b.y1, form.cellx2 = b.x2, form.celly2 = b.y2;
    }
    void press(int key) {
        form.commandtaken = 0;
        form.Form_KeyDown(key);
        EXPECT_EQ(form.commandtaken, 1);
    }
    CellRect cell() const { return {form.cellx1, form.celly1, form.cellx2, form.celly2}; }
};

TEST_F(PlayKeys, AnOpenSideMovesThePlayerOneWallSize) {
    press(keyRight);
    EXPECT_EQ(cell(), box({1, 3}));
    press(keyDown);
    EXPECT_EQ(cell(), box({3, 3}));
    press(keyLeft);
    EXPECT_EQ(cell(), box({3, 1}));
    press(keyRight);
    press(keyUp);
    EXPECT_EQ(cell(), box({1, 3}));
    // Moves draw nothing and record nothing.
    EXPECT_EQ(form.probex, 77);
    EXPECT_EQ(form.probey, 88);
}

// A push against a wall records the box's edge and the direction on that axis only.
TEST_F(PlayKeys, AWallRecordsTheBlockedPush) {
    struct Case {
        int key;
        long probex, probey, stepx, stepy;
    };
    const CellRect s = box({1, 1});
    for (const Case c : {Case{keyLeft, s.x1, 88, -1, 6}, Case{keyUp, 77, s.y1, 5, -1},
                         Case{keyDown, 77, s.y2, 5, 1}}) {
        form.probex = 77, form.probey = 88, form.stepx = 5, form.stepy = 6;
        press(c.key);
        EXPECT_EQ(cell(), s) << c.key;
        EXPECT_EQ(form.probex, c.probex) << c.key;
        EXPECT_EQ(form.probey, c.probey) << c.key;
        EXPECT_EQ(form.stepx, c.stepx) << c.key;
        EXPECT_EQ(form.stepy, c.stepy) << c.key;
    }
    standOn({1, 5});
    press(keyRight);
    EXPECT_EQ(form.probex, box({1, 5}).x2);
    EXPECT_EQ(form.stepx, 1);
}

TEST_F(PlayKeys, WithoutPlayOptionOrOutsideTheWalkNothingMoves) {
    form.playoption = 0;
    press(keyRight);
    EXPECT_EQ(cell(), box({1, 1}));
    form.playoption = 2;
    form.programmode = 4;
    press(keyRight);
    EXPECT_EQ(cell(), box({1, 1}));
    EXPECT_EQ(form.probex, 77);
}

// The squares count as open; a pixel two out that lies off the surface does not.
TEST_F(PlayKeys, SquaresAreOpenAndTheWindowEdgeStops) {
    const CellRect f = box({3, 1});
    form.canvas.fillBox(f.x1, f.y1, f.x2, f.y2, finishShifted);
    form.canvas.fillBox(f.x1, f.y1 - 2, f.x2, f.y1 - 1, finishShifted);
    standOn({1, 1});
    press(keyDown);
    EXPECT_EQ(cell(), f);

    const long w = form.canvas.width();
    form.canvas.fillBox(w - 9, 1, w - 1, 8, white);  // a box whose right side opens onto the edge
    form.cellx1 = w - 9, form.celly1 = 1, form.cellx2 = w - 2, form.celly2 = 8;
    press(keyRight);
    EXPECT_EQ(form.cellx1, w - 9);
    EXPECT_EQ(form.probex, 77);  // open, so not a push either
}

// Long underpasses end in a one-pixel line beside the box: it stops the player
// whatever lies beyond, and only a wall beyond it is a push. Short underpasses
// never compare the two pixels.
TEST_F(PlayKeys, AOnePixelLineBesideTheBoxStopsThePlayer) {
    const CellRect s = box({1, 1});
    struct Case {
        long shortunderpasses, a, b;
        bool moves, records;
    };
    for (const Case c : {Case{0, white, black, false, true}, Case{0, black, white, false, false},
                         Case{0, white, white, true, false}, Case{1, white, black, true, false},
                         Case{1, black, white, false, true}}) {
        form.shortunderpasses = c.shortunderpasses;
        form.canvas.fillBox(s.x2 + 1, s.y1, s.x2 + 1, s.y2, c.a);
        form.canvas.fillBox(s.x2 + 2, s.y1, s.x2 + 2, s.y2, c.b);
        standOn({1, 1});
        form.probex = 77, form.stepx = 5;
        press(keyRight);
        SCOPED_TRACE(testing::Message() << "short " << c.shortunderpasses << " A " << c.a << " B " << c.b);
        EXPECT_EQ(form.cellx1, c.moves ? s.x1 + 10 : s.x1);
        EXPECT_EQ(form.probex, c.records ? s.x2 : 77);
        EXPECT_EQ(form.stepx, c.records ? 1 : 5);
    }
}

// In a 3d-pipe-maze a press moves one wall size, into the cell between two cells.
TEST_F(PlayKeys, OnePressIsOneWallSizeWhateverTheGridStep) {
    form.mazekind = 1;
    form.gridstepx = form.gridstepy = 20;
    press(keyRight);
    EXPECT_EQ(cell(), box({1, 3}));
}

}  // namespace
}  // namespace tarnwick::test
