#include "frame_fixture.h"

namespace tarnwick::test {
namespace {

using MenuStatesTest = FrameTest;

TEST_F(MenuStatesTest, MenuBarAtCreation) {
    const Ui& ui = form.ui;
    EXPECT_EQ(ui.menu("newmaze").caption, "New maze ");
    EXPECT_EQ(ui.menu("horizontal").caption, "(1)-Horizontal ");
    EXPECT_EQ(ui.menu("keysmaze").caption, "Keys for making your maze ");
    EXPECT_EQ(ui.menu("mode1").caption, "          1");
    EXPECT_EQ(ui.menu("maxrnd").caption, "Random patterns are allways size \"5\"");
    EXPECT_EQ(ui.menu("ksandf1").caption, "Press \"i\",\"k\",\"J\", or \"l\" to move the start square");
    EXPECT_EQ(ui.findMenuByCaptions({"Maze Settings", "3d-maze-difficulty", "          6"}), &ui.menu("mode6"));
    EXPECT_EQ(ui.findMenuByCaptions({"Maze Settings", "Change maximum size of random patterns"}),
              &ui.menu("srndpatterns"));
    expectStates(ui,
                 {{"importdrawing", "D"}, {"changewallsize", "D"}, {"resetcolors", "D"}, {"multdrawing", "D"},
                  {"backtodrawing", "D"}, {"nrefresh", "D"}, {"crpattern", "D"}, {"loadpatterns", "D"},
                  {"keyspattern", "D"}, {"printoptions", "DH"}, {"printing", "DH"}, {"help", "EH"},
                  {"stopallprintings", "EV"}, {"newmaze", "EVU"}, {"createreg", "T"}, {"usetemple", "T"},
                  {"mode4", "T"}, {"pthick", "T"}, {"aoff", "T"}, {"maxrnd", "T"}, {"gofinish", "T"},
                  {"leavetrail", "T"}, {"userplace", "T"}, {"pnormal", "T"}, {"usepattern", "T"},
                  {"ugenerate", "T"}, {"playmodeoff", "T"}, {"create3d", "EVU"}},
                 "creation");
    for (const char* control : {"Check1", "Check32", "Command1", "wallsizebox", "printcountbox", "Label1", "Text5",
                                "Text6", "Text7", "Label10", "savelist", "importbox", "loadlabel"}) {
        EXPECT_FALSE(ui.control(control).visible) << control;
        EXPECT_FALSE(ui.control(control).enabled) << control;
    }
    EXPECT_EQ(ui.timer("Timer1").interval, 5000);
    EXPECT_EQ(ui.timer("Timer2").interval, 10000);
}

TEST_F(MenuStatesTest, DrawingStageAfterClickToBegin) {
    workerModes = {};
    begin();
    expectStates(form.ui,
                 {{"solvemaze", "D"}, {"sandf", "D"}, {"backtomaze", "D"}, {"mpdrawing", "D"},
                  {"crpattern", "D"}, {"resetpattern", "D"}, {"makeidentical", "D"}, {"exitpattern", "D"},
                  {"backtodrawing", "D"}, {"resetcolors", "D"}, {"stopallprintings", "D"},
                  {"newmaze", "E"}, {"rfinish", "E"}, {"editpatterns", "E"}, {"rightpattern", "E"},
                  {"uppattern", "E"}, {"downpattern", "E"}, {"resetpatterns", "E"}, {"quit2", "E"},
                  {"importdrawing", "E"}, {"ndrawing", "E"}, {"sdrawing", "E"}, {"ldrawing", "E"},
                  {"choosew", "E"}, {"selectcolor", "E"}, {"drawingon", "E"}, {"drawingoff", "E"},
                  {"multdrawing", "E"}, {"create3dpipe", "H"}, {"drawingt", "EV"}, {"mazepicture", "V"},
                  {"printoptions", "EV"}, {"maze", "EV"}, {"mazemodes", "EV"}, {"patterns", "EV"},
                  {"help", "EV"}},
                 "drawing stage");
}

// The stage entries of the main loop, seen by each worker.
TEST_F(MenuStatesTest, StageEntries) {
    workerModes = {1, 2, 3};
    onWorker = [&](const std::string& worker) {
        if (worker == "making")
            expectStates(form.ui,
                         {{"resetcolors", "D"}, {"importdrawing", "D"}, {"changewallsize", "D"},
                          {"editpatterns", "E"}, {"resetpatterns", "E"}, {"createreg", "E"}, {"create3d", "E"},
                          {"create3dpipe", "E"}, {"backtomaze", "D"}, {"mpdrawing", "E"}, {"backtodrawing", "E"},
                          {"newmaze", "E"}, {"sandf", "E"}, {"solvemaze", "D"}, {"sdrawing", "D"},
                          {"ldrawing", "D"}, {"ndrawing", "D"}, {"drawingon", "D"}, {"drawingoff", "D"},
                          {"multdrawing", "D"}, {"choosew", "D"}, {"selectcolor", "D"}},
                         "maze entry");
        if (worker == "placing")
            expectStates(form.ui,
                         {{"savepatterns", "D"}, {"loadpatterns", "D"}, {"editpatterns", "D"},
                          {"downpattern", "D"}, {"resetpatterns", "D"}, {"backtomaze", "E"}, {"mpdrawing", "D"},
                          {"backtodrawing", "E"}, {"newmaze", "E"}, {"sandf", "D"}, {"solvemaze", "E"}},
                         "placing entry");
    };
    begin();
    EXPECT_EQ(calls.size(), 4u);
}

struct RestoreCase {
    long mode;
    std::initializer_list<Expect> expected;
};

class PanelRestoreTest : public FrameTest, public ::testing::WithParamInterface<int> {};

// Opening a panel and closing it again, in each mode.
TEST_P(PanelRestoreTest, RestoresTheItemsByMode) {
    static const RestoreCase cases[] = {
        {0, {{"rfinish", "E"}, {"backtomaze", "D"}, {"importdrawing", "E"}, {"choosew", "E"},
             {"changewallsize", "E"}, {"backtodrawing", "D"}, {"sandf", "D"}, {"solvemaze", "D"},
             {"editpatterns", "E"}, {"newmaze", "E"}, {"srndpatterns", "E"}, {"printwithsolutions", "E"}}},
        {1, {{"rfinish", "E"}, {"backtomaze", "D"}, {"importdrawing", "D"}, {"backtodrawing", "E"},
             {"sandf", "E"}, {"solvemaze", "D"}, {"editpatterns", "E"}}},
        {2, {{"rfinish", "E"}, {"backtomaze", "E"}, {"backtodrawing", "E"}, {"sandf", "D"}, {"solvemaze", "E"},
             {"editpatterns", "D"}}},
        {3, {{"rfinish", "D"}, {"backtomaze", "E"}, {"sandf", "E"}, {"solvemaze", "D"}, {"editpatterns", "D"}}},
        {4, {{"rfinish", "D"}, {"backtomaze", "D"}, {"sandf", "D"}, {"solvemaze", "D"}, {"editpatterns", "D"},
             {"newmaze", "E"}}},
    };
    const RestoreCase& c = cases[GetParam()];
    form.programmode = c.mode;
    form.ui.setEnabled("nrefresh", true);
    form.panelopensteps();
    EXPECT_EQ(form.paused, 1);
    EXPECT_EQ(form.panelopen, 1);
    EXPECT_EQ(form.nrefreshsaved, 1);
    expectStates(form.ui, {{"rfinish", "D"}, {"nrefresh", "D"}, {"backtomaze", "D"}, {"loadpatterns", "D"},
                           {"printnosolutions", "D"}, {"srndpatterns", "D"}},
                 "panel open");
    form.panelclosedrestore();
    EXPECT_EQ(form.paused, 0);
    EXPECT_EQ(form.panelopen, 0);
    EXPECT_EQ(form.nrefreshsaved, 0);
    expectStates(form.ui, {{"nrefresh", "E"}}, "restore");
    expectStates(form.ui, c.expected, "restore in mode " + std::to_string(c.mode));
}

INSTANTIATE_TEST_SUITE_P(Modes, PanelRestoreTest, ::testing::Range(0, 5));

// A restore never offers the print-run items while a run is going.
TEST_F(MenuStatesTest, RestoreOffersThePrintRunItemsOnlyWithoutARun) {
    for (long count : {0L, 3L}) {
        form.mazestoprint = count;
        form.panelopensteps();
        form.panelclosedrestore();
        const bool offered = count == 0;
        EXPECT_EQ(form.ui.menu("printwithsolutions").enabled, offered) << count;
        EXPECT_EQ(form.ui.menu("printnosolutions").enabled, offered) << count;
    }
}

TEST_F(MenuStatesTest, RandomSizePanelInThePlacingStage) {
    form.programmode = 2;
    form.ui.setEnabled("nrefresh", false);
    form.randomsizepanelopensteps();
    expectStates(form.ui, {{"quit2", "D"}, {"usetemple", "D"}, {"usetree", "D"}, {"createreg", "D"}}, "open");
    EXPECT_FALSE(form.ui.menuAvailable("quit2"));
    form.randomsizepanelclosedrestore();
    expectStates(form.ui,
                 {{"solvemaze", "E"}, {"backtomaze", "E"}, {"createreg", "E"}, {"create3d", "E"},
                  {"create3dpipe", "E"}, {"sandf", "D"}, {"editpatterns", "D"}, {"uppattern", "D"},
                  {"nrefresh", "D"}, {"quit2", "E"}, {"usetemple", "E"}},
                 "closed");
}

TEST_F(MenuStatesTest, PanelClosedInTheSolveStageLeavesResetEndPointsDisabled) {
    form.programmode = 3;
    form.panelopensteps();
    form.panelclosedrestore();
    expectStates(form.ui, {{"rfinish", "D"}}, "solve stage");
}

struct KindCase {
    long mazekind;
    const char* difficulty;  // states of "3d-maze-difficulty"
    const char* length;      // "Length of underpasses"
    const char* endpoints;   // the end-point items (2) and (3)
};

class MazeKindItemsTest : public FrameTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(MazeKindItemsTest, EveryPassShowsTheItemsOfTheMazeKind) {
    const KindCase c = GetParam();
    form.mazekind = c.mazekind;
    form.difficultylevel = 2;
    for (auto pass : {&Form57::drawingpassmenus, &Form57::makingpassmenus, &Form57::placingpassmenus,
                      &Form57::solvingpassmenus}) {
        (form.*pass)();
        expectStates(form.ui,
                     {{"mazemode1", c.difficulty}, {"lthick", c.length}, {"includeunderpasses", c.endpoints},
                      {"mostunderpasses", c.endpoints}, {"mode2", "T"}, {"mode4", "U"}},
                     "kind " + std::to_string(c.mazekind));
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, MazeKindItemsTest,
                         ::testing::Values(KindCase{0, "DH", "DH", "DH"}, KindCase{2, "EV", "DH", "EV"},
                                           KindCase{1, "EV", "EV", "EV"}));

TEST_F(MenuStatesTest, PrintProgressCaption) {
    const std::tuple<long, long, const char*> cases[] = {
        {5, 2, " 3 mazes left to print out of  5"},
        {1, 1, " 0 mazes left to print out of  1"},
        {-2, 0, "-2 mazes left to print out of -2"},
    };
    for (auto [toPrint, printed, caption] : cases) {
        form.printmode = 2;
        form.mazestoprint = toPrint;
        form.mazesprinted = printed;
        form.makingpassmenus();
        EXPECT_EQ(form.ui.menu("printing").caption, caption);
    }
}

TEST_F(MenuStatesTest, DiamondStageEndHidesEveryCreateItem) {
    form.exampledrawing = 3;
    form.drawingstageendmenus();
    expectStates(form.ui, {{"createreg", "DH"}, {"create3d", "DH"}, {"create3dpipe", "DH"}, {"usediamond", "T"},
                           {"pthick", "T"}, {"pthin", "U"}},
                 "diamond");
    form.exampledrawing = 2;
    form.drawingstageendmenus();
    expectStates(form.ui, {{"createreg", "EVU"}, {"create3d", "EVU"}, {"create3dpipe", "EVT"}}, "space station");
}

TEST_F(MenuStatesTest, PatternEditorStartAndEnd) {
    form.programmode = 1;
    form.ui.setEnabled("nrefresh", true);
    form.patterneditoropensteps();
    form.editorstartmenus();
    EXPECT_EQ(form.paused, 1);
    EXPECT_EQ(form.panelopen, 0);
    expectStates(form.ui,
                 {{"keyspattern", "E"}, {"exitpattern", "E"}, {"crpattern", "E"}, {"backtodrawing", "D"},
                  {"newmaze", "D"}, {"createreg", "D"}, {"usetree", "D"}, {"nrefresh", "D"}, {"srndpatterns", "D"},
                  {"editpatterns", "E"}},
                 "editor");
    form.editorendmenus();
    expectStates(form.ui,
                 {{"keyspattern", "D"}, {"exitpattern", "D"}, {"newmaze", "E"}, {"backtodrawing", "E"},
                  {"sandf", "E"}, {"mpdrawing", "E"}, {"printwithsolutions", "E"}},
                 "editor ended");
}

}  // namespace
}  // namespace tarnwick::test
