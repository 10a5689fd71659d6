#include "core/colours.h"
#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

// One side of the current cell: the neighbour box one wall size away, the pixels
// around it, and the two diagonal cells beside it.
struct Diagonal {
    Pixel test, sideA, sideB;
};
struct TrapSide {
    long dx, dy;
    Pixel corner, far, near, flankA, flankB;
    Diagonal first, second;
    bool bordersOpen;  // a border-coloured side pixel of a diagonal counts as an opening
};

TrapSide trapSide(int side, const CellRect& b, long w, long h) {
    const long x1 = b.x1, y1 = b.y1, x2 = b.x2, y2 = b.y2;
    switch (side) {
        case 0:  // left
            return {-1, 0, {x1 - w, y1}, {x1 - w - 1, y1}, {x1 - 1, y1}, {x1 - w, y1 - 1}, {x1 - w, y2 + 1},
                    {{x1 - w, y1 - h}, {x1 - w - 1, y1 - h}, {x2 - w + 1, y1 - h}},
                    {{x1 - w, y2 + h}, {x1 - w - 1, y2 + h}, {x2 - w + 1, y2 + h}}, false};
        case 1:  // right
            return {1, 0, {x2 + w, y1}, {x2 + w + 1, y1}, {x1 + w - 1, y1}, {x2 + w, y1 - 1}, {x2 + w, y2 + 1},
                    {{x2 + w, y1 - h}, {x1 + w - 1, y1 - h}, {x2 + w + 1, y1 - h}},
                    {{x2 + w, y2 + h}, {x1 + w - 1, y2 + h}, {x2 + w + 1, y2 + h}}, true};
        case 2:  // up
            return {0, -1, {x1, y1 - h}, {x1, y1 - h - 1}, {x1, y1 - 1}, {x1 - 1, y1 - h}, {x2 + 1, y1 - h},
                    {{x1 - w, y1 - h}, {x1 - w, y1 - h - 1}, {x1 - w, y2 - h + 1}},
                    {{x2 + w, y1 - h}, {x2 + w, y1 - h - 1}, {x2 + w, y2 - h + 1}}, false};
        default:  // down
            return {0, 1, {x1, y2 + h}, {x1, y2 + h + 1}, {x1, y2 + 1}, {x1 - 1, y2 + h}, {x2 + 1, y2 + h},
                    {{x1 - w, y2 + h}, {x1 - w, y1 + h - 1}, {x1 - w, y2 + h + 1}},
                    {{x2 + w, y2 + h}, {x2 + w, y1 + h - 1}, {x2 + w, y2 + h + 1}}, false};
    }
}

}  // namespace

void Form57::notrap1() {
    if (carvemode != 1 || (mazekind != 0 && mazekind != 2)) return;
    testcount = 0;
    const CellRect box = currentCell(*this);
    const long w = wallsizex, h = wallsizey;
    auto at = [this](Pixel p) { return canvas.point(p.x, p.y); };
    auto passageOrBorder = [this](long c) { return isPassageColour(*this, c) || isBorderColour(*this, c); };
    for (int side = 0; side < 4; ++side) {
        const TrapSide s = trapSide(side, box, w, h);
        const CellRect n{box.x1 + s.dx * w, box.y1 + s.dy * h, box.x2 + s.dx * w, box.y2 + s.dy * h};
        bool blocked = picturedrawing == 1 ? !ringScanPasses(*this, canvas, n) : passageOrBorder(at(s.corner));
        if (!blocked)
            blocked = passageOrBorder(at(s.far)) || passageOrBorder(at(s.near)) || passageOrBorder(at(s.flankA)) ||
                      passageOrBorder(at(s.flankB));
        if (!blocked && mazekind == 2) {
            auto opening = [&](Pixel p) {
                return s.bordersOpen ? passageOrBorder(at(p)) : isPassageColour(*this, at(p));
            };
            auto closedPassage = [&](const Diagonal& d) {
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
