#include <filesystem>

#include "core/geometry.h"
#include "drawing_fixture.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

class NewDrawing : public DrawingTest {
protected:
    NewDrawing() : DrawingTest(800, 600) {}
    void SetUp() override {
        prepare(10, 0);
        f().canvas.setBackColour(silver);
        f().canvas.setBackPicture(Picture(800, 600, 0x00FF00));
        f().canvas.setScreenOnly(false);
        f().canvas.fillBox(100, 100, 109, 109, black);
        f().canvas.setScreenOnly(true);
        f().symmetrymode = 3;
        f().nodrawing = 1;
        f().picturedrawing = 1;
    }
    static bool snapshotsWritten() { return fs::exists("drawing1.bmp") && fs::exists("drawing1b.bmp"); }
};

TEST_F(NewDrawing, ThreeDPipeMazesStartABlankDrawingOnTheDoubleGrid) {
    f().mazes3d_Click();
    EXPECT_EQ(f().mazekind, 1);
    EXPECT_EQ(currentCell(f()), (CellRect{10, 10, 19, 19}));
    EXPECT_EQ(previousCell(f()), (CellRect{10, 10, 19, 19}));
    EXPECT_EQ(f().gridstepx, 20);
    EXPECT_EQ(f().gridstepy, 20);
    EXPECT_EQ(f().cursorspanx, 9);
    EXPECT_FALSE(f().canvas.hasBackPicture());
    EXPECT_EQ(f().canvas.image().at(105, 105), static_cast<std::uint32_t>(silver));
    EXPECT_EQ(f().pencolor, silver);
    EXPECT_EQ(f().symmetrymode, 0);
    EXPECT_EQ(f().nodrawing, 0);
    EXPECT_EQ(f().picturedrawing, 0);
    EXPECT_EQ(f().creationmode, -1);
    EXPECT_EQ(f().gridchanged, 1);
    EXPECT_EQ(f().startx2, 0);
    EXPECT_EQ(f().finishy1, 0);
    EXPECT_TRUE(f().ui.menu("lthick").visible);
    EXPECT_TRUE(f().ui.menu("mazemode1").enabled);
    EXPECT_EQ(f().ui.window().caption, "The Quillary Tarnwick-(drawing picture for '3d-pipe-mazes')");
    EXPECT_TRUE(snapshotsWritten());
}

TEST_F(NewDrawing, RegularMazesAfterAPipeDrawingWriteNoSnapshot) {
    f().mazekind = 1;
    f().gridstepx = f().gridstepy = 20;
    f().rmazes_Click();
    EXPECT_EQ(f().gridstepx, 10);
    EXPECT_FALSE(f().ui.menu("lthick").visible);
    EXPECT_FALSE(f().ui.menu("mazemode1").visible);
    EXPECT_EQ(f().ui.window().caption, "The Quillary Tarnwick-(drawing picture for 'Regular mazes')");
    EXPECT_FALSE(snapshotsWritten());
}

TEST_F(NewDrawing, ThreeDMazesShowTheDifficultyButNotTheUnderpassLength) {
    f().mazes3d1_Click();
    EXPECT_EQ(f().mazekind, 2);
    EXPECT_EQ(f().gridstepx, 10);
    EXPECT_TRUE(f().ui.menu("mazemode1").visible);
    EXPECT_FALSE(f().ui.menu("lthick").visible);
    EXPECT_TRUE(snapshotsWritten());
}

struct WallSizeCase {
    const char* typed;
    long kind;
    long wall;
    long step;
};

std::ostream& operator<<(std::ostream& os, const WallSizeCase& c) { return os << '"' << c.typed << '"'; }

class WallSizeEntry : public NewDrawing, public ::testing::WithParamInterface<WallSizeCase> {
protected:
    void enter(const char* typed) {
        f().ui.setControlText("wallsizebox", typed);
        f().setwallsize(13);
    }
};

TEST_P(WallSizeEntry, TheTypedNumberIsClampedAndStartsTheLatticeAfresh) {
    f().mazekind = GetParam().kind;
    f().changewallsize_Click();
    enter(GetParam().typed);
    const long w = GetParam().wall;
    EXPECT_EQ(f().wallsizex, w);
    EXPECT_EQ(f().wallsizey, w);
    EXPECT_EQ(f().gridstepx, GetParam().step);
    EXPECT_EQ(f().gridstepy, GetParam().step);
    EXPECT_EQ(currentCell(f()), (CellRect{w, w, 2 * w - 1, 2 * w - 1}));
    EXPECT_EQ(previousCell(f()), currentCell(f()));
    EXPECT_EQ(f().cursorspanx, w - 1);
    EXPECT_EQ(f().gridchanged, 1);
    EXPECT_EQ(startSquare(f()), (CellRect{0, 0, -5, -5}));
    EXPECT_EQ(finishSquare(f()), (CellRect{0, 0, -3, -3}));
}

INSTANTIATE_TEST_SUITE_P(Typed, WallSizeEntry,
                         ::testing::Values(WallSizeCase{"3", 0, 5, 5}, WallSizeCase{"51", 0, 50, 50},
                                           WallSizeCase{"999", 0, 50, 50}, WallSizeCase{"", 0, 5, 5},
                                           WallSizeCase{"abc", 0, 5, 5}, WallSizeCase{"12abc", 0, 12, 12},
                                           WallSizeCase{" 20", 0, 20, 20}, WallSizeCase{"7.5", 0, 7, 7},
                                           WallSizeCase{"-8", 0, 5, 5}, WallSizeCase{"1e9", 0, 50, 50},
                                           WallSizeCase{"20", 1, 20, 40}));

TEST_F(NewDrawing, TheEntryPanelOpensPausedAndClosesOnEnter) {
    f().changewallsize_Click();
    EXPECT_TRUE(f().ui.control("wallsizebox").visible);
    EXPECT_TRUE(f().ui.control("wallsizelabel").visible);
    EXPECT_EQ(f().ui.focus(), "wallsizebox");
    EXPECT_EQ(f().paused, 1);
    EXPECT_EQ(f().panelopen, 1);
    EXPECT_EQ(f().newdrawing, 0);
    f().ui.setControlText("wallsizebox", "15");
    f().setwallsize(13);
    EXPECT_FALSE(f().ui.control("wallsizebox").visible);
    EXPECT_FALSE(f().ui.control("wallsizelabel").enabled);
    EXPECT_EQ(f().ui.control("wallsizebox").text, "");
    EXPECT_EQ(f().paused, 0);
    EXPECT_EQ(f().panelopen, 0);
    EXPECT_TRUE(snapshotsWritten());
}

// A picture drawing keeps its picture and creation mode; the snapshots hold the picture.
TEST_F(NewDrawing, ChangeWallSizeOnAPictureKeepsThePicture) {
    f().creationmode = 1;
    f().changewallsize_Click();
    f().ui.setControlText("wallsizebox", "20");
    f().setwallsize(13);
    EXPECT_TRUE(f().canvas.hasBackPicture());
    EXPECT_EQ(f().creationmode, 1);
    EXPECT_EQ(f().canvas.image().at(300, 300), 0x00FF00u);
}

TEST_F(NewDrawing, ChangeWallSizeOnAGridDrawingDropsThePictureButKeepsPenAndSwitches) {
    f().picturedrawing = 0;
    f().creationmode = 1;
    f().pencolor = teal;
    f().changewallsize_Click();
    f().ui.setControlText("wallsizebox", "20");
    f().setwallsize(13);
    EXPECT_FALSE(f().canvas.hasBackPicture());
    EXPECT_EQ(f().creationmode, -1);
    EXPECT_EQ(f().pencolor, teal);
    EXPECT_EQ(f().nodrawing, 1);
    EXPECT_EQ(f().symmetrymode, 3);
    EXPECT_EQ(f().canvas.image().at(105, 105), 0u) << "the drawing stays";
}

TEST_F(NewDrawing, NewDrawingWithANewWallSizeClearsTheWindow) {
    f().newwallsize_Click();
    EXPECT_EQ(f().newdrawing, 1);
    f().ui.setControlText("wallsizebox", "8");
    f().setwallsize(13);
    EXPECT_EQ(f().newdrawing, 0);
    EXPECT_FALSE(f().canvas.hasBackPicture());
    EXPECT_EQ(f().canvas.image().at(105, 105), static_cast<std::uint32_t>(silver));
    EXPECT_EQ(f().pencolor, silver);
    EXPECT_EQ(f().picturedrawing, 0);
    EXPECT_EQ(f().symmetrymode, 0);
    EXPECT_EQ(f().nodrawing, 0);
    EXPECT_EQ(f().wallsizex, 8);
}

TEST_F(NewDrawing, EscapeChangesNothingAndALaterChangeDoesNotClear) {
    f().picturedrawing = 0;
    f().newwallsize_Click();
    f().ui.setControlText("wallsizebox", "30");
    f().setwallsize(27);
    EXPECT_EQ(f().newdrawing, 0);
    EXPECT_EQ(f().wallsizex, 10);
    EXPECT_EQ(f().paused, 0);
    EXPECT_EQ(f().panelopen, 0);
    EXPECT_FALSE(f().ui.control("wallsizebox").visible);
    EXPECT_EQ(f().canvas.image().at(105, 105), 0u);
    EXPECT_FALSE(snapshotsWritten());

    f().changewallsize_Click();
    f().ui.setControlText("wallsizebox", "30");
    f().setwallsize(13);
    EXPECT_EQ(f().canvas.image().at(105, 105), 0u) << "Change wall size keeps the drawing";
}

TEST_F(NewDrawing, TheEntryTakesTypingThroughTheWindow) {
    f().ui.setEnabled("drawingt", true);
    f().ui.setEnabled("changewallsize", true);
    f().ui.setVisible("changewallsize", true);
    platform().pushMenu("changewallsize");
    platform().pushText("25");
    platform().pushEntryKey(13);
    f().doEvents();
    EXPECT_EQ(f().wallsizex, 25);
    EXPECT_TRUE(platform().refusals().empty()) << platform().refusals().front();
}

TEST_F(NewDrawing, SwitchesSetTheirFieldsAndGoBackToDrawingSetsTheMode) {
    f().drawingon_Click();
    EXPECT_EQ(f().nodrawing, 0);
    f().drawingoff_Click();
    EXPECT_EQ(f().nodrawing, 1);
    f().horizontal_Click();
    EXPECT_EQ(f().symmetrymode, 1);
    f().vertical_Click();
    EXPECT_EQ(f().symmetrymode, 2);
    f().way4_Click();
    EXPECT_EQ(f().symmetrymode, 3);
    f().turnsoff_Click();
    EXPECT_EQ(f().symmetrymode, 0);
    f().programmode = 2;
    f().ui.setEnabled("nrefresh", true);
    f().backtodrawing_Click();
    EXPECT_EQ(f().programmode, 0);
    EXPECT_FALSE(f().ui.menu("nrefresh").enabled);
}

}  // namespace
}  // namespace tarnwick::test
