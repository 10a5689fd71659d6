#include "core/colours.h"
#include "frame_fixture.h"

namespace tarnwick::test {
namespace {

using SettingsTest = FrameTest;

bool ticked(const Form57& f, const char* item) { return f.ui.menu(item).checked; }

TEST_F(SettingsTest, ResetAllMazeSettingsRestoresTheMazeSettingsOnly) {
    Form57& f = form;
    f.endpointoption = 2;
    f.finishfound = 1;
    f.maxrandomsize = 9;
    f.creationmode = 1;
    f.pathsize = 2;
    f.difficultylevel = 6;
    f.playoption = 2;
    f.notrail = 1;
    f.autominimizeon = 1;
    f.randompatternmode = 5;
    f.patternstate = 3;
    f.patternchoice = 2;
    f.dropblockedpattern = 1;
    f.randomanysize = 1;
    f.randomgmoves = 1;
    f.filloption = 1;
    f.tickgroup({"pthick", "pthin"}, 1);
    f.tickgroup({"aon", "aoff"}, 0);
    f.tickgroup({"playmodeoff", "easymode", "hardmode"}, 2);
    f.ui.setChecked("leavetrail", false);
    // Not maze settings:
    f.nodrawing = 1;
    f.symmetrymode = 2;
    f.ui.setControlValue("Check3", 0);
    f.wallsizex = 20;

    f.resetsettings_Click();

    const std::pair<const char*, long> values[] = {
        {"endpointoption", f.endpointoption}, {"finishfound", f.finishfound}, {"maxrandomsize", f.maxrandomsize},
        {"creationmode", f.creationmode},     {"pathsize", f.pathsize},       {"difficultylevel", f.difficultylevel},
        {"playoption", f.playoption},         {"notrail", f.notrail},         {"autominimizeon", f.autominimizeon},
        {"randompatternmode", f.randompatternmode}, {"patternstate", f.patternstate},
        {"patternchoice", f.patternchoice},   {"dropblockedpattern", f.dropblockedpattern},
        {"randomanysize", f.randomanysize},   {"randomgmoves", f.randomgmoves}, {"filloption", f.filloption}};
    const long expected[] = {0, 0, 5, -1, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < std::size(values); ++i) EXPECT_EQ(values[i].second, expected[i]) << values[i].first;

    for (const char* item : {"userplace", "pthick", "ugenerate", "pnormal", "mode4", "playmodeoff", "leavetrail",
                             "aoff", "usepattern", "maxrnd", "gofinish"})
        EXPECT_TRUE(ticked(f, item)) << item;
    for (const char* item : {"largestsolution", "pthin", "cgenerate", "plarge", "mode6", "hardmode", "aon",
                             "dontusepattern", "crnd1", "usernd", "stopfinish"})
        EXPECT_FALSE(ticked(f, item)) << item;

    EXPECT_EQ(f.nodrawing, 1);
    EXPECT_EQ(f.symmetrymode, 2);
    EXPECT_EQ(f.ui.control("Check3").value, 0);
    EXPECT_EQ(f.wallsizex, 20);
    EXPECT_EQ(f.commandtaken, 1);
}

TEST_F(SettingsTest, CommandsWaitForTheLatch) {
    form.commandtaken = 1;
    form.difficultylevel = 6;
    form.resetsettings_Click();
    form.aon_Click();
    form.quit2_Click();
    EXPECT_EQ(form.difficultylevel, 6);
    EXPECT_EQ(form.autominimizeon, 0);
    EXPECT_NE(form.programmode, -6);
}

TEST_F(SettingsTest, TitleVisitResetsTheCurrentKindsPatternsAndClasses) {
    form.mazekind = 1;
    setStandardPalette(form);
    form.ui.setControlValue("Check1", 0);
    form.ui.setControlValue("Check12", 1);
    form.tickgroup({"pthick", "pthin"}, 1);
    form.mbsub();
    EXPECT_EQ(fileBytes("3dpipeleft.pt"), "1,9999,88\r\n");
    EXPECT_EQ(fileBytes("3dpipedown.pt"), "4,9999,88\r\n");
    EXPECT_EQ(fileBytes("Left.pt"), "");
    EXPECT_EQ(form.opencolors[1], 0x000000);
    EXPECT_EQ(form.bordercolors[12], 0xFFFF00);
    EXPECT_EQ(form.opencolors[12], 301 + 2 * 11);
    EXPECT_TRUE(ticked(form, "pthin")) << "the title visit keeps the length of underpasses";
}

struct MinimizeCase {
    long programmode, creationmode, playoption, panelopen;
    bool minimizes;
    long minimizedAfter;
};

class AutoMinimizeTest : public FrameTest, public ::testing::WithParamInterface<MinimizeCase> {};

TEST_P(AutoMinimizeTest, OnMinimizesOnlyWhileTheComputerWorks) {
    const MinimizeCase c = GetParam();
    form.programmode = c.programmode;
    form.creationmode = c.creationmode;
    form.playoption = c.playoption;
    form.panelopen = c.panelopen;
    form.aon_Click();
    EXPECT_EQ(form.autominimizeon, 1);
    EXPECT_TRUE(ticked(form, "aon"));
    EXPECT_FALSE(ticked(form, "aoff"));
    EXPECT_EQ(form.ui.window().state == WindowState::Minimized, c.minimizes);
    EXPECT_EQ(form.minimized, c.minimizedAfter);
}

INSTANTIATE_TEST_SUITE_P(Stages, AutoMinimizeTest,
                         ::testing::Values(MinimizeCase{1, 1, 0, 0, true, 1},     // computer makes the maze
                                           MinimizeCase{1, -1, 0, 0, false, 0},   // the user makes it
                                           MinimizeCase{3, -1, 0, 0, true, 1},    // computer solves
                                           MinimizeCase{3, -1, 1, 0, false, 0},   // the user plays
                                           MinimizeCase{0, 1, 0, 0, false, 0},    // drawing
                                           MinimizeCase{2, 1, 0, 0, false, 0},    // placing
                                           MinimizeCase{1, 1, 0, 1, false, 1}));  // a panel is open

TEST_F(SettingsTest, OnWhenAlreadyOnAndOffLeaveTheWindowAlone) {
    form.autominimizeon = 1;
    form.programmode = 1;
    form.creationmode = 1;
    form.aon_Click();
    EXPECT_EQ(form.ui.window().state, WindowState::Normal);

    form.ui.setWindowState(WindowState::Minimized);
    form.minimized = 1;
    form.commandtaken = 0;
    form.aoff_Click();
    EXPECT_EQ(form.autominimizeon, 0);
    EXPECT_EQ(form.minimized, 0);
    EXPECT_TRUE(ticked(form, "aoff"));
    EXPECT_EQ(form.ui.window().state, WindowState::Minimized);
}

TEST_F(SettingsTest, QuitToMainMenuAsksForTheTitle) {
    form.editedpattern = 2;
    form.paused = 1;
    form.loadexample = 1;
    for (const char* item : {"importdrawing", "changewallsize", "choosew", "create3dpipe", "keyspattern"})
        form.ui.setEnabled(item, item == std::string("keyspattern"));
    form.quit2_Click();
    EXPECT_EQ(form.programmode, -6);
    EXPECT_EQ(form.editedpattern, 0);
    EXPECT_EQ(form.paused, 0);
    EXPECT_EQ(form.loadexample, 0);
    EXPECT_EQ(form.patternmenumode, -10);
    for (const char* item : {"importdrawing", "changewallsize", "choosew", "create3dpipe"})
        EXPECT_TRUE(form.ui.menu(item).enabled) << item;
    EXPECT_FALSE(form.ui.menu("keyspattern").enabled);
}

}  // namespace
}  // namespace tarnwick::test
