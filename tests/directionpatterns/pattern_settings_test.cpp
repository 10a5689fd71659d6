#include <string>

#include "shell/frame_fixture.h"
#include "shell/menu_names.h"

namespace tarnwick::test {
namespace {

using PatternSettings = FrameTest;

std::string alwaysCaption(const char* n) { return std::string("Random patterns are allways size \"") + n + "\""; }
std::string anyCaption(const char* n) { return std::string("Random patterns are any size from \"1\" to \"") + n + "\""; }

struct SettingCase {
    const char* item;
    long randompatternmode, patternstate, patternchoice, randomanysize;
    std::vector<Expect> ticks;
};

std::ostream& operator<<(std::ostream& os, const SettingCase& c) { return os << c.item; }

class SettingCommands : public PatternSettings, public ::testing::WithParamInterface<SettingCase> {};

// From the opposite settings, each item sets its fields and ticks; chosen again, it
// takes the latch and changes nothing more.
TEST_P(SettingCommands, SetTheirFieldsAndTicks) {
    const SettingCase& c = GetParam();
    Form57& f = form;
    auto stale = [&f] {
        f.randompatternmode = 7;
        f.patternstate = 1;
        f.patternchoice = 2;
        f.dropblockedpattern = 1;
        f.patternresume = 2;
    };
    stale();
    f.randomanysize = 1 - c.randomanysize;
    menus::set(f.ui, menus::Op::Tick, {"dontusepattern", "usepattern", "crnd1", "maxrnd", "usernd"});
    f.ui.setChecked(c.item, false);
    f.menuHandlers.at(c.item)();
    EXPECT_EQ(f.commandtaken, 1);
    if (c.randompatternmode < 0) EXPECT_EQ(f.randomanysize, c.randomanysize);
    if (c.randompatternmode >= 0) {
        EXPECT_EQ(f.randompatternmode, c.randompatternmode);
        EXPECT_EQ(f.patternstate, c.patternstate);
        EXPECT_EQ(f.patternchoice, c.patternchoice);
        EXPECT_EQ(f.dropblockedpattern, 0);
    }
    expectStates(f.ui, c.ticks, c.item);

    if (c.randompatternmode < 0) return;  // the size items have no test of their own tick
    stale();
    f.commandtaken = 0;
    f.menuHandlers.at(c.item)();
    EXPECT_EQ(f.commandtaken, 1);
    EXPECT_EQ(f.patternstate, 1) << "already ticked: nothing more";
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingCommands,
    ::testing::Values(
        SettingCase{"usepattern", 0, 0, 0, 0, {{"usepattern", "T"}, {"dontusepattern", "U"}, {"crnd1", "U"}}},
        SettingCase{"dontusepattern", 0, 3, 3, 0, {{"dontusepattern", "T"}, {"usepattern", "U"}, {"crnd1", "U"}}},
        SettingCase{"crnd1", 5, 0, 0, 0, {{"crnd1", "T"}, {"usepattern", "U"}, {"dontusepattern", "U"}}},
        SettingCase{"maxrnd", -1, 0, 0, 0, {{"maxrnd", "T"}, {"usernd", "U"}}},
        SettingCase{"usernd", -1, 0, 0, 1, {{"usernd", "T"}, {"maxrnd", "U"}}}),
    [](const auto& info) { return std::string(info.param.item); });

TEST_F(PatternSettings, NoPatternClearsTheResumeNote) {
    form.patternresume = 1;
    form.dontusepattern_Click();
    EXPECT_EQ(form.patternresume, 0);
}

TEST_F(PatternSettings, ASecondCommandInThePassDoesNothing) {
    form.commandtaken = 1;
    form.ui.setChecked("usepattern", false);
    form.patternstate = 3;
    form.usepattern_Click();
    form.usernd_Click();
    EXPECT_EQ(form.patternstate, 3);
    EXPECT_EQ(form.randomanysize, 0);
}

// ---- the maximum-size panel ----

class RandomSizePanel : public PatternSettings {
protected:
    void open() {
        form.commandtaken = 0;
        form.srndpatterns_Click();
    }
    void enter(const std::string& text, int key = 13) {
        form.ui.setControlText("Text7", text);
        form.Text7_KeyDown(key);
    }
};

TEST_F(RandomSizePanel, OpensWithTheCurrentMaximum) {
    form.maxrandomsize = 17;
    form.ui.setEnabled("nrefresh", true);
    form.canvas.setScreenOnly(false);
    open();
    const Ui& ui = form.ui;
    EXPECT_EQ(ui.control("Text7").text, "17");
    for (const char* control : {"Label10", "Text7"}) {
        EXPECT_TRUE(ui.control(control).visible) << control;
        EXPECT_TRUE(ui.control(control).enabled) << control;
    }
    EXPECT_EQ(ui.focus(), "Text7");
    EXPECT_EQ(form.paused, 1);
    EXPECT_EQ(form.panelopen, 1);
    EXPECT_TRUE(form.canvas.screenOnly()) << "persistent drawing is off while the panel is open";
    expectStates(ui, {{"quit2", "D"}, {"nrefresh", "D"}, {"rfinish", "D"}, {"srndpatterns", "D"},
                      {"savepatterns", "D"}, {"loadpatterns", "D"}, {"editpatterns", "D"}, {"createreg", "D"},
                      {"usediamond", "D"}, {"newmaze", "D"}, {"mpdrawing", "E"}},
                 "panel open");
}

TEST_F(RandomSizePanel, EnterTakesTheTypedMaximumClampedToTwoToNinetyNine) {
    const struct {
        const char* typed;
        long maximum;
        const char* shown;
    } cases[] = {{"12", 12, "12"}, {" 7", 7, "7"}, {"1", 2, "2"},  {"0", 2, "2"},  {"-5", 2, "2"},
                 {"x", 2, "2"},    {"", 2, "2"},   {"99", 99, "99"}, {"123", 99, "99"}, {"9z", 9, "9"}};
    for (const auto& c : cases) {
        open();
        enter(c.typed);
        EXPECT_EQ(form.maxrandomsize, c.maximum) << c.typed;
        EXPECT_EQ(form.ui.control("Text7").text, c.shown) << c.typed;
        EXPECT_EQ(form.ui.menu("maxrnd").caption, alwaysCaption(c.shown)) << c.typed;
        EXPECT_EQ(form.ui.menu("usernd").caption, anyCaption(c.shown)) << c.typed;
    }
}

TEST_F(RandomSizePanel, EscapeKeepsTheMaximumAndCaptions) {
    form.maxrandomsize = 5;
    open();
    enter("7", 27);
    EXPECT_EQ(form.maxrandomsize, 5);
    EXPECT_EQ(form.ui.menu("maxrnd").caption, alwaysCaption("5"));
    EXPECT_EQ(form.ui.control("Text7").text, "7") << "the typed text stays until the panel opens again";
    EXPECT_FALSE(form.ui.control("Text7").visible);
    EXPECT_EQ(form.panelopen, 0);
    EXPECT_EQ(form.paused, 0);
}

TEST_F(RandomSizePanel, OtherKeysLeaveThePanelOpen) {
    open();
    enter("4", 65);
    EXPECT_EQ(form.panelopen, 1);
    EXPECT_TRUE(form.ui.control("Text7").visible);
}

// Closing in the placing stage: the restore by mode, then the Create items and the
// items the opener disabled besides.
TEST_F(RandomSizePanel, ClosingInThePlacingStage) {
    form.programmode = 2;
    form.ui.setEnabled("nrefresh", true);
    form.canvas.setScreenOnly(false);
    open();
    enter("8");
    expectStates(form.ui,
                 {{"solvemaze", "E"}, {"backtomaze", "E"}, {"rfinish", "E"}, {"sandf", "D"}, {"editpatterns", "D"},
                  {"downpattern", "D"}, {"nrefresh", "E"}, {"createreg", "E"}, {"create3d", "E"},
                  {"create3dpipe", "E"}, {"quit2", "E"}, {"usetemple", "E"}, {"srndpatterns", "E"}},
                 "closed in mode 2");
    EXPECT_FALSE(form.canvas.screenOnly()) << "persistent drawing is back";
    EXPECT_EQ(form.panelopen, 0);
}

TEST_F(RandomSizePanel, AMazeMadePartOfEveryMazeMeanwhileOffersTheRefresh) {
    form.programmode = 1;
    open();
    EXPECT_FALSE(form.ui.menu("nrefresh").enabled);
    form.nrefreshallowed = 1;  // what "Make current maze part of every maze" leaves
    enter("5", 27);
    EXPECT_TRUE(form.ui.menu("nrefresh").enabled);
}

// The captions name the maximum in force whenever it gets a setting value.
TEST_F(RandomSizePanel, CaptionsFollowResetAndLoadedSettings) {
    open();
    enter("12");
    form.commandtaken = 0;
    form.resetsettings_Click();
    EXPECT_EQ(form.maxrandomsize, 5);
    EXPECT_EQ(form.ui.menu("maxrnd").caption, alwaysCaption("5"));
    EXPECT_EQ(form.ui.menu("usernd").caption, anyCaption("5"));

    form.maxrandomsize = 30;  // as a loaded drawing's settings record sets it
    form.mazefileticks();
    EXPECT_EQ(form.ui.menu("maxrnd").caption, alwaysCaption("30"));
    EXPECT_EQ(form.ui.menu("usernd").caption, anyCaption("30"));
}

TEST_F(RandomSizePanel, CaptionsFollowTheTitle) {
    open();
    enter("12");
    begin();  // through the title into the drawing stage
    EXPECT_EQ(form.maxrandomsize, 5);
    EXPECT_EQ(form.ui.menu("maxrnd").caption, alwaysCaption("5"));
    EXPECT_EQ(form.ui.menu("usernd").caption, anyCaption("5"));
}

}  // namespace
}  // namespace tarnwick::test
