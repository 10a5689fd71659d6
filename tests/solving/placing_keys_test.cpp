#include <optional>

#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

constexpr int keyLeft = 37, keyUp = 38, keyRight = 39, keyDown = 40;
constexpr int keyI = 73, keyJ = 74, keyK = 75, keyL = 76;
constexpr int keyM = 77, keyN = 78, keyX = 88, keyZ = 90;

// Three rows of five cells; the middle of the middle row is no maze cell.
const MazeArt field = {
    "###########",
    "#.........#",
    "#.#.###.#.#",
    "#.#.###.#.#",
    "#.#.###.#.#",
    "#.........#",
    "###########",
};

struct MoveCase {
    const char* name;
    int key;
    Cell start, finish;
    std::optional<Cell> want;  // where the moving square ends; none: it stays
    long mazekind = 0;
};
void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class PlacingKeyMove : public SolvingTest, public ::testing::WithParamInterface<MoveCase> {};

// The keys move the square's fields only (the placing loop paints); a move takes
// the colour at the new place as the square's sample.
TEST_P(PlacingKeyMove, MovesTheSquareByTheRules) {
    const MoveCase& c = GetParam();
    paintMaze(field, 10);
    form.mazekind = c.mazekind;
    if (c.mazekind == 1) form.gridstepx = form.gridstepy = 20;
    const CellRect s = box(c.start), f = box(c.finish);
    form.startx1 = s.x1, form.starty1 = s.y1, form.startx2 = s.x2, form.starty2 = s.y2;
    form.finishx1 = f.x1, form.finishy1 = f.y1, form.finishx2 = f.x2, form.finishy2 = f.y2;
    form.canvas.fillBox(s.x1, s.y1, s.x2, s.y2, form.startcolor);
    form.canvas.fillBox(f.x1, f.y1, f.x2, f.y2, form.finishcolor);
    form.startsample = form.finishsample = 0x123456;
    form.programmode = 2;
    form.commandtaken = 0;

    form.keyDown(c.key);

    const bool movesStart = c.key == keyI || c.key == keyJ || c.key == keyK || c.key == keyL;
    const CellRect want = c.want ? box(*c.want) : (movesStart ? s : f);
    EXPECT_EQ(movesStart ? startSquare(form) : finishSquare(form), want);
    EXPECT_EQ(movesStart ? finishSquare(form) : startSquare(form), movesStart ? f : s) << "the other square";
    EXPECT_EQ(movesStart ? form.startsample : form.finishsample, c.want ? white : 0x123456);
    EXPECT_EQ(movesStart ? form.finishsample : form.startsample, 0x123456);
    EXPECT_EQ(form.commandtaken, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, PlacingKeyMove,
    ::testing::Values(
        MoveCase{"finishRight", keyRight, {5, 9}, {1, 1}, Cell{1, 3}},
        MoveCase{"finishLeft", keyLeft, {5, 9}, {1, 3}, Cell{1, 1}},
        MoveCase{"finishDown", keyDown, {5, 9}, {1, 1}, Cell{3, 1}},
        MoveCase{"finishUp", keyUp, {5, 9}, {3, 1}, Cell{1, 1}},
        MoveCase{"startRight", keyL, {1, 1}, {5, 9}, Cell{1, 3}},
        MoveCase{"startLeft", keyJ, {1, 3}, {5, 9}, Cell{1, 1}},
        MoveCase{"startDown", keyK, {1, 1}, {5, 9}, Cell{3, 1}},
        MoveCase{"startUp", keyI, {3, 1}, {5, 9}, Cell{1, 1}},
        // The grid line is not tested: a square goes across a wall.
        MoveCase{"acrossAWall", keyRight, {5, 9}, {3, 1}, Cell{3, 3}},
        // A cell outside the maze is hopped over, in each direction.
        MoveCase{"hopRightOverAHole", keyL, {3, 3}, {5, 9}, Cell{3, 7}},
        MoveCase{"hopLeftOverAHole", keyJ, {3, 7}, {5, 9}, Cell{3, 3}},
        MoveCase{"hopDownOverAHole", keyDown, {5, 9}, {1, 5}, Cell{5, 5}},
        MoveCase{"hopUpOverAHole", keyUp, {5, 9}, {5, 5}, Cell{1, 5}},
        // And so is the other square.
        MoveCase{"hopOverTheStart", keyRight, {1, 3}, {1, 1}, Cell{1, 5}},
        // Nothing beyond the edge of the maze or of the window.
        MoveCase{"blockedAtTheLeftEdge", keyLeft, {5, 9}, {1, 1}, std::nullopt},
        MoveCase{"blockedAtTheTopEdge", keyI, {1, 1}, {5, 9}, std::nullopt},
        MoveCase{"blockedAtTheRightEdge", keyL, {1, 9}, {5, 1}, std::nullopt},
        // A 3d-pipe maze moves by one grid step and hops only over the other square
        // standing right there.
        MoveCase{"pipeStep", keyRight, {5, 9}, {1, 1}, Cell{1, 5}, 1},
        MoveCase{"pipeNoHopOverAHole", keyRight, {5, 9}, {3, 1}, std::nullopt, 1},
        MoveCase{"pipeHopOverTheStart", keyRight, {3, 5}, {3, 1}, Cell{3, 9}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct ColourCase {
    const char* name;
    int key;
    long before, after;
};
void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }

class PlacingKeyColour : public SolvingTest, public ::testing::WithParamInterface<ColourCase> {};

// The colour keys step a square's colour over the border colours, held one off
// the palette; a walk that finds nothing usable keeps the colour. The square is
// marked for a repaint either way.
TEST_P(PlacingKeyColour, StepsOverTheBorderColours) {
    const ColourCase& c = GetParam();
    const bool start = c.key == keyX || c.key == keyZ;
    (start ? form.startcolor : form.finishcolor) = c.before;
    form.programmode = 2;
    form.commandtaken = 0;
    form.keyDown(c.key);
    EXPECT_EQ(start ? form.startcolor : form.finishcolor, c.after);
    EXPECT_EQ(start ? form.startcolorchanged : form.finishcolorchanged, 1);
    EXPECT_EQ(start ? form.finishcolorchanged : form.startcolorchanged, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Walks, PlacingKeyColour,
    ::testing::Values(
        ColourCase{"magentaNextIsYellow", keyX, 0xFF00FE, 0x00FFFE},
        ColourCase{"magentaBackIsRed", keyZ, 0xFF00FE, 0x0000FE},
        // White, the last entry, is a passage colour: the walk gives up.
        ColourCase{"yellowNextStays", keyX, 0x00FFFE, 0x00FFFE},
        ColourCase{"greyNextIsBlue", keyM, 0x808081, 0xFF0001},
        // Below grey only markers of the open colours: back to grey.
        ColourCase{"greyBackStays", keyN, 0x808081, 0x808081},
        ColourCase{"noBorderColourStays", keyM, 0x123456, 0x123456}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
