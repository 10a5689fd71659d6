#include "core/colours.h"
#include "shell/form57.h"
#include "shell/snapshot_store.h"

namespace tarnwick {

long Form57::centrex(long x1) const { return x1 + wallsizex / 2 - 1; }
long Form57::centrey(long y1) const { return y1 + wallsizey / 2 - 1; }

// testcount := 1 when the previous cell box opens on a side. A closed one is only
// met around an underpass, where the walker jumped; long underpasses have a
// one-pixel line at their ends, so the test along the jump reads one pixel further.
void Form57::previouscellopensides() {
    if (mazekind == 0) {
        testcount = 1;
        return;
    }
    const bool longunderpasses = mazekind == 1 && shortunderpasses == 0;
    const long ex = longunderpasses && cellx1 != prevcellx1 ? 2 : 1;
    const long ey = longunderpasses && celly1 != prevcelly1 ? 2 : 1;
    testcount = 0;
    if (pathpixel(prevcellx1 - ex, prevcelly1) || pathpixel(prevcellx2 + ex, prevcelly1) ||
        pathpixel(prevcellx1, prevcelly1 - ey) || pathpixel(prevcellx1, prevcelly2 + ey))
        testcount = 1;
}

// One segment from the previous cell's centre to the current one's: drawn in
// startcolor, or wiped when the walker stepped back onto its trail.
void Form57::solutiontrail() {
    const bool moved = cellx1 != prevcellx1 || celly1 != prevcelly1;
    if (testcount != 0 && moved) ++pathlength;
    const bool onsquare = (cellx1 == startx1 && celly1 == starty1) || (cellx1 == finishx1 && celly1 == finishy1);
    const long own = canvas.point(cellx1, celly1);
    if (!onsquare && own != startcolor && own != finishcolor) passagecolor = own;
    if (canvas.point(centrex(cellx1), centrey(celly1)) == startcolor && testcount != 0) {
        tempcolor = passagecolor;
        if (moved) pathlength -= 2;
    }
    if (!moved) return;
    if (testcount == 1) trailsegment();
    if (testcount == 0) trailthroughclosedcell();
}

void Form57::trailsegment() {
    trailbox(centrex(prevcellx1), centrey(prevcelly1), centrex(cellx1), centrey(celly1), tempcolor == startcolor);
}

void Form57::trailbox(long x1, long y1, long x2, long y2, bool draw) {
    if (draw)
        trailunder.draw(canvas, x1, y1, x2, y2, startcolor, [this](long held) { return !isPathColour(*this, held); });
    else
        trailunder.wipe(canvas, x1, y1, x2, y2);
}

void Form57::placedmazeagain() {
    paintsnapshot(snapshot::placedmaze);
    trailunder.clear();
}

// Out of a cell closed on every side (an underpass jump): straight lines through it.
void Form57::trailthroughclosedcell() {
    const long cx = centrex(cellx1), cy = centrey(celly1);
    const long e = 1 - shortunderpasses;
    long besidex = cx, besidey = cy;
    if (prevcellx1 > cellx1) besidex = cx + 1 + e;
    if (prevcellx1 < cellx1) besidex = cx - 1 - e;
    if (prevcelly1 > celly1) besidey = cy + 1 + e;
    if (prevcelly1 < celly1) besidey = cy - 1 - e;
    closedcelllines(canvas.point(besidex, besidey) == startcolor);
}

// Along the axis of the jump: across the closed cell's centre row for a jump of
// more than one cell sideways, down its centre column for any change of row.
void Form57::closedcelllines(bool draw) {
    const long ends = mazekind == 1 && shortunderpasses == 0 ? 1 : 0;
    if (cellx1 < prevcellx1 - wallsizex || cellx1 > prevcellx1 + wallsizex)
        trailbox(prevcellx1 - ends, centrey(prevcelly1), prevcellx2 + ends, centrey(prevcelly1), draw);
    if (celly1 != prevcelly1)
        trailbox(centrex(prevcellx1), prevcelly1 - ends, centrex(prevcellx1), prevcelly2 + ends, draw);
}

}  // namespace tarnwick
