#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

// One step of the follower: the probe moves from `from` by the heading, then
// chooses the next heading. '.' is passage, '#' wall.
struct TurnCase {
    const char* name;
    Art art;
    Pixel from;
    long stepx, stepy;
    long wantx, wanty;
};

class WallFollowerTurn : public SolvingTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(WallFollowerTurn, ChoosesTheNextHeading) {
    const TurnCase& c = GetParam();
    form.wallsizex = form.wallsizey = 10;
    form.canvas.setBackColour(black);
    paintArt(form.canvas, 0, 0, c.art);
    form.probex = c.from.x, form.probey = c.from.y;
    form.stepx = c.stepx, form.stepy = c.stepy;
    form.cellx1 = form.celly1 = 1, form.cellx2 = form.celly2 = 8;
    form.wallfollowerstep();
    EXPECT_EQ(form.probex, c.from.x + c.stepx);
    EXPECT_EQ(form.probey, c.from.y + c.stepy);
    EXPECT_EQ(form.stepx, c.wantx);
    EXPECT_EQ(form.stepy, c.wanty);
}

const Art room = {
    "######",
    "#....#",
    "#....#",
    "#....#",
    "######",
};

INSTANTIATE_TEST_SUITE_P(
    Headings, WallFollowerTurn,
    ::testing::Values(
        // A wall ahead: turn to the right, keeping the wall on the left.
        TurnCase{"rightIntoCornerTurnsDown", room, {3, 1}, 1, 0, 0, 1},
        TurnCase{"upIntoCornerTurnsRight", room, {1, 2}, 0, -1, 1, 0},
        TurnCase{"downIntoCornerTriesRightThenLeft", room, {4, 2}, 0, 1, -1, 0},
        TurnCase{"leftIntoCornerTriesDownThenUp", room, {2, 3}, -1, 0, 0, -1},
        // The wall on the left ends: turn into the opening.
        TurnCase{"rightWallEndsTurnsUp",
                 {"##...##", "#.....#", "#.....#", "#.....#", "#######"}, {1, 1}, 1, 0, 0, -1},
        TurnCase{"downWallEndsTurnsRight",
                 {"######", "#...##", "#.....", "#.....", "#...##", "######"}, {3, 1}, 0, 1, 1, 0},
        TurnCase{"upWallEndsTurnsLeft",
                 {"######", "##...#", ".....#", ".....#", "##...#", "######"}, {2, 4}, 0, -1, -1, 0},
        TurnCase{"leftWallEndsTurnsDown",
                 {"#######", "#.....#", "#.....#", "#.....#", "##...##"}, {4, 3}, -1, 0, 0, 1},
        // Passage all round: straight on.
        TurnCase{"corridorGoesStraight", {"#######", "#.....#", "#######"}, {1, 1}, 1, 0, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A one-pixel spur: after the turn the pixel ahead is wall on both sides, so the
// probe turns back the way it came instead of stepping into the wall.
TEST_F(SolvingTest, OnePixelSpurSendsTheProbeBack) {
    form.wallsizex = form.wallsizey = 10;
    form.canvas.setBackColour(black);
    const Art spur = {
        "#######",
        "###.###",
        "###.###",
        "#.....#",
        "#.....#",
        "#######",
    };
    paintArt(form.canvas, 0, 0, spur);
    form.probex = 3, form.probey = 3;
    form.stepx = 0, form.stepy = -1;
    form.cellx1 = form.celly1 = 1, form.cellx2 = form.celly2 = 8;
    for (int i = 0; i < 40; ++i) {
        form.wallfollowerstep();
        ASSERT_EQ(form.canvas.point(form.probex, form.probey), white)
            << "step " << i << " put the probe on (" << form.probex << ", " << form.probey << ")";
    }
}

// Right and down change cell on the first pixel of the next box; left and up on
// the first grid-line pixel.
struct TrackCase {
    long wall;
    long probe;       // along the axis of the move; the cell box starts at wall + 1
    bool forward;     // right or down
    long wantStart;   // the cell box's first pixel after the step
};

class CellTracking : public SolvingTest, public ::testing::WithParamInterface<TrackCase> {};

TEST_P(CellTracking, FollowsTheGridLineRule) {
    const TrackCase& c = GetParam();
    form.wallsizex = form.wallsizey = c.wall;
    const long x1 = c.wall + 1 + (c.forward ? 0 : c.wall), x2 = x1 + c.wall - 3;
    for (bool vertical : {false, true}) {
        form.cellx1 = form.celly1 = 100, form.cellx2 = form.celly2 = 100 + c.wall - 3;
        form.probex = form.probey = 100 + 1;
        if (vertical) form.celly1 = x1, form.celly2 = x2, form.probey = c.probe;
        else form.cellx1 = x1, form.cellx2 = x2, form.probex = c.probe;
        form.trackcell();
        EXPECT_EQ(vertical ? static_cast<long>(form.celly1) : static_cast<long>(form.cellx1), c.wantStart)
            << (vertical ? "vertical" : "horizontal") << " probe at " << c.probe;
        EXPECT_EQ(vertical ? static_cast<long>(form.cellx1) : static_cast<long>(form.celly1), 100);
    }
}

INSTANTIATE_TEST_SUITE_P(
    GridLine, CellTracking,
    ::testing::Values(
        // Wall 10: box 11..18, grid line 19 and 20, next box 21..28.
        TrackCase{10, 18, true, 11}, TrackCase{10, 19, true, 11}, TrackCase{10, 20, true, 11},
        TrackCase{10, 21, true, 21}, TrackCase{10, 21, false, 21}, TrackCase{10, 20, false, 11},
        TrackCase{10, 19, false, 11},
        // Wall 5: box 6..8, grid line 9 and 10, next box 11..13.
        TrackCase{5, 9, true, 6}, TrackCase{5, 10, true, 6}, TrackCase{5, 11, true, 11},
        TrackCase{5, 11, false, 11}, TrackCase{5, 10, false, 6}));

// The edge case of a start cell that opens upwards: at wall size 10 the walker
// finds the wall above ended one pixel on and turns up into the opening; at wall
// size 5 the pixel ahead is already the grid line, so it turns down first.
TEST_F(SolvingTest, StartCellOpeningUpwards) {
    const MazeArt maze = {
        "#######",
        "#.#...#",
        "#.#.#.#",
        "#...#S#",
        "#######",
    };
    for (long wall : {10L, 5L}) {
        paintMaze(maze, wall);
        form.probex = form.startx1 + 1, form.probey = form.starty1;
        form.stepx = 1, form.stepy = 0;
        form.cellx1 = form.startx1, form.celly1 = form.starty1, form.cellx2 = form.startx2,
        form.celly2 = form.starty2;
        form.wallfollowerstep();
        EXPECT_EQ(form.probex, form.startx1 + 2);
        EXPECT_EQ(form.stepx, 0) << "wall " << wall;
        EXPECT_EQ(form.stepy, wall == 10 ? -1 : 1) << "wall " << wall;
    }
}

// The left-hand rule on whole cells: from each cell the first open way of left,
// straight on, right and back, starting out heading right.
std::vector<Cell> leftHandCells(const MazeArt& art, Cell from, Cell to) {
    long dr = 0, dc = 1;
    std::vector<Cell> cells{from};
    for (Cell at = from; !(at == to) && cells.size() < 1000;) {
        for (const auto& [tr, tc] : {std::pair{-dc, dr}, {dr, dc}, {dc, -dr}, {-dr, -dc}})
            if (art[at.row + tr][at.col + tc] == '.') {
                dr = tr, dc = tc;
                break;
            }
        at = {at.row + 2 * dr, at.col + 2 * dc};
        cells.push_back(at);
    }
    return cells;
}

struct WalkCase {
    const char* name;
    const MazeArt* maze;
    long wall;
};
void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }

class WallFollowerWalk : public SolvingTest, public ::testing::WithParamInterface<WalkCase> {};

// Pixel by pixel the probe stays on the passage, its cell box is always the one
// its pixel lies in (a grid line belongs to the cell on its left or above), and
// the cells it passes are those the left-hand rule visits, dead ends included.
TEST_P(WallFollowerWalk, VisitsTheCellsOfTheLeftHandRule) {
    const WalkCase& c = GetParam();
    paintMaze(*c.maze, c.wall);
    const long w = c.wall;
    form.probex = form.startx1 + 1, form.probey = form.starty1;
    form.stepx = 1, form.stepy = 0;
    form.cellx1 = form.startx1, form.celly1 = form.starty1, form.cellx2 = form.startx2, form.celly2 = form.starty2;
    const auto cellOfBox = [&] { return Cell{2 * ((form.celly1 - 1 - w) / w) + 1, 2 * ((form.cellx1 - 1 - w) / w) + 1}; };
    std::vector<Cell> passed{startCell};
    for (int step = 0; step < 20'000 && !(passed.back() == finishCell); ++step) {
        form.wallfollowerstep();
        ASSERT_EQ(form.canvas.point(form.probex, form.probey), white) << "step " << step;
        ASSERT_EQ(form.cellx1, w + (form.probex - 1 - w) / w * w + 1) << "step " << step;
        ASSERT_EQ(form.celly1, w + (form.probey - 1 - w) / w * w + 1) << "step " << step;
        ASSERT_EQ(form.cellx2, form.cellx1 + w - 3);
        ASSERT_EQ(form.celly2, form.celly1 + w - 3);
        if (!(cellOfBox() == passed.back())) passed.push_back(cellOfBox());
    }
    EXPECT_EQ(passed, leftHandCells(*c.maze, startCell, finishCell));
}

INSTANTIATE_TEST_SUITE_P(
    Mazes, WallFollowerWalk,
    ::testing::Values(WalkCase{"twisty5", &twisty, 5}, WalkCase{"twisty6", &twisty, 6},
                      WalkCase{"twisty10", &twisty, 10}, WalkCase{"middle5", &startInTheMiddle, 5},
                      WalkCase{"middle7", &startInTheMiddle, 7}, WalkCase{"middle10", &startInTheMiddle, 10},
                      WalkCase{"above5", &finishAbove, 5}, WalkCase{"above10", &finishAbove, 10}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
