#include <filesystem>

#include "frame_fixture.h"
#include "platform/picture_files.h"
#include "core/colours.h"
#include "shell/shell_values.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

using MainLoopTest = FrameTest;

TEST_F(MainLoopTest, EachModeLeadsToItsStage) {
    // drawing -> maze -> placing -> solve -> placing -> maze -> drawing -> title
    workerModes = {1, 2, 3, 2, 1, 0, -6};
    begin();
    EXPECT_EQ(workerNames(), (std::vector<std::string>{"drawing", "making", "placing", "solving", "placing",
                                                       "making", "drawing"}));
    // The loop itself puts mode 1 before maze making; the others run in the mode that led to them.
    std::vector<long> modes;
    for (const auto& c : calls) modes.push_back(c.mode);
    EXPECT_EQ(modes, (std::vector<long>{0, 1, 2, 3, 2, 1, 0}));
    EXPECT_EQ(form.programmode, -5) << "back on the title";
    EXPECT_EQ(calls[1].caption, "The Quillary Tarnwick-(creating 2d-maze)");
    EXPECT_EQ(calls[2].caption, "The Quillary Tarnwick-(placing start and finish)");
    EXPECT_EQ(form.ui.window().caption, "The Quillary Tarnwick-by Ivo Pellik");
}

class MazeCaptionTest : public FrameTest, public ::testing::WithParamInterface<std::pair<long, const char*>> {};

TEST_P(MazeCaptionTest, FollowsTheMazeKind) {
    const auto [kind, text] = GetParam();
    workerModes = {1};
    onWorker = [&, kind](const std::string& worker) {
        if (worker == "drawing") form.mazekind = kind;
    };
    begin();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].caption, stagecaption(text));
}

INSTANTIATE_TEST_SUITE_P(Kinds, MazeCaptionTest,
                         ::testing::Values(std::pair<long, const char*>{0, "-(creating 2d-maze)"},
                                           std::pair<long, const char*>{1, "-(creating 3d-pipe-maze)"},
                                           std::pair<long, const char*>{2, "-(creating 3d-maze)"}));

// The drawing reaches maze making through the base picture; going back to the
// drawing stage paints the clean drawing back, without the maze.
TEST_F(MainLoopTest, SnapshotsCarryTheDrawingAndDropTheMaze) {
    constexpr long red = 0x0000FF, white = 0xFFFFFF;
    int drawingCalls = 0;
    std::vector<long> seenAtMaking, seenAtSecondDrawing;
    workerModes = {1, 0, 1};
    onWorker = [&](const std::string& worker) {
        Canvas& c = form.canvas;
        if (worker == "drawing" && ++drawingCalls == 1) {
            c.setScreenOnly(false);
            c.fillBox(400, 300, 409, 309, red);
        } else if (worker == "drawing") {
            seenAtSecondDrawing = {c.point(405, 305), c.point(505, 305)};
        } else if (worker == "making") {
            seenAtMaking = {c.point(405, 305), c.point(505, 305)};
            c.fillBox(500, 300, 509, 309, white);  // a passage of the maze
        }
    };
    begin();
    ASSERT_EQ(workerNames(), (std::vector<std::string>{"drawing", "making", "drawing", "making"}));
    EXPECT_EQ(seenAtMaking[0], red);
    EXPECT_EQ(seenAtSecondDrawing[0], red);
    EXPECT_NE(seenAtSecondDrawing[1], white) << "the maze is gone from the drawing";
    auto clean = loadPictureFile("drawing1.bmp");
    auto base = loadPictureFile("drawing1b.bmp");
    ASSERT_TRUE(clean && base);
    EXPECT_EQ(*clean, *base);
    EXPECT_EQ(static_cast<long>(clean->at(405, 305)), red);
}

TEST_F(MainLoopTest, FinishedMazeIsSavedAndGoBackToMazeResumesIt) {
    constexpr long white = 0xFFFFFF;
    long resumedCellx1 = -1, seenPassage = -1;
    int makingCalls = 0;
    workerModes = {1, 2, 1, 2};
    onWorker = [&](const std::string& worker) {
        Canvas& c = form.canvas;
        if (worker == "making" && ++makingCalls == 1) {
            c.fillBox(500, 300, 509, 309, white);
            form.cellx1 = 121;
            form.celly1 = 131;
            form.cellx2 = 128;
            form.celly2 = 138;
            form.carvemode = 1;
        } else if (worker == "making") {
            resumedCellx1 = form.cellx1;
            seenPassage = c.point(505, 305);
        } else if (worker == "placing" && makingCalls == 1) {
            // "Go back to Maze"
            form.resumemaze = 1;
            form.keeppicture = 1;
        }
    };
    begin();
    EXPECT_EQ(resumedCellx1, 121);
    EXPECT_EQ(seenPassage, white) << "the maze was not replaced by the base picture";
    EXPECT_EQ(form.resumemaze, 0);
    auto finished = loadPictureFile("drawing3.bmp");
    ASSERT_TRUE(finished);
    EXPECT_EQ(static_cast<long>(finished->at(505, 305)), white);
}

TEST_F(MainLoopTest, StageWaitsWhilePaused) {
    std::uint64_t pausedUntil = 0, drawingCalledAt = 0;
    workerModes = {1, 0};
    onWorker = [&](const std::string& worker) {
        if (worker == "making") {
            form.paused = 1;  // a panel opened during maze making
        } else if (worker == "drawing" && calls.size() > 1) {
            drawingCalledAt = platform.passes();
        }
    };
    standInWorkers();
    runPasses([&](std::uint64_t pass) {
        if (pass == 2) platform.pushButton("Command2");
        if (form.paused == 1 && pausedUntil == 0) pausedUntil = pass + 20;
        if (pass == pausedUntil) form.paused = 0;
        return pass < 200;
    });
    ASSERT_NE(pausedUntil, 0u);
    EXPECT_GE(drawingCalledAt, pausedUntil);
}

TEST_F(MainLoopTest, ReturningToTheTitleResetsItsValuesButWritesNoPicturesAgain) {
    workerModes = {-6};
    onWorker = [&](const std::string&) {
        fs::remove("temple.bmp");
        form.cellx1 = 50;
        form.startx1 = 60;
        form.finishy2 = 70;
        form.startcolor = 0x123456;
        form.mazekind = 2;
        writeBytes("3dup.pt", "1\r\n9999,88\r\n");
    };
    begin();
    EXPECT_EQ(form.programmode, -5);
    EXPECT_EQ(form.cellx1, 0);
    EXPECT_EQ(form.startx1, 0);
    EXPECT_EQ(form.finishy2, 0);
    EXPECT_EQ(form.startcolor, 0xFF00FF);
    EXPECT_FALSE(fs::exists("temple.bmp"));
    EXPECT_EQ(fileBytes("3dup.pt"), "3,9999,88\r\n") << "the title resets the current kind's files";
    EXPECT_TRUE(form.canvas.hasBackPicture());
    EXPECT_TRUE(form.ui.control("Command2").visible);
}

TEST_F(MainLoopTest, DrawingOffFillsTheCursorCellBeforeTheSnapshots) {
    workerModes = {1};
    onWorker = [&](const std::string& worker) {
        if (worker != "drawing") return;
        form.nodrawing = 1;
        form.cellx1 = 600;
        form.celly1 = 400;
        form.cellx2 = 609;
        form.celly2 = 409;
        form.pencolor = 0x008000;
    };
    begin();
    auto clean = loadPictureFile("drawing1.bmp");
    ASSERT_TRUE(clean);
    EXPECT_EQ(static_cast<long>(clean->at(605, 405)), 0x008000);
}

class OpenColour17Test : public FrameTest, public ::testing::WithParamInterface<bool> {};

TEST_P(OpenColour17Test, FollowsTheClassOfGreen) {
    const bool greenOpen = GetParam();
    workerModes = {1};
    onWorker = [&](const std::string& worker) {
        if (worker == "drawing") form.opencolors.set(3, greenOpen ? form.palette[3] : 305);
    };
    begin();
    EXPECT_EQ(form.opencolors[17], greenOpen ? 0x7C00 : noPixelColour);
}

INSTANTIATE_TEST_SUITE_P(GreenOpenOrBorder, OpenColour17Test, ::testing::Bool());

TEST_F(MainLoopTest, PrintRunThatPrintedAllItsMazesEndsAtTheNextMaze) {
    workerModes = {1};
    onWorker = [&](const std::string& worker) {
        if (worker != "drawing") return;
        form.printmode = 2;
        form.mazestoprint = 2;
        form.mazesprinted = 2;
    };
    begin();
    EXPECT_EQ(form.printmode, 0);
}

TEST_F(MainLoopTest, AutoMinimizeMaximizesAtThePlacingStage) {
    workerModes = {1, 2};
    onWorker = [&](const std::string& worker) {
        if (worker == "drawing") form.autominimizeon = 1;
    };
    begin();
    EXPECT_EQ(form.ui.window().state, WindowState::Maximized);
}

// A mode that the table does not name for a worker takes its "any other" row.
TEST_F(MainLoopTest, UnexpectedModesGoOnAsTheUsualOne) {
    workerModes = {2, 3, 4, 2, -6};
    begin();
    EXPECT_EQ(workerNames(), (std::vector<std::string>{"drawing", "making", "placing", "solving", "placing"}));
}

// Back in the drawing stage the cursor and pen of the last drawing stage's end
// return; after a visit of the title the first drawing stage starts afresh.
TEST_F(MainLoopTest, DrawingStageGetsBackItsCursorAndPenButNotAfterTheTitle) {
    constexpr long grey = 0x808080;
    workerModes = {1, 0, -6, 1};
    std::vector<std::array<long, 5>> seen;  // cursor and pen at each drawing stage's start
    onWorker = [&](const std::string& worker) {
        Form57& f = form;
        if (worker == "drawing") {
            seen.push_back({f.cellx1, f.celly1, f.cellx2, f.celly2, f.pencolor});
            f.cellx1 = f.celly1 = 100;
            f.cellx2 = f.celly2 = 119;
            f.pencolor = grey;
        } else {
            f.cellx1 = f.celly1 = 300;  // the carving head
            f.pencolor = 0;
        }
    };
    standInWorkers();
    runPasses([&](std::uint64_t pass) {
        if (pass % 5 == 0 && form.programmode == -5) platform.pushButton("Command2");
        return pass < 100;
    });
    const std::array<long, 5> first{10, 10, 19, 19, 0x00FFFF}, kept{100, 100, 119, 119, grey};
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], first);
    EXPECT_EQ(seen[1], kept);
    EXPECT_EQ(seen[2], first) << "after the title";
}

// The passage colour of the drawing stage is the one the last maze stage began with.
TEST_F(MainLoopTest, PassageColourIsHandedBetweenTheStages) {
    constexpr long teal = 0x808000;
    workerModes = {1, 0, 1};
    std::vector<long> atDrawing;
    onWorker = [&](const std::string& worker) {
        if (worker == "drawing") {
            atDrawing.push_back(form.passagecolor);
            form.passagecolor = teal;  // the apostrophe key
        } else {
            EXPECT_EQ(form.basepassagecolor, teal);
            form.passagecolor = 0x123456;  // what the maze used last
        }
    };
    begin();
    EXPECT_EQ(atDrawing, (std::vector<long>{0, teal}));
}

class PlacingReturnTest : public FrameTest, public ::testing::WithParamInterface<long> {};

// The square colours are shifted off the palette for placing and solving; a
// return to drawing, making or the title undoes the shift.
TEST_P(PlacingReturnTest, UndoesTheColourShiftUnlessItGoesOnToSolving) {
    const long mode = GetParam();
    workerModes = {1, 2, mode};
    std::vector<long> seen;  // finishcolor at each worker's call
    onWorker = [&](const std::string&) { seen.push_back(form.finishcolor); };
    standInWorkers();
    runPasses([&](std::uint64_t pass) {
        if (pass == 2) platform.pushButton("Command2");
        return pass < 60;
    });
    if (mode == -6) seen.push_back(form.finishcolor);  // on the title
    ASSERT_EQ(seen.size(), 4u);
    const long unshifted = seen[1], shifted = seen[2];
    EXPECT_NE(shifted, unshifted);
    EXPECT_EQ(seen[3], mode == 3 ? shifted : unshifted);
}

INSTANTIATE_TEST_SUITE_P(Modes, PlacingReturnTest, ::testing::Values(0L, 1L, 3L, -6L));

// Closing the window inside a worker's loop or a pause wait ends the run cleanly.
class ClosingTest : public FrameTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ClosingTest, InsideALoopEndsTheProgram) {
    const bool inPause = GetParam();
    form.workers.drawing = [&] {
        form.files.open(1, "Left.pt", FileMode::Input);
        if (inPause) {
            form.programmode = 1;
            form.paused = 1;
            return;
        }
        for (;;) form.doEvents();
    };
    runPasses([&](std::uint64_t pass) {
        if (pass == 2) platform.pushButton("Command2");
        return pass < 50;
    });
    EXPECT_EQ(platform.passes(), 50u);
    EXPECT_FALSE(form.files.isOpen(1));
}

INSTANTIATE_TEST_SUITE_P(WorkerOrPause, ClosingTest, ::testing::Bool());

}  // namespace
}  // namespace tarnwick::test
