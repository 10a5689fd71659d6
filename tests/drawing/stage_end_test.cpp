#include <filesystem>
#include <string>

#include "drawing_fixture.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

// Where the test program started: the build directory holds the example mazefiles.
const fs::path startDir = fs::current_path();

class StageEnd : public DrawingTest {
protected:
    StageEnd() : DrawingTest(800, 600) {}
    void SetUp() override {
        prepare(10, 0);
        f().exampledrawing = 1;
    }
    // As "Click to Begin" leaves it.
    void clickedToBegin() { f().loadexample = 1; }
    bool paintedPixelKept() { return f().canvas.image().at(400, 300) == static_cast<std::uint32_t>(black); }
    static void paintPixel(Form57& form) {
        form.canvas.setScreenOnly(false);
        form.canvas.pset(400, 300, black);
        form.canvas.setScreenOnly(true);
    }
};

TEST_F(StageEnd, AfterClickToBeginTheFirstEndShowsTheExampleAndTriesItsSettings) {
    clickedToBegin();
    runStage([](Form57& form, HeadlessPlatform&, std::uint64_t run) {
        if (run == 1) form.programmode = 1;
    });
    EXPECT_TRUE(f().canvas.hasBackPicture());
    EXPECT_TRUE(f().ui.menu("usetemple").checked);
    EXPECT_EQ(f().loadexample, 0);
    // No mazefile in the working directory: the loader says so, the mode stays 1
    // and the stage ends again at its next event run.
    ASSERT_EQ(platform().messages().size(), 1u);
    EXPECT_EQ(platform().messages()[0], "Error: can't find file.");
    EXPECT_EQ(f().programmode, 1);
}

TEST_F(StageEnd, TheSecondEndKeepsWhatWasDrawnOnTheExample) {
    if (!fs::exists(startDir / "temple.maze")) GTEST_SKIP() << "temple.maze is not beside the tests";
    fs::copy_file(startDir / "temple.maze", "temple.maze");
    clickedToBegin();
    bool painted = false;
    runStage([&painted](Form57& form, HeadlessPlatform&, std::uint64_t run) {
        if (run == 1) form.programmode = 1;
        if (run > 1 && form.loadexample == 0 && form.programmode == 0 && !painted) {
            paintPixel(form);
            painted = true;
            form.programmode = 1;
        }
    });
    ASSERT_TRUE(painted) << "the example's settings did not restart the stage";
    EXPECT_TRUE(platform().messages().empty());
    EXPECT_TRUE(f().canvas.hasBackPicture());
    EXPECT_TRUE(paintedPixelKept());
}

// The christmas tree makes 3d mazes: the stage that starts again on it says so.
TEST_F(StageEnd, TheStageOnTheFirstExampleNamesItsMazeKind) {
    if (!fs::exists(startDir / "christmas-tree.maze")) GTEST_SKIP() << "christmas-tree.maze is not beside the tests";
    fs::copy_file(startDir / "christmas-tree.maze", "christmas-tree.maze");
    f().exampledrawing = 4;
    clickedToBegin();
    std::string caption;
    runStage([&caption](Form57& form, HeadlessPlatform&, std::uint64_t run) {
        if (run == 1) form.programmode = 1;
        if (run > 1 && form.loadexample == 0 && caption.empty()) {
            caption = form.ui.window().caption;
            form.programmode = -6;
        }
    });
    EXPECT_EQ(f().mazekind, 2);
    EXPECT_EQ(caption, "The Quillary Tarnwick-(drawing picture for '3d-mazes')");
}

TEST_F(StageEnd, ANewDrawingAfterClickToBeginCancelsTheExample) {
    clickedToBegin();
    runStage([](Form57& form, HeadlessPlatform&, std::uint64_t run) {
        if (run == 1) form.rmazes_Click();
        if (run == 4) {
            paintPixel(form);
            form.programmode = 1;
        }
    });
    EXPECT_FALSE(f().canvas.hasBackPicture());
    EXPECT_TRUE(paintedPixelKept());
    EXPECT_TRUE(platform().messages().empty()) << "the example's settings were not loaded";
    EXPECT_EQ(f().loadexample, 0);
}

// "Change wall size" keeps the drawing, so an example chosen from the menu still
// puts its picture on at the end of the stage; "New drawing and new wall size"
// blanks the drawing and drops the example.
class WallSizeAfterAnExample : public StageEnd, public ::testing::WithParamInterface<bool> {};

TEST_P(WallSizeAfterAnExample, KeepsTheExampleUnlessTheDrawingIsNew) {
    const bool newDrawing = GetParam();
    f().examplepending = 1;
    runStage([newDrawing](Form57& form, HeadlessPlatform&, std::uint64_t run) {
        if (run == 1) {
            if (newDrawing) form.newwallsize_Click();
            else form.changewallsize_Click();
            form.ui.setControlText("wallsizebox", "20");
            form.setwallsize(13);
        }
        if (run == 4) form.programmode = 1;
    });
    EXPECT_EQ(f().canvas.hasBackPicture(), !newDrawing);
    EXPECT_EQ(f().wallsizex, 20);
    EXPECT_EQ(f().examplepending, 0);
}

INSTANTIATE_TEST_SUITE_P(ChangeOrNewDrawing, WallSizeAfterAnExample, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "NewDrawingCancelsIt" : "ChangeKeepsIt");
                         });

TEST_F(StageEnd, AnExampleChosenFromTheMenuAppliesOnceAtTheNextEnd) {
    f().examplepending = 1;
    runStage([](Form57& form, HeadlessPlatform&, std::uint64_t run) {
        if (run == 1) form.programmode = 1;
    });
    EXPECT_TRUE(f().canvas.hasBackPicture());
    EXPECT_EQ(f().examplepending, 0);
    f().canvas.removeBackPicture();
    f().programmode = 0;
    runStage([](Form57& form, HeadlessPlatform&, std::uint64_t run) {
        if (run == 1) form.programmode = 1;
    });
    EXPECT_FALSE(f().canvas.hasBackPicture());
}

TEST_F(StageEnd, QuittingEndsTheStageWithoutItsEnd) {
    clickedToBegin();
    runStage([](Form57& form, HeadlessPlatform&, std::uint64_t run) {
        if (run == 1) form.programmode = -6;
    });
    EXPECT_FALSE(f().canvas.hasBackPicture());
    EXPECT_EQ(f().loadexample, 1);
    EXPECT_TRUE(platform().messages().empty());
}

TEST_F(StageEnd, AModeOtherThanOneOrMinusSixKeepsTheStageRunning) {
    runStage([](Form57& form, HeadlessPlatform&, std::uint64_t run) {
        if (run == 1) form.programmode = 2;
        if (run == 6) form.programmode = -6;
    });
    EXPECT_GE(platform().passes(), 6u);
}

}  // namespace
}  // namespace tarnwick::test
