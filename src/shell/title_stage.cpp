// The title visit of the main loop and the values set when the title is left.
#include <string>

#include "core/colours.h"
#include "shell/form57.h"
#include "shell/menu_names.h"
#include "shell/shell_values.h"

namespace tarnwick {

namespace {
constexpr long yellow = 0x00FFFF;
constexpr long magenta = 0xFF00FF;
}  // namespace

LoopStage Form57::titlestage() {
    ui.setWindowCaption(stagecaption("-by Ivo Pellik"));
    startcolor = magenta;
    cellx1 = celly1 = cellx2 = celly2 = 0;
    startx1 = starty1 = startx2 = starty2 = 0;
    finishx1 = finishy1 = finishx2 = finishy2 = 0;
    randompatternmode = 0;
    patternstate = 0;
    menus::tickOne(ui, {"dontusepattern", "usepattern", "crnd1"}, 1);
    for (int number = 1; number <= 4; ++number) files.close(number);
    cleandrawingsaved = 0;
    canvas.setBackColour(yellow);
    mbsub();
    autominimizeon = 0;
    menus::tickOne(ui, {"aon", "aoff"}, 1);
    randompatternmode = 0;
    patternstate = 0;
    menus::tickOne(ui, {"dontusepattern", "usepattern", "crnd1"}, 1);
    patternchoice = 0;
    dropblockedpattern = 0;
    randomanysize = 0;
    menus::tickOne(ui, {"maxrnd", "usernd"}, 0);
    randomgmoves = 0;
    filloption = 0;
    maxrandomsize = 5;
    randomsizecaptions();
    patternmenumode = -10;
    titlemenus();
    offertitlebuttons(true);
    ui.setTimerEnabled("Timer2", true);
    ui.setTimerEnabled("Timer1", false);
    canvas.setBackColour(yellow);
    programmode = -5;
    showtitlepicture();
    while (programmode != 0) {
        commandtaken = 0;
        waitEvents();
        fittitletowindow();
    }
    titlewidth = titleheight = 0;
    leavetitle();
    return LoopStage::Drawing;
}

// Ticked class boxes are open colours, unticked ones border colours; a greyed box
// keeps both entries. With the space-station example selected an unticked colour
// 2 keeps its entries as well. The entries of the other class hold marker values.
void Form57::colorclasstables() {
    for (int k = 1; k <= 16; ++k) {
        const int value = ui.control("Check" + std::to_string(k)).value;
        if (value == 1 || (value == 0 && (k != 2 || exampledrawing != 2))) setColourClass(*this, k, value == 1);
    }
}

void Form57::leavetitle() {
    canvas.removeBackPicture();
    ui.setTimerEnabled("Timer1", false);
    ui.setTimerEnabled("Timer2", false);
    leavetitlemenus();
    drawnbefore = 0;
    resetallpatternfiles();
    seedfromclock();
    ui.setEnabled("stopallprintings", false);
    mazekind = 0;
    difficultylevel = 4;
    pathsize = 1;
    creationmode = -1;
    playoption = 0;
    carvemode = 1;
    setStandardPalette(*this);
    for (int k = 1; k <= 16; ++k) {
        ui.setControlBackColour("Check" + std::to_string(k), palette[k]);
        ui.setControlBackColour("Check" + std::to_string(k + 16), palette[k]);
    }
    colorclasstables();
    passagecolor = bordercolors[16];
    for (int k = 1; k <= 16; ++k) passagecolors.set(k, passagecolor);
    pencolor = palette[15];
    openpencolor = opencolors[2];
    borderpencolor = pencolor;
    wallsizex = 10;
    wallsizey = 10;
    cellx1 = wallsizex;
    celly1 = wallsizey;
    gridstepx = mazekind == 1 ? 2 * wallsizex : long{wallsizex};
    gridstepy = mazekind == 1 ? 2 * wallsizey : long{wallsizey};
    cellx2 = cellx1 + wallsizex - 1;
    celly2 = celly1 + wallsizey - 1;
}

}  // namespace tarnwick
