#include <map>

#include "core/geometry.h"
#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

// Tells the passes that only wait for an event from those that go straight on.
class WaitCountingPlatform : public HeadlessPlatform {
public:
    using HeadlessPlatform::HeadlessPlatform;
    void waitForEvents() override {
        waiting = true;
        HeadlessPlatform::waitForEvents();
        waiting = false;
    }
    bool waiting = false;
};

// The program on that platform, with a corridor of three cells from start to finish.
class IdleWait : public ::testing::Test {
protected:
    IdleWait() : form(platform) {
        standardColours(form);
        form.wallsizex = form.wallsizey = form.gridstepx = form.gridstepy = 10;
        form.canvas.setBackColour(black);
        const CellRect s = cellBox(10, 10, 10, 10), f = cellBox(30, 10, 10, 10);
        spanBox(form.canvas, s, f, white);
        form.startx1 = s.x1, form.starty1 = s.y1, form.startx2 = s.x2, form.starty2 = s.y2;
        form.finishx1 = f.x1, form.finishy1 = f.y1, form.finishx2 = f.x2, form.finishy2 = f.y2;
        form.startunder = form.finishunder = white;
    }
    // Passes by mode, counted apart for waiting passes.
    void countPasses(long leaveAfterSolvedPasses) {
        platform.setPassBudget(10'000);
        platform.setFeeder([this, leaveAfterSolvedPasses](HeadlessPlatform&) {
            ++(platform.waiting ? waited : ran)[form.programmode];
            if (waited[4] + ran[4] == leaveAfterSolvedPasses) form.programmode = 0;
        });
    }

    TempWorkDir workDir;
    WaitCountingPlatform platform{160, 120};
    Form57 form;
    std::map<long, long> waited, ran;
};

// The walker moves on every pass; the solved maze only waits for the next
// command, so it does not keep a core busy.
TEST_F(IdleWait, SolvedMazeWaitsForTheNextEvent) {
    form.programmode = 3;
    countPasses(50);
    form.solvestage();
    EXPECT_EQ(form.programmode, 0);
    EXPECT_GT(ran[3], 10);
    EXPECT_EQ(waited[3], 0);
    EXPECT_EQ(waited[4], 50);
    EXPECT_EQ(ran[4], 0);
}

// Placing draws on its first pass and then waits while nothing moves.
TEST_F(IdleWait, PlacingWaitsWhileNothingMoves) {
    form.programmode = 2;
    platform.setPassBudget(10'000);
    long waits = 0, runs = 0;
    platform.setFeeder([&](HeadlessPlatform&) {
        ++(platform.waiting ? waits : runs);
        if (waits + runs == 20) form.programmode = 0;
    });
    form.placesandf();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(waits, 19);
}

}  // namespace
}  // namespace tarnwick::test
