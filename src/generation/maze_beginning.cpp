// Where a new maze begins. A walker that cannot carve from its first cell paints
// nothing, and a maze of that one cell would be placed and solved at once; the
// maze begins instead where it can grow, or not at all.
#include "core/colours.h"
#include "core/maze_room.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

// Wall sizes and grid steps the walker's own lattice has; for any other (a
// settings file may hold one) the first cell is left to the walker.
bool latticeJudged(const State& s) {
    return s.wallsizex == s.wallsizey && s.wallsizex >= 3 && s.gridstepx == s.gridstepy &&
           (s.gridstepx == s.wallsizex || s.gridstepx == 2 * s.wallsizex);
}

}  // namespace

std::optional<CellRect> Form57::mazebeginning(const CellRect& first) {
    if (!latticeJudged(*this)) return first;
    // A maze merged into the drawing is travelled from a cell on it.
    if (isPassageColour(*this, canvas.point(first.x1, first.y1))) return first;
    if (canCarveFrom(*this, canvas, first)) return first;
    return roomiestCell(*this, canvas);
}

// A start the program looked for itself begins in the largest group of cells
// that fit, unless its own group is as large: the first usable cell may lie in
// a corner cut off from the rest of the drawing.
std::optional<CellRect> Form57::defaultbeginning(const CellRect& first) {
    if (!latticeJudged(*this) || isPassageColour(*this, canvas.point(first.x1, first.y1))) return first;
    if (const auto roomier = roomierCell(*this, canvas, first)) return roomier;
    return mazebeginning(first);
}

bool Form57::homewithroom() {
    const CellRect home{homex1, homey1, homex1 + wallsizex - 3, homey1 + wallsizey - 3};
    const auto begin = mazebeginning(home);
    if (!begin) {
        platform.messageBox(noRoomMessageFor(*this, canvas));
        programmode = 0;
        return false;
    }
    if (*begin == home) return true;
    homex1 = startx1 = cellx1 = begin->x1;
    homey1 = starty1 = celly1 = begin->y1;
    homex2 = startx2 = cellx2 = begin->x2;
    homey2 = starty2 = celly2 = begin->y2;
    walkerreach.stale = true;
    return true;
}

}  // namespace tarnwick
