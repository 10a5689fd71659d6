// The dig: a tunnel from the walker's cell straight on under the passages ahead
// to the cell where it surfaces. Crossed passages are left as they are; long
// underpasses get one-pixel marks at the ends of the boxes painted along them.
#include "core/colours.h"
#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {
long sign(long v) { return (v > 0) - (v < 0); }
}  // namespace

// The line one pixel outside the box of the cell k ahead, on the side (sx, sy) points to.
void Form57::undermark(long k, long sx, long sy) {
    if (shortunderpasses != 0) return;
    const CellRect b = offsetCell(currentCell(*this), k * stepx, k * stepy);
    if (sx != 0) {
        const long x = sx > 0 ? b.x2 + 1 : b.x1 - 1;
        canvas.line(x, b.y1, x, b.y2 + 1, passagecolor);
    } else {
        const long y = sy > 0 ? b.y2 + 1 : b.y1 - 1;
        canvas.line(b.x1, y, b.x2 + 1, y, passagecolor);
    }
}

// A passage colour for the cell k ahead, with the walker's box put back.
void Form57::mixcolorsahead(long k) {
    movecell(k);
    mixcolors();
    movecell(-k);
}

void Form57::digunderpass() {
    const long sx = sign(stepx), sy = sign(stepy);
    auto cellAhead = [this](long k) { return offsetCell(currentCell(*this), k * stepx, k * stepy); };
    auto passage = [this](long x, long y) { return isPassageColour(*this, canvas.point(x, y)); };
    // A free cell among the crossed passages becomes a closed box.
    auto closeFreeCell = [&] {
        if (passage(cellx1, celly1)) return;
        paintcellbox(passagecolor);
        undermark(0, sx, sy);
        undermark(0, -sx, -sy);
    };
    auto advanceLead = [this](long k) {
        movecell(k);
        setLeadingEdge(*this);
    };

    mixcolorsahead(1);
    spanBox(canvas, currentCell(*this), cellAhead(1), passagecolor);
    mixcolors();
    spanBox(canvas, previousCell(*this), currentCell(*this), passagecolor);
    mixcolors2();
    paintprevcellbox(passagecolor);
    undermark(1, sx, sy);
    for (;;) {
        advanceLead(1);
        mixcolors();
        const Pixel p1 = probe(*this, 1), p2 = probe(*this, 2);
        if (!passage(p1.x, p1.y) && !passage(p2.x, p2.y)) {
            if (!passage(cellx1 + 3 * stepx, celly1 + 3 * stepy)) break;
            // Two free cells before the next passage: one passage joining both.
            mixcolorsahead(2);
            spanBox(canvas, cellAhead(1), cellAhead(2), passagecolor);
            mixcolorsahead(1);
            const CellRect one = cellAhead(1);
            canvas.fillBox(one.x1, one.y1, one.x2, one.y2, passagecolor);
            setLeadingEdge(*this);
        }
        closeFreeCell();
        advanceLead(1);
        mixcolors();
        closeFreeCell();
        advanceLead(-1);
    }
    // The tunnel surfaces: the two cells ahead become the landing.
    spanBox(canvas, cellAhead(1), cellAhead(2), passagecolor);
    movecell(1);
    mixcolors();
    spanBox(canvas, currentCell(*this), cellAhead(1), passagecolor);
    undermark(0, -sx, -sy);
    movecell(1);
    mixcolors();
    // The walker may never leave the landing carving (it can be a dead end),
    // so its box takes its own colour now rather than the cell's before it.
    paintcellbox(passagecolor);
    setPreviousCell(*this, currentCell(*this));
    walkcarved();
}

}  // namespace tarnwick
