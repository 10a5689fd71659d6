// The crossing pre-check of a 3d step from the walker's cell C = (1, 2) to the
// cell ahead A: (2, 2) for a step right, (1, 3) for a step down.
#include "underpasses/cell_art.h"

namespace tarnwick::test {
namespace {

struct PrecheckCase {
    const char* name;
    long direction, carvemode, mazekind;
    CellArt art;
    long crossingkind;
};

void PrintTo(const PrecheckCase& c, std::ostream* os) { *os << c.name; }

class CrossingPrecheck : public CellArtTest, public ::testing::WithParamInterface<PrecheckCase> {};

TEST_P(CrossingPrecheck, FlagsAPassageClosedAlongTheStep) {
    const PrecheckCase& c = GetParam();
    paint(c.art);
    placeWalker({1, 2}, c.direction);
    form.carvemode = c.carvemode;
    form.mazekind = c.mazekind;
    form.crossingkind = 7;
    form.declaremmb();
    EXPECT_EQ(form.crossingkind, c.crossingkind);
}

const CellArt corridorEndAboveA = {". . # .",
                                   "    |  ",
                                   ". . # .",
                                   "       ",
                                   "#-# . .",
                                   "       ",
                                   ". . . ."};
const CellArt corridorAboveA = {". . . .",
                                "       ",
                                ". #-# .",
                                "       ",
                                "#-# . .",
                                "       ",
                                ". . . ."};
// C entered from above, closed left, right and down, with a passage below it.
const CellArt passageBelowClosedC = {". . . .",
                                     "       ",
                                     ". # . .",
                                     "  |    ",
                                     ". # . .",
                                     "       ",
                                     ". # . ."};
const CellArt cursorAboveA = {". . . .",
                              "       ",
                              ". . c .",
                              "       ",
                              "#-# . .",
                              "       ",
                              ". . . ."};
const CellArt closedBoxLeftOfA = {". . . .",
                                  "       ",
                                  ". # . .",
                                  "  |    ",
                                  ". # . .",
                                  "       ",
                                  "# . . ."};

INSTANTIATE_TEST_SUITE_P(
    Cases, CrossingPrecheck,
    ::testing::Values(PrecheckCase{"CorridorEndAboveA", 2, 1, 2, corridorEndAboveA, 1},
                      PrecheckCase{"CorridorAboveAOpenSideways", 2, 1, 2, corridorAboveA, 0},
                      PrecheckCase{"PassageBelowClosedCWhileTravelling", 2, -1, 2, passageBelowClosedC, 1},
                      PrecheckCase{"PassageBelowClosedCWhileCarving", 2, 1, 2, passageBelowClosedC, 0},
                      PrecheckCase{"CursorIsNoPassage", 2, 1, 2, cursorAboveA, 0},
                      PrecheckCase{"NeverInA3dPipeMaze", 2, 1, 1, corridorEndAboveA, 0},
                      PrecheckCase{"ClosedBoxLeftOfAMovingDown", 4, 1, 2, closedBoxLeftOfA, 1},
                      PrecheckCase{"NoStepNoFlag", 5, -1, 2, corridorEndAboveA, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
