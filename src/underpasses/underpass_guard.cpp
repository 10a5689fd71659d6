// The guard before a new passage goes on past the cell after the look cell: a
// passage cell beside that cell, closed along the move, would be cut off.
#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::nocrosses() {
    auto passage = [this](long x, long y) { return isPassageColour(*this, canvas.point(x, y)); };
    const long u = lookleadx + stepx, v = lookleady + stepy;  // leading corner of the cell after the look cell
    if (passage(u, v)) return;
    const long w = wallsizex, h = wallsizey;
    if (direction == 1 || direction == 2) {
        for (const long row : {looky1 - h, looky2 + h})
            if (passage(u, row) && !passage(lookx1 + stepx - 1, row) && !passage(lookx2 + stepx + 1, row))
                moveallowed = 0;
    } else if (direction == 3 || direction == 4) {
        for (const long column : {lookx1 - w, lookx2 + w})
            if (passage(column, v) && !passage(column, looky1 + stepy - 1) && !passage(column, looky2 + stepy + 1))
                moveallowed = 0;
    }
}

}  // namespace tarnwick
