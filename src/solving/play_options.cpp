#include "shell/form57.h"
#include "shell/menu_names.h"
#include "shell/shell_values.h"

namespace tarnwick {

using menus::tickOne;

namespace {
void tickplay(Ui& ui, long option) { tickOne(ui, {"playmodeoff", "easymode", "hardmode"}, option); }
}  // namespace

// A finish search holds the play option at 0 until it has placed the finish.
bool Form57::finishsettled() const { return endpointoption == 0 || finishfound == 1; }

// Back to the computer walker: it sets off heading right from the player's cell,
// or from the start square when no trail shows the way walked so far.
void Form57::playmodeoff_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    if (ui.menu("playmodeoff").checked) return;
    const bool settled = finishsettled();
    if (programmode == 3 && settled) ui.setWindowCaption(stagecaption("-(computer is solving maze)"));
    tickplay(ui, 0);
    if (programmode >= 3 && autominimizeon == 1 && settled) minimized = 0;
    playoption = 0;
    savedplaymode = 0;
    if (!settled || programmode < 3) return;
    if (notrail == 1) playerbacktostart();
    probex = cellx1 + 1;
    probey = celly1;
    if (paused == 0) panelopen = 0;
    stepx = 1;
    stepy = 0;
}

void Form57::easymode_Click() { playmodeon(1); }
void Form57::hardmode_Click() { playmodeon(2); }

// The tick and the caption follow the choice at once; the option itself waits
// while a finish search is pending, so the search restores the one it suspended.
void Form57::playmodeon(long option) {
    if (commandtaken != 0) return;
    commandtaken = 1;
    tickplay(ui, option);
    if (!finishsettled()) return;
    if (programmode == 3) ui.setWindowCaption(stagecaption("-(user is solving maze)"));
    playoption = option;
    savedplaymode = option;
}

void Form57::leavetrail_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    notrail = notrail == 0 ? 1 : 0;
    ui.setChecked("leavetrail", notrail == 0);
}

}  // namespace tarnwick
