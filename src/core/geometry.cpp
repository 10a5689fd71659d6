#include "core/geometry.h"

#include <algorithm>
#include <cmath>

#include "core/colours.h"

namespace tarnwick {

long lastLatticePoint(long wall, long step, double extent) {
    step = std::max(step, 1L);
    const double limit = extent - static_cast<double>(step);
    if (!(static_cast<double>(wall) + static_cast<double>(step) <= limit)) return wall;
    const double steps = std::floor((limit - static_cast<double>(wall)) / static_cast<double>(step));
    return wall + static_cast<long>(steps) * step;
}

long latticeCount(long wall, long step, long last) { return (last - wall) / std::max(step, 1L) + 1; }

CellRect drawingCell(long x, long y, long w, long h) { return {x, y, x + w - 1, y + h - 1}; }
CellRect cellBox(long x, long y, long w, long h) { return {x + 1, y + 1, x + w - 2, y + h - 2}; }

void spanBox(Canvas& canvas, const CellRect& a, const CellRect& b, long colour) {
    canvas.fillBox(a.x1, a.y1, b.x2, b.y2, colour);
    canvas.fillBox(b.x1, b.y1, a.x2, a.y2, colour);
}

Pixel leadingEdge(const CellRect& box, long stepx, long stepy) {
    return {stepx > 0 ? box.x2 : box.x1, stepy > 0 ? box.y2 : box.y1};
}

Pixel probe(const State& state, long k) {
    return {state.leadx + k * state.stepx, state.leady + k * state.stepy};
}

bool ringScanPasses(const State& state, const Canvas& canvas, const CellRect& box) {
    return regionScanPasses(canvas, box, 1, 1, [&state](long colour) { return isCleanColour(state, colour); });
}

namespace {

// Writes a rectangle into four fields of the state (Nums or plain longs).
template <typename Field>
void store(const CellRect& c, Field& x1, Field& y1, Field& x2, Field& y2) {
    x1 = c.x1;
    y1 = c.y1;
    x2 = c.x2;
    y2 = c.y2;
}

}  // namespace

CellRect currentCell(const State& s) { return {s.cellx1, s.celly1, s.cellx2, s.celly2}; }
void setCurrentCell(State& s, const CellRect& c) { store(c, s.cellx1, s.celly1, s.cellx2, s.celly2); }

CellRect previousCell(const State& s) { return {s.prevcellx1, s.prevcelly1, s.prevcellx2, s.prevcelly2}; }
void setPreviousCell(State& s, const CellRect& c) {
    store(c, s.prevcellx1, s.prevcelly1, s.prevcellx2, s.prevcelly2);
}

CellRect lookCell(const State& s) { return {s.lookx1, s.looky1, s.lookx2, s.looky2}; }
void setLookCell(State& s, const CellRect& c) {
    store(c, s.lookx1, s.looky1, s.lookx2, s.looky2);
    const Pixel lead = leadingEdge(c, s.stepx, s.stepy);
    s.lookleadx = lead.x;
    s.lookleady = lead.y;
}

CellRect startSquare(const State& s) { return {s.startx1, s.starty1, s.startx2, s.starty2}; }
CellRect finishSquare(const State& s) { return {s.finishx1, s.finishy1, s.finishx2, s.finishy2}; }

void setLeadingEdge(State& s) {
    const Pixel lead = leadingEdge(currentCell(s), s.stepx, s.stepy);
    s.leadx = lead.x;
    s.leady = lead.y;
}

}  // namespace tarnwick
