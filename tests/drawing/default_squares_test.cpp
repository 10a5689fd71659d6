#include "core/geometry.h"
#include "drawing_fixture.h"

namespace tarnwick::test {
namespace {

// Black is an open colour and no passage colour, so a black window is usable
// everywhere; yellow is a border colour, white a passage colour.
class SquaresTest : public DrawingTest {
protected:
    SquaresTest(int width, int height) : DrawingTest(width, height) {}
    void prepareBlack(long w, long kind) {
        prepare(w, kind);
        f().canvas.setBackColour(black);
        recomputeLattice();
        f().canvas.setScreenOnly(false);
    }
    void setStart(const CellRect& r) {
        f().startx1 = r.x1;
        f().starty1 = r.y1;
        f().startx2 = r.x2;
        f().starty2 = r.y2;
    }
    void setFinish(const CellRect& r) {
        f().finishx1 = r.x1;
        f().finishy1 = r.y1;
        f().finishx2 = r.x2;
        f().finishy2 = r.y2;
    }
};

// Wall size 5 on a 40 by 30 window: lattice columns 5..35, rows 5..25.
class DefaultSquares : public SquaresTest {
protected:
    DefaultSquares() : SquaresTest(40, 30) {}
    void SetUp() override { prepareBlack(5, 0); }
};

TEST_F(DefaultSquares, AnUnplacedStartGoesToTheFirstUsableCellInRasterOrder) {
    paintArt(f().canvas, 0, 0,
             {
                 "                                        ",
                 "                                        ",
                 "                                        ",
                 "                                        ",
                 "                                        ",
                 "         y                              ",  // the first cell has one border pixel
             });
    setStart({0, 0, 0, 0});
    setFinish({21, 11, 23, 13});
    f().defaultsquares();
    EXPECT_EQ(startSquare(f()), (CellRect{11, 6, 13, 8}));
    EXPECT_EQ(finishSquare(f()), (CellRect{21, 11, 23, 13})) << "a usable finish stays";
    EXPECT_EQ(f().testcount, 0);
}

TEST_F(DefaultSquares, APassagePixelInTheStartCellMovesIt) {
    setStart({21, 11, 23, 13});
    setFinish({26, 16, 28, 18});
    f().defaultsquares();
    EXPECT_EQ(startSquare(f()), (CellRect{21, 11, 23, 13})) << "a usable start stays, though not the first cell";
    f().canvas.pset(24, 14, white);
    f().defaultsquares();
    EXPECT_EQ(startSquare(f()), (CellRect{6, 6, 8, 8}));
}

// The finish scan runs backwards from below the last row; at wall size 5 its first
// row lies two steps below, and later rows start one wall size left of the last column.
TEST_F(DefaultSquares, TheDefaultFinishIsTheLastRowsSecondToLastColumn) {
    setStart({6, 6, 8, 8});
    setFinish({0, 0, 0, 0});
    f().defaultsquares();
    EXPECT_EQ(finishSquare(f()), (CellRect{31, 26, 33, 28}));
    EXPECT_EQ(f().testcount, 1);
}

struct FinishCase {
    const char* name;
    Art bottomRows;  // rows 20 to 29: '#' black (usable), 'y' yellow (border), '.' white (passage)
    CellRect finish;
};

std::ostream& operator<<(std::ostream& os, const FinishCase& c) { return os << c.name; }

class DefaultFinish : public DefaultSquares, public ::testing::WithParamInterface<FinishCase> {};

// The scan goes backwards and takes the first cell whose every pixel is usable.
TEST_P(DefaultFinish, SkipsCellsWithAnUnusablePixel) {
    paintArt(f().canvas, 0, 20, GetParam().bottomRows);
    setStart({6, 6, 8, 8});
    setFinish({0, 0, 0, 0});
    f().defaultsquares();
    EXPECT_EQ(finishSquare(f()), GetParam().finish);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, DefaultFinish,
    ::testing::Values(
        FinishCase{"BorderPixelInTheFirstCandidate",
                   {
                       "########################################",
                       "########################################",
                       "########################################",
                       "########################################",
                       "########################################",
                       "########################################",
                       "########################################",
                       "################################y#######",  // in cell (30, 25)
                       "########################################",
                       "########################################",
                   },
                   {26, 26, 28, 28}},
        FinishCase{"LastRowAllPassage",
                   {
                       "########################################",
                       "########################################",
                       "########################################",
                       "########################################",
                       "########################################",
                       "........................................",
                       "........................................",
                       "........................................",
                       "........................................",
                       "........................................",
                   },
                   // The next row up starts one wall size left of the last column.
                   {31, 21, 33, 23}},
        FinishCase{"OnlyTheLastLatticeColumnUsableInTheRowAbove",
                   {
                       "...................................#####",
                       "...................................#####",
                       "...................................#####",
                       "...................................#####",
                       "...................................#####",
                       "........................................",
                       "........................................",
                       "........................................",
                       "........................................",
                       "........................................",
                   },
                   // Column 35 is visited in no row after the first: the scan goes on upwards.
                   {31, 16, 33, 18}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DefaultSquares, AFinishOnTheStartIsSearchedAgainAndMayLandThereWhenNothingElseIsUsable) {
    f().canvas.setBackColour(white);
    f().canvas.fillBox(20, 10, 24, 14, black);
    setStart({21, 11, 23, 13});
    setFinish({21, 11, 23, 13});
    f().defaultsquares();
    EXPECT_EQ(startSquare(f()), (CellRect{21, 11, 23, 13}));
    EXPECT_EQ(finishSquare(f()), (CellRect{21, 11, 23, 13}));
}

// A start kept where the finish search looks first (a settings file may put it
// there): the finish goes on the next usable cell, not on the start.
TEST_F(DefaultSquares, AnUnplacedFinishPassesOverTheStartsCell) {
    setStart({31, 26, 33, 28});
    setFinish({0, 0, 0, 0});
    f().defaultsquares();
    EXPECT_EQ(startSquare(f()), (CellRect{31, 26, 33, 28}));
    EXPECT_EQ(finishSquare(f()), (CellRect{26, 26, 28, 28}));
}

TEST_F(DefaultSquares, WithoutAUsableCellTheStartIsParkedAndTheFinishKeepsItsCorner) {
    f().canvas.setBackColour(white);
    setStart({21, 11, 23, 13});
    setFinish({-100, -100, -100, -100});
    f().defaultsquares();
    EXPECT_EQ(startSquare(f()), (CellRect{-10, -10, -10, -10}));
    EXPECT_EQ(finishSquare(f()), (CellRect{-100, -100, -100, -100}));
    EXPECT_EQ(f().testcount, 1);
}

TEST_F(DefaultSquares, AHiddenFinishIsSearchedAgain) {
    setStart({6, 6, 8, 8});
    setFinish({-100, -100, -100, -100});
    f().defaultsquares();
    EXPECT_EQ(finishSquare(f()), (CellRect{31, 26, 33, 28}));
}

TEST_F(DefaultSquares, AGridStepOfZeroEndsBothSearches) {
    f().canvas.setBackColour(white);
    f().gridstepx = f().gridstepy = 0;
    setStart({0, 0, 0, 0});
    setFinish({0, 0, 0, 0});
    f().defaultsquares();
    EXPECT_EQ(startSquare(f()), (CellRect{-10, -10, -10, -10}));
}

// Wall size 10 on an 80 by 60 window, the start on the first cell, the finish unplaced.
class DefaultFinishAt10 : public SquaresTest {
protected:
    DefaultFinishAt10() : SquaresTest(80, 60) {}
    void searchFinish(long kind) {
        prepareBlack(10, kind);
        setStart({11, 11, 18, 18});
        setFinish({0, 0, 0, 0});
        f().defaultsquares();
    }
};

// Regular maze, wall size 10: lattice columns 10..70, rows 10..50.
TEST_F(DefaultFinishAt10, RegularMazeFinishIsNotTheBottomRightLatticeCell) {
    searchFinish(0);
    EXPECT_EQ(finishSquare(f()), (CellRect{61, 51, 68, 58}));
}

// 3d-pipe maze on the doubled grid: the first row scanned lies between lattice rows
// and its cells sit between lattice columns; with room below, one of them is taken.
TEST_F(DefaultFinishAt10, PipeMazeFinishCanLieBetweenLatticeColumns) {
    searchFinish(1);
    ASSERT_EQ(f().lastcolumnx, 50);  // columns 10, 30, 50; rows 10, 30
    ASSERT_EQ(f().lastrowy, 30);
    EXPECT_EQ(finishSquare(f()), (CellRect{61, 51, 68, 58})) << "row 50, column 60";
}

}  // namespace
}  // namespace tarnwick::test
