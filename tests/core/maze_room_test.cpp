#include <optional>

#include <gtest/gtest.h>

#include "core/colours.h"
#include "core/maze_room.h"
#include "support/pixel_art.h"

namespace tarnwick {
namespace {

using test::Art;
using test::paintArt;

constexpr long w = 3;  // the smallest cell with a box of its own: one pixel

// Cell maps: one character a drawing cell, scaled up to w by w pixels. '#' black
// (open), 'y' yellow (border), '.' white (passage). The lattice starts one cell in,
// at (w, w), so the first row and column of a map are its margin.
Art scaled(const Art& cells) {
    Art pixels;
    for (const std::string& row : cells) {
        std::string line;
        for (char c : row) line.append(static_cast<std::size_t>(w), c);
        for (long i = 0; i < w; ++i) pixels.push_back(line);
    }
    return pixels;
}

class MazeRoom : public ::testing::Test {
protected:
    MazeRoom() {
        setStandardPalette(state);
        for (int k = 1; k <= 16; ++k) setColourClass(state, k, k <= 8);
        for (int k = 1; k <= 16; ++k) state.passagecolors.set(static_cast<std::size_t>(k), 0xFFFFFF);
        setExtraOpenColour(state);
    }
    // Paints the map on a canvas of its size, for a grid step of `cellsPerStep` cells.
    void draw(const Art& cells, long cellsPerStep = 1) {
        canvas = Canvas(static_cast<int>(cells[0].size() * w), static_cast<int>(cells.size() * w));
        canvas.setScreenOnly(false);
        paintArt(canvas, 0, 0, scaled(cells));
        state.wallsizex = state.wallsizey = w;
        state.gridstepx = state.gridstepy = cellsPerStep * w;
    }
    static CellRect box(long column, long row) { return cellBox(column * w, row * w, w, w); }

    State state;
    Canvas canvas{1, 1};
};

TEST_F(MazeRoom, CarvingNeedsAWholeCleanNeighbour) {
    const struct {
        const char* name;
        Art cells;
        long cellsPerStep;
        bool carves;
    } cases[] = {
        {"a clean cell beside it", {"yyyy", "y##y", "yyyy"}, 1, true},
        {"a clean cell below it", {"yyy", "y#y", "y#y", "yyy"}, 1, true},
        {"border all round", {"yyy", "y#y", "yyy"}, 1, false},
        {"a passage beside it", {"yyyy", "y#.y", "yyyy"}, 1, false},
        {"only the surface's edge beside it", {"yy", "y#"}, 1, false},
        {"a step of two cells, both clean", {"yyyyy", "y###y", "yyyyy"}, 2, true},
        {"a step of two cells, the far one border", {"yyyyy", "y##yy", "yyyyy"}, 2, false},
        {"a step of two cells, the middle one border", {"yyyyy", "y#y#y", "yyyyy"}, 2, false},
    };
    for (const auto& c : cases) {
        draw(c.cells, c.cellsPerStep);
        EXPECT_EQ(canCarveFrom(state, canvas, box(1, 1)), c.carves) << c.name;
    }
}

TEST_F(MazeRoom, TheRoomiestGroupIsTheLargestAndOfEqualOnesTheFirst) {
    const struct {
        const char* name;
        Art cells;
        long cellsPerStep;
        std::optional<CellRect> first;
    } cases[] = {
        // A lone cell first in raster order, then a pair, then three in an L.
        {"largest group", {"yyyyyyyy", "y#yy##yy", "yyyyyyyy", "y#yyyy#y", "y##yyyyy", "yyyyyyyy"}, 1, box(1, 3)},
        {"equal groups", {"yyyyyyyy", "y#y#yyyy", "y#y#yyyy", "yyyyyyyy"}, 1, box(1, 1)},
        {"a passage splits a group", {"yyyyyy", "y#.##y", "yyyyyy"}, 1, box(3, 1)},
        {"no two cells together", {"yyyyyy", "y#y#yy", "yyyyyy", "y#y#yy", "yyyyyy"}, 1, std::nullopt},
        {"nothing open", {"yyyy", "yyyy", "yyyy"}, 1, std::nullopt},
        // Lattice cells two apart join only through a clean cell between them.
        {"a step of two cells", {"yyyyyyyyy", "y#y#y###y", "yyyyyyyyy"}, 2, box(5, 1)},
        {"half a step joins nothing", {"yyyyyyyy", "y#y#y#yy", "y#yyyyyy", "yyyyyyyy"}, 2, std::nullopt},
    };
    for (const auto& c : cases) {
        draw(c.cells, c.cellsPerStep);
        EXPECT_EQ(roomiestCell(state, canvas), c.first) << c.name;
    }
}

}  // namespace
}  // namespace tarnwick
