#include <algorithm>
#include <string_view>

#include "frame_fixture.h"
#include "shell/menu_names.h"

namespace tarnwick::test {
namespace {

std::vector<Expect> each(std::span<const std::string_view> items, const char* states) {
    std::vector<Expect> expected;
    for (std::string_view item : items) expected.push_back({item.data(), states});
    return expected;
}

std::vector<Expect> operator+(std::vector<Expect> a, const std::vector<Expect>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class MenuSets : public FrameTest {
protected:
    void setAllItems(bool enabled) {
        std::vector<std::string> names;
        for (const MenuItem& m : form.ui.menus()) names.push_back(m.name);
        for (const std::string& name : names) form.ui.setEnabled(name, enabled);
    }
};

// ---- panel opening ----

struct OpenerCase {
    const char* name;
    void (Form57::*open)();
    long panelopen;  // what the opener leaves
    std::vector<Expect> expected;
};

std::ostream& operator<<(std::ostream& os, const OpenerCase& c) { return os << c.name; }

const auto firstFifteen = std::span(menus::panelitems).first(15);
const auto lastSix = std::span(menus::panelitems).subspan(15);
const auto editless = [] {
    std::vector<std::string_view> items;
    std::copy_if(menus::panelitems.begin(), menus::panelitems.end(), std::back_inserter(items), [](auto item) {
        return std::find(menus::edititems.begin(), menus::edititems.end(), item) == menus::edititems.end();
    });
    return items;
}();

class PanelOpeners : public MenuSets, public ::testing::WithParamInterface<OpenerCase> {};

// From a bar with every item enabled.
TEST_P(PanelOpeners, DisableTheirItems) {
    const OpenerCase& c = GetParam();
    setAllItems(true);
    form.nrefreshallowed = 1;
    (form.*c.open)();
    EXPECT_EQ(form.paused, 1);
    EXPECT_EQ(form.panelopen, c.panelopen);
    EXPECT_EQ(form.nrefreshsaved, 1) << "the state of \"New maze and refresh picture\" is kept";
    expectStates(form.ui, c.expected + std::vector<Expect>{{"rfinish", "D"}, {"nrefresh", "D"}}, c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PanelOpeners,
    ::testing::Values(
        OpenerCase{"plain", &Form57::panelopensteps, 1,
                   each(menus::panelitems, "D") + each(menus::createitems, "E") +
                       each(menus::mazepictureitems, "E") + std::vector<Expect>{{"quit2", "E"}}},
        OpenerCase{"patternSet", &Form57::patternsetpanelopensteps, 1,
                   each(editless, "D") + each(menus::edititems, "E") + each(menus::createitems, "D") +
                       each(menus::mazepictureitems, "E") + std::vector<Expect>{{"quit2", "E"}}},
        OpenerCase{"randomSize", &Form57::randomsizepanelopensteps, 1,
                   each(menus::panelitems, "D") + each(menus::createitems, "D") +
                       each(menus::mazepictureitems, "D") + std::vector<Expect>{{"quit2", "D"}}},
        OpenerCase{"patternEditor", &Form57::patterneditoropensteps, 0,
                   each(firstFifteen, "D") + each(lastSix, "E") + each(menus::createitems, "D") +
                       each(menus::mazepictureitems, "D") + std::vector<Expect>{{"quit2", "E"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuSets, TheRandomSizePanelClearsItsMazeMergedFlag) {
    form.nrefreshallowed = 1;
    form.randomsizepanelopensteps();
    EXPECT_EQ(form.nrefreshallowed, 0);
}

// ---- panel closing ----

struct CloserCase {
    const char* name;
    void (Form57::*close)();
    long mode, editedpattern, patternmenumode, mazemerged;
    long paused, panelopen;  // what the closer leaves
    std::vector<Expect> expected;
};

std::ostream& operator<<(std::ostream& os, const CloserCase& c) { return os << c.name; }

class PanelClosers : public MenuSets, public ::testing::WithParamInterface<CloserCase> {};

// From a bar with every item disabled, as an open panel may leave it: what each
// closer enables, and what it leaves alone.
TEST_P(PanelClosers, EnableByModeAndLeaveTheRest) {
    const CloserCase& c = GetParam();
    setAllItems(false);
    form.programmode = c.mode;
    form.editedpattern = c.editedpattern;
    form.patternmenumode = c.patternmenumode;
    form.mazemerged = c.mazemerged;
    form.paused = 1;
    form.panelopen = 1;
    (form.*c.close)();
    EXPECT_EQ(form.paused, c.paused);
    EXPECT_EQ(form.panelopen, c.panelopen);
    expectStates(form.ui, c.expected, c.name);
}

const std::vector<Expect> drawingItems = each(menus::drawingfileitems, "E") + std::vector<Expect>{{"changewallsize", "E"}};
const std::vector<Expect> noDrawingItems = each(menus::drawingfileitems, "D") + std::vector<Expect>{{"changewallsize", "D"}};

INSTANTIATE_TEST_SUITE_P(
    Table, PanelClosers,
    ::testing::Values(
        CloserCase{"patternSetInTheDrawingStage", &Form57::patternsetpanelclosedrestore, 0, 0, 0, 1, 0, 0,
                   drawingItems + each(menus::drawingswitchitems, "E") + each(menus::printrunitems, "E") +
                       each(menus::createitems, "E") + each(menus::edititems, "D") +
                       std::vector<Expect>{{"newmaze", "E"}, {"nrefresh", "E"}, {"rfinish", "E"},
                                           {"srndpatterns", "E"}, {"backtodrawing", "D"}, {"backtomaze", "D"},
                                           {"sandf", "D"}, {"solvemaze", "D"}, {"mpdrawing", "D"}}},
        CloserCase{"patternSetInMazeMaking", &Form57::patternsetpanelclosedrestore, 1, 0, -10, 0, 0, 0,
                   noDrawingItems + each(menus::edititems, "D") +
                       std::vector<Expect>{{"backtodrawing", "E"}, {"sandf", "E"}, {"mpdrawing", "E"},
                                           {"newmaze", "E"}, {"nrefresh", "D"}, {"backtomaze", "D"},
                                           {"solvemaze", "D"}, {"drawingon", "D"}}},
        CloserCase{"patternSetAfterAnEditFromPlacing", &Form57::patternsetpanelclosedrestore, 1, 0, 2, 0, 0, 0,
                   {{"backtomaze", "E"}, {"solvemaze", "E"}, {"sandf", "E"}}},
        CloserCase{"patternSetAfterAnEditFromTheDrawingStage", &Form57::patternsetpanelclosedrestore, 2, 0, 0, 0, 0,
                   0, drawingItems + each(menus::createitems, "E") + std::vector<Expect>{{"solvemaze", "E"}}},
        CloserCase{"patternSetInsideTheEditor", &Form57::patternsetpanelclosedrestore, -1, 2, 0, 0, 1, 1,
                   each(menus::printrunitems, "E") +
                       std::vector<Expect>{{"newmaze", "E"}, {"rfinish", "D"}, {"srndpatterns", "D"},
                                           {"importdrawing", "D"}, {"editpatterns", "D"}}},
        CloserCase{"exampleLoaderInMazeMaking", &Form57::examplerestore, 1, 0, -10, 0, 0, 0,
                   noDrawingItems + each(menus::printrunitems, "D") + each(menus::edititems, "E") +
                       std::vector<Expect>{{"rfinish", "E"}, {"newmaze", "E"}, {"sandf", "E"},
                                           {"srndpatterns", "E"}, {"backtodrawing", "D"}}},
        CloserCase{"exitPatternEditorInTheDrawingStage", &Form57::exitpatternrestore, 0, 0, -10, 0, 0, 1,
                   drawingItems + each(menus::createitems, "E") + each(menus::printrunitems, "D") +
                       each(menus::edititems, "D") +
                       std::vector<Expect>{{"rfinish", "E"}, {"newmaze", "E"}, {"backtodrawing", "D"}}},
        CloserCase{"plainRestoreInThePlacingStage", &Form57::panelclosedrestore, 2, 0, -10, 0, 0, 0,
                   noDrawingItems + each(menus::printrunitems, "E") + each(menus::edititems, "D") +
                       each(menus::createitems, "D") +
                       std::vector<Expect>{{"rfinish", "E"}, {"backtomaze", "E"}, {"backtodrawing", "E"},
                                           {"solvemaze", "E"}, {"sandf", "D"}, {"srndpatterns", "E"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- pattern editor end ----

TEST_F(MenuSets, EditorEndInTheDrawingStageGivesTheDrawingItemsBack) {
    setAllItems(false);
    form.programmode = 0;
    form.mazemerged = 0;
    form.editorendmenus();
    expectStates(form.ui,
                 each(menus::drawingswitchitems, "E") + each(menus::drawingfileitems, "E") +
                     each(menus::printrunitems, "E") +
                     std::vector<Expect>{{"newmaze", "E"}, {"nrefresh", "D"}, {"backtodrawing", "D"},
                                         {"keyspattern", "D"}, {"exitpattern", "D"}},
                 "editor ended in mode 0");
}

TEST_F(MenuSets, EditorEndWithAPatternSetPanelShownLeavesThePanelsItems) {
    setAllItems(true);
    form.programmode = 0;
    form.ui.setControlVisible("Text5", true);
    form.ui.setEnabled("newmaze", false);
    form.editorendmenus();
    expectStates(form.ui, {{"keyspattern", "D"}, {"crpattern", "D"}, {"resetpattern", "D"},
                           {"makeidentical", "D"}, {"exitpattern", "D"}, {"newmaze", "D"}},
                 "save-pattern panel shown");
}

// ---- the drawing stage's entry after a later stage ----

TEST_F(MenuSets, DrawingStageEntryAfterMazeMakingAndPlacing) {
    workerModes = {1, 2, 0};
    onWorker = [&](const std::string& worker) {
        if (worker == "drawing" && calls.size() == 4)
            expectStates(form.ui,
                         each(menus::drawingfileitems, "E") + each(menus::drawingswitchitems, "E") +
                             each(menus::edititems, "E") +
                             std::vector<Expect>{{"resetpatterns", "E"}, {"newmaze", "E"}, {"resetcolors", "D"},
                                                 {"backtomaze", "D"}, {"resetpattern", "D"}, {"crpattern", "D"},
                                                 {"makeidentical", "D"}, {"exitpattern", "D"},
                                                 {"backtodrawing", "D"}, {"sandf", "D"}, {"solvemaze", "D"},
                                                 {"mpdrawing", "D"}},
                         "drawing entry after placing");
    };
    begin();
    ASSERT_EQ(calls.size(), 4u);
}

// ---- title ----

TEST_F(MenuSets, ReturningToTheTitleHidesTheMenusAndLeavingShowsThem) {
    workerModes = {-6};
    begin();
    ASSERT_EQ(form.programmode, -5);
    expectStates(form.ui,
                 each(menus::menutitles, "DH") +
                     std::vector<Expect>{{"mazepicture", "H"}, {"create3dpipe", "EH"}, {"changewallsize", "DH"}},
                 "title");
    form.Command2_Click();
    form.leavetitlemenus();
    expectStates(form.ui,
                 each(menus::menutitles, "EV") + each(menus::mazepictureitems, "EU") +
                     std::vector<Expect>{{"mazepicture", "V"}, {"stopallprintings", "D"}},
                 "leaving the title");
}

// ---- passes ----

struct PassCase {
    const char* name;
    void (Form57::*pass)();
    const char* keysmaze;
    const char* ksandf;
    const char* keysanswer;
    bool creationTicks;  // the pass ticks the creation mode
    bool drawingTicks;   // and the drawing switches and end-point items
};

std::ostream& operator<<(std::ostream& os, const PassCase& c) { return os << c.name; }

class StagePasses : public MenuSets, public ::testing::WithParamInterface<PassCase> {};

TEST_P(StagePasses, KeepTheirItemsByTheSettings) {
    const PassCase& c = GetParam();
    form.nodrawing = 1;
    form.symmetrymode = 2;
    form.endpointoption = 3;
    form.notrail = 1;
    form.pathsize = 2;
    form.creationmode = 1;
    form.difficultylevel = 6;
    form.mazekind = 2;
    (form.*c.pass)();
    std::vector<Expect> expected{{"keysmaze", c.keysmaze}, {"ksandf", c.ksandf}, {"keysanswer", c.keysanswer},
                                 {"mode6", "T"}, {"mode4", "U"}, {"mazemode1", "EV"}, {"lthick", "DH"}};
    if (c.creationTicks) expected = expected + std::vector<Expect>{{"cgenerate", "T"}, {"ugenerate", "U"}};
    else expected = expected + std::vector<Expect>{{"cgenerate", "U"}, {"ugenerate", "T"}};
    if (c.drawingTicks)
        expected = expected + std::vector<Expect>{{"drawingoff", "T"}, {"drawingon", "U"}, {"vertical", "T"},
                                                  {"turnsoff", "U"}, {"mostunderpasses", "T"}, {"userplace", "U"},
                                                  {"leavetrail", "U"}, {"plarge", "T"}, {"pnormal", "U"}};
    else
        expected = expected + std::vector<Expect>{{"drawingoff", "U"}, {"vertical", "U"}, {"userplace", "T"},
                                                  {"leavetrail", "T"}, {"pnormal", "T"}};
    expectStates(form.ui, expected, c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StagePasses,
    ::testing::Values(PassCase{"drawing", &Form57::drawingpassmenus, "D", "D", "D", true, true},
                      PassCase{"making", &Form57::makingpassmenus, "E", "D", "D", true, false},
                      PassCase{"placing", &Form57::placingpassmenus, "D", "E", "D", false, false},
                      PassCase{"solving", &Form57::solvingpassmenus, "D", "D", "E", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A run that ended by its count keeps its count: the making and placing passes
// still bring the print items back, the drawing pass leaves them alone, and a
// panel closed meanwhile does not offer them either.
TEST_F(MenuSets, PrintItemsComeBackAfterARunEndedByCount) {
    form.mazestoprint = 3;
    form.mazesprinted = 3;
    form.printmode = 0;
    const struct {
        const char* name;
        void (Form57::*step)();
        const char* offered;
    } steps[] = {{"drawing pass", &Form57::drawingpassmenus, "D"},
                 {"panel closed", &Form57::panelclosedrestore, "D"},
                 {"making pass", &Form57::makingpassmenus, "E"},
                 {"placing pass", &Form57::placingpassmenus, "E"}};
    for (const auto& step : steps) {
        menus::set(form.ui, menus::Op::Disable, menus::printrunitems);
        (form.*step.step)();
        expectStates(form.ui, each(menus::printrunitems, step.offered), step.name);
    }
}

// While a panel is open the passes leave the print items disabled.
TEST_F(MenuSets, PassesOfferThePrintItemsOnlyWithoutAPanel) {
    for (long paused : {1L, 0L}) {
        form.paused = paused;
        menus::set(form.ui, menus::Op::Disable, menus::printrunitems);
        form.drawingpassmenus();
        form.makingpassmenus();
        form.placingpassmenus();
        expectStates(form.ui, each(menus::printrunitems, paused == 1 ? "D" : "E") +
                                  std::vector<Expect>{{"stopallprintings", "D"}, {"printing", "DH"}},
                     "paused " + std::to_string(paused));
    }
}

// After the event run of a drawing pass: the Create item of the maze kind is ticked,
// and "Change wall size" is offered for a picture drawing only, and left alone
// while a panel is open.
TEST_F(MenuSets, DrawingPassAfterItsEvents) {
    const struct {
        long mazekind, picturedrawing, paused;
        std::vector<Expect> expected;
    } cases[] = {
        {0, 0, 0, {{"createreg", "T"}, {"create3d", "U"}, {"create3dpipe", "U"}, {"changewallsize", "DH"}}},
        {1, 1, 0, {{"create3dpipe", "T"}, {"createreg", "U"}, {"changewallsize", "EV"}}},
        {2, 1, 1, {{"create3d", "T"}, {"create3dpipe", "U"}, {"changewallsize", "DH"}}},
    };
    for (const auto& c : cases) {
        form.ui.setEnabled("changewallsize", false);
        form.ui.setVisible("changewallsize", false);
        form.mazekind = c.mazekind;
        form.picturedrawing = c.picturedrawing;
        form.paused = c.paused;
        form.drawingpassaftermenus();
        expectStates(form.ui, c.expected, "kind " + std::to_string(c.mazekind));
    }
}

}  // namespace
}  // namespace tarnwick::test
