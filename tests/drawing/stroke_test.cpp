#include "core/geometry.h"
#include "drawing_fixture.h"

namespace tarnwick::test {
namespace {

// Wall size 5 on a 40 by 30 window: lattice columns 5..35, rows 5..25.
class Stroke : public DrawingTest {
protected:
    void stroke(const CellRect& from, const CellRect& to) {
        setPreviousCell(f(), from);
        setCurrentCell(f(), to);
        f().lastpaintpen = f().pencolor;
        f().canvas.setScreenOnly(false);
        f().paintstroke();
        f().canvas.setScreenOnly(true);
    }
};

TEST_F(Stroke, RightAndDownFillsTheSpanningRectangle) {
    stroke({5, 5, 9, 9}, {10, 10, 14, 14});
    EXPECT_EQ(artOf(f().canvas, 0, 0, 20, 20), (Art{
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    ".....##########.....",
                                                    ".....##########.....",
                                                    ".....##########.....",
                                                    ".....##########.....",
                                                    ".....##########.....",
                                                    ".....##########.....",
                                                    ".....##########.....",
                                                    ".....##########.....",
                                                    ".....##########.....",
                                                    ".....##########.....",
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                }));
}

TEST_F(Stroke, RightAndUpPaintsOnlyATwoPixelCross) {
    stroke({5, 10, 9, 14}, {10, 5, 14, 9});
    EXPECT_EQ(artOf(f().canvas, 0, 0, 20, 20), (Art{
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    ".........##.........",
                                                    ".........##.........",
                                                    ".........##.........",
                                                    ".........##.........",
                                                    ".....##########.....",
                                                    ".....##########.....",
                                                    ".........##.........",
                                                    ".........##.........",
                                                    ".........##.........",
                                                    ".........##.........",
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                }));
}

// At wall size 5 the top-bottom image lies one row step lower than the reflection
// about the middle line: the last row of cells, touching the bottom edge.
TEST_F(Stroke, FourWaySymmetryPaintsFourImagesOfAPenChange) {
    recomputeLattice();
    f().symmetrymode = 3;
    f().pencolor = magenta;
    f().lastpaintpen = black;
    f().canvas.setScreenOnly(false);
    f().paintstroke();
    EXPECT_EQ(drawing(), (Art{
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             ".....mmmmm....................mmmmm.....",
                             ".....mmmmm....................mmmmm.....",
                             ".....mmmmm....................mmmmm.....",
                             ".....mmmmm....................mmmmm.....",
                             ".....mmmmm....................mmmmm.....",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             "........................................",
                             ".....mmmmm....................mmmmm.....",
                             ".....mmmmm....................mmmmm.....",
                             ".....mmmmm....................mmmmm.....",
                             ".....mmmmm....................mmmmm.....",
                             ".....mmmmm....................mmmmm.....",
                         }));
}

// A right arrow on a 40 by 20 window, wall size 5: the cursor goes from the first
// cell (5..9, 5..9) to the next, the mirror from (30..34, 15..19) the other way.
// Rows 5..9 hold the stroke and its left-right image, rows 15..19 the images below.
struct MirrorCase {
    long symmetrymode;
    const char* top;     // rows 5 to 9
    const char* bottom;  // rows 15 to 19
};

class MirroredStroke : public DrawingTest, public ::testing::WithParamInterface<MirrorCase> {
protected:
    MirroredStroke() : DrawingTest(40, 20) {}
};

TEST_P(MirroredStroke, PaintsTheImagesOfTheSymmetryMode) {
    const MirrorCase& c = GetParam();
    recomputeLattice();
    ASSERT_EQ((CellRect{f().mirrorx1, f().mirrory1, f().mirrorx2, f().mirrory2}), (CellRect{30, 15, 34, 19}));
    f().symmetrymode = c.symmetrymode;
    f().pencolor = f().lastpaintpen = magenta;
    f().programmode = 0;
    f().areawidth = 40;
    f().Form_KeyDown(39);
    f().canvas.setScreenOnly(false);
    f().paintstroke();
    const std::string blank(40, '.');
    Art expected;
    for (int y = 0; y < 20; ++y) expected.push_back(y >= 5 && y <= 9 ? c.top : y >= 15 ? c.bottom : blank);
    EXPECT_EQ(drawing(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, MirroredStroke,
    ::testing::Values(
        //                                           x: 0    5    10   15   20   25   30   35
        MirrorCase{0, ".....mmmmmmmmmm.........................", "........................................"},
        MirrorCase{1, ".....mmmmmmmmmm..........mmmmmmmmmm.....", "........................................"},
        MirrorCase{2, ".....mmmmmmmmmm.........................", ".....mmmmmmmmmm........................."},
        MirrorCase{3, ".....mmmmmmmmmm..........mmmmmmmmmm.....", ".....mmmmmmmmmm..........mmmmmmmmmm....."}));

TEST_F(Stroke, ThePassAfterAGridChangePaintsNothingAndTakesTheCursorAsPrevious) {
    f().gridchanged = 1;
    stroke({5, 5, 9, 9}, {20, 20, 24, 24});
    f().finishpaintingstep();
    EXPECT_EQ(previousCell(f()), (CellRect{20, 20, 24, 24}));
    EXPECT_EQ(f().gridchanged, 0);
    EXPECT_EQ(drawing(), Art(30, std::string(40, '.'))) << "nothing painted";
}

// The stage itself: the first pass paints the cursor cell in a pen other than
// black, a right arrow then strokes to the next cell; the outline stays on the screen.
class Stage : public DrawingTest {};

TEST_F(Stage, FirstPassAndAnArrowStrokeIntoTheDrawing) {
    f().pencolor = magenta;
    runStage([](Form57& form, HeadlessPlatform& p, std::uint64_t run) {
        if (run == 3) p.pushKey(39);
        if (run == 7) form.programmode = -6;  // a third pass draws the outline over the stroke
    });
    EXPECT_EQ(f().cellx1, 10);
    EXPECT_EQ(artOf(f().canvas, 0, 0, 20, 12), (Art{
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    "....................",
                                                    ".....mmmmmrrrrr.....",
                                                    ".....mmmmmrmmmr.....",
                                                    ".....mmmmmrmmmr.....",
                                                    ".....mmmmmrmmmr.....",
                                                    ".....mmmmmrrrrr.....",
                                                    "....................",
                                                    "....................",
                                                }));
    const Art painted = drawing();
    EXPECT_EQ(painted[5].substr(0, 20), ".....mmmmmmmmmm.....") << "the outline is no part of the drawing";
    EXPECT_EQ(painted[9].substr(0, 20), ".....mmmmmmmmmm.....");
}

TEST_F(Stage, WithDrawingOffStrokesStayOnTheScreen) {
    f().pencolor = magenta;
    f().nodrawing = 1;
    runStage([](Form57& form, HeadlessPlatform& p, std::uint64_t run) {
        if (run == 3) p.pushKey(39);
        if (run == 7) form.programmode = -6;  // a third pass draws the outline over the stroke
    });
    EXPECT_EQ(artOf(f().canvas, 5, 6, 10, 1), (Art{"mmmmmrmmmr"}));
    EXPECT_EQ(drawing()[6].substr(5, 10), "..........");
}

}  // namespace
}  // namespace tarnwick::test
