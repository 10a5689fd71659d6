// Carries the solver's walker, or the player, through an underpass in one pass.
// An underpass has no colour of its own: seen from its entry cell it is a cell
// walled ahead and on both flanks with a passage one cell beyond, and the scan
// under the crossed cells looks for the cell where it comes up again.
#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

// Where the short and the long crossing read and paint differently. Long
// underpasses carry a one-pixel line in passage colour on the first grid-line
// pixel at their ends, so tests along the underpass read the second pixel and
// the trail reaches over that line.
struct Form57::CrossingReach {
    long along;                // how far out the scan's end tests and the entry cell's openings read
    bool headingWidensMouth;   // the mouth test reads `along` out on the heading's axis, else one out
    long sampleIn;             // the passage colour is sampled this far inside the box's corner
    bool leftTrailTestAtEdge;  // going left, the trail test reads just outside the entry cell
    long segmentReach;         // the trail segments reach this far beyond the box
    bool trailInFinishSearch;  // a finish search paints the trail even for a player without trail
};

namespace {
constexpr Form57::CrossingReach shortReach{1, false, 1, false, 0, true};
constexpr Form57::CrossingReach longReach{2, true, 0, true, 1, false};
}  // namespace

void Form57::crossunderpasses() {
    maze3dunderpass();
    longunderpasscrossing();
}

void Form57::maze3dunderpass() {
    if (!(mazekind == 2 || (mazekind == 1 && shortunderpasses == 1))) return;
    underpasscrossing(shortReach);
}

void Form57::longunderpasscrossing() {
    if (!(mazekind == 1 && shortunderpasses == 0)) return;
    underpasscrossing(longReach);
}

void Form57::underpasscrossing(const CrossingReach& reach) {
    static constexpr long directions[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& d : directions) crossunderpass(reach, d[0], d[1]);
}

// One direction (dx, dy) of the crossing. The later directions of the same pass
// find no mouth after a crossing: the probe is off their edge, the landing cell
// is open ahead, and a closed box holds the lock of the other axis.
void Form57::crossunderpass(const CrossingReach& reach, long dx, long dy) {
    const bool horizontal = dx != 0;
    const long w = horizontal ? wallsizex : wallsizey;
    // The leading edge of the cell, and a point `out` pixels beyond it in its first row or column.
    const auto lead = [&] { return horizontal ? (dx < 0 ? cellx1 : cellx2) : (dy < 0 ? celly1 : celly2); };
    const auto beyond = [&](long out) {
        return horizontal ? pathpixel(lead() + dx * out, celly1) : pathpixel(cellx1, lead() + dy * out);
    };
    const bool widenend = reach.headingWidensMouth && (horizontal ? stepx != 0 : stepy != 0);
    const bool widenflanks = reach.headingWidensMouth && (horizontal ? stepy != 0 : stepx != 0);
    const long fo = widenflanks ? reach.along : 1;
    const bool flanksclosed = horizontal ? !pathpixel(cellx1, celly1 - fo) && !pathpixel(cellx1, celly2 + fo)
                                         : !pathpixel(cellx1 - fo, celly1) && !pathpixel(cellx2 + fo, celly1);
    testcount = !beyond(widenend ? reach.along : 1) && beyond(w) && flanksclosed ? 1 : 0;
    const bool onedge = horizontal ? probex == lead() : probey == lead();
    const bool locked = horizontal ? underpasslock == 2 : underpasslock == 1;
    if (testcount != 1 || !onedge || locked) return;

    const long keptlock = underpasslock;
    if (!scanunderpass(reach, dx, dy)) {
        // Not an underpass after all: the mouth's shape was a dead end facing a passage.
        underpasslock = keptlock;
        testcount = 0;
        return;
    }

    // The entry cell: its opening, then the trail across it.
    const long e = reach.along;
    testcount = horizontal ? pathpixel(cellx1 - e, celly1) || pathpixel(cellx2 + e, celly1) ||
                                 pathpixel(cellx1, celly1 - 1) || pathpixel(cellx1, celly2 + 1)
                           : pathpixel(cellx1 - 1, celly1) || pathpixel(cellx2 + 1, celly1) ||
                                 pathpixel(cellx1, celly1 - e) || pathpixel(cellx1, celly2 + e);
    const bool searching = endpointoption != 0 && finishfound != 1;
    const bool trail = playoption == 0 || notrail == 0 || (reach.trailInFinishSearch && searching);
    const long r = reach.segmentReach;
    if (testcount == 1) {
        tempcolor = startcolor;
        samplepassagecolor(reach.sampleIn);
        const long cx = centrex(cellx1), cy = centrey(celly1);
        const bool atedge = reach.leftTrailTestAtEdge && dx < 0;
        if (canvas.point(atedge ? cellx1 - 1 : cx + dx, cy + dy) == startcolor) tempcolor = passagecolor;
        if (trail) {
            if (horizontal) trailbox(cellx1 - r, cy, cellx2 + r, cy, tempcolor == startcolor);
            else trailbox(cx, celly1 - r, cx, celly2 + r, tempcolor == startcolor);
        }
    }

    // The jump, and the landing cell.
    if (horizontal) cellx1 = lookx1, cellx2 = lookx2;
    else celly1 = looky1, celly2 = looky2;
    samplepassagecolor(reach.sampleIn);
    ++pathunderpasses;
    if (endpointoption == 2) pathlength += underpasslength;
    const long cx = centrex(cellx1), cy = centrey(celly1);
    tempcolor = startcolor;
    if (canvas.point(cx, cy) == startcolor) {
        // Back through an underpass the trail already crosses: it comes off the path.
        tempcolor = passagecolor;
        pathunderpasses -= 2;
        if (endpointoption == 2) pathlength -= 2 * underpasslength;
    }
    if (trail) {
        const long from = tempcolor == startcolor ? 0 : 1;  // a wipe keeps the centre, where the trail goes on
        if (horizontal) {
            const long nearedge = dx < 0 ? cellx2 + r : cellx1 - r;
            trailbox(cx - dx * from, cy, nearedge, cy, tempcolor == startcolor);
        } else {
            const long nearedge = dy < 0 ? celly2 + r : celly1 - r;
            trailbox(cx, cy - dy * from, cx, nearedge, tempcolor == startcolor);
        }
    }

    if ((playoption == 0 || notrail == 0) && testcount == 1) {
        if (markx != cellx1 || marky != celly1) markx = prevcellx1, marky = prevcelly1;
        if (horizontal) prevcellx1 = cellx1, prevcellx2 = cellx2;
        else prevcelly1 = celly1, prevcelly2 = celly2;
    }
    // One pixel inside the near edge, off the edge the opposite direction would test.
    if (horizontal) probex = (dx < 0 ? cellx2 : cellx1) + dx;
    else probey = (dy < 0 ? celly2 : celly1) + dy;
    stepx = dx, stepy = dy;
}

// From the entry cell one cell at a time under the crossed cells, balancing the
// cells closed towards the entry against those closed ahead, to the landing
// cell or a closed box. Every cell of an underpass is open in its box; a look
// cell that is not (margin, drawing, border or off the surface) means there is
// no underpass, and the scan gives up instead of running on for ever.
bool Form57::scanunderpass(const CrossingReach& reach, long dx, long dy) {
    const bool horizontal = dx != 0;
    const long w = horizontal ? wallsizex : wallsizey;
    const long e = reach.along;
    if (horizontal) lookx1 = cellx1, lookx2 = cellx2;
    else looky1 = celly1, looky2 = celly2;
    underpasslock = 0;
    underpasslength = 0;
    testcount = 1;
    do {
        sidecount = 0;
        ++underpasslength;
        if (horizontal) lookx1 += dx * w, lookx2 += dx * w;
        else looky1 += dy * w, looky2 += dy * w;
        if (horizontal ? !pathpixel(lookx1, celly1) : !pathpixel(cellx1, looky1)) return false;
        const bool flanksclosed = horizontal ? !pathpixel(lookx1, celly1 - 1) && !pathpixel(lookx1, celly2 + 1)
                                             : !pathpixel(cellx1 - 1, looky1) && !pathpixel(cellx2 + 1, looky1);
        const long far = horizontal ? (dx < 0 ? lookx1 : lookx2) : (dy < 0 ? looky1 : looky2);
        const long near = horizontal ? (dx < 0 ? lookx2 : lookx1) : (dy < 0 ? looky2 : looky1);
        const auto endclosed = [&](long end, long out) {
            return horizontal ? !pathpixel(end + out, celly1) : !pathpixel(cellx1, end + out);
        };
        const long s = horizontal ? dx : dy;
        if (endclosed(far, s * e) && flanksclosed) ++testcount, ++sidecount;
        if (endclosed(near, -s * e) && flanksclosed) --testcount, ++sidecount;
        if (sidecount == 2 && testcount == 1) {
            testcount = 0;
            underpasslock = horizontal ? 1 : 2;
        }
    } while (testcount >= 1);
    return true;
}

// The cell's own colour, read `in` pixels inside its box's corner. At the
// smallest wall sizes that pixel is the cell's centre, where a trail through
// the cell covers it; the corner itself lies off every trail line. Keeping the
// colour held instead would wipe this cell in the colour of the one before.
void Form57::samplepassagecolor(long in) {
    long own = canvas.point(cellx1 + in, celly1 + in);
    if (own == startcolor) own = canvas.point(cellx1, celly1);
    if (own != startcolor && own != finishcolor) passagecolor = own;
}

}  // namespace tarnwick
