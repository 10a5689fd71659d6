// The 3d settings: difficulty level, path size and length of underpasses. The
// length lives only in the ticks of "Short" and "Long"; the set-up of the next
// maze reads it.
#include "shell/form57.h"
#include "shell/menu_names.h"

namespace tarnwick {

using menus::tickOne;

void Form57::mode1_Click() { chooselevel(1); }
void Form57::mode2_Click() { chooselevel(2); }
void Form57::mode3_Click() { chooselevel(3); }
void Form57::mode4_Click() { chooselevel(4); }
void Form57::mode5_Click() { chooselevel(5); }
void Form57::mode6_Click() { chooselevel(6); }

void Form57::chooselevel(long level) {
    if (commandtaken != 0) return;
    commandtaken = 1;
    difficultylevel = level;
    tickOne(ui, {"mode1", "mode2", "mode3", "mode4", "mode5", "mode6"}, level - 1);
}

void Form57::pnormal_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    pathsize = 1;
    tickOne(ui, {"pnormal", "plarge"}, 0);
}

void Form57::plarge_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    pathsize = 2;
    tickOne(ui, {"pnormal", "plarge"}, 1);
}

void Form57::pthick_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    if (!ui.menu("pthick").checked) tickOne(ui, {"pthick", "pthin"}, 0);
}

void Form57::pthin_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    if (!ui.menu("pthin").checked) tickOne(ui, {"pthick", "pthin"}, 1);
}

}  // namespace tarnwick
