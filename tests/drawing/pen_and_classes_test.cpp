#include "core/geometry.h"
#include "drawing_fixture.h"

namespace tarnwick::test {
namespace {

class PenRepair : public DrawingTest {
protected:
    void repair(long pen, long penBeforeEvents) {
        f().pencolor = pen;
        f().passstartpen = penBeforeEvents;
        f().repairpen();
    }
};

TEST_F(PenRepair, AWhiteBorderPenBecomesTheFirstUsableBorderColour) {
    repair(white, white);
    EXPECT_EQ(f().pencolor, grey) << "border entries 1 to 8 are markers";
}

TEST_F(PenRepair, AnOpenPenBecomesTheFirstUsableOpenColour) {
    f().passagecolors.set(1, black);
    repair(black, black);
    EXPECT_EQ(f().pencolor, navy);
}

TEST_F(PenRepair, APenInNoTableBeforeTheEventsTakesTheOpenTable) {
    repair(white, 0x123456);
    EXPECT_EQ(f().pencolor, black);
}

TEST_F(PenRepair, AUsablePenIsLeftAlone) {
    repair(magenta, white);
    EXPECT_EQ(f().pencolor, magenta);
}

// Colours 1 to 15 open, white the only border colour and a passage colour: the
// border table holds nothing usable, so the pen takes the open table's first.
TEST_F(PenRepair, ABorderTableWithoutUsableEntryFallsBackToTheOpenTable) {
    for (int k = 1; k <= 15; ++k) f().ui.setControlValue("Check" + std::to_string(k), 1);
    f().colorclasstables();
    repair(white, white);
    EXPECT_EQ(f().pencolor, black);
}

TEST_F(PenRepair, AMarkerPenIsRepairedLikeAPassageColour) {
    repair(borderMarker(3), borderMarker(3));
    EXPECT_EQ(f().pencolor, black) << "a marker belongs to no class, so the open table is walked";
}

// Every palette colour is a passage colour: the pen stays and no stroke is painted.
TEST_F(PenRepair, NoUsableColourAtAllPaintsNoStroke) {
    for (int k = 1; k <= 16; ++k) f().passagecolors.set(k, f().palette[k]);
    f().canvas.setBackColour(0x123456);
    repair(white, white);
    EXPECT_EQ(f().pencolor, white);
    setCurrentCell(f(), {10, 5, 14, 9});
    f().canvas.setScreenOnly(false);
    f().paintstroke();
    EXPECT_EQ(f().canvas.point(12, 7), 0x123456);
    EXPECT_EQ(f().canvas.point(7, 7), 0x123456);
}

TEST_F(PenRepair, PenMemoryCountsTheSeventeenthOpenEntry) {
    f().opencolors.set(17, extraOpenGreen);
    f().pencolor = extraOpenGreen;
    f().rememberpen();
    EXPECT_EQ(f().openpencolor, extraOpenGreen);
    f().pencolor = magenta;
    f().rememberpen();
    EXPECT_EQ(f().borderpencolor, magenta);
    EXPECT_EQ(f().openpencolor, extraOpenGreen);
}

class ClassCaptions : public DrawingTest {
protected:
    std::string caption(int n) { return f().ui.control("Check" + std::to_string(n)).caption; }
};

TEST_F(ClassCaptions, BoxesAndSwatchesFollowTheTicks) {
    f().ui.setControlValue("Check4", 0);
    f().ui.setControlValue("Check9", 1);
    f().captionclassboxes();
    EXPECT_EQ(caption(4), "Border Color");
    EXPECT_EQ(caption(20), "Border Color");
    EXPECT_EQ(caption(9), "Background");
    EXPECT_EQ(caption(25), "Background");
}

TEST_F(ClassCaptions, APassageColourReadsMazeColorOnItsClassBoxOnly) {
    f().passagecolors.set(3, yellow);
    f().ui.setControlCaption("Check31", "kept");
    f().captionclassboxes();
    EXPECT_EQ(caption(15), "Maze Color");
    EXPECT_EQ(caption(31), "kept");
}

TEST_F(ClassCaptions, AGreyedBoxKeepsBothCaptions) {
    f().ui.setControlCaption("Check5", "a");
    f().ui.setControlCaption("Check21", "b");
    f().ui.setControlValue("Check5", 2);
    f().captionclassboxes();
    EXPECT_EQ(caption(5), "a");
    EXPECT_EQ(caption(21), "b");
}

// A tick reaches the tables on the next pass while the panel stays open.
class ClassBoxesInTheStage : public DrawingTest {};

TEST_F(ClassBoxesInTheStage, AnUntickedBoxMakesItsColourABorderColourOnTheNextPass) {
    f().ui.setControlVisible("Check4", true);
    f().ui.setControlEnabled("Check4", true);
    runStage([](Form57& form, HeadlessPlatform& p, std::uint64_t run) {
        if (run == 3) p.pushCheck("Check4");
        if (run == 5) form.programmode = -6;
    });
    EXPECT_EQ(f().bordercolors[4], teal);
    EXPECT_EQ(f().opencolors[4], openMarker(4));
    EXPECT_EQ(f().ui.control("Check4").caption, "Border Color");
}

TEST_F(ClassBoxesInTheStage, WithTheSpaceStationSelectedColour2KeepsItsClass) {
    f().exampledrawing = 2;
    f().ui.setControlValue("Check2", 0);
    runStage([](Form57& form, HeadlessPlatform&, std::uint64_t run) {
        if (run == 3) form.programmode = -6;
    });
    EXPECT_EQ(f().opencolors[2], navy);
    EXPECT_EQ(f().bordercolors[2], borderMarker(2));
}

}  // namespace
}  // namespace tarnwick::test
