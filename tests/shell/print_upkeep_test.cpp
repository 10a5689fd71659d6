#include <string>

#include "frame_fixture.h"
#include "shell/menu_names.h"

namespace tarnwick::test {
namespace {

// The print items kept by the stage passes. Every case starts from items as a
// run leaves them (both print items disabled and ticked, "stop all printings"
// enabled, the progress item shown with an old caption) and applies one pass.
struct UpkeepCase {
    const char* name;
    const char* pass;  // "drawing", "making", "placing", "solving"
    long printmode, mazestoprint, mazesprinted, paused;
    const char* printitems;  // states of both print items
    const char* stop;
    const char* printing;
    const char* caption;
};

const UpkeepCase cases[] = {
    // No run: the items come back (not while a panel is open), unticked.
    {"making, no run", "making", 0, 0, 0, 0, "EU", "D", "DH", "old"},
    {"making, no run, panel", "making", 0, 0, 0, 1, "DU", "D", "DH", "old"},
    {"placing, no run", "placing", 0, 0, 0, 0, "EU", "D", "DH", "old"},
    // A run that ended by its count keeps its count and its tick.
    {"making, ended by count", "making", 0, 3, 3, 0, "ET", "D", "DH", "old"},
    {"making, ended by count, panel", "making", 0, 3, 3, 1, "DT", "D", "DH", "old"},
    {"placing, ended by count", "placing", 0, 3, 3, 0, "ET", "D", "DH", "old"},
    // The drawing pass keeps rules (ii) and (iii) only.
    {"drawing, ended by count", "drawing", 0, 3, 3, 0, "DT", "E", "EV", "old"},
    {"drawing, no count", "drawing", 0, 0, 0, 0, "EU", "D", "DH", "old"},
    {"drawing, no count, panel", "drawing", 0, 0, 0, 1, "DU", "D", "DH", "old"},
    // A run going: only the progress text changes.
    {"making, run", "making", 2, 3, 1, 0, "DT", "E", "EV", " 2 mazes left to print out of  3"},
    {"placing, run", "placing", 1, 2, 0, 0, "DT", "E", "EV", " 2 mazes left to print out of  2"},
    {"drawing, run", "drawing", 2, 12, 3, 0, "DT", "E", "EV", " 9 mazes left to print out of  12"},
    {"making, negative run", "making", 2, -1, 0, 0, "DT", "E", "EV", "-1 mazes left to print out of -1"},
    // "stop all printings" leaves printmode and the count 0.
    {"placing, stopped", "placing", 0, 0, 1, 0, "EU", "D", "DH", "old"},
    // The solve stage leaves the print items alone.
    {"solving, no run", "solving", 0, 0, 0, 0, "DT", "E", "EV", "old"},
};

class PrintUpkeep : public FrameTest, public ::testing::WithParamInterface<UpkeepCase> {};

TEST_P(PrintUpkeep, Pass) {
    const UpkeepCase& c = GetParam();
    Ui& ui = form.ui;
    menus::set(ui, menus::Op::Disable, menus::printrunitems);
    menus::set(ui, menus::Op::Tick, menus::printrunitems);
    ui.setEnabled("stopallprintings", true);
    ui.setEnabled("printing", true);
    ui.setVisible("printing", true);
    ui.setCaption("printing", "old");
    form.printmode = c.printmode;
    form.mazestoprint = c.mazestoprint;
    form.mazesprinted = c.mazesprinted;
    form.paused = c.paused;
    const std::string pass = c.pass;
    if (pass == "drawing") form.drawingpassmenus();
    if (pass == "making") form.makingpassmenus();
    if (pass == "placing") {
        form.placingpassmenus();
        form.printupkeepcountzero();  // later in the placing pass
    }
    if (pass == "solving") form.solvingpassmenus();
    expectStates(ui,
                 {{"printwithsolutions", c.printitems}, {"printnosolutions", c.printitems},
                  {"stopallprintings", c.stop}, {"printing", c.printing}},
                 c.name);
    EXPECT_EQ(ui.menu("printing").caption, c.caption);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintUpkeep, ::testing::ValuesIn(cases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

// "stop all printings" ends the run at once, also where no pass keeps the items.
TEST_F(FrameTest, StopAllPrintingsEndsTheRunAtOnce) {
    form.programmode = 4;
    form.printmode = 1;
    form.mazestoprint = 3;
    form.mazesprinted = 1;
    form.answerpagedue = 1;
    menus::set(form.ui, menus::Op::Disable, menus::printrunitems);
    form.ui.setChecked("printwithsolutions", true);
    form.ui.setEnabled("stopallprintings", true);
    form.ui.setVisible("printing", true);
    form.menuHandlers.at("stopallprintings")();
    EXPECT_EQ(form.printmode, 0);
    EXPECT_EQ(form.mazestoprint, 0);
    EXPECT_EQ(form.answerpagedue, 0);
    expectStates(form.ui,
                 {{"printwithsolutions", "EU"}, {"printnosolutions", "EU"}, {"stopallprintings", "D"},
                  {"printing", "DH"}},
                 "stopped");
}

}  // namespace
}  // namespace tarnwick::test
