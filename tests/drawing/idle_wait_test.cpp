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

}  // namespace
}  // namespace tarnwick::test
