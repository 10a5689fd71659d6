#include "drawing_fixture.h"

namespace tarnwick::test {
namespace {

std::string box(int n) { return "Check" + std::to_string(n); }

// Default classes, a yellow window, white passages, navy and yellow pens.
class ColourPanels : public DrawingTest {
protected:
    void SetUp() override {
        prepare(5, 0);
        f().canvas.setBackColour(yellow);
        f().openpencolor = navy;
        f().borderpencolor = yellow;
        f().canvas.setScreenOnly(false);
        f().canvas.pset(12, 12, black);  // a drawn pixel that a cleared window loses
        f().canvas.setScreenOnly(true);
    }
    void tick(int k, int value) {
        f().ui.setControlValue(box(k), value);
        f().colorclasstables();  // as the next drawing-stage pass does
    }
    bool drawingKept() { return f().canvas.point(12, 12) == black; }
};

TEST_F(ColourPanels, EditColorsShowsTheClassBoxesAndDone) {
    f().choosew_Click();
    for (int k = 1; k <= 16; ++k) {
        EXPECT_TRUE(f().ui.control(box(k)).visible) << k;
        EXPECT_TRUE(f().ui.control(box(k)).enabled) << k;
        EXPECT_FALSE(f().ui.control(box(k + 16)).visible) << k + 16;
    }
    EXPECT_TRUE(f().ui.control("Command1").visible);
    EXPECT_EQ(f().paused, 1);
    EXPECT_EQ(f().panelopen, 1);
    EXPECT_FALSE(f().ui.menu("choosew").enabled);

    f().Command1_Click();
    EXPECT_FALSE(f().ui.control(box(7)).visible);
    EXPECT_FALSE(f().ui.control("Command1").enabled);
    EXPECT_EQ(f().paused, 0);
    EXPECT_EQ(f().panelopen, 0);
}

TEST_F(ColourPanels, DoneWithTheDefaultClassesChangesNothing) {
    f().choosew_Click();
    f().Command1_Click();
    EXPECT_EQ(f().canvas.backColour(), yellow);
    EXPECT_EQ(f().openpencolor, navy);
    EXPECT_EQ(f().borderpencolor, yellow);
    EXPECT_TRUE(drawingKept());
}

TEST_F(ColourPanels, TickingTheWindowColourMovesWindowAndBorderPenToTheFirstFreeBorderColour) {
    f().choosew_Click();
    tick(15, 1);
    f().Command1_Click();
    EXPECT_EQ(f().canvas.backColour(), grey);
    EXPECT_FALSE(drawingKept()) << "a new window colour clears the window";
    EXPECT_EQ(f().borderpencolor, grey);
    EXPECT_EQ(f().tempcolor, yellow);
}

TEST_F(ColourPanels, UntickingTheOpenPensColourGivesTheFirstFreeOpenColour) {
    f().openpencolor = teal;
    f().choosew_Click();
    tick(4, 0);
    f().Command1_Click();
    EXPECT_EQ(f().openpencolor, black);
}

// No free border colour: the window is neither changed nor cleared.
TEST_F(ColourPanels, EveryBoxTickedLeavesTheWindowAndItsDrawing) {
    f().choosew_Click();
    for (int k = 1; k <= 16; ++k) tick(k, 1);
    f().Command1_Click();
    EXPECT_EQ(f().canvas.backColour(), yellow);
    EXPECT_TRUE(drawingKept());
    EXPECT_EQ(f().borderpencolor, yellow) << "no free border entry: the pen is kept";
}

// Grey, a border colour, is also the passage colour of some palette colour while
// white is the one in use: the check finds grey itself and leaves the drawing.
TEST_F(ColourPanels, AWindowColourThatIsItsOwnFirstFreeBorderColourIsNotSetAgain) {
    f().canvas.setBackColour(grey);
    f().canvas.setScreenOnly(false);
    f().canvas.pset(12, 12, black);
    f().passagecolors.set(5, grey);
    f().choosew_Click();
    f().Command1_Click();
    EXPECT_EQ(f().canvas.backColour(), grey);
    EXPECT_TRUE(drawingKept());
}

TEST_F(ColourPanels, SelectColorTicksThePenAndHidesPassageColours) {
    f().pencolor = black;
    f().selectcolor_Click();
    for (int k = 1; k <= 16; ++k) EXPECT_EQ(f().ui.control(box(k + 16)).value, k == 1 ? 1 : 0) << k;
    for (int k = 1; k <= 15; ++k) EXPECT_TRUE(f().ui.control(box(k + 16)).visible) << k;
    EXPECT_FALSE(f().ui.control(box(32)).visible) << "white is a passage colour";
    EXPECT_EQ(f().panelopen, 1);
}

TEST_F(ColourPanels, ChoosingASwatchSetsThePenAndClosesThePanel) {
    f().pencolor = black;
    f().selectcolor_Click();
    platform().pushCheck(box(16 + 14));
    f().doEvents();
    EXPECT_EQ(f().pencolor, magenta);
    for (int k = 17; k <= 32; ++k) EXPECT_FALSE(f().ui.control(box(k)).visible) << k;
    EXPECT_EQ(f().paused, 0);
    EXPECT_EQ(f().panelopen, 0);
    EXPECT_TRUE(f().ui.menu("selectcolor").enabled);
}

}  // namespace
}  // namespace tarnwick::test
