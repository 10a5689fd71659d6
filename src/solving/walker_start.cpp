#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

// A 3d-maze start may lie inside an underpass, closed on all four sides; the
// walker can only leave it by a crossing. The cells beside it in its row decide
// which way it sets off, with the axis lock that allows only the other crossing.
void Form57::firstnoxy() {
    if (mazekind != 2) return;
    if (pathpixel(startx1 - 1, starty1) || pathpixel(startx2 + 1, starty1) || pathpixel(startx1, starty1 - 1) ||
        pathpixel(startx1, starty2 + 1))
        return;
    const auto headingright = [&] {
        underpasslock = 2;
        probex = startx1 + 1, probey = starty1;
        stepx = 1, stepy = 0;
    };
    const auto headingdown = [&] {
        underpasslock = 1;
        probex = startx1, probey = starty1 + 1;
        stepx = 0, stepy = 1;
    };
    long counter = 1;
    if (!pathpixel(startx1 - wallsizex, starty1)) counter = 0;
    if (!pathpixel(startx1 + wallsizex, starty1)) counter = 0;
    if (counter == 0) {
        headingright();
        return;
    }
    lookx1 = startx1;
    lookx2 = startx2;
    for (;;) {
        sidecount = 0;
        lookx1 -= wallsizex;
        lookx2 -= wallsizex;
        if (!pathpixel(lookx1, starty1)) {
            headingright();
            return;
        }
        const bool closedTopBottom = !pathpixel(lookx1, starty1 - 1) && !pathpixel(lookx1, starty2 + 1);
        if (!pathpixel(lookx1 - 1, starty1) && closedTopBottom) ++counter, ++sidecount;
        if (!pathpixel(lookx2 + 1, starty1) && closedTopBottom) --counter, ++sidecount;
        if (sidecount == 2 && counter == 1) counter = 0;
        if (counter < 1) {
            headingdown();
            return;
        }
    }
}

// The dead-end record: the fallback finish follows the last dead end carved, or
// takes the first cell met while nothing is recorded; never the start square.
void Form57::thisa47() {
    const auto closed = [&](long x, long y) { return !isPassageColour(*this, canvas.point(x, y)); };
    const int count = closed(cellx1 - 1, celly1) + closed(cellx2 + 1, celly1) + closed(cellx1, celly1 - 1) +
                      closed(cellx1, celly2 + 1);
    const bool record = (count == 3 && carvemode == 1) || fallbackrecorded == 0;
    if (!record || (cellx1 == startx1 && celly1 == starty1)) return;
    if (carvemode == 1) fallbackrecorded = 1;
    fallbackx1 = cellx1, fallbacky1 = celly1, fallbackx2 = cellx2, fallbacky2 = celly2;
}

}  // namespace tarnwick
