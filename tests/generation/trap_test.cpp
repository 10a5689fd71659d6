// The trap test on a walker's cell at (51, 51)-(58, 58), wall size 10, in a
// field of clean black cells.
#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

constexpr long gray = 0x808080, black = 0x000000;
constexpr long passage = 0xF0E001;

class TrapTest : public MakingTest {
protected:
    void SetUp() override {
        paintDrawing({"........",
                      "........",
                      "........",
                      "........",
                      "........",
                      "........"},
                     10);
        form.cellx1 = 51, form.celly1 = 51, form.cellx2 = 58, form.celly2 = 58;
        form.carvemode = 1;
        form.picturedrawing = 1;
        form.passagecolor = passage;
        form.testcount = -7;
    }
    void drawingCell(long x, long y, long colour) { form.canvas.fillBox(x, y, x + 9, y + 9, colour); }
    // The walker came in from the left: that cell and the grid line are passage.
    void enteredFromTheLeft() { form.canvas.fillBox(41, 51, 58, 58, passage); }
};

TEST_F(TrapTest, AllFourSidesBlockedPaintsTheCellAndTravels) {
    enteredFromTheLeft();
    drawingCell(60, 50, gray);
    drawingCell(50, 40, gray);
    drawingCell(50, 60, gray);
    form.canvas.fillBox(51, 51, 58, 58, black);
    form.notrap1();
    EXPECT_EQ(form.testcount, 4);
    EXPECT_EQ(form.carvemode, -1);
    EXPECT_EQ(pixel(51, 51), passage);
    EXPECT_EQ(pixel(58, 58), passage);
}

TEST_F(TrapTest, OneCleanNeighbourLeavesTheWalkerCarving) {
    enteredFromTheLeft();
    drawingCell(50, 40, gray);
    drawingCell(50, 60, gray);
    form.notrap1();
    EXPECT_EQ(form.testcount, 3);
    EXPECT_EQ(form.carvemode, 1);
}

TEST_F(TrapTest, OnePixelOfAnotherColourInTheNeighboursCellBlocksIt) {
    enteredFromTheLeft();
    drawingCell(50, 40, gray);
    drawingCell(50, 60, gray);
    form.canvas.pset(69, 55, 0x123456);  // the outermost ring of the right neighbour
    form.notrap1();
    EXPECT_EQ(form.testcount, 4);
}

TEST_F(TrapTest, DoesNothingWhileTravellingOrInA3dPipeMaze) {
    enteredFromTheLeft();
    drawingCell(60, 50, gray);
    drawingCell(50, 40, gray);
    drawingCell(50, 60, gray);
    for (auto [carve, kind] : {std::pair{-1L, 0L}, std::pair{1L, 1L}}) {
        form.carvemode = carve;
        form.mazekind = kind;
        form.notrap1();
        EXPECT_EQ(form.testcount, -7);
        EXPECT_EQ(form.carvemode, carve);
    }
}

// In 3d-mazes a passage beside the neighbour that is closed along the side
// blocks it; on the right side a border colour counts as an opening.
struct DiagonalCase {
    const char* name;
    CellRect diagonalBox;
    Pixel sideA, sideB;
    long colourA, colourB;
    long testcount;
};

class DiagonalPassage : public TrapTest, public ::testing::WithParamInterface<DiagonalCase> {};

TEST_P(DiagonalPassage, Blocks3dMazeSides) {
    const DiagonalCase& c = GetParam();
    form.mazekind = 2;
    form.canvas.fillBox(c.diagonalBox.x1, c.diagonalBox.y1, c.diagonalBox.x2, c.diagonalBox.y2, passage);
    form.canvas.pset(c.sideA.x, c.sideA.y, c.colourA);
    form.canvas.pset(c.sideB.x, c.sideB.y, c.colourB);
    // Open above and below, so only the side along the row can block.
    const long testX = c.diagonalBox.x1 == 41 ? 41 : 68;
    form.canvas.pset(testX, 40, passage);
    form.canvas.pset(testX, 49, passage);
    form.notrap1();
    EXPECT_EQ(form.testcount, c.testcount);
    form.mazekind = 0;
    form.testcount = 0;
    form.notrap1();
    EXPECT_EQ(form.testcount, 0) << "regular mazes never look at diagonals";
}

INSTANTIATE_TEST_SUITE_P(
    Cells, DiagonalPassage,
    ::testing::Values(
        DiagonalCase{"UpLeftClosed", {41, 41, 48, 48}, {40, 41}, {49, 41}, black, black, 1},
        DiagonalCase{"UpLeftOpenToItsLeft", {41, 41, 48, 48}, {40, 41}, {49, 41}, passage, black, 0},
        DiagonalCase{"UpLeftBesideABorder", {41, 41, 48, 48}, {40, 41}, {49, 41}, gray, black, 1},
        DiagonalCase{"UpRightBesideABorder", {61, 41, 68, 48}, {60, 41}, {69, 41}, gray, black, 0},
        DiagonalCase{"UpRightClosed", {61, 41, 68, 48}, {60, 41}, {69, 41}, black, black, 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
