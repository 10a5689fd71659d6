// A 3d-maze's completion scan passes over clean cells that no passage borders
// yet. When a carve beside such a cell comes after the sweep has passed it, the
// sweep must go round again: ended there, it would end making with the walker
// still at work beside a cell it can carve.
#include "core/colours.h"
#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

constexpr long passage = 0xF0E001;

class OvertakenSweep : public MakingTest {
protected:
    void make3d(const Drawing& d, long level, std::uint64_t seed) {
        paintDrawing(d);
        form.mazekind = 2;
        form.difficultylevel = level;
        form.pathsize = 1;
        form.random.seed(seed);
    }
    void carve(LatticeCell c) {
        const CellRect b = box(c);
        form.canvas.fillBox(b.x1, b.y1, b.x2, b.y2, passage);
    }
    bool scanAtItsStart() const {
        return form.scanx == form.wallsizex + 1 - form.gridstepx && form.scany == form.wallsizey + 1 - form.gridstepy;
    }
};

// The walker has just carved (2, 1); the scan stands on the surface's last
// lattice point, so its next step ends the sweep. Whether making ends there
// follows from the cell beside the carve: one the sweep passed and that is still
// clean sends the sweep round again; with none, making ends.
TEST_F(OvertakenSweep, GoesRoundAgainOnlyForACarveBesideACellItPassed) {
    const struct {
        const char* name;
        const char* middleRow;  // row 1 of the drawing; the walker stands on (2, 1)
        bool roundAgain;
    } cases[] = {
        {"a clean cell beside the carve", "..P...", true},
        {"only border and passage beside the carve", ".RPR..", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string middle = c.middleRow;
        for (char& k : middle) k = k == 'P' ? '.' : k;
        make3d({"RRRRRR", middle, "RRRRRR", "S....F"}, 4, 1);
        for (long col = 0; col < 6; ++col)
            if (c.middleRow[col] == 'P') carve({col, 1});
        form.cellx1 = box({2, 1}).x1, form.celly1 = box({2, 1}).y1;
        form.cellx2 = box({2, 1}).x2, form.celly2 = box({2, 1}).y2;
        // The last lattice point of the 200 by 160 surface: gray, nothing to wait on.
        form.scanx = 191;
        form.scany = 151;
        form.walkcarved();
        form.walkscan();
        if (c.roundAgain) {
            EXPECT_EQ(form.programmode, 1);
            EXPECT_TRUE(scanAtItsStart());
        } else {
            EXPECT_EQ(form.programmode, 2);
        }
    }
}

struct SeededDrawing {
    Drawing drawing;
    long level;
    std::uint64_t seed;
};
void PrintTo(const SeededDrawing& c, std::ostream* os) { *os << "seed " << c.seed; }

class OvertakenSweepMaze : public OvertakenSweep, public ::testing::WithParamInterface<SeededDrawing> {};

// Small drawings whose walker, with these seeds, carves beside cells the sweep
// has already passed while the sweep runs on to its end: every cell the
// completion scan would still wait on is carved all the same.
TEST_P(OvertakenSweepMaze, LeavesNoCellToCarve) {
    const SeededDrawing& c = GetParam();
    make3d(c.drawing, c.level, c.seed);
    ASSERT_TRUE(makeMaze()) << "making did not end";
    EXPECT_EQ(form.programmode, 2);
    for (long row = 0; row < static_cast<long>(c.drawing.size()); ++row)
        for (long col = 0; col < static_cast<long>(c.drawing[row].size()); ++col) {
            if (c.drawing[row][col] == 'R' || carved({col, row})) continue;
            EXPECT_FALSE(stillToCarve({col, row})) << "cell (" << col << "," << row << ") left to carve";
        }
}

INSTANTIATE_TEST_SUITE_P(Seeded, OvertakenSweepMaze,
                         ::testing::Values(SeededDrawing{{".R...R..R.",
                                                          "....F.....",
                                                          "..........",
                                                          "R.......S."},
                                                         6, 2360},
                                           SeededDrawing{{"R..R.R.",
                                                          "...R.S.",
                                                          "..F....",
                                                          ".......",
                                                          ".......",
                                                          "R...R.."},
                                                         3, 17389},
                                           SeededDrawing{{"R......RR.",
                                                          "R....F....",
                                                          ".....R.R..",
                                                          ".R.RR..R..",
                                                          ".RS.R..R..",
                                                          "RR...R...."},
                                                         5, 7834},
                                           SeededDrawing{{"..RR........R...",
                                                          "..S..R.RR.R.RR.R",
                                                          "F.R.R.R...R.....",
                                                          "R...RRR...R.RR.."},
                                                         3, 2724}),
                         [](const auto& info) { return "seed" + std::to_string(info.param.seed); });

}  // namespace
}  // namespace tarnwick::test
