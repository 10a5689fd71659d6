#include <algorithm>

#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

struct AxisLattice {
    long last = 0;
    long count = 1;
};

AxisLattice walkAxis(long wall, long step, long extent) {
    const long last = lastLatticePoint(wall, step, static_cast<double>(extent));
    return {last, latticeCount(wall, step, last)};
}

// The number (from 1) of the lattice point at `edge`; `kept` when no point lies there.
long pointNumber(long edge, long wall, long step, const AxisLattice& axis, long kept) {
    step = std::max(step, 1L);
    if (edge < wall || edge > axis.last || (edge - wall) % step != 0) return kept;
    return (edge - wall) / step + 1;
}

}  // namespace

// Recomputes the lattice, the centre-jump point and the mirror rectangle along an
// axis whose surface extent changed or after `gridchanged`. Returns false when the
// event run inside it ended the stage. The mirror takes the cursor's size as it is
// now: a resize key in this pass's event runs must not leave it a cell short.
bool Form57::updatelattice() {
    if (canvas.width() != areawidth || gridchanged == 1) {
        if (!drawingeventrun()) return false;
    }
    // The walk starts only now, so an event run that changed the wall size or
    // ended the stage never leaves a lattice of one size started on another.
    recomputelattice();
    return true;
}

void Form57::recomputelattice() {
    if (canvas.width() != areawidth || gridchanged == 1) {
        const long width = canvas.width();
        const AxisLattice columns = walkAxis(wallsizex, gridstepx, width);
        lastcolumnx = columns.last;
        gridcols = columns.count;
        centerx = pointNumber(cellx1, wallsizex, gridstepx, columns, centerx);
        const long spanx = cellx2 - cellx1;
        mirrorx1 = lastcolumnx - centerx * gridstepx + wallsizex - spanx - 1;
        if (mazekind == 1) mirrorx1 += gridstepx;
        mirrorx2 = mirrorx1 + spanx;
        centerx = gridstepx * ((gridcols - 1) / 2) - wallsizex;
    }
    if (canvas.height() != areaheight || gridchanged == 1) {
        const AxisLattice rows = walkAxis(wallsizey, gridstepy, canvas.height());
        lastrowy = rows.last;
        gridrows = rows.count;
        centery = pointNumber(celly1, wallsizey, gridstepy, rows, centery);
        const long spany = celly2 - celly1;
        mirrory1 = lastrowy - centery * gridstepy + wallsizey - spany - 1;
        if (wallsizey == 5) mirrory1 += gridstepy;
        if (mazekind == 1) mirrory1 += gridstepy;
        mirrory2 = mirrory1 + spany;
        centery = gridstepy * ((gridrows - 1) / 2) - wallsizey;
    }
    areawidth = canvas.width();
    areaheight = canvas.height();
    if (mazekind == 1) {
        gridstepy = 2 * wallsizey;
        gridstepx = 2 * wallsizex;
    }
}

}  // namespace tarnwick
