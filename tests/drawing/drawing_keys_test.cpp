#include "core/geometry.h"
#include "drawing_fixture.h"

namespace tarnwick::test {
namespace {

enum Key {
    Left = 37, Up = 38, Right = 39, Down = 40, A = 65, C = 67, D = 68, F = 70, G = 71, H = 72, I = 73, J = 74,
    K = 75, L = 76, M = 77, N = 78, Q = 81, S = 83, T = 84, W = 87, X = 88, Z = 90,
    Comma = 188, Period = 190, Slash = 191, Apostrophe = 222,
};

// An 800 by 600 window, wall size 10; the lattice computed.
class DrawingKeys : public DrawingTest {
protected:
    DrawingKeys() : DrawingTest(800, 600) {}
    void SetUp() override { setUpKind(0); }

    void setUpKind(long kind) {
        prepare(10, kind);
        recomputeLattice();
    }
    void placeCursor(const CellRect& cursor) {
        setCurrentCell(f(), cursor);
        f().cursorspanx = cursor.x2 - cursor.x1;
        f().cursorspany = cursor.y2 - cursor.y1;
    }
    void press(int key) {
        f().commandtaken = 0;
        f().Form_KeyDown(key);
    }
    CellRect mirror() { return {f().mirrorx1, f().mirrory1, f().mirrorx2, f().mirrory2}; }
};

struct MoveCase {
    const char* name;
    int key;
    long kind;
    CellRect before;
    CellRect after;  // equal to `before` when the key's test fails
};

std::ostream& operator<<(std::ostream& os, const MoveCase& c) { return os << c.name; }

class CursorKeys : public DrawingKeys, public ::testing::WithParamInterface<MoveCase> {};

// Each edge that moves takes the mirror's opposite edge the other way.
TEST_P(CursorKeys, MoveOrResizeWithinTheWorkingArea) {
    const MoveCase& c = GetParam();
    setUpKind(c.kind);
    placeCursor(c.before);
    const CellRect mirrorBefore{400, 300, 409, 309};
    f().mirrorx1 = mirrorBefore.x1;
    f().mirrory1 = mirrorBefore.y1;
    f().mirrorx2 = mirrorBefore.x2;
    f().mirrory2 = mirrorBefore.y2;
    press(c.key);
    EXPECT_EQ(currentCell(f()), c.after);
    const CellRect expectedMirror{mirrorBefore.x1 - (c.after.x2 - c.before.x2),
                                  mirrorBefore.y1 - (c.after.y2 - c.before.y2),
                                  mirrorBefore.x2 - (c.after.x1 - c.before.x1),
                                  mirrorBefore.y2 - (c.after.y1 - c.before.y1)};
    EXPECT_EQ(mirror(), expectedMirror);
    EXPECT_EQ(f().commandtaken, 1);
}

constexpr CellRect firstCell{10, 10, 19, 19};
constexpr CellRect second{20, 20, 29, 29};
constexpr CellRect wide{20, 20, 39, 29};  // two cells wide

INSTANTIATE_TEST_SUITE_P(
    Table, CursorKeys,
    ::testing::Values(
        MoveCase{"LeftOnFirstColumn", Left, 0, firstCell, firstCell},
        MoveCase{"UpOnFirstRow", Up, 0, firstCell, firstCell},
        MoveCase{"JOnFirstColumn", J, 0, firstCell, firstCell},
        MoveCase{"IOnFirstRow", I, 0, firstCell, firstCell},
        MoveCase{"AOnFirstColumn", A, 0, firstCell, firstCell},
        MoveCase{"WOnFirstRow", W, 0, firstCell, firstCell},
        MoveCase{"Left", Left, 0, second, {10, 20, 19, 29}},
        MoveCase{"Right", Right, 0, firstCell, {20, 10, 29, 19}},
        MoveCase{"Up", Up, 0, second, {20, 10, 29, 19}},
        MoveCase{"Down", Down, 0, firstCell, {10, 20, 19, 29}},
        MoveCase{"RightByTheWideCursorsWidth", Right, 0, wide, {40, 20, 59, 29}},
        MoveCase{"RightToTheLastColumn", Right, 0, {770, 10, 779, 19}, {780, 10, 789, 19}},
        MoveCase{"RightPastTheLastColumn", Right, 0, {780, 10, 789, 19}, {780, 10, 789, 19}},
        MoveCase{"DownToTheLastRow", Down, 0, {10, 570, 19, 579}, {10, 580, 19, 589}},
        MoveCase{"DownPastTheLastRow", Down, 0, {10, 580, 19, 589}, {10, 580, 19, 589}},
        MoveCase{"J", J, 0, wide, {10, 20, 29, 29}},
        MoveCase{"L", L, 0, wide, {30, 20, 49, 29}},
        MoveCase{"LPastTheLastColumn", L, 0, {780, 10, 789, 19}, {780, 10, 789, 19}},
        MoveCase{"I", I, 0, second, {20, 10, 29, 19}},
        MoveCase{"K", K, 0, second, {20, 30, 29, 39}},
        MoveCase{"KPastTheLastRow", K, 0, {10, 580, 19, 589}, {10, 580, 19, 589}},
        MoveCase{"A", A, 0, second, {10, 20, 29, 29}},
        MoveCase{"D", D, 0, second, {20, 20, 39, 29}},
        MoveCase{"DPastTheLastColumn", D, 0, {780, 10, 789, 19}, {780, 10, 789, 19}},
        MoveCase{"W", W, 0, second, {20, 10, 29, 29}},
        MoveCase{"S", S, 0, second, {20, 20, 29, 39}},
        MoveCase{"SPastTheLastRow", S, 0, {10, 580, 19, 589}, {10, 580, 19, 589}},
        MoveCase{"HShrinksTheWideCursor", H, 0, wide, {30, 20, 39, 29}},
        MoveCase{"FShrinksTheWideCursor", F, 0, wide, {20, 20, 29, 29}},
        MoveCase{"HOnOneCell", H, 0, second, second},
        MoveCase{"FOnOneCell", F, 0, second, second},
        MoveCase{"GOnOneCell", G, 0, second, second},
        MoveCase{"TOnOneCell", T, 0, second, second},
        MoveCase{"GShrinksATallCursor", G, 0, {20, 20, 29, 39}, {20, 30, 29, 39}},
        MoveCase{"TShrinksATallCursor", T, 0, {20, 20, 29, 39}, {20, 20, 29, 29}},
        MoveCase{"PipeRightByTwoWallSizes", Right, 1, firstCell, {30, 10, 39, 19}},
        MoveCase{"PipeLeftOnFirstColumn", Left, 1, firstCell, firstCell},
        MoveCase{"PipeLeftByTwoWallSizes", Left, 1, {30, 10, 39, 19}, firstCell},
        MoveCase{"PipeUpOnFirstRow", Up, 1, firstCell, firstCell},
        MoveCase{"PipeDownByTwoWallSizes", Down, 1, firstCell, {10, 30, 19, 39}},
        MoveCase{"PipeRightByWidthPlusWall", Right, 1, {10, 10, 29, 19}, {40, 10, 59, 19}},
        MoveCase{"PipeLByTheGridStep", L, 1, firstCell, {30, 10, 39, 19}},
        MoveCase{"PipeKByTheGridStep", K, 1, firstCell, {10, 30, 19, 39}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawingKeys, GrowThenArrowMovesByTheNewWidthAndShrinkStopsAtOneCell) {
    placeCursor(second);
    press(A);
    placeCursor(currentCell(f()));  // the pass recomputes the span
    press(Right);
    EXPECT_EQ(currentCell(f()), (CellRect{30, 20, 49, 29}));
    placeCursor(currentCell(f()));
    press(H);
    press(H);
    EXPECT_EQ(currentCell(f()), (CellRect{40, 20, 49, 29}));
}

TEST_F(DrawingKeys, CentreJumpKeepsTheSizeAndMarksTheGridChanged) {
    placeCursor({10, 10, 29, 19});
    f().pencolor = magenta;
    press(C);
    EXPECT_EQ(currentCell(f()), (CellRect{380, 280, 399, 289}));
    EXPECT_EQ(f().gridchanged, 1);
    EXPECT_EQ(f().canvas.point(10, 10), magenta) << "the old cursor is painted on the screen";
    EXPECT_EQ(f().canvas.image().at(10, 10), static_cast<std::uint32_t>(white)) << "but not into the drawing";
}

TEST_F(DrawingKeys, CentreJumpWithACursorTooLargeDoesNothing) {
    placeCursor({10, 10, 430, 19});  // 380 + 420 passes 800 - 10
    press(C);
    EXPECT_EQ(currentCell(f()), (CellRect{10, 10, 430, 19}));
    EXPECT_EQ(f().gridchanged, 0);
}

struct ColourWalkCase {
    const char* name;
    int key;  // X and Z walk the pen, M and N the window's colour
    long before;
    long expected;
};

std::ostream& operator<<(std::ostream& os, const ColourWalkCase& c) { return os << c.name; }

class ColourWalk : public DrawingKeys, public ::testing::WithParamInterface<ColourWalkCase> {};

// Default classes: 1 to 8 open, 9 to 16 border (entries 1 to 8 of the border table
// are markers); every passage colour white.
TEST_P(ColourWalk, StopsOnTheNextUsableColourOfItsClass) {
    const ColourWalkCase& c = GetParam();
    const bool window = c.key == M || c.key == N;
    if (window) f().canvas.setBackColour(c.before);
    else f().pencolor = c.before;
    press(c.key);
    EXPECT_EQ(window ? f().canvas.backColour() : long{f().pencolor}, c.expected);
    EXPECT_EQ(f().tempcolor, c.before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColourWalk,
    ::testing::Values(ColourWalkCase{"XYellowMeetsWhiteAPassageColour", X, yellow, yellow},
                      ColourWalkCase{"ZYellowGivesMagenta", Z, yellow, magenta},
                      ColourWalkCase{"XBlackGivesNavy", X, black, navy},
                      ColourWalkCase{"XSilverMeetsOnlyMarkers", X, silver, silver},
                      ColourWalkCase{"ZBlackIsNotSearched", Z, black, black},
                      ColourWalkCase{"XGreyGivesBlue", X, grey, 0xFF0000},
                      ColourWalkCase{"ZGreyMeetsOnlyMarkers", Z, grey, grey},
                      ColourWalkCase{"XAColourInNoTable", X, 0x123456, 0x123456},
                      ColourWalkCase{"NWhiteGivesYellow", N, white, yellow},
                      ColourWalkCase{"NYellowGivesMagenta", N, yellow, magenta},
                      ColourWalkCase{"MGreyGivesBlue", M, grey, 0xFF0000},
                      ColourWalkCase{"NGreyMeetsOnlyMarkers", N, grey, grey},
                      ColourWalkCase{"MYellowMeetsWhiteAtTheEnd", M, yellow, yellow},
                      ColourWalkCase{"MWhiteIsNotSearched", M, white, white},
                      ColourWalkCase{"MAnOpenColourIsNoBorderEntry", M, navy, navy}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawingKeys, XSkipsTheMarkersOfBorderColours) {
    f().ui.setControlValue("Check3", 0);
    f().ui.setControlValue("Check4", 0);
    f().colorclasstables();
    f().pencolor = navy;
    press(X);
    EXPECT_EQ(f().pencolor, 0x000080) << "maroon, colour 5";
}

TEST_F(DrawingKeys, NWalksTheWindowColourAndClearsTheWindow) {
    f().canvas.setScreenOnly(false);
    f().canvas.pset(50, 50, black);
    f().canvas.setBackPicture(Picture(800, 600, 0x00FF00));
    press(N);
    EXPECT_EQ(f().canvas.backColour(), yellow);
    EXPECT_FALSE(f().canvas.hasBackPicture());
    EXPECT_EQ(f().canvas.point(50, 50), yellow);
}

TEST_F(DrawingKeys, AWindowWalkWithoutResultLeavesTheWindow) {
    f().canvas.setScreenOnly(false);
    f().canvas.pset(50, 50, black);
    press(M);  // white is border entry 16, which M does not search
    EXPECT_EQ(f().canvas.backColour(), white);
    f().canvas.setBackColour(yellow);
    f().canvas.pset(50, 50, black);
    press(M);  // yellow -> white, a passage colour at the table's end
    EXPECT_EQ(f().canvas.backColour(), yellow);
    EXPECT_EQ(f().canvas.point(50, 50), black);
}

TEST_F(DrawingKeys, CommaAndPeriodSwitchThePenBetweenTheClasses) {
    f().pencolor = teal;
    f().borderpencolor = grey;
    press(Period);  // an open pen: nothing
    EXPECT_EQ(f().pencolor, teal);
    press(Comma);
    EXPECT_EQ(f().openpencolor, teal);
    EXPECT_EQ(f().pencolor, grey);
    press(Comma);  // a border pen: nothing
    EXPECT_EQ(f().pencolor, grey);
    f().pencolor = magenta;
    press(Period);
    EXPECT_EQ(f().borderpencolor, magenta);
    EXPECT_EQ(f().pencolor, teal);
}

TEST_F(DrawingKeys, SlashTogglesDrawingAndApostropheTakesThePenAsPassageColour) {
    press(Slash);
    EXPECT_EQ(f().nodrawing, 1);
    press(Slash);
    EXPECT_EQ(f().nodrawing, 0);
    f().pencolor = teal;
    press(Apostrophe);
    EXPECT_EQ(f().passagecolor, teal);
}

TEST_F(DrawingKeys, EveryKeyTakesTheLatchAndATakenLatchDropsTheKey) {
    f().commandtaken = 1;
    placeCursor(firstCell);
    f().Form_KeyDown(Right);
    EXPECT_EQ(currentCell(f()), firstCell);
    EXPECT_EQ(f().commandtaken, 1);

    press(Q);
    EXPECT_EQ(f().commandtaken, 1);
    EXPECT_EQ(currentCell(f()), firstCell);

    for (long mode : {4L, -6L, -5L, -2L}) {
        f().programmode = mode;
        press(Right);
        EXPECT_EQ(f().commandtaken, 1) << "mode " << mode;
        EXPECT_EQ(currentCell(f()), firstCell) << "mode " << mode;
    }
}

}  // namespace
}  // namespace tarnwick::test
