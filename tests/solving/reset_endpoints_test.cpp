#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

constexpr long red = 0x0000FF;

// A 160 by 120 surface, wall size 10: lattice columns 10..150, and the searches
// use the rows 10..110.
class ResetEndpoints : public SolvingTest {
protected:
    void SetUp() override {
        form.wallsizex = form.wallsizey = 10;
        form.gridstepx = form.gridstepy = 10;
        form.lastcolumnx = 150;
        form.areawidth = 160;
        form.areaheight = 120;
        form.passagecolors.set(2, red);
        form.canvas.setBackColour(black);
    }
    // Every lattice cell box carved.
    void carveEverything() {
        for (long y = 10; y <= 110; y += 10)
            for (long x = 10; x <= 150; x += 10) form.canvas.fillBox(x + 1, y + 1, x + 8, y + 8, white);
    }
    void click() {
        form.commandtaken = 0;
        form.rfinish_Click();
    }
    CellRect start() const { return startSquare(form); }
    CellRect finish() const { return finishSquare(form); }
};

TEST_F(ResetEndpoints, PlacingPutsTheSquaresOnTheFirstAndLastCarvedCells) {
    carveEverything();
    form.programmode = 2;
    // The squares as they were: erased with the colours under them.
    form.startx1 = 31, form.starty1 = 31, form.startx2 = 38, form.starty2 = 38;
    form.finishx1 = 51, form.finishy1 = 51, form.finishx2 = 58, form.finishy2 = 58;
    form.canvas.fillBox(31, 31, 38, 38, startShifted);
    form.canvas.fillBox(51, 51, 58, 58, finishShifted);
    form.startunder = red;
    form.finishunder = white;
    click();
    EXPECT_EQ(start(), (CellRect{11, 11, 18, 18}));
    // The last lattice column of the last row is never tried.
    EXPECT_EQ(finish(), (CellRect{141, 111, 148, 118}));
    EXPECT_EQ(form.canvas.point(31, 31), red);
    EXPECT_EQ(form.canvas.point(58, 58), white);
    EXPECT_EQ(form.canvas.point(18, 18), startShifted);
    EXPECT_EQ(form.canvas.point(141, 111), finishShifted);
    EXPECT_EQ(form.startunder, white);
    EXPECT_EQ(form.finishunder, white);
    EXPECT_EQ(form.homex1, 11);
    // The placing loop sees no move.
    EXPECT_EQ(form.prevcellx1, 11);
    EXPECT_EQ(form.oldfinishx1, 141);
    EXPECT_EQ(form.oldfinishy2, 118);
    EXPECT_EQ(form.userfinishx1, 141);
    EXPECT_EQ(form.commandtaken, 1);
    EXPECT_EQ(form.ui.window().state, WindowState::Maximized);

    // A second click erases and repaints the squares in place.
    click();
    EXPECT_EQ(start(), (CellRect{11, 11, 18, 18}));
    EXPECT_EQ(finish(), (CellRect{141, 111, 148, 118}));
    EXPECT_EQ(form.canvas.point(141, 111), finishShifted);
}

// The start and finish tests leave out the last column and row of the cell box.
TEST_F(ResetEndpoints, CarvedCellWithAnOpenLastColumnStillQualifies) {
    carveEverything();
    form.canvas.fillBox(11, 11, 18, 18, black);
    form.canvas.fillBox(11, 11, 17, 17, white);
    form.programmode = 2;
    click();
    EXPECT_EQ(start(), (CellRect{11, 11, 18, 18}));
}

// No cell to put a square on: the squares are painted off the surface, which
// paints nothing.
TEST_F(ResetEndpoints, NoCarvedCellLeavesTheStartAtMinusTen) {
    form.programmode = 2;
    form.homex1 = 71;
    const Picture before = form.canvas.image();
    click();
    EXPECT_TRUE(form.canvas.image() == before);
    EXPECT_EQ(start(), (CellRect{-10, -10, -10, -10}));
    EXPECT_EQ(form.finishx1, -1);
    EXPECT_EQ(form.finishy1, -1);
    EXPECT_EQ(form.homex1, 71);
}

TEST_F(ResetEndpoints, DrawingStageOnlyClearsTheSquares) {
    carveEverything();
    form.programmode = 0;
    form.startx1 = 11, form.starty1 = 11, form.startx2 = 18, form.starty2 = 18;
    const Picture before = form.canvas.image();
    click();
    EXPECT_EQ(start(), (CellRect{-1, -1, -1, -1}));
    EXPECT_EQ(finish(), (CellRect{-1, -1, -1, -1}));
    EXPECT_TRUE(form.canvas.image() == before);
}

// While solving and once solved the command clears the squares without a
// search: the squares on the window stay, and the under colours are read at (0, 0).
TEST_F(ResetEndpoints, SolvingClearsTheSquaresAndLeavesThePicture) {
    for (long mode : {3L, 4L}) {
        carveEverything();
        form.canvas.pset(0, 0, red);
        form.programmode = mode;
        form.startx1 = 11, form.starty1 = 11, form.startx2 = 18, form.starty2 = 18;
        form.canvas.fillBox(11, 11, 18, 18, startShifted);
        form.startunder = form.finishunder = white;
        click();
        EXPECT_EQ(start(), (CellRect{-1, -1, -1, -1})) << "mode " << mode;
        EXPECT_EQ(finish(), (CellRect{-1, -1, -1, -1}));
        EXPECT_EQ(form.userfinishx1, -1);
        EXPECT_EQ(form.canvas.point(11, 11), startShifted);
        EXPECT_EQ(form.startunder, red);
        EXPECT_EQ(form.finishunder, red);
        EXPECT_EQ(form.programmode, mode);
    }
}

// During making the finish may go on any cell of the maze area, carved or not,
// and the squares are not painted.
TEST_F(ResetEndpoints, MakingAimsAtUncarvedCellsWithoutPainting) {
    form.canvas.fillBox(31, 21, 38, 28, white);
    form.programmode = 1;
    form.cellx1 = 11, form.celly1 = 11, form.cellx2 = 18, form.celly2 = 18;
    const Picture before = form.canvas.image();
    click();
    EXPECT_EQ(start(), (CellRect{31, 21, 38, 28}));
    EXPECT_EQ(form.homex1, 31);
    // Black is an open colour. The first row tried lies below the surface, and
    // every later row starts one column left of the last.
    EXPECT_EQ(finish(), (CellRect{141, 111, 148, 118}));
    EXPECT_TRUE(form.canvas.image() == before);
}

// The carving head stands on the new finish: with "Make maze only until start
// and finish are reached" making ends; otherwise the head goes home, travelling.
TEST_F(ResetEndpoints, HeadOnTheNewFinishDuringMaking) {
    for (long fill : {1L, 0L}) {
        form.canvas.setBackColour(black);
        form.canvas.fillBox(11, 11, 18, 18, white);
        form.programmode = 1;
        form.filloption = fill;
        form.carvemode = 1;
        form.stopmaking = 0;
        form.cellx1 = 141, form.celly1 = 111, form.cellx2 = 148, form.celly2 = 118;
        form.prevcellx1 = 131, form.prevcelly1 = 111, form.prevcellx2 = 138, form.prevcelly2 = 118;
        click();
        EXPECT_EQ(form.canvas.point(139, 114), white) << "the passage from the previous cell is opened";
        EXPECT_EQ(form.canvas.point(148, 118), white);
        if (fill == 1) {
            EXPECT_EQ(form.programmode, 2);
            EXPECT_EQ(form.stopmaking, 1);
        } else {
            EXPECT_EQ(form.programmode, 1);
            EXPECT_EQ(form.cellx1, 11);
            EXPECT_EQ(form.carvemode, -1);
        }
    }
}

// A changed drawing area recomputes the lattice columns, and a further command
// of the same event run is still taken.
TEST_F(ResetEndpoints, ChangedAreaRecomputesColumnsAndFreesTheLatch) {
    carveEverything();
    form.programmode = 2;
    form.areawidth = 800;
    form.lastcolumnx = 790;
    click();
    EXPECT_EQ(form.lastcolumnx, 150);
    EXPECT_EQ(form.gridcols, 15);
    EXPECT_EQ(form.commandtaken, 0);
    EXPECT_EQ(finish(), (CellRect{141, 111, 148, 118}));
}

TEST_F(ResetEndpoints, TakenLatchDoesNothing) {
    form.programmode = 2;
    form.commandtaken = 1;
    form.startx1 = 11;
    form.rfinish_Click();
    EXPECT_EQ(form.startx1, 11);
}

}  // namespace
}  // namespace tarnwick::test
