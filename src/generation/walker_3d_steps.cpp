// The walker's steps that only 3d-mazes and 3d-pipe-mazes take: the middle cell
// of a pipe step, the tries of a walker stuck before a refused underpass, the
// end of travel in pipe mazes and the 3d move itself.
#include "core/colours.h"
#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

// A pipe passage is painted across its middle cell in that cell's own colour.
void Form57::walkpipemiddle() {
    if (mazekind != 1 || carvemode != 1 || !walkermoved()) return;
    movecell(-1);
    priorpassagecolor = passagecolor;
    mixcolors();
    const CellRect middle = currentCell(*this);
    movecell(1);
    if (passagecolor != priorpassagecolor) spanBox(canvas, currentCell(*this), middle, passagecolor);
}

// A pipe step's middle cell has just taken over passagecolor; the cell the
// walker left keeps the colour chosen for it.
long Form57::colourofcellleft() const {
    return mazekind == 1 && carvemode == 1 && walkermoved() ? priorpassagecolor : static_cast<long>(passagecolor);
}

// Left, right, up, down and the stop code in turn, then travel.
void Form57::walkstucktries() {
    if (stuckflag != 1) return;
    if (panelopen == 0) ++stucktries;
    if (cellx1 != markx || celly1 != marky || stucktries > 5) stuckflag = 0;
    if (stucktries > 5) carvemode = -1;
    if (stuckflag == 1) direction = stucktries;
}

// A travelling pipe walker carves again where both cells ahead are clean.
Form57::WalkAt Form57::walkpipetravelend() {
    if (mazekind != 1 || carvemode != -1) return WalkAt::Next;
    auto clean = [this](long x, long y) { return isCleanColour(*this, canvas.point(x, y)); };
    const Pixel far = probe(*this, 2), near = probe(*this, 1);
    if (!clean(far.x, far.y) || !clean(near.x, near.y)) return WalkAt::Next;
    const CellRect landing = offsetCell(currentCell(*this), 2 * stepx, 2 * stepy);
    for (long y = landing.y1 - 1; y <= landing.y2 + 1; ++y)
        for (long x = landing.x1 - 1; x <= landing.x2 + 1; ++x)
            if (!clean(x, y) || !clean(x - stepx, y - stepy)) return WalkAt::Next;
    if (patternstate == 3 && patternresume == 1 && carvemode == -1) return resumepatterns();
    carvemode = 1;
    return WalkAt::Next;
}

// Directions whose cell at distance d (right, left, down, up) holds a pixel
// outside every maze colour or shows a border colour, and no passage.
int Form57::blockedsides3d(long d) const {
    auto passage = [this](long c) { return isPassageColour(*this, c); };
    auto mazeColour = [this](long c) { return isPassageColour(*this, c) || isOpenColour(*this, c); };
    const CellRect here = currentCell(*this);
    struct Side {
        long dx, dy;
        Pixel p;
    };
    const Side sides[4] = {{d, 0, {cellx2 + d, celly1}},
                           {-d, 0, {cellx1 - d, celly1}},
                           {0, d, {cellx1, celly2 + d}},
                           {0, -d, {cellx1, celly1 - d}}};
    int blocked = 0;
    for (const Side& s : sides) {
        const long p = canvas.point(s.p.x, s.p.y);
        const CellRect cell = offsetCell(here, s.dx, s.dy);
        // The probe's own colour first: a passage there settles the side without the scan.
        if (!passage(p) && (isBorderColour(*this, p) || !regionScanPasses(canvas, cell, 1, 1, mazeColour))) ++blocked;
    }
    return blocked;
}

Form57::WalkAt Form57::walk3dstep() {
    // A carving walker with one way left (the one it came by) travels.
    if (carvemode == 1 &&
        ((mazekind == 1 && blockedsides3d(2 * wallsizex) == 3) || blockedsides3d(wallsizex) == 3))
        carvemode = -1;
    moveallowed = 1;
    underpasstry = 1;
    enum Cell { Passage = 1, Clean = 0, Blocked = 3 };
    Cell far = Blocked, near = Blocked;
    const CellRect here = currentCell(*this);
    const CellRect oneAhead = offsetCell(here, stepx, stepy), twoAhead = offsetCell(here, 2 * stepx, 2 * stepy);
    const Pixel p2 = probe(*this, 2), p1 = probe(*this, 1);
    const long c2 = canvas.point(p2.x, p2.y), c1 = canvas.point(p1.x, p1.y);
    // The scans below only read the picture, so each is made only where its answer
    // is asked: a blocked far cell needs no near one, only a clean way the crossing check.
    if (isPassageColour(*this, c2))
        far = Passage;
    else if (mazekind == 2 || (isOpenColour(*this, c2) && ringScanPasses(*this, canvas, twoAhead)))
        far = Clean;  // a 3d-maze only asks whether a passage lies two ahead
    if (far != Blocked) {
        if (isPassageColour(*this, c1))
            near = Passage;
        else if (isOpenColour(*this, c1) && ringScanPasses(*this, canvas, oneAhead))
            near = Clean;
    }
    bool carve = far == Clean && near == Clean;
    if (carve) {
        declaremmb();
        carve = crossingkind != 1;
    }

    if (carve) {
        crossingkind = 0;
        if (patternstate == 3 && patternresume == 1 && carvemode == -1) return resumepatterns();
        carvemode = 1;
        movecell(mazekind == 1 ? 2 : 1);
        enteredcellx = cellx1;
        enteredcelly = celly1;
        enteredcellcolour = canvas.point(cellx1, celly1);
        canvas.fillBox(cellx1, celly1, prevcellx2, prevcelly2, passagecolor);
        walkcarved();
        underpasstry = 0;
        moveallowed = 0;
    } else {
        // Travelling: onto the passage one ahead, or over one cell onto the passage two ahead.
        crossingkind = 0;
        if (isPassageColour(*this, c2)) crossingkind = 2;
        if (mazekind == 2 && isPassageColour(*this, c1)) crossingkind = 1;
        if (moveallowed == 1 && carvemode == -1 && (crossingkind == 1 || crossingkind == 2)) {
            movecell(mazekind == 1 || crossingkind == 2 ? 2 : 1);
            underpasstry = 0;
        }
        crossingkind = 0;
    }

    if (carvemode == 1 && far == Passage && near == Clean && underpasstry != 0) {
        underpasshits = 0;
        setLookCell(*this, here);
        if (mazekind == 2) nocrosses();
        setLookCell(*this, twoAhead);
        findunderpasses();
        if (moveallowed == 1) digunderpass();
    }
    if (underpasstry != 0 && moveallowed == 0) {
        if (stuckflag != 1) {
            stuckflag = 1;
            stucktries = 0;
            markx = cellx1;
            marky = celly1;
        }
        // With normal paths a refused underpass makes the walker travel at once.
        if (pathsize == 1) {
            carvemode = -1;
            stuckflag = 0;
        }
    }
    return WalkAt::Pass;
}

}  // namespace tarnwick
