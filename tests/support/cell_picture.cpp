#include "support/cell_picture.h"

#include <algorithm>
#include <deque>

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

}  // namespace tarnwick::test
