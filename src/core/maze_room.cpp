#include "core/maze_room.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

namespace tarnwick {

namespace {

constexpr long directions[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

bool fits(const State& s, const Canvas& canvas, const CellRect& box) { return ringScanPasses(s, canvas, box); }

// Cells a step spans: 1, or 2 for a grid step of twice the wall size.
long cellsPerStep(const State& s) { return std::max<long>(s.gridstepx / std::max<long>(s.wallsizex, 1), 1); }

// Every cell from the box up to one grid step in direction d, the box itself excepted, fits.
bool stepFits(const State& s, const Canvas& canvas, const CellRect& box, const long* d) {
    for (long k = 1; k <= cellsPerStep(s); ++k)
        if (!fits(s, canvas, offsetCell(box, k * d[0] * s.wallsizex, k * d[1] * s.wallsizey))) return false;
    return true;
}

}  // namespace

bool canCarveFrom(const State& s, const Canvas& canvas, const CellRect& box) {
    return std::any_of(std::begin(directions), std::end(directions),
                       [&](const long* d) { return stepFits(s, canvas, box, d); });
}

std::optional<CellRect> roomiestCell(const State& s, const Canvas& canvas) {
    const long w = s.wallsizex, h = s.wallsizey;
    const long gx = std::max<long>(s.gridstepx, 1), gy = std::max<long>(s.gridstepy, 1);
    const long cols = latticeCount(w, gx, lastLatticePoint(w, gx, canvas.width()));
    const long rows = latticeCount(h, gy, lastLatticePoint(h, gy, canvas.height()));
    if (cols <= 0 || rows <= 0) return std::nullopt;
    auto boxAt = [&](long i, long j) { return cellBox(w + i * gx, h + j * gy, w, h); };
    auto index = [cols](long i, long j) { return static_cast<std::size_t>(j * cols + i); };

    std::vector<std::uint8_t> fitting(static_cast<std::size_t>(cols * rows));
    for (long j = 0; j < rows; ++j)
        for (long i = 0; i < cols; ++i) fitting[index(i, j)] = fits(s, canvas, boxAt(i, j));

    // Each group is met first at its first cell in raster order.
    std::vector<std::uint8_t> grouped(fitting.size());
    long bestSize = 1;
    std::optional<CellRect> best;
    for (long j0 = 0; j0 < rows; ++j0)
        for (long i0 = 0; i0 < cols; ++i0) {
            if (!fitting[index(i0, j0)] || grouped[index(i0, j0)]) continue;
            long size = 0;
            std::deque<std::pair<long, long>> todo{{i0, j0}};
            grouped[index(i0, j0)] = 1;
            while (!todo.empty()) {
                const auto [i, j] = todo.front();
                todo.pop_front();
                ++size;
                for (const auto& d : directions) {
                    const long ni = i + d[0], nj = j + d[1];
                    if (ni < 0 || nj < 0 || ni >= cols || nj >= rows || grouped[index(ni, nj)]) continue;
                    if (!fitting[index(ni, nj)] || !stepFits(s, canvas, boxAt(i, j), d)) continue;
                    grouped[index(ni, nj)] = 1;
                    todo.emplace_back(ni, nj);
                }
            }
            if (size > bestSize) {
                bestSize = size;
                best = boxAt(i0, j0);
            }
        }
    return best;
}

}  // namespace tarnwick
