// Before a plain step in a 3d-maze: a passage cell beside the cell ahead that is
// closed along the step (or, while travelling, one beside the walker's own
// closed cell) would be taken for an underpass, so the step is not made.
#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::declaremmb() {
    crossingkind = 0;
    if (mazekind != 2) return;
    auto passage = [this](long x, long y) { return isPassageColour(*this, canvas.point(x, y)); };
    const long w = wallsizex, h = wallsizey;
    const bool travelling = carvemode == -1;
    auto flag = [this](bool holds) {
        if (holds) crossingkind = 1;
    };
    if (direction == 1 || direction == 2) {
        if (travelling) {
            const bool closedAlong = !passage(cellx1 - 1, celly1) && !passage(cellx2 + 1, celly1);
            flag(closedAlong && passage(cellx1, celly2 + h) && !passage(cellx1, celly2 + 1));
            flag(closedAlong && passage(cellx1, celly1 - h) && !passage(cellx1, celly1 - 1));
        }
        for (const long row : {celly1 - h, celly2 + h})
            flag(passage(leadx + stepx, row) && !passage(cellx1 + stepx - 1, row) &&
                 !passage(cellx2 + stepx + 1, row));
    } else if (direction == 3 || direction == 4) {
        if (travelling) {
            const bool closedAlong = !passage(cellx1, celly1 - 1) && !passage(cellx1, celly2 + 1);
            flag(closedAlong && passage(cellx2 + w, celly1) && !passage(cellx2 + 1, celly1));
            flag(closedAlong && passage(cellx1 - w, celly1) && !passage(cellx1 - 1, celly1));
        }
        for (const long column : {cellx1 - w, cellx2 + w})
            flag(passage(column, leady + stepy) && !passage(column, celly1 + stepy - 1) &&
                 !passage(column, celly2 + stepy + 1));
    }
}

}  // namespace tarnwick
