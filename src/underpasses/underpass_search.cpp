// The underpass search: the look cell walks ahead across the passages that a new
// tunnel would pass under, until it finds a cell to surface in or a reason to
// refuse. It paints nothing and answers only by clearing moveallowed.
#include "core/colours.h"
#include "core/difficulty_levels.h"
#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::findunderpasses() {
    const long w = wallsizex, h = wallsizey;
    const long r = 1 - shortunderpasses, k = 1 + r;  // long underpasses probe two pixels out
    const LevelRules rules = rulesOf(difficultylevel);
    const bool scans = picturedrawing == 1;
    const bool horizontal = direction == 1 || direction == 2;
    auto passage = [this](long x, long y) { return isPassageColour(*this, canvas.point(x, y)); };
    auto clean = [this](long x, long y) { return isCleanColour(*this, canvas.point(x, y)); };
    auto cleanColour = [this](long c) { return isCleanColour(*this, c); };
    auto mazeColour = [this](long c) { return isPassageColour(*this, c) || isOpenColour(*this, c); };
    auto look = [this] { return lookCell(*this); };
    auto advance = [&] { setLookCell(*this, offsetCell(look(), stepx, stepy)); };
    auto outsideSurface = [this](const CellRect& c) {
        return c.x2 < 0 || c.y2 < 0 || c.x1 >= canvas.width() || c.y1 >= canvas.height();
    };
    for (;;) {
        // Without the region scans nothing else stops a look cell that has left the surface.
        if (!scans && outsideSurface(look())) {
            moveallowed = 0;
            return;
        }
        const CellRect next = offsetCell(look(), stepx, stepy);
        const long u = lookleadx + stepx, v = lookleady + stepy;  // leading corner of the next cell
        if (mazekind == 2) {
            // A passage cell with no opening at all is a closed box of an earlier underpass.
            if (passage(lookx1, looky1) && !passage(lookx1 - 1, looky1) && !passage(lookx2 + 1, looky1) &&
                !passage(lookx1, looky1 - 1) && !passage(lookx1, looky2 + 1)) {
                moveallowed = 0;
                return;
            }
            if (!passage(u, v)) {
                // The next cell needs a neighbour the maze can still grow into.
                auto usable = [&](long dx, long dy, long tx, long ty) {
                    if (scans && !regionScanPasses(canvas, offsetCell(next, dx, dy), 1, 1, cleanColour)) return false;
                    const long t = canvas.point(tx, ty);
                    return !isPassageColour(*this, t) && !isBorderColour(*this, t);
                };
                if (!usable(-w, 0, next.x1 - w, v) && !usable(w, 0, next.x1 + w, v) &&
                    !usable(0, -h, u, next.y1 - h) && !usable(0, h, u, next.y2 + h)) {
                    moveallowed = 0;
                    return;
                }
            }
            nocrosses();
            if (moveallowed == 0) return;
        }

        const bool nextPassage = passage(u, v);
        const bool beforePassage = passage(lookx1 - stepx, looky1 - stepy);
        if (!rules.twoPassagesInARow && passage(lookx1, looky1) && nextPassage) moveallowed = 0;

        if (clean(lookx1, looky1) && (!scans || regionScanPasses(canvas, look(), k, k, cleanColour)) &&
            nextPassage && beforePassage) {
            if (rules.singleFreeCell == FreeCellRule::Refuse) {
                moveallowed = 0;
                return;
            }
            if (rules.singleFreeCell == FreeCellRule::StepOver) {
                advance();
                if (mazekind == 2) {
                    nocrosses();
                    if (moveallowed == 0) return;
                }
            }
        }

        // A crossed passage cell closed across the move needs passages on both
        // sides along it; the one ahead, behind a closed grid line, marks an
        // underpass already there.
        const bool lookPassage = passage(lookx1, looky1);
        bool passageAheadBehindWall = false;
        if (lookPassage && horizontal && !passage(lookx1, looky1 - k) && !passage(lookx1, looky2 + k)) {
            const bool right = passage(lookx1 + w, looky1), left = passage(lookx2 - w, looky1);
            if (!right || !left) moveallowed = 0;
            passageAheadBehindWall = direction == 1 ? left : right;
        } else if (lookPassage && !horizontal && !passage(lookx1 - k, looky1) && !passage(lookx2 + k, looky1)) {
            const bool below = passage(lookx1, looky1 + h), above = passage(lookx1, looky2 - h);
            if (!below || !above) moveallowed = 0;
            passageAheadBehindWall = direction == 3 ? above : below;
        }
        const long gapx = direction == 1 ? lookx1 - k : direction == 2 ? lookx2 + k : lookx1;
        const long gapy = direction == 3 ? looky1 - k : direction == 4 ? looky2 + k : looky1;
        if (passageAheadBehindWall && clean(gapx, gapy)) underpasshits += 1 + r;

        // The next look cell: a place to surface, or one more cell to cross.
        advance();
        const bool nowPassage = passage(lookx1, looky1);
        const bool touchesOther = (scans && !regionScanPasses(canvas, look(), k, k, mazeColour)) ||
                                  isBorderColour(*this, canvas.point(lookx1, looky1));
        if (touchesOther) {
            if (!nowPassage) {
                moveallowed = 0;
                return;
            }
        } else if (!nowPassage && clean(lookleadx + stepx, lookleady + stepy) &&
                   (!scans || regionScanPasses(canvas, offsetCell(look(), stepx, stepy), k, k, cleanColour)) &&
                   !passage(lookleadx + 2 * stepx, lookleady + 2 * stepy)) {
            nocrosses();
            return;
        }

        if (!rules.existingUnderpasses && underpasshits > 0) moveallowed = 0;
        if (moveallowed == 0) return;
    }
}

}  // namespace tarnwick
