#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

const char* const playItems[3] = {"playmodeoff", "easymode", "hardmode"};

class PlayOptions : public SolvingTest {
protected:
    void SetUp() override {
        paintMaze({"#######", "#S..F.#", "#######"}, 10);
        form.ui.setWindowCaption("caption before");
        const CellRect c = box({1, 5});
        form.cellx1 = c.x1, form.celly1 = c.y1, form.cellx2 = c.x2, form.celly2 = c.y2;
        form.prevcellx1 = c.x1, form.prevcelly1 = c.y1, form.prevcellx2 = c.x2, form.prevcelly2 = c.y2;
        form.probex = 0, form.probey = 0, form.stepx = 0, form.stepy = -1;
        form.underpasslock = 2;
    }
    void click(const char* item) {
        form.commandtaken = 0;
        form.menuClick(item);
        EXPECT_EQ(form.commandtaken, 1) << item;
    }
    void expectTicked(long option) {
        for (long k = 0; k < 3; ++k) EXPECT_EQ(form.ui.menu(playItems[k]).checked, k == option) << playItems[k];
    }
    std::string caption() const { return form.ui.window().caption; }
};

// With the finish settled, "(1)-easy" and "(2)-hard" set the option and the
// option to restore; the caption changes only while solving.
TEST_F(PlayOptions, EasyAndHardSetTheOptionOnceTheFinishIsSettled) {
    struct Case {
        const char* item;
        long option, mode, endpoint, found;
        bool settles, captions;
    };
    for (const Case c : {Case{"easymode", 1, 3, 0, 0, true, true}, Case{"hardmode", 2, 3, 1, 1, true, true},
                         Case{"hardmode", 2, 2, 0, 0, true, false}, Case{"easymode", 1, 4, 0, 0, true, false},
                         Case{"easymode", 1, 3, 2, 0, false, false}}) {
        form.ui.setWindowCaption("caption before");
        form.programmode = c.mode;
        form.endpointoption = c.endpoint;
        form.finishfound = c.found;
        form.playoption = 0;
        form.savedplaymode = 0;
        click(c.item);
        SCOPED_TRACE(testing::Message() << c.item << " in mode " << c.mode << " option " << c.endpoint);
        expectTicked(c.option);
        EXPECT_EQ(form.playoption, c.settles ? c.option : 0);
        EXPECT_EQ(form.savedplaymode, c.settles ? c.option : 0);
        EXPECT_EQ(caption(), c.captions ? "The Quillary Tarnwick-(user is solving maze)" : "caption before");
    }
}

TEST_F(PlayOptions, OffWhenAlreadyOffOnlyTakesTheLatch) {
    form.programmode = 3;
    form.playoption = 1;  // a value the command would change
    click("playmodeoff");
    EXPECT_EQ(form.playoption, 1);
    EXPECT_EQ(caption(), "caption before");
    EXPECT_EQ(form.probex, 0);
}

TEST_F(PlayOptions, TheLatchDropsASecondCommand) {
    form.commandtaken = 1;
    form.menuClick("easymode");
    form.menuClick("leavetrail");
    expectTicked(0);
    EXPECT_EQ(form.notrail, 0);
}

// Off while solving: the computer walker sets off heading right from the
// player's cell (trail kept) or from the start square (no trail).
TEST_F(PlayOptions, OffPutsTheComputerWalkerInPlace) {
    for (const long notrail : {0L, 1L}) {
        SetUp();
        form.ui.setChecked("easymode", true);
        form.ui.setChecked("playmodeoff", false);
        form.programmode = 3;
        form.playoption = 1;
        form.savedplaymode = 1;
        form.notrail = notrail;
        form.autominimizeon = 1;
        form.minimized = 1;
        form.panelopen = 1;
        click("playmodeoff");
        SCOPED_TRACE(notrail ? "without trail" : "with trail");
        expectTicked(0);
        EXPECT_EQ(caption(), "The Quillary Tarnwick-(computer is solving maze)");
        EXPECT_EQ(form.playoption, 0);
        EXPECT_EQ(form.savedplaymode, 0);
        EXPECT_EQ(form.minimized, 0);
        EXPECT_EQ(form.panelopen, 0);
        const CellRect from = box(notrail ? startCell : Cell{1, 5});
        EXPECT_EQ(form.cellx1, from.x1);
        EXPECT_EQ(form.prevcellx1, from.x1);
        EXPECT_EQ(form.probex, from.x1 + 1);
        EXPECT_EQ(form.probey, from.y1);
        EXPECT_EQ(form.stepx, 1);
        EXPECT_EQ(form.stepy, 0);
        EXPECT_EQ(form.underpasslock, notrail ? 0 : 2);
    }
}

// While a finish search is pending, "(0)-off" gives up the option to restore
// but leaves the walker, the caption and the window alone; the solved maze
// gets the walker fields without a caption.
TEST_F(PlayOptions, OffDuringASearchOrWhenSolved) {
    form.ui.setChecked("hardmode", true);
    form.ui.setChecked("playmodeoff", false);
    form.programmode = 3;
    form.endpointoption = 1;
    form.finishfound = 0;
    form.savedplaymode = 2;
    form.autominimizeon = 1;
    form.minimized = 1;
    click("playmodeoff");
    EXPECT_EQ(form.savedplaymode, 0);
    EXPECT_EQ(form.minimized, 1);
    EXPECT_EQ(form.probex, 0);
    EXPECT_EQ(caption(), "caption before");

    form.ui.setChecked("hardmode", true);
    form.ui.setChecked("playmodeoff", false);
    form.programmode = 4;
    form.endpointoption = 0;
    form.notrail = 1;
    click("playmodeoff");
    EXPECT_EQ(caption(), "caption before");
    EXPECT_EQ(form.cellx1, form.startx1);
    EXPECT_EQ(form.probex, form.startx1 + 1);
}

TEST_F(PlayOptions, OutsideSolvingOnlyTheSettingsChange) {
    form.ui.setChecked("hardmode", true);
    form.ui.setChecked("playmodeoff", false);
    form.programmode = 2;
    form.playoption = 2;
    click("playmodeoff");
    expectTicked(0);
    EXPECT_EQ(form.playoption, 0);
    EXPECT_EQ(form.cellx1, box({1, 5}).x1);
    EXPECT_EQ(form.probex, 0);
}

// "Leave trail" toggles in every mode, during a finish search too.
TEST_F(PlayOptions, LeaveTrailToggles) {
    form.endpointoption = 3;
    for (const long mode : {0L, 2L, 3L, 4L}) {
        form.programmode = mode;
        click("leavetrail");
        EXPECT_EQ(form.notrail, 1);
        EXPECT_FALSE(form.ui.menu("leavetrail").checked);
        click("leavetrail");
        EXPECT_EQ(form.notrail, 0);
        EXPECT_TRUE(form.ui.menu("leavetrail").checked);
    }
}

}  // namespace
}  // namespace tarnwick::test
