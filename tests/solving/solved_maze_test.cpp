#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

// The end of a finish search: the trail stubs that still leave the start cell
// are wiped, the start square goes, and a trail beyond the neighbours stays.
class EndSolution : public SolvingTest, public ::testing::WithParamInterface<long> {};

TEST_P(EndSolution, WipesTheStubsAroundTheStart) {
    const MazeArt plus = {
        "###########",
        "#####.#####",
        "#####.#####",
        "#....S....#",
        "#####.#####",
        "#####.#####",
        "###########",
    };
    paintMaze(plus, GetParam());
    const Picture clean = form.canvas.image();
    const auto segment = [&](Cell a, Cell b) {
        const Pixel p = centre(a), q = centre(b);
        form.canvas.fillBox(p.x, p.y, q.x, q.y, form.startcolor);
    };
    for (Cell n : {Cell{1, 5}, Cell{5, 5}, Cell{3, 3}, Cell{3, 7}}) segment(startCell, n);
    segment({3, 7}, {3, 9});  // the trail goes on beyond the right neighbour
    const CellRect s = box(startCell);
    form.canvas.fillBox(s.x1, s.y1, s.x2, s.y2, form.startcolor);

    form.endsolution();

    // What stays: the segment beyond the right neighbour's centre point.
    const Pixel from = centre({3, 7}), to = centre({3, 9});
    std::set<std::pair<long, long>> beyond;
    for (long x = from.x + 1; x <= to.x; ++x) beyond.insert({x, from.y});
    EXPECT_EQ(pixelsOf(startShifted), beyond);
    for (long y = 0; y < form.canvas.height(); ++y)
        for (long x = 0; x < form.canvas.width(); ++x) {
            if (beyond.count({x, y})) continue;
            ASSERT_EQ(form.canvas.point(x, y), static_cast<long>(clean.at(x, y))) << x << ", " << y;
        }
}

INSTANTIATE_TEST_SUITE_P(WallSizes, EndSolution, ::testing::Values(5L, 6L, 10L));

// A side without a trail stub is left alone (below the start the line is drawn
// whenever the gap is a passage, which repaints the passage in its own colour).
TEST_F(SolvingTest, EndSolutionLeavesSidesWithoutTrail) {
    paintMaze({"#######", "#S....#", "#######"}, 10);
    const Picture clean = form.canvas.image();
    form.canvas.fillBox(form.startx1, form.starty1, form.startx2, form.starty2, form.startcolor);
    form.endsolution();
    EXPECT_TRUE(form.canvas.image() == clean);
}

class SolvedMaze : public SolvingTest {
protected:
    void SetUp() override {
        paintMaze({"#######", "#S..F.#", "#######"}, 10);
        form.cellx1 = form.finishx1, form.celly1 = form.finishy1, form.cellx2 = form.finishx2,
        form.celly2 = form.finishy2;
        form.prevcellx1 = form.startx1, form.prevcelly1 = form.starty1, form.prevcellx2 = form.startx2,
        form.prevcelly2 = form.starty2;
    }
};

TEST_F(SolvedMaze, CaptionFollowsTheTickAndTheLastSegmentIsDrawn) {
    form.ui.setChecked("playmodeoff", false);
    form.solvedmaze();
    EXPECT_EQ(form.ui.window().caption, "The Quillary Tarnwick-(user has solved maze)");
    EXPECT_EQ(form.programmode, 4);
    EXPECT_EQ(form.testcount, 1);
    const Pixel p = centre(startCell), f = centre(finishCell);
    EXPECT_EQ(form.lastsegmentx, p.x);
    for (long x = p.x; x <= f.x; ++x) EXPECT_EQ(form.canvas.point(x, p.y), startShifted) << x;
    EXPECT_EQ(form.ui.window().state, WindowState::Normal);
}

TEST_F(SolvedMaze, AutoMinimizeBringsTheWindowBack) {
    form.autominimizeon = 1;
    form.ui.setWindowState(WindowState::Minimized);
    const auto focus = form.ui.window().focusRequests;
    form.solvedmaze();
    EXPECT_EQ(form.ui.window().state, WindowState::Maximized);
    EXPECT_EQ(form.ui.window().focusRequests, focus + 1);
    EXPECT_EQ(form.ui.window().caption, "The Quillary Tarnwick-(computer has solved maze)");
}

// A player without trail: the cell left gets its colour back, no segment is drawn.
TEST_F(SolvedMaze, PlayerWithoutTrailDrawsNoSegment) {
    form.playoption = 1;
    form.notrail = 1;
    form.canvas.fillBox(form.prevcellx1, form.prevcelly1, form.prevcellx2, form.prevcelly2, 0x123456);
    form.solvedmaze();
    const Pixel between = centre({1, 3});
    EXPECT_EQ(form.canvas.point(between.x, between.y), white);
    // The start square is painted again all the same.
    EXPECT_EQ(form.canvas.point(form.startx1, form.starty1), startShifted);
}

// In a 3d-maze the finish reached by a jump out of a closed cell: a line across
// that cell along the jump, and no segment from it.
TEST_F(SolvingTest, SolvedByAJumpOutOfAClosedCell) {
    paintMaze({"#########", "#.#S#.#F#", "#########"}, 10);
    form.mazekind = 2;
    const CellRect prev = box({1, 3});
    form.prevcellx1 = prev.x1, form.prevcelly1 = prev.y1, form.prevcellx2 = prev.x2, form.prevcelly2 = prev.y2;
    const CellRect fin = box(finishCell);
    form.cellx1 = fin.x1, form.celly1 = fin.y1, form.cellx2 = fin.x2, form.celly2 = fin.y2;
    form.solvedmaze();
    EXPECT_EQ(form.testcount, 0);
    const long row = centre({1, 3}).y;
    for (long x = prev.x1; x <= prev.x2; ++x) EXPECT_EQ(form.canvas.point(x, row), startShifted);
    const Pixel between = centre({1, 5});
    EXPECT_EQ(form.canvas.point(between.x, between.y), white);
}

}  // namespace
}  // namespace tarnwick::test
