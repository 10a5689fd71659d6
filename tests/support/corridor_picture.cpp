#include "support/corridor_picture.h"

namespace tarnwick::test {

CorridorPicture corridorPicture(int width, int height, int wall, int stride) {
    UnitLattice lattice(width, height, wall, stride);
    const long units = lattice.across(), unitRows = lattice.down();
    const long half = (units - 2) / 2;
    const long left[2] = {0, half}, right[2] = {half + 3, units - 1};
    lattice.open(0, 0, units - 1, 0);
    for (long k = 1; 3 * k < unitRows; ++k) {
        const long j = 3 * k;
        const bool outer = k % 2 == 1;
        lattice.open(left[0], j, left[1], j);
        lattice.open(right[0], j, right[1], j);
        const long leftJoin = outer ? left[0] : left[1], rightJoin = outer ? right[1] : right[0];
        lattice.open(leftJoin, j - 3, leftJoin, j);
        lattice.open(rightJoin, j - 3, rightJoin, j);
    }
    return lattice.draw();
}

}  // namespace tarnwick::test
