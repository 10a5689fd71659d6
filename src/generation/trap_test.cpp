#include "core/colours.h"
#include "core/geometry.h"
#include "core/trap_geometry.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::notrap1() {
    if (carvemode != 1 || (mazekind != 0 && mazekind != 2)) return;
    testcount = 0;
    const CellRect box = currentCell(*this);
    const long w = wallsizex, h = wallsizey;
    auto at = [this](Pixel p) { return canvas.point(p.x, p.y); };
    auto passageOrBorder = [this](long c) { return isPassageColour(*this, c) || isBorderColour(*this, c); };
    for (int side = 0; side < 4; ++side) {
        const TrapSide s = trapSide(side, box, w, h);
        // On the right a border-coloured grid line beside a diagonal counts as an opening.
        const bool bordersOpen = side == 1;
        const CellRect n{box.x1 + s.dx * w, box.y1 + s.dy * h, box.x2 + s.dx * w, box.y2 + s.dy * h};
        bool blocked = picturedrawing == 1 ? !ringScanPasses(*this, canvas, n) : passageOrBorder(at(s.corner));
        if (!blocked)
            blocked = passageOrBorder(at(s.far)) || passageOrBorder(at(s.near)) || passageOrBorder(at(s.flankA)) ||
                      passageOrBorder(at(s.flankB));
        if (!blocked && mazekind == 2) {
            auto opening = [&](Pixel p) {
                return bordersOpen ? passageOrBorder(at(p)) : isPassageColour(*this, at(p));
            };
            auto closedPassage = [&](const TrapDiagonal& d) {
                return isPassageColour(*this, at(d.test)) && !opening(d.sideA) && !opening(d.sideB);
            };
            blocked = closedPassage(s.first) || closedPassage(s.second);
        }
        if (blocked) ++testcount;
    }
    if (testcount > 3) {
        canvas.fillBox(cellx1, celly1, cellx2, celly2, passagecolor);
        carvemode = -1;
    }
}

}  // namespace tarnwick
