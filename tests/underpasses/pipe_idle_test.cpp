// A carving 3d-pipe walker that no step can move and that neither trap test
// turns to travelling: only the idle fallback of the maze walker frees it.
#include "underpasses/cell_art.h"

namespace tarnwick::test {
namespace {

// The walker on (2, 2) came from the left. To the right its middle cell is a
// border, up its landing cell is one, and down both are: two blocked sides
// at one wall size (right, down) and two at two (up, down), so neither trap
// test reaches three; and no pipe step has two clean cells ahead.
const CellArt blockedOneWayEach = {". . R . .",
                                   "         ",
                                   ". . . . .",
                                   "         ",
                                   "#-#-# R .",
                                   "         ",
                                   ". . R . .",
                                   "         ",
                                   ". . R . ."};

class PipeWalkerIdle : public CellArtTest {
protected:
    PipeWalkerIdle() {
        form.mazekind = 1;
        form.gridstepx = form.gridstepy = 2 * wall;
        form.creationmode = 1;
        form.passagecolor = blackPassage;
        paint(blockedOneWayEach);
    }
    // One carving step of the walker in each direction; true when it stayed put.
    bool stepsLeaveItWhereItIs() {
        for (long direction = 1; direction <= 4; ++direction) {
            placeWalker({2, 2}, direction);
            form.carvemode = 1;
            form.walk3dstep();
            if (walkerCell() != Cell{2, 2} || form.carvemode != 1) return false;
        }
        return true;
    }
};

TEST_F(PipeWalkerIdle, NeitherTrapTestNorAnyStepMovesIt) {
    placeWalker({2, 2}, 2);
    EXPECT_EQ(form.blockedsides3d(wall), 2);
    EXPECT_EQ(form.blockedsides3d(2 * wall), 2);
    EXPECT_TRUE(stepsLeaveItWhereItIs());
    EXPECT_EQ(read(), blockedOneWayEach);
}

TEST_F(PipeWalkerIdle, TheIdleFallbackTurnsItToTravelling) {
    ASSERT_TRUE(stepsLeaveItWhereItIs());
    long passes = 0;
    while (form.carvemode == 1 && passes < 5000) {
        form.walkidlecheck();
        ++passes;
    }
    EXPECT_EQ(form.carvemode, -1);
    EXPECT_GT(passes, 900);
    // Travelling, it goes back along its passage.
    placeWalker({2, 2}, 1);
    form.carvemode = -1;
    form.walk3dstep();
    EXPECT_EQ(walkerCell(), (Cell{0, 2}));
}

}  // namespace
}  // namespace tarnwick::test
