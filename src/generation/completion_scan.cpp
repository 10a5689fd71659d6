#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

// A 3d-maze cell U can be entered by a plain step from its neighbour S (one cell
// away by (sx, sy)) unless one of the walker's own refusals applies. Returns the
// refusal count of the entry.
long entryRefusals(Form57& f, long x, long y, long sx, long sy) {
    const Canvas& c = f.canvas;
    const long w = f.wallsizex;
    auto at = [&c](long px, long py) { return c.point(px, py); };
    auto visited = [&f](long colour) { return isPassageColour(f, colour) || colour == f.cursorcolor; };
    const long ax = x + sx * w, ay = y + sy * w;  // S
    const long fx = x - sx * w, fy = y - sy * w;  // F
    if (visited(at(fx, fy)) || !visited(at(ax, ay))) return 1;
    long refusals = 0;
    if ((ax == f.finishx1 && ay == f.finishy1) ||
        (ax == f.startx1 && ay == f.starty1 && (f.homex1 != f.startx1 || f.homey1 != f.starty1)))
        refusals = 1;
    const long own = at(ax, ay);
    // The user's cursor is the walker itself, not a passage cell: its openings
    // show passage colours, never its own, so the tests below would find it
    // closed all round and, on the drawing's edge, refuse every step from it. A
    // maze the user is to carve would then end before the first key. The walker
    // makes its own test when the user steps.
    if (f.creationmode == -1 && own == f.cursorcolor) return refusals;
    // Edge probe of S on the side facing away from U.
    const long backx = sx > 0 ? ax + w - 1 : sx < 0 ? ax - 1 : ax;
    const long backy = sy > 0 ? ay + w - 1 : sy < 0 ? ay - 1 : ay;
    const bool vertical = sx == 0;
    if (at(backx, backy) != own) {
        // S's two sides across the entry: probe and the cell beyond, first left or upper.
        const long sides[2][4] = {
            {vertical ? ax - 1 : ax, vertical ? ay : ay - 1, vertical ? ax - w : ax, vertical ? ay : ay - w},
            {vertical ? ax + w - 1 : ax, vertical ? ay : ay + w - 1, vertical ? ax + w : ax, vertical ? ay : ay + w},
        };
        // A side closed by the picture itself, its grid line still clean and the
        // cell beyond outside the maze colours (a border, the picture's edge),
        // does not stop the walker's step either.
        auto closedByPicture = [&f](long probe, long beyond) {
            return isCleanColour(f, probe) && isBorderColour(f, beyond) && !isPassageColour(f, beyond);
        };
        for (const auto& s : sides) {
            const long probe = at(s[0], s[1]), beyond = at(s[2], s[3]);
            if (probe != own && probe != beyond && !closedByPicture(probe, beyond)) refusals = 1;
        }
    }
    // U's two neighbours across the entry, closed towards U and along the entry.
    for (int side = 0; side < 2; ++side) {
        const long d = side == 0 ? -1 : 1;
        long nx, ny, between[2], along1[2], along2[2];
        if (vertical) {
            nx = x + d * w;
            ny = y;
            between[0] = side == 0 ? x - 1 : x + w - 1;
            between[1] = y;
            along1[0] = nx, along1[1] = y - 1;
            along2[0] = nx, along2[1] = y + w - 1;
        } else {
            nx = x;
            ny = y + d * w;
            between[0] = x;
            between[1] = side == 0 ? y - 1 : y + w - 1;
            along1[0] = x - 1, along1[1] = ny;
            along2[0] = x + w - 1, along2[1] = ny;
        }
        const long n = at(nx, ny);
        if (at(between[0], between[1]) != n && at(along1[0], along1[1]) != n && at(along2[0], along2[1]) != n)
            refusals += 1;
    }
    return refusals;
}

}  // namespace

// The scan starts over, waiting on the cell it found.
void Form57::waitonscancell() {
    scanwaitx = scanx;
    scanwaity = scany;
    scanreset();
}

void Form57::finishmaking() {
    if (scanwaitson(scanx, scany)) waitonscancell();
}

void Form57::advancescan() {
    scanx += gridstepx;
    if (scanx > areawidth) {
        scanx = wallsizex + 1 - gridstepx;
        scany += gridstepy;
    }
}

// A scan round costs a pass a cell of the window. Where the walker's reach is a
// small part of the window (a small drawing in a large one) that would be most
// of a make's passes, all with nothing to carve, so there the scan passes over
// the cells out of reach, which it never waits on, in the same pass. Only where
// a round would cost more than a few passes for each cell carved so far, and
// only once the guide's search has found no cell the scan waits on near the
// walker: the 3d kinds also carve cells the scan does not wait on (by a tunnel,
// or once a passage beside them is painted), and a round that ran out at once
// would end making before the walker got to them.
void Form57::skipscanoutofreach() {
    if (!nocarvablecellnear) return;
    while (scany <= areaheight && !walkercanreach(scanx, scany)) {
        const WalkerReach& r = walkerreach;
        const long lattice = r.cols * r.rows;
        if (r.reached * scanskipshare >= lattice || cellscarved * scanpassespercarve >= lattice) return;
        advancescan();
    }
}

// A clean cell the walker can still carve, as the scan sees it: its box clean,
// in the walker's reach, not given up, and in a 3d maze open to an entry.
bool Form57::scanwaitson(long x, long y) {
    auto visited = [this](long colour) { return isPassageColour(*this, colour) || colour == cursorcolor; };
    const long p = canvas.point(x, y);
    if (!isOpenColour(*this, p) || visited(p)) return false;
    if (picturedrawing == 1) {
        long clean = p;  // runs of one colour are the rule: the scan point's is not asked again
        const bool cellClean = canvas.everyPixel(x - 1, y - 1, x + wallsizex - 2, y + wallsizey - 2, 1, [&](long c) {
            if (c == clean) return true;
            if (visited(c) || !isOpenColour(*this, c)) return false;
            clean = c;
            return true;
        });
        if (!cellClean) return false;
    }
    // A clean cell the walker can never get to would keep the scan going for ever.
    if (givenupeverywhere || !walkercanreach(x, y) || givenupon(x, y)) return false;
    if (mazekind != 2) return true;
    // Entries from below, above, the right and the left.
    static constexpr long sources[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    for (const auto& s : sources)
        if (entersfrom(x, y, s[0], s[1])) return true;
    return false;
}

bool Form57::entersfrom(long x, long y, long sx, long sy) {
    testcount = entryRefusals(*this, x, y, sx, sy);
    return testcount == 0;
}

}  // namespace tarnwick
