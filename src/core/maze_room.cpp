#include "core/maze_room.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "core/colours.h"

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

namespace {

// The fitting cells of the drawing lattice and their groups: cells joined by
// carvable steps, numbered from 1 in the raster order of their first cells.
struct Groups {
    long cols = 0, rows = 0;
    std::vector<long> group;  // per cell, 0 for one that does not fit
    std::vector<long> sizes{0};
    std::vector<CellRect> firsts{CellRect{}};
};

Groups groupsOf(const State& s, const Canvas& canvas) {
    Groups g;
    const long w = s.wallsizex, h = s.wallsizey;
    const long gx = std::max<long>(s.gridstepx, 1), gy = std::max<long>(s.gridstepy, 1);
    g.cols = latticeCount(w, gx, lastLatticePoint(w, gx, canvas.width()));
    g.rows = latticeCount(h, gy, lastLatticePoint(h, gy, canvas.height()));
    if (g.cols <= 0 || g.rows <= 0) return g;
    const long cols = g.cols, rows = g.rows;
    auto boxAt = [&](long i, long j) { return cellBox(w + i * gx, h + j * gy, w, h); };
    auto index = [cols](long i, long j) { return static_cast<std::size_t>(j * cols + i); };

    std::vector<std::uint8_t> fitting(static_cast<std::size_t>(cols * rows));
    for (long j = 0; j < rows; ++j)
        for (long i = 0; i < cols; ++i) fitting[index(i, j)] = fits(s, canvas, boxAt(i, j));
    g.group.assign(fitting.size(), 0);
    for (long j0 = 0; j0 < rows; ++j0)
        for (long i0 = 0; i0 < cols; ++i0) {
            if (!fitting[index(i0, j0)] || g.group[index(i0, j0)]) continue;
            const long number = static_cast<long>(g.sizes.size());
            long size = 0;
            std::deque<std::pair<long, long>> todo{{i0, j0}};
            g.group[index(i0, j0)] = number;
            while (!todo.empty()) {
                const auto [i, j] = todo.front();
                todo.pop_front();
                ++size;
                for (const auto& d : directions) {
                    const long ni = i + d[0], nj = j + d[1];
                    if (ni < 0 || nj < 0 || ni >= cols || nj >= rows || g.group[index(ni, nj)]) continue;
                    if (!fitting[index(ni, nj)] || !stepFits(s, canvas, boxAt(i, j), d)) continue;
                    g.group[index(ni, nj)] = number;
                    todo.emplace_back(ni, nj);
                }
            }
            g.sizes.push_back(size);
            g.firsts.push_back(boxAt(i0, j0));
        }
    return g;
}

// The group holding the cell box, 0 when it is no fitting lattice cell.
long groupOf(const State& s, const Groups& g, const CellRect& box) {
    const long gx = std::max<long>(s.gridstepx, 1), gy = std::max<long>(s.gridstepy, 1);
    const long dx = box.x1 - 1 - s.wallsizex, dy = box.y1 - 1 - s.wallsizey;
    if (dx < 0 || dy < 0 || dx % gx != 0 || dy % gy != 0) return 0;
    const long i = dx / gx, j = dy / gy;
    return i < g.cols && j < g.rows ? g.group[static_cast<std::size_t>(j * g.cols + i)] : 0;
}

// The first of the largest groups; 0 when none holds two cells.
long largestGroup(const Groups& g) {
    long best = 0;
    for (long k = 1; k < static_cast<long>(g.sizes.size()); ++k)
        if (g.sizes[k] > 1 && (best == 0 || g.sizes[k] > g.sizes[best])) best = k;
    return best;
}

}  // namespace

std::optional<CellRect> roomiestCell(const State& s, const Canvas& canvas) {
    const Groups g = groupsOf(s, canvas);
    const long best = largestGroup(g);
    if (best == 0) return std::nullopt;
    return g.firsts[static_cast<std::size_t>(best)];
}

std::optional<CellRect> roomierCell(const State& s, const Canvas& canvas, const CellRect& box) {
    const Groups g = groupsOf(s, canvas);
    const long best = largestGroup(g);
    if (best == 0 || g.sizes[static_cast<std::size_t>(best)] <= g.sizes[static_cast<std::size_t>(groupOf(s, g, box))])
        return std::nullopt;
    return g.firsts[static_cast<std::size_t>(best)];
}

const char* noRoomMessageFor(const State& s, const Canvas& canvas) {
    const auto area = [&](long c) { return isOpenColour(s, c); };
    if (std::none_of(s.palette.begin() + 1, s.palette.end(), area)) return noAreaColourMessage;
    const bool blank = canvas.everyPixel(0, 0, canvas.width() - 1, canvas.height() - 1, 1,
                                         [&](long c) { return !isCleanColour(s, c); });
    return blank ? blankDrawingMessage : noRoomMessage;
}

}  // namespace tarnwick
