#include <gtest/gtest.h>

#include "core/colours.h"
#include "core/geometry.h"
#include "support/pixel_art.h"

namespace tarnwick {
namespace {

using test::Art;
using test::artOf;
using test::paintArt;

TEST(Lattice, LastPointAndCount) {
    const struct {
        long wall, step;
        double extent;
        long last, count;
    } cases[] = {
        {10, 10, 800, 790, 79}, {10, 20, 800, 770, 39}, {5, 5, 800, 795, 159},
        {10, 10, 600, 590, 59}, {10, 20, 600, 570, 29}, {5, 5, 600, 595, 119},
        {10, 10, 25, 10, 1},    // even the first point fails the test
        {10, 10, 0, 10, 1},     // a minimized window
        {10, 10, 30, 20, 2},    // 20 <= 30 - 10 is the last one allowed
        {10, 10, 805.5, 790, 79},
    };
    for (const auto& c : cases) {
        const long last = lastLatticePoint(c.wall, c.step, c.extent);
        EXPECT_EQ(last, c.last) << c.wall << "/" << c.step << "/" << c.extent;
        EXPECT_EQ(latticeCount(c.wall, c.step, last), c.count) << c.wall << "/" << c.step << "/" << c.extent;
    }
}

TEST(Lattice, StepBelowOneCountsAsOne) {
    EXPECT_EQ(lastLatticePoint(3, 0, 10), 9);
    EXPECT_EQ(lastLatticePoint(3, -5, 10), 9);
    EXPECT_EQ(latticeCount(3, 0, 9), 7);
}

TEST(Cells, DrawingCellAndInsetBox) {
    EXPECT_EQ(drawingCell(10, 20, 10, 10), (CellRect{10, 20, 19, 29}));
    const CellRect box = cellBox(10, 20, 10, 10);
    EXPECT_EQ(box, (CellRect{11, 21, 18, 28}));
    EXPECT_EQ(box.x2, box.x1 + 10 - 3);
}

// Two 3x3 cell boxes of wall size 5 side by side: the span covers both and the grid line.
TEST(Cells, SpanBoxInOneRowAndOneColumn) {
    Canvas canvas(11, 11);
    canvas.setBackColour(0xFFFFFF);
    const CellRect a = cellBox(0, 0, 5, 5), right = cellBox(5, 0, 5, 5), below = cellBox(0, 5, 5, 5);
    spanBox(canvas, right, a, 0);  // order of the two cells does not matter
    spanBox(canvas, a, below, 0x0000FF);
    EXPECT_EQ(artOf(canvas, 0, 0, 11, 11), (Art{
                                               "...........",
                                               ".rrr#####..",
                                               ".rrr#####..",
                                               ".rrr#####..",
                                               ".rrr.......",
                                               ".rrr.......",
                                               ".rrr.......",
                                               ".rrr.......",
                                               ".rrr.......",
                                               "...........",
                                               "...........",
                                           }));
}

TEST(Cells, LeadingEdgeAndProbe) {
    const CellRect box{11, 21, 18, 28};
    EXPECT_EQ(leadingEdge(box, 10, 0), (Pixel{18, 21}));   // right: top-right corner
    EXPECT_EQ(leadingEdge(box, -10, 0), (Pixel{11, 21}));  // left: top-left
    EXPECT_EQ(leadingEdge(box, 0, -10), (Pixel{11, 21}));  // up: top-left
    EXPECT_EQ(leadingEdge(box, 0, 10), (Pixel{11, 28}));   // down: bottom-left

    State s;
    setCurrentCell(s, box);
    s.stepx = 10;
    s.stepy = 0;
    setLeadingEdge(s);
    EXPECT_EQ(s.leadx, 18);
    EXPECT_EQ(s.leady, 21);
    EXPECT_EQ(probe(s, 1), (Pixel{28, 21}));  // top-right corner of the box one to the right
    EXPECT_EQ(probe(s, 2), (Pixel{38, 21}));

    s.stepx = 0;
    s.stepy = -10;
    setLookCell(s, CellRect{31, 41, 38, 48});
    EXPECT_EQ(lookCell(s), (CellRect{31, 41, 38, 48}));
    EXPECT_EQ(s.lookleadx, 31);
    EXPECT_EQ(s.lookleady, 41);
}

// A 3x3 box at (2, 2) in a 7x7 fixture: the ring is the 5x5 square around it.
class RingScan : public ::testing::Test {
protected:
    void SetUp() override {
        setStandardPalette(state);
        for (int k = 1; k <= 16; ++k) setColourClass(state, k, k <= 8);
        for (int k = 1; k <= 16; ++k) state.passagecolors.set(static_cast<std::size_t>(k), 0xFFFFFF);
        setExtraOpenColour(state);
        canvas.setBackColour(0);
    }
    State state;
    Canvas canvas{7, 7};
    const CellRect box{2, 2, 4, 4};
};

TEST_F(RingScan, PassesWhenEveryPixelIsClean) {
    paintArt(canvas, 0, 0, {"yyyyyyy", "y#####y", "y#####y", "y#####y", "y#####y", "y#####y", "yyyyyyy"});
    EXPECT_TRUE(ringScanPasses(state, canvas, box));
}

TEST_F(RingScan, FailsOnAPassageOrNonOpenPixel) {
    for (const Art& art : {Art{".    ", "     ", "     ", "     ", "     "},   // passage at a corner
                           Art{"     ", "     ", "     ", "     ", "    y"},   // border colour
                           Art{"     ", "     ", "  .  ", "     ", "     "}}) {  // passage in the middle
        canvas.setBackColour(0);
        paintArt(canvas, 1, 1, art);
        EXPECT_FALSE(ringScanPasses(state, canvas, box)) << art[0] << "|" << art[4];
    }
}

TEST_F(RingScan, OffTheSurfaceFails) {
    EXPECT_FALSE(ringScanPasses(state, canvas, CellRect{0, 0, 2, 2}));   // the ring reaches x = -1
    EXPECT_FALSE(ringScanPasses(state, canvas, CellRect{4, 4, 6, 6}));   // and x = 7
    EXPECT_TRUE(ringScanPasses(state, canvas, CellRect{1, 1, 5, 5}));
}

}  // namespace
}  // namespace tarnwick
