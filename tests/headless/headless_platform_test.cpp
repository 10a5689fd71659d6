#include <gtest/gtest.h>

#include <fstream>

#include "fake_program.h"
#include "support/headless_work_dir.h"

namespace tarnwick::test {
namespace {

using Log = std::vector<std::string>;

TEST(HeadlessPlatform, AttachGivesTheCanvasTheFixedSize) {
    FakeProgram program(123, 45);
    EXPECT_EQ(program.canvas.width(), 123);
    EXPECT_EQ(program.canvas.height(), 45);
}

TEST(HeadlessPlatform, DeliversQueuedEventsInOrderAtTheNextPassOnly) {
    FakeProgram program;
    program.platform.pushKey(37);
    program.platform.pushMouse(2);
    program.platform.pushButton("Command2");
    EXPECT_TRUE(program.log.empty());
    program.platform.processEvents();
    program.platform.waitForEvents();
    EXPECT_EQ(program.log, (Log{"key 37 @1", "mouse 2 @1", "button Command2 @1"}));
}

TEST(HeadlessPlatform, FeederRunsAtTheStartOfEveryPass) {
    FakeProgram program;
    program.platform.setFeeder([](HeadlessPlatform& p) {
        if (p.passes() == 2) p.pushKey(65);
        if (p.passes() == 4) p.requestEnd();
    });
    program.run();
    EXPECT_EQ(program.log, Log{"key 65 @2"});
    EXPECT_EQ(program.platform.passes(), 4u);
}

TEST(HeadlessPlatform, NothingIsDeliveredOnceTheEndIsRequested) {
    FakeProgram program;
    program.platform.pushButton("Command7");  // ends the program
    program.platform.pushKey(40);
    program.platform.processEvents();
    EXPECT_EQ(program.log, Log{"button Command7 @1"});
    EXPECT_TRUE(program.platform.endRequested());
}

TEST(HeadlessPlatform, MenuClickReachesTheProgramOnlyWhenEveryLevelIsAvailable) {
    struct Case {
        const char* disable;  // the item to disable, or nothing
        const char* hide;
        bool delivered;
    };
    for (const Case& c : {Case{nullptr, nullptr, true}, Case{"sandf", nullptr, false},
                          Case{"settings", nullptr, false}, Case{nullptr, "options", false},
                          Case{"newmaze", nullptr, true}}) {
        FakeProgram program;
        if (c.disable) program.ui.setEnabled(c.disable, false);
        if (c.hide) program.ui.setVisible(c.hide, false);
        program.platform.pushMenu("sandf");
        program.platform.processEvents();
        EXPECT_EQ(program.log.size(), c.delivered ? 1u : 0u) << (c.disable ? c.disable : c.hide ? c.hide : "-");
        EXPECT_EQ(program.platform.refusals().size(), c.delivered ? 0u : 1u);
    }
}

TEST(HeadlessPlatform, RefusesControlsTheUserCouldNotClick) {
    FakeProgram program;
    program.ui.setControlVisible("Command2", false);
    program.ui.setControlEnabled("Check1", false);
    program.platform.pushButton("Command2");
    program.platform.pushCheck("Check1");
    program.platform.pushButton("Command99");
    program.platform.pushTick("Timer1");  // not running
    program.platform.pushTick("Timer9");
    program.platform.processEvents();
    EXPECT_TRUE(program.log.empty());
    EXPECT_EQ(program.platform.refusals(),
              (Log{"button Command2: hidden", "check box Check1: disabled", "button Command99: no such control",
                   "timer Timer1: not running", "timer Timer9: no such timer"}));
    EXPECT_EQ(program.ui.control("Check1").value, 0) << "a refused click must not toggle the box";
}

TEST(HeadlessPlatform, CheckClickTogglesTheValueBeforeTheHandlerRuns) {
    for (const auto& [before, after] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{2, 0}}) {
        FakeProgram program;
        program.ui.setControlValue("Check1", before);
        program.platform.pushCheck("Check1");
        program.platform.processEvents();
        EXPECT_EQ(program.log, Log{"check Check1=" + std::to_string(after) + " @1"}) << "from " << before;
    }
}

TEST(HeadlessPlatform, TypingGoesIntoTheFocusedEntryBox) {
    FakeProgram program;
    program.platform.pushText("no focus");
    program.platform.pushEntryKey(13);
    program.platform.processEvents();
    EXPECT_EQ(program.platform.refusals().size(), 2u);

    // The box opens with a value, selected: the first typing replaces it.
    program.ui.setControlText("Text1", "my");
    program.ui.setFocus("Text1");
    program.platform.pushText("maze");
    program.platform.pushText(" 2");
    program.platform.pushEntryKey(13);
    program.platform.processEvents();
    EXPECT_EQ(program.log, Log{"entry Text1 13 maze 2 @2"});
}

TEST(HeadlessPlatform, TimerTicksOnlyWhenScriptedAndRunning) {
    FakeProgram program;
    program.ui.setTimerEnabled("Timer1", true);
    for (int i = 0; i < 5; ++i) program.platform.processEvents();
    EXPECT_TRUE(program.log.empty()) << "no real time passes";
    program.platform.pushTick("Timer1");
    program.platform.processEvents();
    EXPECT_EQ(program.log, Log{"tick Timer1 @6"});
}

// One second a pass; Timer1 every 3 seconds.
TEST(HeadlessPlatform, TimersOnTheClockTickAfterEachFullIntervalAndRestartTheirCount) {
    FakeProgram program;
    program.platform.setTimersOnClock(true);
    program.platform.setClockStep(1.0);
    program.ui.setTimerInterval("Timer1", 3000);
    program.ui.setTimerEnabled("Timer1", true);
    for (int i = 0; i < 7; ++i) program.platform.processEvents();
    EXPECT_EQ(program.log, (Log{"tick Timer1 @3", "tick Timer1 @6"})) << "started before pass 1";

    program.ui.setTimerEnabled("Timer1", false);
    program.ui.setTimerEnabled("Timer1", true);  // after pass 7: the count starts anew
    for (int i = 0; i < 3; ++i) program.platform.processEvents();
    EXPECT_EQ(program.log.back(), "tick Timer1 @10");

    program.ui.setTimerEnabled("Timer1", false);
    for (int i = 0; i < 6; ++i) program.platform.processEvents();
    EXPECT_EQ(program.log.size(), 3u) << "a stopped timer is silent";
}

TEST(HeadlessPlatform, FileListClickNeedsAnEntryTheListShows) {
    TempWorkDir dir;
    std::ofstream("temple.maze") << "1\r\n";
    std::ofstream("notes.txt") << "x\r\n";
    FakeProgram program;
    EXPECT_EQ(program.platform.listFiles("*.maze"), Log{"temple.maze"});
    program.platform.pushFileListClick("File1", "notes.txt");
    program.platform.pushFileListClick("File1", "temple.maze");
    program.platform.processEvents();
    EXPECT_EQ(program.log, Log{"file File1 temple.maze @1"});
    EXPECT_EQ(program.platform.refusals(), Log{"file list File1: no entry notes.txt"});
}

TEST(HeadlessPlatform, PassBudgetEndsARunThatNeverFinishes) {
    FakeProgram program;
    program.platform.setPassBudget(50);
    int feeds = 0;
    program.platform.setFeeder([&](HeadlessPlatform&) { ++feeds; });
    program.run();
    EXPECT_TRUE(program.platform.budgetExceeded());
    EXPECT_EQ(program.platform.passes(), 50u);
    EXPECT_EQ(feeds, 50);
}

TEST(HeadlessPlatform, EndRequestedByTheProgramIsNotABudgetOverrun) {
    FakeProgram program;
    program.platform.setPassBudget(50);
    program.platform.pushButton("Command7");
    program.run();
    EXPECT_FALSE(program.platform.budgetExceeded());
}

TEST(HeadlessPlatform, RecordsEveryCaptionChangeOnce) {
    FakeProgram program;
    program.platform.processEvents();
    program.ui.setWindowCaption("A");
    program.platform.processEvents();
    program.platform.processEvents();
    program.ui.setWindowCaption("B");
    program.platform.setFeeder([&](HeadlessPlatform& p) {
        if (p.passes() == 4) program.ui.setWindowCaption("A");
    });
    program.platform.processEvents();
    EXPECT_EQ(program.platform.captions(), (Log{"A", "B", "A"}));
}

TEST(HeadlessPlatform, ClockIsVirtualAndAdvancesByItsStepEachPass) {
    FakeProgram program;
    HeadlessPlatform& platform = program.platform;
    EXPECT_DOUBLE_EQ(platform.clock(), HeadlessPlatform::defaultClockStart);
    platform.processEvents();
    EXPECT_DOUBLE_EQ(platform.clock(), HeadlessPlatform::defaultClockStart + HeadlessPlatform::defaultClockStep);

    platform.setClockStep(0);
    platform.setClock(86'399.5);
    platform.processEvents();
    EXPECT_DOUBLE_EQ(platform.clock(), 86'399.5);
    platform.advanceClock(1.0);
    EXPECT_DOUBLE_EQ(platform.clock(), 0.5) << "seconds since midnight wrap at midnight";
}

TEST(HeadlessPlatform, MessagesAndPrintedPagesAreRecorded) {
    FakeProgram program;
    program.platform.messageBox("Error: can't find file.");
    const PrintResult first = program.platform.printPage(Picture(2, 2, 0xFF));
    const PrintResult second = program.platform.printPage(Picture(3, 1));
    EXPECT_EQ(program.platform.messages(), Log{"Error: can't find file."});
    EXPECT_TRUE(first.ok);
    EXPECT_EQ(first.where, "headless page 1");
    EXPECT_EQ(second.where, "headless page 2");
    ASSERT_EQ(program.platform.printedPages().size(), 2u);
    EXPECT_EQ(program.platform.printedPages()[0], Picture(2, 2, 0xFF));
}

TEST(HeadlessPlatform, PicturesRoundTripThroughBmpFilesInTheCurrentDirectory) {
    TempWorkDir dir;
    FakeProgram program;
    Picture picture(3, 2, 0x123456);
    picture.at(2, 1) = 0x0000FF;
    ASSERT_TRUE(program.platform.savePicture(picture, "snap.bmp"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "snap.bmp"));
    EXPECT_EQ(program.platform.loadPicture("snap.bmp"), picture);
    EXPECT_FALSE(program.platform.loadPicture("missing.bmp").has_value());
}

}  // namespace
}  // namespace tarnwick::test
