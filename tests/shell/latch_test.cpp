#include <functional>
#include <map>

#include "frame_fixture.h"

namespace tarnwick::test {
namespace {

// ---- a command whose item, or an item above it, cannot be chosen ----

struct BlockedCase {
    const char* item;
    const char* blocker;  // the item itself or one above it
    bool hide;            // hidden rather than disabled
};

std::ostream& operator<<(std::ostream& os, const BlockedCase& c) {
    return os << c.item << " under " << (c.hide ? "hidden " : "disabled ") << c.blocker;
}

class UnavailableCommand : public FrameTest, public ::testing::WithParamInterface<BlockedCase> {};

// In the drawing stage with every item offered: blocked, the command does
// nothing; offered again, it runs.
TEST_P(UnavailableCommand, DoesNotRun) {
    const BlockedCase& c = GetParam();
    const std::map<std::string, std::function<bool()>> ran = {
        {"quit2", [&] { return form.programmode == -6; }},
        {"way4", [&] { return form.symmetrymode == 3; }},
        {"aon", [&] { return form.autominimizeon == 1; }},
        {"resetsettings", [&] { return form.difficultylevel == 4; }},
        {"rmazes", [&] { return form.gridchanged == 1; }},
    };
    for (const MenuItem& m : std::vector<MenuItem>(form.ui.menus())) {
        form.ui.setEnabled(m.name, true);
        form.ui.setVisible(m.name, true);
    }
    form.programmode = 0;
    form.difficultylevel = 6;
    if (c.hide) form.ui.setVisible(c.blocker, false);
    else form.ui.setEnabled(c.blocker, false);

    form.menuClick(c.item);
    EXPECT_FALSE(ran.at(c.item)()) << "blocked";
    EXPECT_EQ(form.commandtaken, 0) << "a blocked click takes no latch";

    form.ui.setVisible(c.blocker, true);
    form.ui.setEnabled(c.blocker, true);
    form.menuClick(c.item);
    EXPECT_TRUE(ran.at(c.item)()) << "offered";
}

INSTANTIATE_TEST_SUITE_P(Table, UnavailableCommand,
                         ::testing::Values(BlockedCase{"quit2", "quit2", false}, BlockedCase{"quit2", "drawingt", true},
                                           BlockedCase{"quit2", "drawingt", false},
                                           BlockedCase{"way4", "multdrawing", false},
                                           BlockedCase{"way4", "way4", true}, BlockedCase{"aon", "autominimize", true},
                                           BlockedCase{"aon", "mazemodes", false},
                                           BlockedCase{"resetsettings", "resetsettings", true},
                                           BlockedCase{"rmazes", "ndrawing", false}));

// ---- one guarded command or key an event run ----

enum class Event { Right, Reset, AutoOn, DrawingOff };

struct LatchCase {
    const char* name;
    std::vector<Event> events;  // delivered in one event run, in this order
    long moves;                 // cells the cursor moved
    bool reset, autoOn, drawingOff;
};

std::ostream& operator<<(std::ostream& os, const LatchCase& c) { return os << c.name; }

class OneCommandAnEventRun : public FrameTest, public ::testing::WithParamInterface<LatchCase> {};

// The real drawing stage after "Click to Begin". The key and "Reset all maze
// settings" and "on" take the latch; "Drawing off" does not.
TEST_P(OneCommandAnEventRun, TheFirstTakesTheLatchAndTheRestAreDropped) {
    const LatchCase& c = GetParam();
    std::uint64_t eventPass = 0;
    long cellBefore = 0;
    runPasses([&](std::uint64_t pass) {
        if (pass == 2) platform.pushButton("Command2");
        if (eventPass == 0 && pass > 40 && form.programmode == 0) {
            eventPass = pass;
            form.difficultylevel = 6;
            cellBefore = form.cellx1;
            for (Event e : c.events) {
                if (e == Event::Right) platform.pushKey(39);
                if (e == Event::Reset) platform.pushMenu("resetsettings");
                if (e == Event::AutoOn) platform.pushMenu("aon");
                if (e == Event::DrawingOff) platform.pushMenu("drawingoff");
            }
        }
        return eventPass == 0 || pass < eventPass + 4;
    });
    ASSERT_NE(eventPass, 0u);
    EXPECT_TRUE(platform.refusals().empty()) << platform.refusals().front();
    EXPECT_EQ((form.cellx1 - cellBefore) / 10, c.moves);
    EXPECT_EQ(form.difficultylevel == 4, c.reset);
    EXPECT_EQ(form.autominimizeon == 1, c.autoOn);
    EXPECT_EQ(form.nodrawing == 1, c.drawingOff);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OneCommandAnEventRun,
    ::testing::Values(LatchCase{"KeyThenCommand", {Event::Right, Event::Reset}, 1, false, false, false},
                      LatchCase{"CommandThenKey", {Event::Reset, Event::Right}, 0, true, false, false},
                      LatchCase{"TwoCommands", {Event::Reset, Event::AutoOn}, 0, true, false, false},
                      LatchCase{"TwoKeys", {Event::Right, Event::Right}, 1, false, false, false},
                      LatchCase{"UnguardedCommandAndKey", {Event::DrawingOff, Event::Right}, 1, false, false, true},
                      LatchCase{"KeyThenUnguardedCommand", {Event::Right, Event::DrawingOff}, 1, false, false,
                                true}),
    [](const auto& info) { return std::string(info.param.name); });

// The main loop's pause wait clears the latch before every event run: a command
// a pass acts, a second one in the same pass is dropped.
TEST_F(FrameTest, ThePauseWaitTakesOneCommandAPass) {
    workerModes = {1, 2};
    onWorker = [&](const std::string& worker) {
        if (worker == "making") form.paused = 1;  // a panel opened while the maze was made
    };
    standInWorkers();
    std::uint64_t waitFrom = 0;
    runPasses([&](std::uint64_t pass) {
        if (pass == 2) platform.pushButton("Command2");
        if (waitFrom == 0 && form.paused == 1) waitFrom = pass;
        if (waitFrom == 0) return true;
        if (pass == waitFrom) {
            form.difficultylevel = 6;
            platform.pushMenu("aon");
            platform.pushMenu("resetsettings");  // same pass: dropped
        }
        if (pass == waitFrom + 1) {
            EXPECT_EQ(form.autominimizeon, 1);
            EXPECT_EQ(form.difficultylevel, 6);
            platform.pushMenu("aoff");  // the next pass: taken
        }
        if (pass == waitFrom + 2) {
            EXPECT_EQ(form.autominimizeon, 0);
            EXPECT_EQ(workerNames().size(), 2u) << "the placing stage still waits";
        }
        return pass < waitFrom + 2;
    });
    EXPECT_NE(waitFrom, 0u);
}

}  // namespace
}  // namespace tarnwick::test
