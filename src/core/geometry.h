#pragma once

#include "core/canvas.h"
#include "core/state.h"

namespace tarnwick {

// Inclusive pixel rectangle of a cell.
struct CellRect {
    long x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const CellRect&) const = default;
};

struct Pixel {
    long x = 0, y = 0;
    bool operator==(const Pixel&) const = default;
};

// Drawing lattice along one axis: points wall + i*step. The last one is the
// largest such point <= extent - step, or the first point when even that fails.
// A step below 1 counts as 1, so no walk over the lattice can stall.
long lastLatticePoint(long wall, long step, double extent);
long latticeCount(long wall, long step, long last);

// The w by h drawing cell at a lattice point, and the cell box inset one pixel in it.
CellRect drawingCell(long x, long y, long w, long h);
CellRect cellBox(long x, long y, long w, long h);

// The rectangle moved by (dx, dy).
inline CellRect offsetCell(const CellRect& c, long dx, long dy) { return {c.x1 + dx, c.y1 + dy, c.x2 + dx, c.y2 + dy}; }

// Two filled boxes (a.x1, a.y1)-(b.x2, b.y2) and (b.x1, b.y1)-(a.x2, a.y2): for cells
// in one row or column, the rectangle holding both boxes and the grid line between.
void spanBox(Canvas& canvas, const CellRect& a, const CellRect& b, long colour);

// The corner of the box on the side of a move by (stepx, stepy).
Pixel leadingEdge(const CellRect& box, long stepx, long stepy);
// The pixel k cells ahead of the current cell's leading edge (leadx, leady).
Pixel probe(const State& state, long k);

// Every pixel of the box grown by one on each side is clean (open, no passage).
bool ringScanPasses(const State& state, const Canvas& canvas, const CellRect& box);

// Samples the box grown by `ring` on each side every `stride` pixels, row by row
// from the top; false at the first pixel whose colour fails `test`, which
// judges a colour alone: a run of the colour that passed last is not asked again.
template <class Test>
bool regionScanPasses(const Canvas& canvas, const CellRect& box, long ring, long stride, Test&& test) {
    bool seen = false;
    long passed = 0;
    return canvas.everyPixel(box.x1 - ring, box.y1 - ring, box.x2 + ring, box.y2 + ring, stride, [&](long colour) {
        if (seen && colour == passed) return true;
        if (!test(colour)) return false;
        seen = true;
        passed = colour;
        return true;
    });
}

// The cell rectangles held in the state, as CellRects.
CellRect currentCell(const State& state);
void setCurrentCell(State& state, const CellRect& cell);
CellRect previousCell(const State& state);
void setPreviousCell(State& state, const CellRect& cell);
CellRect lookCell(const State& state);
// Also sets the look cell's leading edge (lookleadx, lookleady) for the current step.
void setLookCell(State& state, const CellRect& cell);
CellRect startSquare(const State& state);
CellRect finishSquare(const State& state);

// leadx, leady from the current cell and the step.
void setLeadingEdge(State& state);

}  // namespace tarnwick
