// Making sleeps between events only when a pass can do nothing but repeat the last one.
#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

class WalkerWait : public MakingTest {
protected:
    void SetUp() override {
        paintDrawing({"S.......",
                      "........",
                      "........",
                      ".......F"});
        form.patternstate = 3;  // no pattern files: the walker steps at random or by the arrows
    }
};

struct HoldCase {
    const char* name;
    long creationmode;
    long panelopen;
    bool waits;  // every pass of the stretch below sleeps until an event
};

class WalkerHold : public WalkerWait, public ::testing::WithParamInterface<HoldCase> {};

TEST_P(WalkerHold, PassesSleepOnlyWhileNothingButAnEventCanMoveTheWalker) {
    const HoldCase& c = GetParam();
    form.creationmode = c.creationmode;
    form.panelopen = c.panelopen;
    std::uint64_t waitsAt50 = 0, waitsAt100 = 0;
    platform.setFeeder([&](HeadlessPlatform& p) {
        if (p.passes() == 50) waitsAt50 = p.waits();
        if (p.passes() == 100) {
            waitsAt100 = p.waits();
            p.requestEnd();
        }
    });
    makeMaze(1'000);
    if (c.waits) {
        EXPECT_GT(waitsAt50, 0u);
        EXPECT_EQ(waitsAt100 - waitsAt50, 50u);
    } else {
        EXPECT_EQ(platform.waits(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Walkers, WalkerHold,
                         ::testing::Values(HoldCase{"UserWithNoKey", -1, 0, true},
                                           HoldCase{"ComputerBehindAPanel", 1, 1, true},
                                           HoldCase{"ComputerCarving", 1, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A key still moves the walker on the pass it arrives in, and the passes after
// it run awake until the picture has settled again.
TEST_F(WalkerWait, AnArrowWakesTheWalker) {
    form.creationmode = -1;
    std::uint64_t waitsAtKey = 0, waitsAfterKey = 0;
    long cellAfterKey = 0;
    platform.setFeeder([&](HeadlessPlatform& p) {
        if (p.passes() == 50) {
            waitsAtKey = p.waits();
            p.pushKey(39);  // right
        }
        if (p.passes() == 51) {
            cellAfterKey = form.cellx1;
            waitsAfterKey = p.waits();
        }
        if (p.passes() == 120) p.requestEnd();
    });
    makeMaze(1'000);
    EXPECT_EQ(cellAfterKey, box({1, 0}).x1);
    EXPECT_GT(waitsAtKey, 0u);
    EXPECT_EQ(waitsAfterKey, waitsAtKey) << "the pass after the move is awake";
    EXPECT_GT(platform.waits(), waitsAfterKey) << "settled again";
}

// The completion scan still has to sweep the picture after the last cell is
// carved: no pass sleeps before it ends making, or the finished maze would
// wait for a key nobody needs to press.
TEST_F(WalkerWait, TheLastCarvedCellEndsMakingWithoutAWait) {
    paintDrawing({"S......F"});
    form.creationmode = -1;
    int presses = 0;
    std::uint64_t waitsAtLastKey = 0;
    platform.setFeeder([&](HeadlessPlatform& p) {
        if (presses < 7 && p.passes() % 40 == 0) {
            p.pushKey(39);  // right
            if (++presses == 7) waitsAtLastKey = p.waits();
        }
    });
    ASSERT_TRUE(makeMaze(2'000));
    EXPECT_EQ(presses, 7);
    EXPECT_GT(waitsAtLastKey, 0u) << "it slept between the keys";
    EXPECT_EQ(platform.waits(), waitsAtLastKey);
}

}  // namespace
}  // namespace tarnwick::test
