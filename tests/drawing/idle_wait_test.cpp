#include "drawing/drawing_fixture.h"

namespace tarnwick::test {
namespace {

// Between keys the drawing stage repaints the same cursor: after a whole pass
// without an event it sleeps until the next one instead of keeping a core busy,
// and a key still takes effect on the pass it arrives in.
TEST_F(DrawingTest, IdleDrawingStageWaitsForTheNextEvent) {
    f().programmode = 0;
    std::uint64_t waitsBeforeKey = 0, waitsAfterKey = 0;
    runStage([&](Form57& s, HeadlessPlatform& p, std::uint64_t pass) {
        if (pass == 30) {
            waitsBeforeKey = p.waits();
            p.pushKey(39);  // right
        }
        if (pass == 60) {
            waitsAfterKey = p.waits();
            s.programmode = -6;
        }
    });
    EXPECT_GT(waitsBeforeKey, 10u);
    EXPECT_GT(waitsAfterKey, waitsBeforeKey + 10);
    EXPECT_EQ(f().cellx1, 10);
    EXPECT_EQ(drawing()[5][10], '#') << "the stroke to the new cell";
}

// The first pass paints the cursor in a pen other than black into the drawing,
// over its outline: whatever the pen, the window shows the outline again before
// the stage first sleeps.
class FirstWait : public DrawingTest, public ::testing::WithParamInterface<long> {};

TEST_P(FirstWait, ShowsTheCursorOutline) {
    f().programmode = 0;
    f().pencolor = GetParam();
    bool checked = false;
    runStage([&](Form57& s, HeadlessPlatform& p, std::uint64_t) {
        if (p.waits() == 0 || checked) return;
        checked = true;
        EXPECT_EQ(s.canvas.point(5, 5), lightRed) << "outline";
        EXPECT_EQ(s.canvas.point(9, 9), lightRed) << "outline";
        if (GetParam() != black) {
            EXPECT_EQ(s.canvas.point(7, 7), GetParam()) << "the cursor in the pen";
        }
        s.programmode = -6;
    });
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(Pens, FirstWait, ::testing::Values(black, navy, silver));

}  // namespace
}  // namespace tarnwick::test
