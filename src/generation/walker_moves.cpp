// The walker's step: its set-up, the hop of a travelling walker, the trap test
// and the move of a regular 2-d maze.
#include "core/colours.h"
#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

Form57::WalkAt Form57::walkstepsetup() {
    setPreviousCell(*this, currentCell(*this));
    stepx = 0;
    stepy = 0;
    if (panelopen == 1) direction = 0;
    switch (direction) {
        case 1: stepx = -wallsizex; break;
        case 2: stepx = wallsizex; break;
        case 3: stepy = -wallsizey; break;
        case 4: stepy = wallsizey; break;
        case 5:
            if (stuckflag != 1) {
                carvemode = -1;
                lastcarvemode = -1;
                return WalkAt::PatternRead;
            }
            break;
        default: break;
    }
    return WalkAt::Next;
}

void Form57::movecell(long k) {
    cellx1 += k * stepx;
    cellx2 += k * stepx;
    celly1 += k * stepy;
    celly2 += k * stepy;
}

// A travelling walker crosses one cell outside every maze area onto the passage behind it.
void Form57::walkhop() {
    if (carvemode != -1 || mazekind != 0 || (stepx == 0 && stepy == 0)) return;
    const long over = canvas.point(cellx1 + stepx, celly1 + stepy);
    if (isOpenColour(*this, over) || isPassageColour(*this, over)) return;
    if (!isPassageColour(*this, canvas.point(cellx1 + 2 * stepx, celly1 + 2 * stepy))) return;
    movecell(2);
    stepx = 0;
    stepy = 0;
}

void Form57::walktraptest() {
    setLeadingEdge(*this);
    notrap1();
}

Form57::WalkAt Form57::walkmove() {
    if (carvemode == 1) {
        const Pixel ahead = probe(*this, 1);
        const long c = canvas.point(ahead.x, ahead.y);
        if (!isPassageColour(*this, c) && !isOpenColour(*this, c)) return WalkAt::Pass;
    }
    if (mazekind != 0) return walk3dstep();
    return walkmove2d();
}

Form57::WalkAt Form57::walkmove2d() {
    const Pixel ahead = probe(*this, 1);
    const long c = canvas.point(ahead.x, ahead.y);
    const bool passageAhead = isPassageColour(*this, c) && carvemode == -1;
    const bool cleanAhead = isCleanColour(*this, c);
    if (!passageAhead && !cleanAhead) return WalkAt::Pass;
    if (!passageAhead) {
        const CellRect next{cellx1 + stepx, celly1 + stepy, cellx2 + stepx, celly2 + stepy};
        if (!ringScanPasses(*this, canvas, next)) return WalkAt::Pass;
    }
    movecell(1);
    // Entering a clean cell starts a new branch: the next passage painting joins it.
    if (!isCleanColour(*this, canvas.point(cellx1, celly1))) return WalkAt::Pass;
    walkcarved();
    if (patternstate == 3 && patternresume == 1 && carvemode == -1) return resumepatterns();
    carvemode = 1;
    return WalkAt::Pass;
}

}  // namespace tarnwick
