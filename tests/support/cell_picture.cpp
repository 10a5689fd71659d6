#include "support/cell_picture.h"

#include <algorithm>
#include <deque>

#include "core/colours.h"

namespace tarnwick::test {

UnitLattice::UnitLattice(int width, int height, int wall, int stride)
    : width_(width), height_(height), wall_(wall), stride_(stride) {
    const long cellsAcross = (width - wall) / wall, cellsDown = (height - wall) / wall;
    across_ = (cellsAcross - 1) / stride + 1;
    down_ = (cellsDown - 1) / stride + 1;
}

bool UnitLattice::isOpen(long i, long j) const { return cells_.count({i * stride_, j * stride_}) != 0; }

void UnitLattice::open(long i1, long j1, long i2, long j2) {
    for (long j = std::min(j1, j2) * stride_; j <= std::max(j1, j2) * stride_; ++j)
        for (long i = std::min(i1, i2) * stride_; i <= std::max(i1, i2) * stride_; ++i) cells_.insert({i, j});
}

CellPicture UnitLattice::draw() const {
    constexpr std::uint32_t red = 0x0000FF, black = 0x000000;
    CellPicture out{Picture(width_, height_, red), cells_};
    for (const auto& [i, j] : cells_)
        for (long y = wall_ + j * wall_; y < wall_ + (j + 1) * wall_; ++y)
            for (long x = wall_ + i * wall_; x < wall_ + (i + 1) * wall_; ++x)
                out.picture.at(static_cast<int>(x), static_cast<int>(y)) = black;
    return out;
}

std::set<DrawingCell> reachedFrom(const std::set<DrawingCell>& cells, DrawingCell home, DrawingCell finish) {
    std::set<DrawingCell> seen{home};
    std::deque<DrawingCell> todo{home};
    while (!todo.empty()) {
        const DrawingCell c = todo.front();
        todo.pop_front();
        if (c == finish) continue;
        for (const DrawingCell& n : {DrawingCell{c.first - 1, c.second}, DrawingCell{c.first + 1, c.second},
                                     DrawingCell{c.first, c.second - 1}, DrawingCell{c.first, c.second + 1}})
            if (cells.count(n) != 0 && seen.insert(n).second) todo.push_back(n);
    }
    return seen;
}

long carvedGridCells(const State& s, const Picture& shown) {
    long cells = 0;
    for (long y = s.wallsizey; y + s.gridstepy <= shown.height; y += s.gridstepy)
        for (long x = s.wallsizex; x + s.gridstepx <= shown.width; x += s.gridstepx)
            cells += isPassageColour(s, shown.at(static_cast<int>(x + 1), static_cast<int>(y + 1))) ? 1 : 0;
    return cells;
}

std::vector<DrawingCell> reachedUncarved(const CellPicture& drawing, const State& s, const Picture& shown) {
    const long wall = s.wallsizex;
    auto cellOf = [wall](long x, long y) { return DrawingCell{(x - 1) / wall - 1, (y - 1) / wall - 1}; };
    const DrawingCell start = cellOf(s.startx1, s.starty1), finish = cellOf(s.finishx1, s.finishy1);
    std::vector<DrawingCell> uncarved;
    for (const DrawingCell& c : reachedFrom(drawing.cells, cellOf(s.homex1, s.homey1), finish)) {
        const int x = static_cast<int>(wall + c.first * wall + 1), y = static_cast<int>(wall + c.second * wall + 1);
        if (c != start && c != finish && !isPassageColour(s, shown.at(x, y))) uncarved.push_back(c);
    }
    return uncarved;
}

}  // namespace tarnwick::test
