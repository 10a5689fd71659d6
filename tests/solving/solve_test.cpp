#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

struct SolveCase {
    const char* name;
    const MazeArt* maze;
    long wall;
};

class SolvedTrail : public SolvingTest, public ::testing::WithParamInterface<SolveCase> {};

// The trail read back from the pixels is the way from start to finish and
// nothing else: every dead end the walker went into is wiped again, and every
// other pixel shows the maze as it was.
TEST_P(SolvedTrail, IsExactlyTheWayFromStartToFinish) {
    const SolveCase& c = GetParam();
    paintMaze(*c.maze, c.wall);
    const Picture maze = form.canvas.image();

    solveToTheEnd();

    EXPECT_EQ(form.ui.window().caption, "The Quillary Tarnwick-(computer has solved maze)");
    expectOnlyTheTrailAdded(*c.maze, maze);
    EXPECT_EQ(form.mazeprogress, 3);
    EXPECT_EQ(form.finishfound, 0);
}

INSTANTIATE_TEST_SUITE_P(Mazes, SolvedTrail,
                         ::testing::Values(SolveCase{"twisty10", &twisty, 10}, SolveCase{"twisty5", &twisty, 5},
                                           SolveCase{"middle10", &startInTheMiddle, 10},
                                           SolveCase{"middle5", &startInTheMiddle, 5},
                                           SolveCase{"above10", &finishAbove, 10},
                                           SolveCase{"above7", &finishAbove, 7}),
                         [](const auto& info) { return std::string(info.param.name); });

class SolveStage : public SolvingTest {};

// A dead end in another passage colour: wiping the trail back out of it gives
// each cell, and the grid line between them, its own colour again, whichever
// colour the grid line had.
TEST_F(SolveStage, WipeOutOfADeadEndOfAnotherColourRestoresEachColour) {
    constexpr long red = 0x0000FF;
    const MazeArt branch = {
        "###########",
        "#####.#####",
        "#####.#####",
        "#####.#####",
        "#####.#####",
        "#S.......F#",
        "###########",
    };
    for (const long lineColour : {red, white}) {
        standardColours(form);
        form.passagecolors.set(2, red);
        form.programmode = 3;
        paintMaze(branch, 10);
        spanBox(form.canvas, box({1, 5}), box({3, 5}), red);
        const CellRect mouth = box({3, 5}), below = box({5, 5});
        form.canvas.fillBox(mouth.x1, mouth.y2 + 1, mouth.x2, below.y1 - 1, lineColour);
        const Picture maze = form.canvas.image();

        solveToTheEnd();

        SCOPED_TRACE(lineColour == red ? "grid line red" : "grid line white");
        expectOnlyTheTrailAdded(branch, maze);
    }
}

TEST_F(SolveStage, SetUpKeepsTheShiftedColoursAndSavesThePlacedMaze) {
    paintMaze(twisty, 10);
    form.endpointoption = 0;
    solveToTheEnd();
    EXPECT_EQ(form.keptstartcolor, startShifted);
    EXPECT_EQ(form.keptfinishcolor, finishShifted);
    EXPECT_EQ(form.colorskept, 1);
    // Back on the palette after the run.
    EXPECT_EQ(form.startcolor, 0xFF00FF);
    EXPECT_EQ(form.finishcolor, 0x808080);
    EXPECT_TRUE(form.ui.menu("srndpatterns").enabled);
    const auto placed = platform.loadPicture("drawing2.bmp");
    ASSERT_TRUE(placed.has_value());
    EXPECT_EQ(static_cast<long>(placed->at(box(startCell).x1, box(startCell).y1)), startShifted);
    EXPECT_EQ(static_cast<long>(placed->at(box(finishCell).x1, box(finishCell).y1)), finishShifted);
}

TEST_F(SolveStage, CaptionFollowsThePlayTickAndAPendingSearch) {
    struct Case {
        bool computerTicked;
        long endpoint, found;
        const char* caption;
    };
    for (const Case c : {Case{true, 0, 0, "The Quillary Tarnwick-(computer is solving maze)"},
                         Case{false, 0, 0, "The Quillary Tarnwick-(user is solving maze)"},
                         Case{true, 1, 1, "The Quillary Tarnwick-(computer is solving maze)"},
                         Case{false, 1, 0, "The Quillary Tarnwick-(searching for finish)"}}) {
        paintMaze(twisty, 10);
        standardColours(form);
        form.ui.setChecked("playmodeoff", c.computerTicked);
        form.endpointoption = c.endpoint;
        form.finishfound = c.found;
        form.programmode = 3;
        std::string seen;
        platform.setFeeder([&](HeadlessPlatform&) {
            if (seen.empty()) seen = form.ui.window().caption;
            form.programmode = 0;
        });
        form.solvestage();
        EXPECT_EQ(seen, c.caption);
    }
}

// Back to placing: the placing stage's colours come back and the squares are
// erased with the colours under them. The solved wait records progress 3 after
// the command, so "Place start and finish" from the solved maze leaves 3 too.
TEST_F(SolveStage, ReturnToPlacingErasesTheSquares) {
    paintMaze(twisty, 10);
    form.startunder = form.finishunder = black;
    form.savedstartunder = form.savedfinishunder = white;
    platform.setFeeder([&](HeadlessPlatform& p) {
        if (form.programmode == 4) p.pushMenu("sandf");
    });
    form.ui.setEnabled("sandf", true);
    form.solvestage();
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(form.mazeprogress, 3);
    EXPECT_EQ(form.startunder, white);
    EXPECT_EQ(form.canvas.point(form.startx1, form.starty1), white);
    EXPECT_EQ(form.canvas.point(form.finishx2, form.finishy2), white);
}

const MazeArt cutOff = {
    "#########",
    "#S....#F#",
    "#.###.###",
    "#.......#",
    "#########",
};

const std::string walkStopped = "Solving stopped: the walk from the start goes round without reaching the finish.";

// A finish the walker cannot reach: once the walk meets a state of its own
// again it would go round for ever, so it stops, told once, and the clean maze
// goes back to placing, whose stage then shows its own caption.
TEST_F(SolveStage, UnreachableFinishStopsTheWalkBackInPlacing) {
    paintMaze(cutOff, 10);
    platform.setPassBudget(20'000);
    form.solvestage();
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(platform.messages(), std::vector<std::string>{walkStopped});
    // The placed maze: the start square, and no trail.
    EXPECT_EQ(pixelsOf(startShifted), trailPixels({startCell}));
    EXPECT_EQ(form.canvas.point(box(finishCell).x1, box(finishCell).y1), finishShifted);
    platform.setFeeder([&](HeadlessPlatform& p) {
        if (p.passes() % 5 == 0) form.programmode = 0;
    });
    EXPECT_EQ(form.placingstage(), LoopStage::Drawing);
    EXPECT_NE(std::find(platform.captions().begin(), platform.captions().end(),
                        "The Quillary Tarnwick-(placing start and finish)"),
              platform.captions().end());
}

// With "Auto-minimize" the walk minimized the window; the stop's box opens in
// the window brought back, maximized, as the solved maze's is.
TEST_F(SolveStage, StoppedWalkBringsTheMinimizedWindowBackBeforeItsBox) {
    paintMaze(cutOff, 10);
    form.autominimizeon = 1;
    platform.setPassBudget(20'000);
    bool minimizedWalk = false;
    platform.setFeeder([&](HeadlessPlatform&) {
        minimizedWalk = minimizedWalk || form.ui.window().state == WindowState::Minimized;
    });
    form.solvestage();
    ASSERT_EQ(platform.messages(), std::vector<std::string>{walkStopped});
    EXPECT_TRUE(minimizedWalk);
    EXPECT_EQ(platform.messageWindowStates(), std::vector<WindowState>{WindowState::Maximized})
        << "the box opened over the minimized window";
}

// With every square field at -10 (no usable cell) nothing is read but -1 and
// nothing is painted: the walker goes round until the walk stops.
TEST_F(SolveStage, SquaresOffTheSurfaceNeitherCrashNorPaint) {
    paintMaze(twisty, 10);
    const Picture before = form.canvas.image();
    form.startx1 = form.starty1 = form.startx2 = form.starty2 = -10;
    form.finishx1 = form.finishy1 = form.finishx2 = form.finishy2 = -100;
    platform.setPassBudget(5'000);
    form.solvestage();
    EXPECT_EQ(form.programmode, 2);
    EXPECT_TRUE(form.canvas.image() == before);
}

}  // namespace
}  // namespace tarnwick::test
