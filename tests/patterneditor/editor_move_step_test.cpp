// The editor's move step on small fixtures: which moves it accepts, what it
// paints and records, and its trap test.
#include "patterneditor/editor_art.h"

namespace tarnwick::test {
namespace {

struct MoveCase {
    const char* name;
    long mazekind;
    EditorArt before;
    EditorCell cursor;
    long carvemode;
    long direction;
    EditorArt after;
    EditorCell cursorAfter;
    const char* recorded;
    long carvemodeAfter;
    long counted;  // cells the pattern gained
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class LiveMove : public EditorArtTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(LiveMove, AcceptsPaintsAndRecords) {
    const MoveCase& c = GetParam();
    form.mazekind = c.mazekind;
    paint(c.before);
    place(c.cursor);
    form.carvemode = c.carvemode;
    live(c.direction);
    EXPECT_EQ(read(), c.after);
    EXPECT_EQ(cursor(), c.cursorAfter);
    EXPECT_EQ(recorded(), c.recorded);
    EXPECT_EQ(form.carvemode, c.carvemodeAfter);
    EXPECT_EQ(static_cast<long>(form.randomsteps), c.counted);
}

const EditorArt corridor = {"Y Y Y Y Y",
                            "         ",
                            "Y n n n Y",
                            "         ",
                            "Y W-B n Y",
                            "         ",
                            "Y n n n Y",
                            "         ",
                            "Y Y Y Y Y"};

INSTANTIATE_TEST_SUITE_P(
    Regular, LiveMove,
    ::testing::Values(
        MoveCase{"OntoAFreeCell", 0, corridor, {2, 2}, 1, 2,
                 {"Y Y Y Y Y",
                  "         ",
                  "Y n n n Y",
                  "         ",
                  "Y W-W-B Y",
                  "         ",
                  "Y n n n Y",
                  "         ",
                  "Y Y Y Y Y"},
                 {3, 2}, "2 ", 1, 1},
        MoveCase{"OntoThePathWhileCarving", 0, corridor, {2, 2}, 1, 1, corridor, {2, 2}, "", 1, 0},
        MoveCase{"OntoThePathWhileTravelling", 0, corridor, {2, 2}, -1, 1,
                 {"Y Y Y Y Y",
                  "         ",
                  "Y n n n Y",
                  "         ",
                  "Y B-W n Y",
                  "         ",
                  "Y n n n Y",
                  "         ",
                  "Y Y Y Y Y"},
                 {1, 2}, "1 ", -1, 0},
        MoveCase{"FromTravellingOntoAFreeCellCarvesAgain", 0, corridor, {2, 2}, -1, 3,
                 {"Y Y Y Y Y",
                  "         ",
                  "Y n B n Y",
                  "    |    ",
                  "Y W-W n Y",
                  "         ",
                  "Y n n n Y",
                  "         ",
                  "Y Y Y Y Y"},
                 {2, 1}, "3 ", 1, 1},
        MoveCase{"IntoYellow", 0,
                 {"Y Y Y Y", "       ", "Y B n Y", "       ", "Y n n Y", "       ", "Y Y Y Y"}, {1, 1}, 1, 3,
                 {"Y Y Y Y", "       ", "Y B n Y", "       ", "Y n n Y", "       ", "Y Y Y Y"}, {1, 1}, "", 1, 0},
        MoveCase{"StopCarvingMovesNothing", 0, corridor, {2, 2}, 1, 5, corridor, {2, 2}, "5 ", -1, 0},
        // All four sides closed: the cell turns black, travels and records 5;
        // a travel move in the same step paints the trapped cell white again.
        MoveCase{"TrappedThenTravels", 0,
                 {"Y Y Y Y", "       ", "Y W-B Y", "       ", "Y Y Y Y"}, {2, 1}, 1, 1,
                 {"Y Y Y Y", "       ", "Y B-W Y", "       ", "Y Y Y Y"}, {1, 1}, "5 1 ", -1, 0},
        MoveCase{"TrappedWithoutAKey", 0,
                 {"Y Y Y Y", "       ", "Y W-B Y", "       ", "Y Y Y Y"}, {2, 1}, 1, 0,
                 {"Y Y Y Y", "       ", "Y W-B Y", "       ", "Y Y Y Y"}, {2, 1}, "5 ", -1, 0}));

const EditorArt open3d = {"Y Y Y Y Y Y",
                          "           ",
                          "Y n n n n Y",
                          "           ",
                          "Y B n B n Y",
                          "           ",
                          "Y n n n n Y",
                          "           ",
                          "Y Y Y Y Y Y"};

INSTANTIATE_TEST_SUITE_P(
    ThreeD, LiveMove,
    ::testing::Values(
        MoveCase{"PlainMoveBeforeABlackCell", 2, open3d, {1, 2}, 1, 2,
                 {"Y Y Y Y Y Y",
                  "           ",
                  "Y n n n n Y",
                  "           ",
                  "Y W-B B n Y",
                  "           ",
                  "Y n n n n Y",
                  "           ",
                  "Y Y Y Y Y Y"},
                 {2, 2}, "2 ", 1, 1},
        MoveCase{"FacingThePathStays", 2,
                 {"Y Y Y Y Y", "         ", "Y n n n Y", "         ", "Y B W-W Y", "         ", "Y n n n Y",
                  "         ", "Y Y Y Y Y"},
                 {1, 2}, 1, 2,
                 {"Y Y Y Y Y", "         ", "Y n n n Y", "         ", "Y B W-W Y", "         ", "Y n n n Y",
                  "         ", "Y Y Y Y Y"},
                 {1, 2}, "", 1, 0},
        // A path cell beside the cell ahead, closed along the move, vetoes the plain move.
        MoveCase{"CrossingPrecheckVetoes", 2,
                 {"Y Y Y Y Y Y", "           ", "Y n W n n Y", "           ", "Y B n n n Y", "           ",
                  "Y n n n n Y", "           ", "Y Y Y Y Y Y"},
                 {1, 2}, 1, 2,
                 {"Y Y Y Y Y Y", "           ", "Y n W n n Y", "           ", "Y B n n n Y", "           ",
                  "Y n n n n Y", "           ", "Y Y Y Y Y Y"},
                 {1, 2}, "", 1, 0},
        // Travelling, the cursor steps onto path ahead, or hops one cell to path beyond.
        MoveCase{"TravelOntoThePath", 2,
                 {"Y Y Y Y Y", "         ", "Y n n n Y", "         ", "Y B-W n Y", "         ", "Y n n n Y",
                  "         ", "Y Y Y Y Y"},
                 {1, 2}, -1, 2,
                 {"Y Y Y Y Y", "         ", "Y n n n Y", "         ", "Y W-B n Y", "         ", "Y n n n Y",
                  "         ", "Y Y Y Y Y"},
                 {2, 2}, "2 ", -1, 0},
        MoveCase{"TravelHopsOverACellToThePath", 2,
                 {"Y Y Y Y Y Y", "           ", "Y n n n n Y", "           ", "Y B Y W n Y", "           ",
                  "Y n n n n Y", "           ", "Y Y Y Y Y Y"},
                 {1, 2}, -1, 2,
                 {"Y Y Y Y Y Y", "           ", "Y n n n n Y", "           ", "Y W Y B n Y", "           ",
                  "Y n n n n Y", "           ", "Y Y Y Y Y Y"},
                 {3, 2}, "2 ", -1, 0}));

INSTANTIATE_TEST_SUITE_P(
    Pipe, LiveMove,
    ::testing::Values(
        MoveCase{"PlainMoveTwoCellsPaintsTheMiddle", 1,
                 {"Y Y Y Y Y", "         ", "Y B n n Y", "         ", "Y n n n Y", "         ", "Y Y Y Y Y"},
                 {1, 1}, 1, 2,
                 {"Y Y Y Y Y", "         ", "Y W-W-B Y", "         ", "Y n n n Y", "         ", "Y Y Y Y Y"},
                 {3, 1}, "2 ", 1, 1},
        MoveCase{"NeedsANavyMiddleCell", 1,
                 {"Y Y Y Y Y", "         ", "Y B W n Y", "         ", "Y n n n Y", "         ", "Y Y Y Y Y"},
                 {1, 1}, 1, 2,
                 {"Y Y Y Y Y", "         ", "Y B W n Y", "         ", "Y n n n Y", "         ", "Y Y Y Y Y"},
                 {1, 1}, "", 1, 0},
        // The next pipe cell is navy: carving again, without moving.
        MoveCase{"TravellingBeforeAFreePipeCellCarvesAgain", 1,
                 {"Y Y Y Y Y", "         ", "Y B W n Y", "         ", "Y n n n Y", "         ", "Y Y Y Y Y"},
                 {1, 1}, -1, 2,
                 {"Y Y Y Y Y", "         ", "Y B W n Y", "         ", "Y n n n Y", "         ", "Y Y Y Y Y"},
                 {1, 1}, "", 1, 0},
        MoveCase{"TravelToTheNextPipeCellWhateverTheMiddle", 1,
                 {"Y Y Y Y Y", "         ", "Y B Y W Y", "         ", "Y n n n Y", "         ", "Y Y Y Y Y"},
                 {1, 1}, -1, 2,
                 {"Y Y Y Y Y", "         ", "Y W Y B Y", "         ", "Y n n n Y", "         ", "Y Y Y Y Y"},
                 {3, 1}, "2 ", -1, 0}));

// The replay shows a stored pattern as stored: a 2-d code moves the cursor even
// into yellow, and nothing is written.
TEST_F(EditorArtTest, ReplayMovesWhateverLiesThereAndRecordsNothing) {
    paint({"Y Y Y Y Y", "         ", "Y n n Y Y", "         ", "Y n n n Y", "         ", "Y Y Y Y Y"});
    place({1, 1});
    form.carvemode = -1;
    form.editorlive = 0;
    form.recordmoves = 0;
    replay(2);
    replay(2);
    replay(2);
    EXPECT_EQ(cursor(), (EditorCell{4, 1}));
    EXPECT_EQ(form.carvemode, 1);
    EXPECT_EQ(read(), (EditorArt{"Y Y Y Y Y", "         ", "Y W-W-W-W", "         ", "Y n n n Y", "         ",
                                 "Y Y Y Y Y"}));
    EXPECT_EQ(recorded(), "");
    EXPECT_EQ(static_cast<long>(form.randomsteps), 0);
}

TEST_F(EditorArtTest, ReplayedThreeDMovesCount) {
    form.mazekind = 2;
    paint({"Y Y Y Y Y", "         ", "Y n n n Y", "         ", "Y n n n Y", "         ", "Y Y Y Y Y"});
    place({1, 1});
    form.editorlive = 0;
    form.recordmoves = 0;
    replay(2);
    EXPECT_EQ(cursor(), (EditorCell{2, 1}));
    EXPECT_EQ(static_cast<long>(form.randomsteps), 1);
    EXPECT_EQ(recorded(), "");
}

// The stuck tries after a refused underpass: the codes 1 to 5 on the same cell,
// then travelling with a 5 recorded; a try that moved ends them a pass later.
class StuckRecovery : public EditorArtTest {
protected:
    // The tries begun on the cursor's cell, or on the cell left of it.
    void start(long tries, bool markedHere = true) {
        paint({"Y Y Y", "     ", "Y B Y", "     ", "Y Y Y"});
        place({1, 1});
        form.stuckflag = 1;
        form.stucktries = tries;
        form.markx = form.cellx1 - (markedHere ? 0 : pitch);
        form.marky = form.celly1;
    }
};

TEST_F(StuckRecovery, TriesEveryCodeThenTravels) {
    start(0);
    for (long expected = 1; expected <= 5; ++expected) {
        form.direction = 0;
        form.stuckrecovery();
        EXPECT_EQ(form.direction, expected);
        EXPECT_EQ(form.stuckflag, 1);
    }
    form.direction = 3;
    form.stuckrecovery();
    EXPECT_EQ(form.stuckflag, 0);
    EXPECT_EQ(form.direction, 3);
    EXPECT_EQ(form.carvemode, -1);
    EXPECT_EQ(recorded(), "5 ");
}

TEST_F(StuckRecovery, EndsAfterATryThatMoved) {
    start(2, false);
    form.direction = 4;
    form.stuckrecovery();
    EXPECT_EQ(form.stuckflag, 0);
    EXPECT_EQ(form.direction, 4);
    EXPECT_EQ(recorded(), "");
}

TEST_F(StuckRecovery, RepeatsItsTryWhileAPanelIsOpen) {
    start(2);
    form.panelopen = 1;
    form.stuckrecovery();
    EXPECT_EQ(form.direction, 2);
}

// While a panel is open the completion paints neither the join nor the cursor.
TEST_F(EditorArtTest, OpenPanelPaintsOnlyThePreviousCell) {
    paint(corridor);
    place({2, 2});
    form.panelopen = 1;
    live(2);
    EXPECT_EQ(read(), (EditorArt{"Y Y Y Y Y", "         ", "Y n n n Y", "         ", "Y W-W n Y", "         ",
                                 "Y n n n Y", "         ", "Y Y Y Y Y"}));
    EXPECT_EQ(cursor(), (EditorCell{3, 2}));
    EXPECT_TRUE(form.canvas.screenOnly());
}

}  // namespace
}  // namespace tarnwick::test
