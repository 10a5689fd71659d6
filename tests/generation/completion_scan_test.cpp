// The completion scan: one cell per call, a restart for a cell still to be
// carved, the end after a whole sweep without one.
#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

constexpr long passage = 0xF0E001;

class CompletionScan : public MakingTest {
protected:
    void SetUp() override {
        paintDrawing({"S.....",
                      "......",
                      "......",
                      ".....F"});
        form.picturedrawing = 1;
        form.cursorcolor = 3;
    }
    // Tests the cell box at lattice cell (col, row) and says whether the scan started over.
    bool restartsAt(LatticeCell c) {
        const CellRect b = box(c);
        form.scanx = b.x1;
        form.scany = b.y1;
        form.finishmaking();
        return form.scanx == form.wallsizex + 1 - form.gridstepx && form.scany == form.wallsizey + 1 - form.gridstepy;
    }
    void carve(LatticeCell c) {
        const CellRect b = box(c);
        form.canvas.fillBox(b.x1, b.y1, b.x2, b.y2, passage);
    }
};

TEST_F(CompletionScan, RestartsForACleanCell) { EXPECT_TRUE(restartsAt({2, 1})); }

TEST_F(CompletionScan, PassesOverCarvedAndSpoiltCells) {
    carve({2, 1});
    EXPECT_FALSE(restartsAt({2, 1}));
    form.canvas.pset(box({3, 1}).x2 + 1, box({3, 1}).y2 + 1, 0x808080);  // one border pixel in its drawing cell
    EXPECT_FALSE(restartsAt({3, 1}));
    const CellRect cursor = box({4, 1});
    form.canvas.fillBox(cursor.x1, cursor.y1, cursor.x2, cursor.y2, 3);  // the user's cursor counts as carved
    EXPECT_FALSE(restartsAt({4, 1}));
    EXPECT_FALSE(restartsAt({19, 1})) << "a cell reaching past the surface";
}

TEST_F(CompletionScan, PassesOverACellTheWalkerCannotReach) {
    paintDrawing({"S.R...",
                  "..R...",
                  "RRR...",
                  ".....F"});
    form.picturedrawing = 1;
    EXPECT_TRUE(restartsAt({1, 1}));
    EXPECT_FALSE(restartsAt({4, 1}));
}

// A 3d-pipe step lands two cells on, across a middle cell that must be clean:
// a lattice cell whose middle cells are all border is never reached.
TEST_F(CompletionScan, PassesOverAPipeCellBehindUncleanMiddleCells) {
    paintDrawing({"S..R.R..",
                  "....R...",
                  "........",
                  ".......F"});
    form.picturedrawing = 1;
    form.mazekind = 1;
    form.gridstepx = form.gridstepy = 2 * form.wallsizex;
    EXPECT_TRUE(restartsAt({6, 2}));
    EXPECT_FALSE(restartsAt({4, 0}));
}

// A sweep takes a pass a position of the surface; where the drawing is a small
// part of it and no cell to carve is left near the walker, the positions out of
// its reach are passed over at once.
TEST_F(CompletionScan, ASweepWithoutACellToCarveEndsMaking) {
    const Drawing whole(15, std::string(19, '.')), small{"S.....", "......", "......", ".....F"};
    const struct {
        const Drawing* drawing;
        bool nothingNear;
        long passes;
    } cases[] = {
        {&whole, true, 20 * 16 - 1},  // every position from (1, 1) with step 10
        {&small, true, 6 * 4},        // from (1, 1) to each cell of the drawing, and out
        {&small, false, 20 * 16 - 1},  // the walker still at work
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.drawing->size()) + (c.nothingNear ? " rows, nothing near" : " rows"));
        paintDrawing(*c.drawing);
        form.picturedrawing = 1;
        form.walkerreach.stale = true;  // as a repainted picture makes it
        form.walkercanreach(1, 1);  // the reach up to date, as the guide's search leaves it
        form.nocarvablecellnear = c.nothingNear;
        for (long row = 0; row < static_cast<long>(c.drawing->size()); ++row)
            for (long col = 0; col < static_cast<long>((*c.drawing)[0].size()); ++col) carve({col, row});
        form.scanx = 1;
        form.scany = 1;
        long passes = 0;
        while (form.walkscan() == Form57::WalkAt::Next) ++passes;
        EXPECT_EQ(form.programmode, 2);
        EXPECT_EQ(passes, c.passes);
    }
}

// 3d-mazes count a clean cell only when a plain step from a carved neighbour can enter it.
class CompletionScan3d : public CompletionScan {
protected:
    void SetUp() override {
        CompletionScan::SetUp();
        form.mazekind = 2;
    }
    // Carves the cells of a column or row and the grid lines between them.
    void carveRun(LatticeCell from, LatticeCell to) {
        const CellRect a = box(from), b = box(to);
        form.canvas.fillBox(a.x1, a.y1, b.x2, b.y2, passage);
    }
};

TEST_F(CompletionScan3d, NeedsACarvedNeighbour) { EXPECT_FALSE(restartsAt({2, 1})); }

TEST_F(CompletionScan3d, RestartsForACellBelowACorridorEnd) {
    carveRun({2, 0}, {4, 0});  // a corridor ending above (2, 1), open at its back
    EXPECT_TRUE(restartsAt({2, 1}));
}

TEST_F(CompletionScan3d, PassesOverACellBetweenCarvedCellsAboveAndBelow) {
    carveRun({2, 0}, {4, 0});
    carveRun({2, 2}, {4, 2});
    EXPECT_FALSE(restartsAt({2, 1}));
}

TEST_F(CompletionScan3d, PassesOverACellWhoseOnlyCarvedNeighbourIsTheFinish) {
    const CellRect f = box({2, 0});
    form.finishx1 = f.x1, form.finishy1 = f.y1;
    carve({2, 0});
    EXPECT_FALSE(restartsAt({2, 1}));
}

}  // namespace
}  // namespace tarnwick::test
