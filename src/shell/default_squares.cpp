#include <algorithm>

#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

// Every pixel of the w by h cell at (x, y) is open and no passage colour; stops at the first that is not.
bool cellUsable(const Form57& f, long x, long y, long w, long h) {
    for (long py = y; py < y + h; ++py)
        for (long px = x; px < x + w; ++px)
            if (!isCleanColour(f, f.canvas.point(px, py))) return false;
    return true;
}

}  // namespace

// Between the drawing stage and maze making: a start or finish square that does not
// lie on a usable cell moves to the first usable cell from the top-left (start) or
// from the bottom-right (finish, onto the start's cell only when no other is
// usable); a start from which no cell can be carved, and a start found anew whose
// group of cells that fit is not the largest, to the first cell of the largest
// group. Paints nothing.
void Form57::defaultsquares() {
    const long w = wallsizex;
    const long h = wallsizey;
    // A step of 0 (a settings file may hold one) would never leave the scans.
    const long gx = std::max<long>(gridstepx, 1);
    const long gy = std::max<long>(gridstepy, 1);

    const bool startkept = startx1 != startx2 && starty1 != starty2 &&
                           cellUsable(*this, startx1 - 1, starty1 - 1, w, h) && startx1 >= 0 && starty1 >= 0 &&
                           startx2 >= 0 && starty2 >= 0 && !isBorderColour(*this, canvas.point(startx1, starty1));
    if (!startkept) {
        startx1 = starty1 = startx2 = starty2 = -10;
        bool found = false;
        for (long cy = h; cy <= lastrowy && !found; cy += gy) {
            for (long cx = w; cx <= lastcolumnx; cx += gx) {
                if (!isOpenColour(*this, canvas.point(cx + 1, cy + 1)) || !cellUsable(*this, cx, cy, w, h)) continue;
                startx1 = cx + 1;
                starty1 = cy + 1;
                startx2 = startx1 + w - 3;
                starty2 = starty1 + h - 3;
                found = true;
                break;
            }
        }
    }
    // A start the walker cannot carve from would be the whole maze. Moved before the
    // finish is looked at, so that the finish keeps off it; with no room the
    // maze set-up tells the user.
    const CellRect start{startx1, starty1, startx1 + w - 3, starty1 + h - 3};
    if (const auto begin = startkept ? mazebeginning(start) : defaultbeginning(start); begin && *begin != start) {
        startx1 = begin->x1, starty1 = begin->y1, startx2 = begin->x2, starty2 = begin->y2;
    }

    testcount = 0;
    const bool flat = finishx1 == finishx2 || finishy1 == finishy2;
    if (flat || !cellUsable(*this, finishx2 - w + 2, finishy2 - h + 2, w, h) ||
        isBorderColour(*this, canvas.point(finishx1, finishy1)))
        testcount = 1;
    if (testcount != 1 && !(finishx1 == startx1 && finishy1 == starty1)) return;

    // Backwards from below the last lattice row; the first row starts one wall size
    // further right than the rest (one grid step further still at wall size 5).
    // The start's own cell is taken only when no other cell is usable: a finish
    // there would make the solve end where it begins, on a maze of many cells (a
    // settings file may leave the start where this scan meets it first).
    const auto placefinish = [&](long cx, long cy) {
        finishx1 = cx + 1;
        finishy1 = cy + 1;
        finishx2 = cx + w - 2;
        finishy2 = cy + h - 2;
    };
    bool startcellusable = false;
    long cy = lastrowy + gy + (h == 5 ? gy : 0);
    long cx = lastcolumnx + gx - w + (w == 5 ? gx : 0);
    for (; cy + h - 1 >= 0; cy -= gy, cx = lastcolumnx + gx - 2 * w) {
        for (; cx + w - 1 >= 0; cx -= gx) {
            if (!isOpenColour(*this, canvas.point(cx + w - 2, cy + h - 2)) || !cellUsable(*this, cx, cy, w, h)) continue;
            if (cx + 1 == startx1 && cy + 1 == starty1) {
                startcellusable = true;
                continue;
            }
            placefinish(cx, cy);
            return;
        }
    }
    if (startcellusable) placefinish(startx1 - 1, starty1 - 1);
}

}  // namespace tarnwick
