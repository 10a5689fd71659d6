#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

bool Form57::pathpixel(long x, long y) const { return isPathColour(*this, canvas.point(x, y)); }

// The left-hand wall follower: the probe runs one pixel inside the passage with
// the wall on its left, turning right at a wall ahead and left where the wall ends.
void Form57::wallfollowerstep() {
    probex += stepx;
    probey += stepy;
    if (!pathpixel(probex + stepx, probey + stepy)) {
        const long backx = -stepx, backy = -stepy;
        followerturn();
        if (!pathpixel(probex + stepx, probey + stepy)) {
            if (stepx == 1) stepx = -1;
            if (stepy == 1) stepy = -1;
        }
        // A one-pixel pocket: wall on every side but the one the probe came from.
        if (!pathpixel(probex + stepx, probey + stepy)) stepx = backx, stepy = backy;
    }
    const auto openround = [&](long x, long y) {
        return pathpixel(x, y) && pathpixel(x - 1, y) && pathpixel(x + 1, y) && pathpixel(x, y - 1) &&
               pathpixel(x, y + 1);
    };
    if (openround(probex, probey)) {
        followerturn();
        if (openround(probex + stepx, probey + stepy)) {
            if (stepx == 1) stepx = -1;
            if (stepy == 1) stepy = -1;
        }
    }
    trackcell();
}

void Form57::followerturn() {
    if (stepx == 0) stepx = 1;
    else if (stepx == 1 || stepx == -1) stepx = 0;
    if (stepy == 0) stepy = 1;
    else if (stepy == 1 || stepy == -1) stepy = 0;
}

// Right and down change cell on the next box's first pixel, left and up on the
// first grid-line pixel: the order of the four tests makes it so.
void Form57::trackcell() {
    if (probex > cellx2) cellx1 += wallsizex, cellx2 += wallsizex;
    if (probex < cellx1) cellx1 -= wallsizex, cellx2 -= wallsizex;
    if (probey > celly2) celly1 += wallsizey, celly2 += wallsizey;
    if (probey < celly1) celly1 -= wallsizey, celly2 -= wallsizey;
}

}  // namespace tarnwick
