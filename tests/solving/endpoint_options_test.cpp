#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

constexpr long red = 0x0000FF;
const char* const items[4] = {"userplace", "largestsolution", "includeunderpasses", "mostunderpasses"};

class EndpointOptions : public SolvingTest {
protected:
    void SetUp() override {
        form.oldfinishx1 = 21, form.oldfinishy1 = 21, form.oldfinishx2 = 28, form.oldfinishy2 = 28;
        form.canvas.fillBox(21, 21, 28, 28, finishShifted);
        form.finishunder = red;
    }
    void choose(long option) {
        form.commandtaken = 0;
        switch (option) {
            case 0: form.userplace_Click(); break;
            case 1: form.largestsolution_Click(); break;
            case 2: form.includeunderpasses_Click(); break;
            default: form.mostunderpasses_Click(); break;
        }
        EXPECT_EQ(form.commandtaken, 1);
        EXPECT_EQ(form.endpointoption, option);
        for (long k = 0; k < 4; ++k) EXPECT_EQ(form.ui.menu(items[k]).checked, k == option) << items[k];
    }
};

// While placing, a new computed option takes the shown finish away; the next
// pass hands over to the finish search.
TEST_F(EndpointOptions, PlacingToAComputedOptionErasesTheFinish) {
    for (long option : {1L, 2L, 3L}) {
        form.canvas.fillBox(21, 21, 28, 28, finishShifted);
        form.programmode = 2;
        form.endpointoption = 0;
        form.finishfound = 1;
        choose(option);
        EXPECT_EQ(form.canvas.point(21, 21), red);
        EXPECT_EQ(form.finishfound, 0);
    }
}

TEST_F(EndpointOptions, TheSameOptionAgainChangesNothing) {
    form.programmode = 2;
    form.endpointoption = 1;
    form.finishfound = 1;
    choose(1);
    EXPECT_EQ(form.canvas.point(21, 21), finishShifted);
    EXPECT_EQ(form.finishfound, 1);
}

TEST_F(EndpointOptions, OutsidePlacingOnlyTheOptionChanges) {
    for (long mode : {0L, 1L, 3L, 4L}) {
        form.programmode = mode;
        form.endpointoption = 0;
        form.finishfound = 1;
        choose(mode == 1 ? 1 : 3);
        EXPECT_EQ(form.canvas.point(21, 21), finishShifted) << "mode " << mode;
        EXPECT_EQ(form.finishfound, 1);
        EXPECT_EQ(form.programmode, mode);
    }
}

// The user's option keeps a computed finish where it is, in every stage.
TEST_F(EndpointOptions, UserPlacesKeepsTheFinishAndClearsFound) {
    for (long mode : {0L, 1L, 2L, 3L, 4L}) {
        form.programmode = mode;
        form.endpointoption = 2;
        form.finishfound = 1;
        choose(0);
        EXPECT_EQ(form.finishfound, 0);
        EXPECT_EQ(form.canvas.point(21, 21), finishShifted);
    }
}

TEST_F(EndpointOptions, TakenLatchDoesNothing) {
    form.commandtaken = 1;
    form.programmode = 2;
    form.largestsolution_Click();
    form.userplace_Click();
    EXPECT_EQ(form.endpointoption, 0);
    EXPECT_EQ(form.canvas.point(21, 21), finishShifted);
}

TEST_F(EndpointOptions, MenuClicksReachTheHandlers) {
    form.programmode = 2;
    platform.setFeeder([](HeadlessPlatform& p) { p.pushMenu("largestsolution"); });
    form.commandtaken = 0;
    form.doEvents();
    platform.setFeeder({});
    EXPECT_EQ(form.endpointoption, 1);
}

// The option changed while the computer walks: the walk is abandoned, the maze
// without trail comes back, and placing resumes with the user's own finish.
class OptionChangedWhileSolving : public SolvingTest {
protected:
    const MazeArt maze = {
        "#########",
        "#S......#",
        "#######.#",
        "#F......#",
        "#########",
    };
    void SetUp() override {
        paintMaze(maze, 10);
        form.passagecolors.set(2, red);
        const CellRect f = box(finishCell);
        form.canvas.fillBox(f.x1, f.y1, f.x2, f.y2, red);
        form.finishunder = red;
        form.userfinishx1 = f.x1, form.userfinishy1 = f.y1, form.userfinishx2 = f.x2, form.userfinishy2 = f.y2;
    }
    // The solve set-up as the main loop leaves it, then the walk, with the
    // option changed at pass 30.
    void walkAndChangeTo(const char* item) {
        form.canvas.fillBox(form.startx1, form.starty1, form.startx2, form.starty2, form.startcolor);
        form.canvas.fillBox(form.finishx1, form.finishy1, form.finishx2, form.finishy2, form.finishcolor);
        form.savesnapshot("drawing2.bmp");
        form.cellx1 = form.prevcellx1 = form.startx1, form.celly1 = form.prevcelly1 = form.starty1;
        form.cellx2 = form.prevcellx2 = form.startx2, form.celly2 = form.prevcelly2 = form.starty2;
        form.probex = form.startx1 + 1, form.probey = form.starty1;
        form.stepx = 1, form.stepy = 0;
        form.solveendpointoption = form.endpointoption;
        platform.setFeeder([&](HeadlessPlatform& p) {
            if (p.passes() == 30) p.pushMenu(item);
        });
        form.solvingmaze();
        platform.setFeeder({});
    }
};

// The finish box is erased with the colour that was under it, not with the
// walker's passage colour, which belongs to another part of the picture.
TEST_F(OptionChangedWhileSolving, ToAComputedFinish) {
    walkAndChangeTo("largestsolution");
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(form.finishfound, 0);
    EXPECT_EQ(form.passagecolor, white);
    const CellRect f = box(finishCell);
    EXPECT_EQ(form.canvas.point(f.x1, f.y1), red);
    EXPECT_EQ(form.canvas.point(f.x2, f.y2), red);
    // No trail: only the start square shows the start colour.
    EXPECT_EQ(pixelsOf(startShifted).size(), 64u);
}

TEST_F(OptionChangedWhileSolving, ToTheUsersFinish) {
    const CellRect user = box({3, 5});
    form.userfinishx1 = user.x1, form.userfinishy1 = user.y1, form.userfinishx2 = user.x2, form.userfinishy2 = user.y2;
    form.endpointoption = 1;
    form.finishfound = 1;
    form.savedplaymode = 1;
    walkAndChangeTo("userplace");
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(finishSquare(form), user);
    EXPECT_EQ(form.finishunder, white);
    EXPECT_EQ(form.finishsample, white);
    EXPECT_EQ(form.playoption, 1);
}

}  // namespace
}  // namespace tarnwick::test
