// The editor's underpass: a 3d or 3d-pipe pattern may pass under its own path.
// The look cell walks across the path until the new passage can come up again,
// under the rules of the difficulty level; then the tunnel is drawn in white
// with the sides of every crossed cell left closed.
#include "core/difficulty_levels.h"
#include "core/geometry.h"
#include "directionpatterns/editor_colours.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::editorunderpass() {
    editorunderpasssearch();
    if (moveallowed == 1) editorunderpassdrawing();
}

// Answers by moveallowed only; the look cell ends on the landing place.
void Form57::editorunderpasssearch() {
    const EditorColours colour(*this);
    const LevelRules rules = rulesOf(difficultylevel);
    const long w = wallsizex, sx = stepx, sy = stepy;
    auto pt = [this](long x, long y) { return canvas.point(x, y); };
    auto path = [&](long x, long y) { return colour.path(pt(x, y)); };
    auto ahead = [&](long k) { return pt(lookx1 + k * sx, looky1 + k * sy); };  // L + k·step
    auto advance = [&] { setLookCell(*this, offsetCell(lookCell(*this), sx, sy)); };
    // A field that does not fit the surface has no yellow border to stop at.
    auto offSurface = [&] { return lookx1 < 0 || looky1 < 0 || lookx1 >= canvas.width() || looky1 >= canvas.height(); };
    auto refused = [&] {
        moveallowed = 0;
    };

    underpasshits = 0;
    setLookCell(*this, offsetCell(currentCell(*this), 2 * sx, 2 * sy));
    for (;;) {
        if (offSurface()) return refused();
        const long lx1 = lookx1, ly1 = looky1, lx2 = lookx2, ly2 = looky2;
        if (mazekind == 2) {
            if (path(lx1, ly1) && !path(lx1 - 1, ly1) && !path(lx2 + 1, ly1) && !path(lx1, ly1 - 1) &&
                !path(lx1, ly2 + 1))
                return refused();
            const long bx = lx1 + sx, by = ly1 + sy;
            if (!path(bx, by) && colour.blocked(pt(bx - w, by)) && colour.blocked(pt(bx + w, by)) &&
                colour.blocked(pt(bx, by - w)) && colour.blocked(pt(bx, ly2 + sy + w)))
                return refused();
            setLookCell(*this, lookCell(*this));
            nocrosses();
            if (moveallowed == 0) return;
        }

        bool a = colour.path(ahead(0)), b = colour.path(ahead(1));
        const bool c = colour.path(ahead(-1));
        if (!rules.twoPassagesInARow && a && b) moveallowed = 0;

        const long here = ahead(0);
        if ((here == colour.navy || here == colour.black) && !a && b && c) {
            if (rules.singleFreeCell == FreeCellRule::Refuse) return refused();
            if (rules.singleFreeCell == FreeCellRule::StepOver) {
                underpasshits = 0;
                advance();
                if (mazekind == 2) {
                    nocrosses();
                    if (moveallowed == 0) return;
                }
            }
        }

        // A crossed path cell closed across the move needs path on both sides along it.
        a = colour.path(ahead(0));
        bool sideR = false, sideL = false, below = false, above = false;
        if (direction == 1 || direction == 2) {
            if (a && !path(lookx1, looky1 - 1) && !path(lookx1, looky2 + 1)) {
                sideR = path(lookx1 + w, looky1);
                sideL = path(lookx2 - w, looky1);
                if (!sideR || !sideL) moveallowed = 0;
            }
        } else if (direction == 3 || direction == 4) {
            if (a && !path(lookx1 - 1, looky1) && !path(lookx2 + 1, looky1)) {
                below = path(lookx1, looky1 + w);
                above = path(lookx1, looky2 - w);
                if (!below || !above) moveallowed = 0;
            }
        }
        // A path cell ahead behind a closed gap is an underpass drawn before.
        auto closedGap = [&](long x, long y) { return pt(x, y) == colour.navy || pt(x, y) == colour.black; };
        if ((direction == 1 && sideL && closedGap(lookx1 - 1, looky1)) ||
            (direction == 2 && sideR && closedGap(lookx2 + 1, looky1)) ||
            (direction == 3 && above && closedGap(lookx1, looky1 - 1)) ||
            (direction == 4 && below && closedGap(lookx1, looky2 + 1)))
            underpasshits = underpasshits + 1;

        advance();
        if (offSurface()) return refused();
        a = colour.path(ahead(0));
        b = colour.path(ahead(1));
        if (ahead(0) == colour.yellow) return refused();
        if (ahead(0) != colour.black && ahead(1) == colour.navy && !a && !b && !colour.path(ahead(2))) return;

        if (!rules.existingUnderpasses && underpasshits > 0) moveallowed = 0;
        if (moveallowed == 0) return;
    }
}

void Form57::editorunderpassdrawing() {
    const EditorColours colour(*this);
    const long sx = stepx, sy = stepy;
    auto path = [&](long x, long y) { return colour.path(canvas.point(x, y)); };
    auto stepOn = [&] {
        setCurrentCell(*this, offsetCell(currentCell(*this), sx, sy));
        mixcolors();
    };
    auto onSurface = [&] { return cellx1 >= 0 && celly1 >= 0 && cellx1 < canvas.width() && celly1 < canvas.height(); };

    if (recordmoves == 1) files.writeLine(1, {direction});
    randomsteps = randomsteps + 1;
    canvas.fillBox(prevcellx1, prevcelly1, prevcellx2, prevcelly2, colour.white);
    mixcolors();
    canvas.fillBox(cellx1, celly1, cellx2 + sx, celly2 + sy, colour.white);
    for (;;) {
        stepOn();
        if (!onSurface()) break;
        if (!path(cellx1, celly1) && !path(cellx1 + sx, celly1 + sy)) {
            if (!path(cellx1 + 2 * sx, celly1 + 2 * sy)) break;
            canvas.fillBox(cellx1, celly1, cellx2 + sx, celly2 + sy, colour.white);
        }
        canvas.fillBox(cellx1, celly1, cellx2, celly2, colour.white);
    }
    canvas.fillBox(cellx1, celly1, cellx2 + sx, celly2 + sy, colour.white);
    canvas.fillBox(cellx1 + sx, celly1 + sy, cellx2, celly2, colour.white);
    stepOn();
    setPreviousCell(*this, currentCell(*this));
}

}  // namespace tarnwick
