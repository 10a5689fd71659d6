// The creation commands and the keys of maze making and placing.
#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

constexpr long passage = 0xF0E001;

class Commands : public MakingTest {
protected:
    void SetUp() override {
        paintDrawing({"S.......",
                      "........",
                      "......F."});
    }
    void carveRun(LatticeCell from, LatticeCell to) {
        const CellRect a = box(from), b = box(to);
        form.canvas.fillBox(a.x1, a.y1, b.x2, b.y2, passage);
    }
    void standOn(LatticeCell c) {
        const CellRect b = box(c);
        form.cellx1 = b.x1, form.celly1 = b.y1, form.cellx2 = b.x2, form.celly2 = b.y2;
    }
};

// "New maze " during making puts the base picture back and the walker home, and
// starts the scan over; the walker goes on in the same run.
TEST_F(Commands, NewMazeRestartsMakingInPlace) {
    form.makemaze2();
    carveRun({0, 0}, {5, 0});
    standOn({5, 0});
    form.scanx = 51;
    form.commandtaken = 0;
    form.newmaze_Click();
    EXPECT_EQ(form.commandtaken, 1);
    EXPECT_EQ(form.programmode, 1);
    EXPECT_EQ(form.cellx1, form.homex1);
    EXPECT_EQ(form.scanx, 1);
    EXPECT_FALSE(carved({3, 0}));
    EXPECT_EQ(form.fallbackrecorded, 0);
}

TEST_F(Commands, TakeNothingWhileTheLatchIsTaken) {
    form.commandtaken = 1;
    form.programmode = 2;
    form.backtomaze_Click();
    form.stopfinish_Click();
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(form.filloption, 0);
}

TEST_F(Commands, CreatingTheKindInUseOnlyTakesTheLatch) {
    ASSERT_TRUE(form.ui.menu("createreg").checked);
    form.commandtaken = 0;
    form.programmode = 0;
    form.createreg_Click();
    EXPECT_EQ(form.commandtaken, 1);
    EXPECT_EQ(form.programmode, 0);
}

TEST_F(Commands, Create3dInTheDrawingStageStartsA3dMaze) {
    form.commandtaken = 0;
    form.programmode = 0;
    form.endpointoption = 2;
    form.create3d_Click();
    EXPECT_EQ(form.mazekind, 2);
    EXPECT_EQ(form.programmode, 1);
    EXPECT_EQ(form.endpointoption, 2);
    EXPECT_TRUE(form.ui.menu("create3d").checked);
    EXPECT_FALSE(form.ui.menu("createreg").checked);
    EXPECT_EQ(form.ui.window().caption, "The Quillary Tarnwick-(creating 3d-maze)");
}

// Leaving a 3d-pipe maze keeps its squares; coming back puts them back.
TEST_F(Commands, PipeSquaresComeBack) {
    form.programmode = 0;
    form.commandtaken = 0;
    form.create3dpipe_Click();
    EXPECT_EQ(form.gridstepx, 20);
    const long pipeStart = form.startx1, pipeFinish = form.finishx1;
    form.commandtaken = 0;
    form.createreg_Click();
    EXPECT_EQ(form.gridstepx, 10);
    form.startx1 = 71, form.finishx1 = 31;
    form.commandtaken = 0;
    form.create3dpipe_Click();
    EXPECT_EQ(form.startx1, pipeStart);
    EXPECT_EQ(form.homex1, pipeStart);
    EXPECT_EQ(form.finishx1, pipeFinish);
}

TEST_F(Commands, GoBackToMazeResumesTheFinishedMaze) {
    form.savesnapshot("drawing3.bmp");
    form.programmode = 4;
    form.commandtaken = 0;
    form.backtomaze_Click();
    EXPECT_EQ(form.mazeprogress, 4);
    EXPECT_EQ(form.programmode, 1);
    EXPECT_EQ(form.resumemaze, 1);
    EXPECT_EQ(form.keeppicture, 1);
    EXPECT_EQ(form.keeprandompatterns, 1);
    EXPECT_EQ(form.keepunderpasslength, 1);
    EXPECT_EQ(form.carvemode, -1);
}

// Taking over in a corridor the user starts out travelling; at a dead end not.
TEST_F(Commands, UserTakesOverTravellingInACorridor) {
    carveRun({0, 0}, {4, 0});
    for (auto [cell, carve] : {std::pair{LatticeCell{2, 0}, -1L}, std::pair{LatticeCell{4, 0}, 1L}}) {
        standOn(cell);
        form.carvemode = 1;
        form.creationmode = 1;
        form.commandtaken = 0;
        form.ugenerate_Click();
        EXPECT_EQ(form.carvemode, carve);
        EXPECT_TRUE(form.ui.menu("ugenerate").checked);
        EXPECT_FALSE(form.ui.menu("cgenerate").checked);
    }
}

TEST_F(Commands, JHandsTheMazeOverAndBack) {
    carveRun({0, 0}, {4, 0});
    standOn({2, 0});
    form.carvemode = 1;
    form.creationmode = -1;
    form.makingkeys(74);
    EXPECT_EQ(form.creationmode, 1);
    EXPECT_EQ(form.carvemode, 1) << "to the computer the mode stays";
    EXPECT_TRUE(form.ui.menu("cgenerate").checked);
    form.makingkeys(37);
    EXPECT_EQ(form.patternchoice, 0) << "arrows do nothing while the computer creates";
    form.makingkeys(74);
    EXPECT_EQ(form.creationmode, -1);
    EXPECT_EQ(form.carvemode, -1);
    form.patternstate = 0;
    form.makingkeys(38);
    EXPECT_EQ(form.patternchoice, 3);
    form.patternstate = 3;
    form.makingkeys(40);
    EXPECT_EQ(form.direction, 4);
}

// Placing: the finish moves onto any neighbouring maze cell, hops over one that
// is not, and never leaves the maze.
TEST_F(Commands, FinishMovesAndHops) {
    paintDrawing({"S.R.",
                  "....",
                  "...F"});
    carveRun({0, 0}, {1, 0});
    carveRun({3, 0}, {3, 2});
    form.finishx1 = box({1, 0}).x1, form.finishy1 = box({1, 0}).y1;
    form.finishx2 = box({1, 0}).x2, form.finishy2 = box({1, 0}).y2;
    form.placingkeys(39);  // right: over the red cell onto the passage beyond
    EXPECT_EQ(form.finishx1, box({3, 0}).x1);
    EXPECT_EQ(form.finishsample, passage);
    form.placingkeys(39);  // the window's drawing ends in gray: no move
    EXPECT_EQ(form.finishx1, box({3, 0}).x1);
    form.placingkeys(40);
    EXPECT_EQ(form.finishy1, box({3, 1}).y1);
    form.placingkeys(38);
    EXPECT_EQ(form.finishy1, box({3, 0}).y1);
}

TEST_F(Commands, SquareColourWalksOverTheBorderColours) {
    form.startcolor = 0x808080 + 1;  // gray, shifted
    form.placingkeys(88);            // X: the next border colour, blue
    EXPECT_EQ(form.startcolor, 0xFF0000 + 1);
    EXPECT_EQ(form.startcolorchanged, 1);
    form.finishcolor = 0x00FFFF - 1;  // yellow, shifted
    form.placingkeys(77);             // M: white, usable while the passages are not white
    EXPECT_EQ(form.finishcolor, 0xFFFFFF - 1);
    form.passagecolors.set(16, 0xFFFFFF);  // white passages make white unusable
    form.finishcolor = 0x00FFFF - 1;
    form.finishcolorchanged = 0;
    form.placingkeys(77);
    EXPECT_EQ(form.finishcolor, 0x00FFFF - 1) << "the walk ends on an unusable colour and keeps the old one";
    EXPECT_EQ(form.finishcolorchanged, 1);
}

TEST_F(Commands, EditorGMovesBackOnlyWhileCarving) {
    form.carvemode = 1;
    form.patterneditorkeys(71);
    EXPECT_EQ(form.direction, 5);
    EXPECT_EQ(form.carvemode, -1);
    form.direction = 0;
    form.patterneditorkeys(71);
    EXPECT_EQ(form.direction, 0);
}

}  // namespace
}  // namespace tarnwick::test
