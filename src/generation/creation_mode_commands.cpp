// "Maze creation" and "Fill options".
#include "core/colours.h"
#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

int Form57::passagesides() const {
    int count = 0;
    for (const Pixel p : {Pixel{cellx1 - 1, celly1}, Pixel{cellx2 + 1, celly1}, Pixel{cellx1, celly1 - 1},
                          Pixel{cellx1, celly2 + 1}})
        if (isPassageColour(*this, canvas.point(p.x, p.y))) ++count;
    return count;
}

void Form57::creationmodeticks() {
    ui.setChecked("ugenerate", creationmode == -1);
    ui.setChecked("cgenerate", creationmode != -1);
}

// Taking over in the middle of a corridor, the user starts out travelling.
void Form57::ugenerate_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    creationmode = -1;
    if (programmode == 1 && passagesides() >= 2) carvemode = -1;
    creationmodeticks();
}

void Form57::cgenerate_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    ui.setChecked("cgenerate", true);
    ui.setChecked("ugenerate", false);
    creationmode = 1;
}

void Form57::gofinish_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    filloption = 0;
    ui.setChecked("gofinish", true);
    ui.setChecked("stopfinish", false);
}

void Form57::stopfinish_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    filloption = 1;
    ui.setChecked("gofinish", false);
    ui.setChecked("stopfinish", true);
}

}  // namespace tarnwick
