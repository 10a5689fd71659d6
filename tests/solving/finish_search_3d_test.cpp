#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

// A 3d-maze whose start S is the right end of a short underpass: the tunnel
// leaves S to the left, under the corridor of column 5, to (3, 3). The walker
// comes back into S only through that tunnel and is put one pixel inside S,
// so its probe never stands on S's top-left pixel.
const MazeArt startAtTunnelEnd = {
    "###########",
    "#.#...#...#",
    "#.###.###.#",
    "#...#.#S..#",
    "#####.###.#",
    "#.........#",
    "###########",
};

// The start is a closed box inside an underpass: tunnels leave it to the left,
// to (3, 3), and to the right, to (3, 11). The walker only ever crosses it.
const MazeArt startInsideAnUnderpass = {
    "###############",
    "#.#...#...#...#",
    "#.###.###.###.#",
    "#...#.#S#.#...#",
    "#####.###.###.#",
    "#.............#",
    "###############",
};

// The same maze turned about its diagonal: the tunnel leaves S upwards.
MazeArt transposed(const MazeArt& art) {
    MazeArt t(art[0].size(), std::string(art.size(), '#'));
    for (std::size_t r = 0; r < art.size(); ++r)
        for (std::size_t c = 0; c < art[r].size(); ++c) t[c][r] = art[r][c];
    return t;
}

class FinishSearch3d : public SolvingTest {
protected:
    FinishSearch3d() : SolvingTest(200, 160) {}
    void search(const MazeArt& art, long option) {
        standardColours(form);
        paintMaze(art, 10);
        form.mazekind = 2;
        clean = form.canvas.image();
        form.endpointoption = option;
        form.finishfound = 0;
        form.programmode = 3;
        form.finishx1 = form.finishy1 = form.finishx2 = form.finishy2 = -100;
        platform.setPassBudget(platform.passes() + 100'000);
        try {
            form.solvestage();
        } catch (const ProgramEnd&) {
            ADD_FAILURE() << "the search did not end";
        }
    }
    CellRect finish() const { return {form.finishx1, form.finishy1, form.finishx2, form.finishy2}; }
    Picture clean;
};

// Options 1 and 2 take the farthest cell by path length (a crossing adds
// nothing to it under option 1, its length under option 2); option 3 the cell
// behind the most underpasses, although its way is shorter. Either way the
// search ends, though the walker never stands on the start's top-left pixel,
// and leaves the maze clean.
TEST_F(FinishSearch3d, EndsOnTheBestCellWhenTheStartIsATunnelEnd) {
    struct Case {
        long option;
        Cell finish;
        long length, underpasses;
    };
    for (const bool upright : {false, true}) {
        for (const Case c : {Case{1, {1, 3}, 7, 0}, Case{2, {1, 3}, 7, 0}, Case{3, {1, 1}, 2, 1}}) {
            search(upright ? transposed(startAtTunnelEnd) : startAtTunnelEnd, c.option);
            SCOPED_TRACE(testing::Message() << (upright ? "upwards" : "to the left") << ", option " << c.option);
            EXPECT_EQ(form.programmode, 2);
            EXPECT_EQ(form.finishfound, 1);
            const Cell want = upright ? Cell{c.finish.col, c.finish.row} : c.finish;
            EXPECT_EQ(finish(), box(want));
            EXPECT_EQ(form.bestpathlength, c.length);
            EXPECT_EQ(form.bestunderpasses, c.underpasses);
            EXPECT_TRUE(form.canvas.image() == clean) << "the search left pixels behind";
        }
    }
}

TEST_F(FinishSearch3d, EndsWhenTheStartIsInsideAnUnderpass) {
    search(startInsideAnUnderpass, 1);
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(form.finishfound, 1);
    EXPECT_EQ(finish(), box({1, 3}));
    EXPECT_EQ(form.bestpathlength, 9);
    EXPECT_TRUE(form.canvas.image() == clean) << "the search left pixels behind";
}

}  // namespace
}  // namespace tarnwick::test
