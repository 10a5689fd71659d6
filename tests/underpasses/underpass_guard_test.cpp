// The guard refuses a step past a cell beside which lies a passage cell closed
// along the move. The look cell is (1, 2); the cell after it, N, is (2, 2) for
// a move right and (1, 3) for a move down.
#include "underpasses/cell_art.h"

namespace tarnwick::test {
namespace {

struct GuardCase {
    const char* name;
    long direction;
    CellArt art;
    bool allowed;
};

void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.name; }

class UnderpassGuard : public CellArtTest, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(UnderpassGuard, RefusesOnlyBesideAPassageClosedAlongTheMove) {
    const GuardCase& c = GetParam();
    paint(c.art);
    placeWalker({1, 2}, c.direction);
    lookAhead(0);
    form.moveallowed = 1;
    form.nocrosses();
    EXPECT_EQ(form.moveallowed, c.allowed ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnderpassGuard,
    ::testing::Values(
        GuardCase{"VerticalCorridorAboveN",
                  2,
                  {". . # . .",
                   "    |    ",
                   ". . # . .",
                   "         ",
                   "# . . . .",
                   "         ",
                   ". . . . ."},
                  false},
        GuardCase{"HorizontalCorridorAboveN",
                  2,
                  {". . . . .",
                   "         ",
                   ". #-#-# .",
                   "         ",
                   "# . . . .",
                   "         ",
                   ". . . . ."},
                  true},
        GuardCase{"NItselfAPassage",
                  2,
                  {". . # . .",
                   "    |    ",
                   ". . # . .",
                   "         ",
                   "# . # . .",
                   "         ",
                   ". . . . ."},
                  true},
        GuardCase{"ClosedBoxBelowN",
                  2,
                  {". . . . .",
                   "         ",
                   ". . . . .",
                   "         ",
                   "# . . . .",
                   "         ",
                   ". . # . ."},
                  false},
        GuardCase{"PassageTwoCellsAway",
                  2,
                  {". . . # .",
                   "       | ",
                   ". . . # .",
                   "         ",
                   "# . . . .",
                   "         ",
                   ". . . . ."},
                  true},
        // The opening probes read one pixel out, so a long underpass's mark is an opening.
        GuardCase{"MarkBesideTheCellAbove",
                  2,
                  {". . # . .",
                   "    |    ",
                   ". .<# . .",
                   "         ",
                   "# . . . .",
                   "         ",
                   ". . . . ."},
                  true},
        GuardCase{"ClosedBoxLeftOfNMovingDown",
                  4,
                  {". # . . .",
                   "  |      ",
                   ". # . . .",
                   "         ",
                   ". . . . .",
                   "         ",
                   "# . . . ."},
                  false},
        GuardCase{"CorridorRightOfNMovingDown",
                  4,
                  {". # . . .",
                   "  |      ",
                   ". # . . .",
                   "         ",
                   ". . # . .",
                   "    |    ",
                   ". . # . ."},
                  true}),
    [](const auto& info) { return std::string(info.param.name); });

// The guard only ever clears the answer: a refusal already made stands.
TEST_F(CellArtTest, GuardNeverAllowsAgain) {
    paint({". . . . .",
           "         ",
           ". . . . .",
           "         ",
           "# . . . .",
           "         ",
           ". . . . ."});
    placeWalker({1, 2}, 2);
    lookAhead(0);
    form.moveallowed = 0;
    form.nocrosses();
    EXPECT_EQ(form.moveallowed, 0);
}

}  // namespace
}  // namespace tarnwick::test
