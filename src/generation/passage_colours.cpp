#include <utility>

#include "core/colours.h"
#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

// The colour choice for one cell box, starting from `start` (its own pixel, or
// the colour it showed when the walker arrived). The neighbour pixels lie inside
// the boxes beside it; the two callers read the right and lower ones at
// different corners.
struct NeighbourPixels {
    Pixel left, right, upper, lower;
};

void choosePassageColour(Form57& f, const CellRect& box, long start, const NeighbourPixels& n) {
    const Canvas& c = f.canvas;
    if (!isPassageColour(f, start)) {
        f.foundcolor = start;
        f.colorfound = 1;
    } else {
        const long own = c.point(box.x1, box.y1);
        const long left = c.point(box.x1 - 1, box.y1);
        const long right = c.point(box.x2 + 1, box.y1);
        const long top = c.point(box.x1, box.y1 - 1);
        const long bottom = c.point(box.x1, box.y2 + 1);
        auto at = [&c](Pixel p) { return c.point(p.x, p.y); };
        // A side that differs from the cell and agrees with another side: a drawing
        // colour, or the passage colour of a neighbour that shows it too.
        auto take = [&f](long side, bool neighbourShows) {
            if (!isPassageColour(f, side)) {
                f.colorfound = 1;
                f.foundcolor = side;
            } else if (neighbourShows) {
                f.passagecolor = side;
            }
        };
        if (left != own && (left == right || left == top || left == bottom))
            take(left, left == at(n.right) || left == at(n.upper) || left == at(n.lower));
        if (right != own && (right == top || right == bottom))
            take(right, right == at(n.left) || right == at(n.upper) || right == at(n.lower));
        if (top != own && top == bottom)
            take(top, top == at(n.left) || top == at(n.right) || top == at(n.lower));
    }
    if (f.colorfound != 1) return;
    for (int k = 1; k <= 16; ++k) {
        if (f.foundcolor == f.palette[k]) {
            f.passagecolor = std::as_const(f.passagecolors)[k];
            return;
        }
    }
}

}  // namespace

void Form57::mixcolors() {
    colorfound = 0;
    const CellRect box = currentCell(*this);
    const long w = wallsizex, h = wallsizey;
    choosePassageColour(*this, box, canvas.point(box.x1, box.y1),
                        {{box.x1 - w, box.y1}, {box.x2 + w, box.y1}, {box.x1, box.y1 - h}, {box.x1, box.y2 + h}});
}

void Form57::mixcolors2() {
    const CellRect box = previousCell(*this);
    const long w = wallsizex, h = wallsizey;
    choosePassageColour(*this, box, arrivalcolor,
                        {{box.x1 - w, box.y1}, {box.x1 + w, box.y1}, {box.x1, box.y1 - h}, {box.x1, box.y1 + h}});
}

}  // namespace tarnwick
