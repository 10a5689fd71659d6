// Settings defaults: the title-visit reset, "Reset all maze settings",
// Auto-minimize and "Quit to Main Menu".
#include <string>

#include "shell/form57.h"
#include "shell/menu_names.h"

namespace tarnwick {

using menus::tickOne;

// The settings that the title visit and "Reset all maze settings" share, with their ticks.
static void mazesettingdefaults(Form57& f) {
    Ui& ui = f.ui;
    f.endpointoption = 0;
    f.pathsize = 1;
    tickOne(ui, {"pnormal", "plarge"}, 0);
    f.difficultylevel = 4;
    tickOne(ui, {"mode1", "mode2", "mode3", "mode4", "mode5", "mode6"}, 3);
    // The option a finish search holds back goes too, or the search's end,
    // placing or a changed end-point would bring it back under the "off" tick.
    f.playoption = 0;
    f.savedplaymode = 0;
    f.notrail = 0;
    tickOne(ui, {"playmodeoff", "easymode", "hardmode"}, 0);
    ui.setChecked("leavetrail", true);
}

static void patternsettingdefaults(Form57& f) {
    Ui& ui = f.ui;
    f.randompatternmode = 0;
    f.patternstate = 0;
    tickOne(ui, {"dontusepattern", "usepattern", "crnd1"}, 1);
    f.patternchoice = 0;
    f.dropblockedpattern = 0;
    f.randomanysize = 0;
    tickOne(ui, {"maxrnd", "usernd"}, 0);
    f.randomgmoves = 0;
    f.filloption = 0;
    tickOne(ui, {"gofinish", "stopfinish"}, 0);
}

void Form57::mbsub() {
    nodrawing = 0;
    symmetrymode = 0;
    // A run left by "Quit to Main Menu" ends here, its failed pages told.
    endprintrun();
    files.close(1);
    files.close(2);
    resetkindpatterns();
    tickOne(ui, {"ugenerate", "cgenerate"}, 0);
    mazesettingdefaults(*this);
    tickOne(ui, {"aon", "aoff"}, 1);
    patternsettingdefaults(*this);
    for (int k = 1; k <= 16; ++k) ui.setControlValue("Check" + std::to_string(k), k <= 8 ? 1 : 0);
    colorclasstables();
    for (int k = 1; k <= 16; ++k) passagecolors.set(k, palette[16]);
}

void Form57::resetsettings_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    tickOne(ui, {"userplace", "largestsolution", "includeunderpasses", "mostunderpasses"}, 0);
    finishfound = 0;
    endpointoption = 0;
    maxrandomsize = 5;
    randomsizecaptions();
    if (!ui.menu("pthick").checked) tickOne(ui, {"pthick", "pthin"}, 0);
    creationmode = -1;
    tickOne(ui, {"ugenerate", "cgenerate"}, 0);
    mazesettingdefaults(*this);
    autominimizeon = 0;
    tickOne(ui, {"aon", "aoff"}, 1);
    patternsettingdefaults(*this);
}

void Form57::aon_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    if (autominimizeon == 1) return;
    autominimizeon = 1;
    tickOne(ui, {"aon", "aoff"}, 0);
    const bool computerAtWork = (programmode == 1 && creationmode != -1) || (programmode == 3 && playoption == 0);
    if (minimized == 0 && computerAtWork) {
        if (panelopen == 0) ui.setWindowState(WindowState::Minimized);
        minimized = 1;
    }
}

void Form57::aoff_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    if (autominimizeon == 0) return;
    minimized = 0;
    autominimizeon = 0;
    tickOne(ui, {"aon", "aoff"}, 1);
}

void Form57::quit2_Click() {
    if (commandtaken != 0) return;
    ui.setEnabled("keyspattern", false);
    commandtaken = 1;
    patternmenumode = -10;
    editedpattern = 0;
    paused = 0;
    menus::set(ui, menus::Op::Enable, menus::drawingfileitems);
    ui.setEnabled("changewallsize", true);
    menus::set(ui, menus::Op::Enable, menus::createitems);
    programmode = -6;
    loadexample = 0;
}

}  // namespace tarnwick
