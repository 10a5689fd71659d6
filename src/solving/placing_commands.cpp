#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::sandf_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    if (programmode == 1 && !threefullcells()) return;
    mazeprogress = programmode;
    programmode = 2;
}

// A maze that is being made may be placed once it holds three full cells; the
// carving head's cell counts whatever it shows.
bool Form57::threefullcells() {
    const bool screenOnly = canvas.screenOnly();
    canvas.setScreenOnly(true);
    long full = 0;
    latticeraster([&](long x, long y) {
        const bool head = cellx1 == x + 1 && celly1 == y + 1;
        if (head || boxall(x + 1, y + 1, x + wallsizex - 2, y + wallsizey - 2,
                           [&](long c) { return isPassageColour(*this, c); }))
            ++full;
        return full >= 3;
    });
    canvas.setScreenOnly(screenOnly);
    return full >= 3;
}

void Form57::solvemaze_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    programmode = 3;
}

}  // namespace tarnwick
