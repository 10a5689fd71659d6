#include <gtest/gtest.h>

#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

using ProgramOnHeadless = HeadlessProgramTest;

TEST_F(ProgramOnHeadless, ShowsTheTitleCaptionAfterStartUp) {
    EXPECT_EQ(program.runScript(R"(
        passes 5
        expect-caption "The Quillary Tarnwick-by Ivo Pellik"
    )"), "");
    ASSERT_FALSE(program.platform.captions().empty());
    EXPECT_EQ(program.platform.captions().front(), "The Quillary Tarnwick-by Ivo Pellik");
}

TEST_F(ProgramOnHeadless, RunEndsWhenTheFeederRequestsIt) {
    std::uint64_t lastPass = 0;
    program.run([&](HeadlessPlatform& platform, std::uint64_t pass) {
        lastPass = pass;
        if (pass == 30) platform.requestEnd();
    });
    EXPECT_EQ(lastPass, 30u);
    EXPECT_FALSE(program.platform.budgetExceeded());
}

// The clock is virtual, so the program's own seeding from it repeats run after run.
TEST(ProgramOnHeadlessRuns, RepeatWithTheSameClock) {
    const char* script = R"(
        passes 3
        button "Click to Begin"
        until-mode 0 1000
        passes 50
    )";
    TempWorkDir dir;
    HeadlessProgram first;
    ASSERT_EQ(first.runScript(script), "");
    HeadlessProgram second;
    ASSERT_EQ(second.runScript(script), "");
    EXPECT_EQ(first.form.exampledrawing, second.form.exampledrawing);
    EXPECT_TRUE(first.form.canvas.image() == second.form.canvas.image());
}

TEST(TempWorkDir, SwitchesToAFreshDirectoryAndBack) {
    const auto before = std::filesystem::current_path();
    std::filesystem::path inside;
    {
        TempWorkDir dir;
        inside = std::filesystem::current_path();
        EXPECT_EQ(inside, dir.path());
        EXPECT_TRUE(std::filesystem::is_empty(inside));
        TempWorkDir nested;
        EXPECT_NE(nested.path(), dir.path());
    }
    EXPECT_EQ(std::filesystem::current_path(), before);
    EXPECT_FALSE(std::filesystem::exists(inside));
}

}  // namespace
}  // namespace tarnwick::test
