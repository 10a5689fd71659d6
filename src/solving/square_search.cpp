#include "shell/form57.h"

namespace tarnwick {

bool Form57::bottomrightsearch(const std::function<bool(long, long)>& take, long& x, long& y) {
    const long w = wallsizex;
    // At wall size 5 the first row and column lie one grid step further out.
    x = lastcolumnx + gridstepx - w + (wallsizex == 5 ? gridstepx * 1L : 0L);
    y = lastrowy + gridstepy + (wallsizey == 5 ? gridstepy * 1L : 0L);
    if (gridstepx <= 0 || gridstepy <= 0) return false;  // no lattice: nothing to walk
    while (y + wallsizey - 1 >= 0) {
        if (take(x, y)) return true;
        x -= gridstepx;
        if (x + w - 1 < 0) {
            x = lastcolumnx + gridstepx - 2 * w;
            y -= gridstepy;
        }
    }
    return false;
}

bool Form57::latticeraster(const std::function<bool(long, long)>& take) {
    if (gridstepx <= 0 || gridstepy <= 0) return false;
    for (long y = wallsizey; y <= lastrowy; y += gridstepy)
        for (long x = wallsizex; x <= lastcolumnx; x += gridstepx)
            if (take(x, y)) return true;
    return false;
}

bool Form57::boxall(long x1, long y1, long x2, long y2, const std::function<bool(long)>& test) const {
    for (long y = y1; y <= y2; ++y)
        for (long x = x1; x <= x2; ++x)
            if (!test(canvas.point(x, y))) return false;
    return true;
}

}  // namespace tarnwick
