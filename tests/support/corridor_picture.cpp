#include "support/corridor_picture.h"

namespace tarnwick::test {

CorridorPicture corridorPicture(int width, int height, int wall, int stride) {
    constexpr std::uint32_t red = 0x0000FF, black = 0x000000;
    CorridorPicture out{Picture(width, height, red), {}};
    // Units are the cells of the layout: every `stride`-th drawing cell that fits whole.
    const long across = (width - wall) / wall, down = (height - wall) / wall;
    const long units = (across - 1) / stride + 1, unitRows = (down - 1) / stride + 1;
    // Opens the drawing cells from unit (i1, j1) to unit (i2, j2), in one row or column.
    auto open = [&](long i1, long j1, long i2, long j2) {
        for (long j = j1 * stride; j <= j2 * stride; ++j)
            for (long i = i1 * stride; i <= i2 * stride; ++i) out.cells.insert({i, j});
    };
    const long half = (units - 2) / 2;
    const long left[2] = {0, half}, right[2] = {half + 3, units - 1};
    open(0, 0, units - 1, 0);
    for (long k = 1; 3 * k < unitRows; ++k) {
        const long j = 3 * k;
        const bool outer = k % 2 == 1;
        open(left[0], j, left[1], j);
        open(right[0], j, right[1], j);
        const long leftJoin = outer ? left[0] : left[1], rightJoin = outer ? right[1] : right[0];
        open(leftJoin, j - 3, leftJoin, j);
        open(rightJoin, j - 3, rightJoin, j);
    }
    for (const auto& [i, j] : out.cells)
        for (long y = wall + j * wall; y < wall + (j + 1) * wall; ++y)
            for (long x = wall + i * wall; x < wall + (i + 1) * wall; ++x)
                out.picture.at(static_cast<int>(x), static_cast<int>(y)) = black;
    return out;
}

}  // namespace tarnwick::test
