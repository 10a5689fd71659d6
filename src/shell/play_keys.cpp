#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

enum Arrow { arrowLeft = 37, arrowUp = 38, arrowRight = 39, arrowDown = 40 };

}  // namespace

// The arrows walk the player one wall size, or record the push against a wall
// for the underpass crossings that run later in the same pass. Only the first
// row or column of the box is probed: pixels A just outside it and B one further.
void Form57::playkeys(int keyCode) {
    if (playoption == 0) return;
    long dx = 0, dy = 0, ax = 0, ay = 0;
    switch (keyCode) {
        case arrowLeft: dx = -1, ax = cellx1 - 1, ay = celly1; break;
        case arrowRight: dx = 1, ax = cellx2 + 1, ay = celly1; break;
        case arrowUp: dy = -1, ax = cellx1, ay = celly1 - 1; break;
        case arrowDown: dy = 1, ax = cellx1, ay = celly2 + 1; break;
        default: return;
    }
    const long a = canvas.point(ax, ay);
    const long b = canvas.point(ax + dx, ay + dy);
    long probe = a, line = -1;
    // Long underpasses end in a one-pixel line beside the box: it stops the
    // player, and only a wall beyond it counts as a push.
    if (shortunderpasses == 0 && a != b) probe = line = b;
    if (!isPathColour(*this, probe)) {
        if (dx != 0) probex = dx < 0 ? cellx1 : cellx2, stepx = dx;
        if (dy != 0) probey = dy < 0 ? celly1 : celly2, stepy = dy;
        return;
    }
    // B off the surface reads -1, so the edge of the window stops the player too.
    if (b == line) return;
    cellx1 += dx * wallsizex, cellx2 += dx * wallsizex;
    celly1 += dy * wallsizey, celly2 += dy * wallsizey;
}

}  // namespace tarnwick
