#include <string>

#include "frame_fixture.h"
#include "shell/menu_names.h"

namespace tarnwick::test {
namespace {

class PrintPanel : public FrameTest {
protected:
    void open(const char* item) { form.menuHandlers.at(item)(); }
    void enter(const std::string& text, int key = 13) {
        form.ui.setControlText("printcountbox", text);
        form.entryHandlers.at("printcountbox")(key);
    }
    bool panelShown() const {
        const Ui& ui = form.ui;
        return ui.control("printcountbox").visible && ui.control("printcountbox").enabled &&
               ui.control("Label1").visible && ui.control("Label1").enabled;
    }
    bool panelGone() const {
        const Ui& ui = form.ui;
        return !ui.control("printcountbox").visible && !ui.control("printcountbox").enabled &&
               !ui.control("Label1").visible && !ui.control("Label1").enabled && ui.focus().empty();
    }
};

TEST_F(PrintPanel, OpensWithThePromptAndTheFocusOnAnEmptyBox) {
    for (const auto& [item, kind] : {std::pair{"printwithsolutions", 1L}, std::pair{"printnosolutions", 2L}}) {
        SCOPED_TRACE(item);
        form.programmode = 2;
        form.ui.setControlText("printcountbox", "17");
        form.ui.setEnabled("nrefresh", true);
        form.canvas.setScreenOnly(false);
        open(item);
        EXPECT_TRUE(panelShown());
        EXPECT_EQ(form.ui.control("Label1").caption, "How many mazes do you want to print?");
        EXPECT_EQ(form.ui.control("printcountbox").text, "");
        EXPECT_EQ(form.ui.focus(), "printcountbox");
        EXPECT_EQ(form.printchoice, kind);
        EXPECT_EQ(form.paused, 1);
        EXPECT_EQ(form.panelopen, 1);
        EXPECT_TRUE(form.canvas.screenOnly()) << "nothing lasting is drawn while the panel is open";
        expectStates(form.ui,
                     {{"printwithsolutions", "D"}, {"printnosolutions", "D"}, {"rfinish", "D"}, {"nrefresh", "D"},
                      {"solvemaze", "D"}, {"newmaze", "D"}, {"print", "E"}},
                     "open");
        enter("", 27);
    }
}

// The typed count: leading blanks, a sign, digits and a fraction, nothing else.
// A fraction asks for the next whole number of mazes.
TEST_F(PrintPanel, EnterReadsTheCount) {
    const struct {
        const char* text;
        long count;
    } cases[] = {
        {"", 0},    {"0", 0},   {"abc", 0},  {"2", 2},      {"2.5", 3},   {"-1", -1},  {"  3", 3},
        {"+4", 4},  {"7x", 7},  {"0.2", 1},  {"1e3", 1},    {"2E2", 2},   {"0x10", 0}, {"inf", 0},
        {"nan", 0}, {"1,5", 1}, {"-0.5", -1}, {"- 3", 0},   {".5", 1},    {"3.", 3},   {"\t2", 2},
        {"99999999999999999999", 2'147'483'647},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        form.printmode = 0;
        form.mazestoprint = 0;
        form.mazesprinted = 5;
        open("printnosolutions");
        enter(c.text);
        EXPECT_EQ(form.mazestoprint, c.count);
        EXPECT_EQ(form.mazesprinted, 0);
        EXPECT_EQ(form.printmode, c.count != 0 ? 2 : 0);
        EXPECT_TRUE(panelGone());
        EXPECT_EQ(form.paused, 0);
        EXPECT_EQ(form.panelopen, 0);
    }
}

// No count: no run, and both print items are offered again, unticked.
TEST_F(PrintPanel, EnterWithoutACountStartsNoRun) {
    for (const char* text : {"", "0", "abc"}) {
        SCOPED_TRACE(text);
        menus::set(form.ui, menus::Op::Tick, menus::printrunitems);
        open("printwithsolutions");
        enter(text);
        EXPECT_EQ(form.printmode, 0);
        expectStates(form.ui,
                     {{"printwithsolutions", "EU"}, {"printnosolutions", "EU"}, {"printing", "DH"}}, text);
    }
}

TEST_F(PrintPanel, EnterWithACountStartsTheRunOfItsKind) {
    const struct {
        const char* item;
        const char* text;
        long mode;
        const char* with;
        const char* without;
        const char* progress;
    } cases[] = {
        {"printwithsolutions", "2", 1, "DT", "DU", " 2 mazes left to print out of  2"},
        {"printnosolutions", "2.5", 2, "DU", "DT", " 3 mazes left to print out of  3"},
        {"printnosolutions", "-1", 2, "DU", "DT", "-1 mazes left to print out of -1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.item) + " " + c.text);
        form.printmode = 0;
        form.mazestoprint = 0;
        form.programmode = 1;
        open(c.item);
        enter(c.text);
        EXPECT_EQ(form.printmode, c.mode);
        EXPECT_EQ(form.programmode, 1) << "the run goes on from the stage it was started in";
        expectStates(form.ui,
                     {{"printwithsolutions", c.with}, {"printnosolutions", c.without}, {"printing", "EV"},
                      {"stopallprintings", "E"}, {"newmaze", "E"}, {"sandf", "E"}},
                     "run");
        EXPECT_EQ(form.ui.menu("printing").caption, c.progress);
    }
}

// Escape changes nothing of the run: after a run that ended by its count the
// print items stay as they were until a making or placing pass offers them.
TEST_F(PrintPanel, EscapeKeepsTheCountsAndTicks) {
    form.programmode = 2;
    form.printmode = 0;
    form.mazestoprint = 3;
    form.mazesprinted = 3;
    form.ui.setChecked("printnosolutions", true);
    open("printwithsolutions");
    form.ui.setControlText("printcountbox", "8");
    form.entryHandlers.at("printcountbox")(27);
    EXPECT_TRUE(panelGone());
    EXPECT_EQ(form.paused, 0);
    EXPECT_EQ(form.panelopen, 0);
    EXPECT_EQ(form.printmode, 0);
    EXPECT_EQ(form.mazestoprint, 3);
    EXPECT_EQ(form.mazesprinted, 3);
    expectStates(form.ui,
                 {{"printwithsolutions", "DU"}, {"printnosolutions", "DT"}, {"solvemaze", "E"}, {"backtomaze", "E"}},
                 "escape");
}

// Other keys only type into the box.
TEST_F(PrintPanel, OtherKeysLeaveThePanelOpen) {
    open("printnosolutions");
    enter("3", 65);
    EXPECT_TRUE(panelShown());
    EXPECT_EQ(form.paused, 1);
    EXPECT_EQ(form.mazestoprint, 0);
}

// Whichever way the panel closes, drawing goes back to the layer it was on: a
// drawing pass that draws its cursor on the screen layer keeps it there.
TEST_F(PrintPanel, ClosingPutsTheDrawingLayerBack) {
    for (int key : {13, 27})
        for (bool screenOnly : {true, false}) {
            SCOPED_TRACE(std::to_string(key) + (screenOnly ? " screen layer" : " persistent image"));
            form.canvas.setScreenOnly(screenOnly);
            open("printnosolutions");
            enter("0", key);
            EXPECT_EQ(form.canvas.screenOnly(), screenOnly);
        }
}

}  // namespace
}  // namespace tarnwick::test
