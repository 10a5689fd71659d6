#include "drawing_fixture.h"

namespace tarnwick::test {
namespace {

struct LatticeCase {
    long wall;
    long kind;  // 0 regular, 1 3d-pipe, 2 3d
    long lastcolumnx, gridcols, mirrorx1, mirrorx2, centerx;
    long lastrowy, gridrows, mirrory1, mirrory2, centery;
};

std::ostream& operator<<(std::ostream& os, const LatticeCase& c) {
    return os << "wall " << c.wall << ", kind " << c.kind;
}

class LatticeOn800x600 : public DrawingTest, public ::testing::WithParamInterface<LatticeCase> {
protected:
    LatticeOn800x600() : DrawingTest(800, 600) {}
};

// Cursor on the first cell; the mirror is the cursor reflected about the middle
// lines, except the extra row step at wall size 5 and the pipe's extra steps.
TEST_P(LatticeOn800x600, LastPointsCountsMirrorAndCentre) {
    const LatticeCase& c = GetParam();
    prepare(c.wall, c.kind);
    f().gridchanged = 1;
    ASSERT_TRUE(f().updatelattice());
    EXPECT_EQ(f().lastcolumnx, c.lastcolumnx);
    EXPECT_EQ(f().gridcols, c.gridcols);
    EXPECT_EQ(f().mirrorx1, c.mirrorx1);
    EXPECT_EQ(f().mirrorx2, c.mirrorx2);
    EXPECT_EQ(f().centerx, c.centerx);
    EXPECT_EQ(f().lastrowy, c.lastrowy);
    EXPECT_EQ(f().gridrows, c.gridrows);
    EXPECT_EQ(f().mirrory1, c.mirrory1);
    EXPECT_EQ(f().mirrory2, c.mirrory2);
    EXPECT_EQ(f().centery, c.centery);
    EXPECT_EQ(f().areawidth, 800);
    EXPECT_EQ(f().areaheight, 600);
    EXPECT_EQ(f().gridstepx, c.kind == 1 ? 2 * c.wall : c.wall);
}

INSTANTIATE_TEST_SUITE_P(
    WallSizesAndKinds, LatticeOn800x600,
    ::testing::Values(
        //           w  kind lastx cols mx1  mx2  cx    lasty rows my1  my2  cy
        LatticeCase{10, 0, 790, 79, 780, 789, 380, 590, 59, 580, 589, 280},
        LatticeCase{10, 2, 790, 79, 780, 789, 380, 590, 59, 580, 589, 280},
        LatticeCase{10, 1, 770, 39, 770, 779, 370, 570, 29, 570, 579, 270},
        LatticeCase{5, 0, 795, 159, 790, 794, 390, 595, 119, 595, 599, 290},
        LatticeCase{5, 2, 795, 159, 790, 794, 390, 595, 119, 595, 599, 290},
        LatticeCase{5, 1, 785, 79, 785, 789, 385, 585, 59, 595, 599, 285},
        LatticeCase{50, 0, 750, 15, 700, 749, 300, 550, 11, 500, 549, 200},
        LatticeCase{50, 2, 750, 15, 700, 749, 300, 550, 11, 500, 549, 200},
        LatticeCase{50, 1, 650, 7, 650, 699, 250, 450, 5, 450, 499, 150}));

class Lattice : public DrawingTest {
protected:
    Lattice() : DrawingTest(800, 600) {}
    void SetUp() override { prepare(10, 0); }
};

TEST_F(Lattice, ACursorOffTheLatticeKeepsTheOldCentreInTheMirrorFormula) {
    f().cellx1 = 15;  // between columns
    f().cellx2 = 24;
    f().centerx = 3;  // what the walk leaves behind
    f().gridchanged = 1;
    ASSERT_TRUE(f().updatelattice());
    EXPECT_EQ(f().mirrorx1, 790 - 3 * 10 + 10 - 9 - 1);
}

// A grow key taken in the pass's first event run, after the span was measured.
TEST_F(Lattice, TheMirrorTakesTheCursorsSizeAsItIsNow) {
    f().cellx1 = 20;
    f().cellx2 = 39;  // two cells wide
    f().celly2 = 29;
    f().cursorspanx = 9;  // measured before the key
    f().cursorspany = 9;
    f().gridchanged = 1;
    ASSERT_TRUE(f().updatelattice());
    EXPECT_EQ(f().mirrorx2 - f().mirrorx1, 19);
    EXPECT_EQ(f().mirrorx1, 760);  // the cursor 20..39 reflected: 760..779
    EXPECT_EQ(f().mirrory2 - f().mirrory1, 19);
}

TEST_F(Lattice, AWidthChangeAloneRecomputesOnlyTheColumns) {
    recomputeLattice();
    f().mirrory1 = 1234;  // would be overwritten by a row recompute
    f().canvas.resize(600, 600);
    ASSERT_TRUE(f().updatelattice());
    EXPECT_EQ(f().lastcolumnx, 590);
    EXPECT_EQ(f().mirrorx1, 580);
    EXPECT_EQ(f().mirrory1, 1234);
    EXPECT_EQ(f().areawidth, 600);
}

TEST_F(Lattice, NothingIsRecomputedWhileTheSurfaceAndGridStayTheSame) {
    recomputeLattice();
    f().mirrorx1 = 1;
    f().mirrory1 = 2;
    const std::uint64_t runs = platform().passes();
    ASSERT_TRUE(f().updatelattice());
    EXPECT_EQ(platform().passes(), runs) << "no event run without a column recompute";
    EXPECT_EQ(f().mirrorx1, 1);
    EXPECT_EQ(f().mirrory1, 2);
}

TEST_F(Lattice, AGridStepOfZeroEndsTheWalk) {
    f().gridstepx = f().gridstepy = 0;
    f().gridchanged = 1;
    ASSERT_TRUE(f().updatelattice());
    EXPECT_EQ(f().lastcolumnx, 799);  // a step of one pixel
    f().wallsizex = f().wallsizey = 0;
    f().gridchanged = 1;
    ASSERT_TRUE(f().updatelattice());
    EXPECT_GT(f().gridcols, 1);
}

TEST_F(Lattice, TheEventRunOfTheRecomputeEndsTheStage) {
    f().lastcolumnx = 790;
    f().gridchanged = 1;
    platform().setFeeder([this](HeadlessPlatform&) { f().programmode = 1; });
    EXPECT_FALSE(f().updatelattice());
    platform().setFeeder({});
    // The lattice of the drawing that ends is kept for the start and finish search.
    EXPECT_EQ(f().lastcolumnx, 790);
}

TEST_F(Lattice, AWallSizeChangedDuringTheRecomputeIsWalkedWhole) {
    f().gridchanged = 1;
    platform().setFeeder([this](HeadlessPlatform&) {
        f().wallsizex = f().wallsizey = 20;
        f().gridstepx = f().gridstepy = 20;
        f().cellx1 = f().celly1 = 20;
        f().cellx2 = f().celly2 = 39;
    });
    ASSERT_TRUE(f().updatelattice());
    platform().setFeeder({});
    EXPECT_EQ(f().lastcolumnx, 780);
    EXPECT_EQ(f().gridcols, 39);
}

}  // namespace
}  // namespace tarnwick::test
