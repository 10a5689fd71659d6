#include <gtest/gtest.h>

#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

class MergeMaze : public HeadlessProgramTest {
protected:
    void SetUp() override {
        Form57& f = program.form;
        f.cellx1 = 21;
        f.celly1 = 21;
        f.cellx2 = 28;
        f.celly2 = 28;
        f.passagecolor = 0xFFFFFF;
        f.cursorcolor = 3;
        f.fallbackx1 = 41;
        f.fallbacky1 = 51;
        f.fallbackx2 = 48;
        f.fallbacky2 = 58;
        f.ui.setEnabled("nrefresh", false);
    }
};

// The user's cursor cell goes into the base picture as passage, and stays the cursor on the window.
TEST_F(MergeMaze, TheBasePictureHoldsTheMazeWithAPlainPassageCell) {
    Form57& f = program.form;
    f.creationmode = -1;
    f.mpdrawing_Click();
    const auto base = program.platform.loadPicture("drawing1b.bmp");
    ASSERT_TRUE(base);
    EXPECT_EQ(base->at(24, 24), 0xFFFFFFu);
    EXPECT_EQ(f.canvas.point(24, 24), 3);
    EXPECT_EQ(f.mazemerged, 1);
    EXPECT_EQ(f.nrefreshallowed, 1);
    EXPECT_TRUE(f.ui.menu("nrefresh").enabled);
    EXPECT_EQ(f.savedfallbackx1, 41);
    EXPECT_EQ(f.savedfallbacky2, 58);
}

// With a panel open the cell still goes into the persistent image, and the layer choice comes back.
TEST_F(MergeMaze, WhileAPanelIsOpen) {
    Form57& f = program.form;
    f.creationmode = 1;
    f.paused = 1;
    f.canvas.setScreenOnly(true);
    f.mpdrawing_Click();
    EXPECT_TRUE(f.canvas.screenOnly());
    EXPECT_EQ(f.canvas.image().at(24, 24), 0xFFFFFFu);
    EXPECT_FALSE(f.ui.menu("nrefresh").enabled);  // the random-size panel brings it when it closes
}

TEST_F(MergeMaze, OnlyWhileTheLatchIsFree) {
    Form57& f = program.form;
    f.commandtaken = 1;
    f.mpdrawing_Click();
    EXPECT_EQ(f.mazemerged, 0);
}

}  // namespace
}  // namespace tarnwick::test
