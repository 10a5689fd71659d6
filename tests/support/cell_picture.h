#pragma once
#include <set>
#include <utility>
#include <vector>

#include "core/picture.h"
#include "core/state.h"

namespace tarnwick::test {

// A drawing of open (black) cells in a picture of a border colour (red), on the
// lattice of drawing cells `wall` pixels wide from (wall, wall).
using DrawingCell = std::pair<long, long>;  // (column, row)
struct CellPicture {
    Picture picture;
    std::set<DrawingCell> cells;  // the open drawing cells
};

// A layout drawn on units: every `stride`-th drawing cell that fits whole. With
// `stride` 2 the units are a 3d-pipe maze's lattice and neighbouring units are
// joined through the cell between, so a corridor one unit wide is one cell of
// that maze wide.
class UnitLattice {
public:
    UnitLattice(int width, int height, int wall, int stride);

    long across() const { return across_; }
    long down() const { return down_; }
    bool inside(long i, long j) const { return i >= 0 && j >= 0 && i < across_ && j < down_; }
    bool isOpen(long i, long j) const;
    // Opens every drawing cell from unit (i1, j1) to unit (i2, j2): a corridor
    // along a row or column, or a block.
    void open(long i1, long j1, long i2, long j2);
    void open(long i, long j) { open(i, j, i, j); }

    CellPicture draw() const;

private:
    int width_, height_, wall_, stride_;
    long across_, down_;
    std::set<DrawingCell> cells_;
};

// The open cells a walk gets to from `home` from neighbour to neighbour without
// passing `finish`, which sends the walker home: cells behind the finish are
// never waited on.
std::set<DrawingCell> reachedFrom(const std::set<DrawingCell>& cells, DrawingCell home, DrawingCell finish);

// Read back from a made maze's pixels (`shown`, the whole window) with the
// program's settings. The cells of the maze's own grid (every grid step from
// the wall size, so a 3d-pipe maze counts the cells it turns in) that show a
// passage colour.
long carvedGridCells(const State& state, const Picture& shown);
// The cells of `drawing`, laid on the lattice of the state's wall size, that a
// walk from home reaches (see reachedFrom) and that show no passage colour, the
// start and finish squares aside.
std::vector<DrawingCell> reachedUncarved(const CellPicture& drawing, const State& state, const Picture& shown);

}  // namespace tarnwick::test
