#pragma once
#include <set>
#include <utility>

#include "core/picture.h"
#include "underpasses/cell_art.h"

namespace tarnwick::test {

using Pixels = std::set<std::pair<long, long>>;
Pixels operator|(Pixels a, const Pixels& b);

// The solver's walker on a cell art, for the underpass crossings.
class CrossingTest : public CellArtTest {
protected:
    static constexpr long startColour = 0xFF00FE, finishColour = 0x808081;

    CrossingTest();

    // The walker (current and previous cell) on a cell, its probe on the
    // cell's edge facing (dx, dy) in its first row or column, heading that way.
    void walkerAt(Cell c, long dx, long dy);
    // The probe moved onto the cell's edge facing (dx, dy), as the wall follower
    // leaves it when it runs into that wall; the heading is left as it is.
    void probeOnEdge(long dx, long dy);

    // Pixels showing the trail colour; a box of pixels (both corners included).
    Pixels trail() const;
    static Pixels segment(long x1, long y1, long x2, long y2);
    long cx(Cell c) const { return box(c).x1 + wall / 2 - 1; }
    long cy(Cell c) const { return box(c).y1 + wall / 2 - 1; }

    // Every pixel as in `before` except those in `changed`.
    void expectUnchangedBut(const Picture& before, const Pixels& changed) const;
};

}  // namespace tarnwick::test
