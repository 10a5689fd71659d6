// Clean cells behind cells larger than the picture's features: no cell on the
// way fits whole in the open colours, so no walk gets to them, and making still
// ends with them clean.
#include <algorithm>

#include "core/colours.h"
#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

class UnreachableCells : public MakingTest {
protected:
    // Column 5 is open at each cell's corner, but a red stripe three pixels wide
    // runs down the middle of it: the right half can be reached through no cell.
    void paintStripedDrawing(long mazekind) {
        paintDrawing({"S...........",
                      "............",
                      "............",
                      "....F......."});
        const CellRect top = box({5, 0}), bottom = box({5, 3});
        form.canvas.fillBox(top.x1 + 3, top.y1 - 1, top.x1 + 5, bottom.y2 + 1, form.palette[13]);
        form.savesnapshot("drawing1b.bmp");
        form.mazekind = mazekind;
    }
    // A 3d-maze leaves some cells of the left half clean by design.
    void expectOnlyTheLeftCarved() {
        for (long row = 0; row < 4; ++row)
            for (long col = 0; col < 12; ++col) {
                if (col == 5 || drawing[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] == 'F') continue;
                if (col > 5) {
                    EXPECT_FALSE(carved({col, row})) << col << "," << row;
                } else if (form.mazekind == 0) {
                    EXPECT_TRUE(carved({col, row})) << col << "," << row;
                }
            }
    }
};

// The reach knows the stripe: making ends within ordinary passes, far short of
// the carving fallback's bounds.
TEST_F(UnreachableCells, MakingEndsWithoutTheFallback) {
    for (const long kind : {0L, 2L}) {
        SCOPED_TRACE(kind == 0 ? "regular" : "3d");
        paintStripedDrawing(kind);
        ASSERT_TRUE(makeMaze(100'000)) << "making did not end";
        EXPECT_EQ(form.programmode, 2);
        EXPECT_FALSE(form.steeringfallbackused);
        expectOnlyTheLeftCarved();
    }
}

// A reach that cannot tell (here made to accept every cell, with no lattice to
// guide on) leaves the scan waiting on the right half for ever: random steering,
// the fallback's or the user's own, goes on without a carve until the last
// resort ends making.
TEST_F(UnreachableCells, TheLastResortEndsMakingWhenTheReachCannotTell) {
    for (const bool userRandom : {false, true}) {
        SCOPED_TRACE(userRandom ? "random steering chosen by the user" : "the patterns steering");
        paintStripedDrawing(0);
        if (userRandom) form.patternstate = 3, form.patternchoice = 3;
        platform.setFeeder([this](HeadlessPlatform&) { form.walkerreach.filtering = false; });
        const std::uint64_t cells = 20 * 16;
        ASSERT_TRUE(makeMaze(
            (Form57::carvingfallbackpassespercell + Form57::carvinglastresortpassespercell + 100) * cells))
            << "making did not end";
        platform.setFeeder({});
        EXPECT_EQ(form.programmode, 2);
        EXPECT_TRUE(form.givenupeverywhere);
        expectOnlyTheLeftCarved();
    }
}

// With its lattice kept but every cell accepted, the reach still cannot tell:
// the guide finds no way to each cell of the right half and gives it up at once,
// so making ends just past the guide's bound, far short of the last resort's.
TEST_F(UnreachableCells, TheGuideGivesUpOnlyCellsNoWayLeadsTo) {
    paintStripedDrawing(0);
    platform.setFeeder([this](HeadlessPlatform&) {
        if (form.walkerreach.filtering) std::fill(form.walkerreach.cells.begin(), form.walkerreach.cells.end(), 1);
    });
    const std::uint64_t cells = 20 * 16;
    ASSERT_TRUE(makeMaze(Form57::stretchlookpasses + 30 * cells))
        << "making did not end";
    platform.setFeeder({});
    EXPECT_EQ(form.programmode, 2);
    EXPECT_TRUE(form.carvinggivenup);
    EXPECT_FALSE(form.givenupeverywhere);
    expectOnlyTheLeftCarved();
    const Form57::WalkerReach& r = form.walkerreach;
    for (std::size_t q = 0; q < form.walkerguide.givenup.size(); ++q) {
        if (form.walkerguide.givenup[q] == Form57::GivenUp::No) continue;
        const long x = r.originx + static_cast<long>(q) % r.cols * wall, col = (x - wall - 1) / wall;
        EXPECT_GT(col, 5) << "a cell of the left half was given up";
    }
}

}  // namespace
}  // namespace tarnwick::test
