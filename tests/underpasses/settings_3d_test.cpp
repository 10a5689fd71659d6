// The 3d settings from the menus: level, path size and underpass length.
#include <string>

#include <gtest/gtest.h>

#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

class Settings3d : public HeadlessProgramTest {
protected:
    Form57& form = program.form;
    bool ticked(const char* item) { return form.ui.menu(item).checked; }
    void click(const std::string& item) {
        form.commandtaken = 0;
        form.menuClick(item);
    }
};

TEST_F(Settings3d, StartWithLevelFourNormalPathsAndShortUnderpasses) {
    EXPECT_TRUE(ticked("mode4"));
    EXPECT_TRUE(ticked("pnormal"));
    EXPECT_FALSE(ticked("plarge"));
    EXPECT_TRUE(ticked("pthick"));
    EXPECT_FALSE(ticked("pthin"));
}

TEST_F(Settings3d, EachLevelItemSetsItsLevelAndTicksOnlyItself) {
    for (long level = 1; level <= 6; ++level) {
        click("mode" + std::to_string(level));
        EXPECT_EQ(form.difficultylevel, level);
        EXPECT_EQ(form.commandtaken, 1);
        for (long other = 1; other <= 6; ++other)
            EXPECT_EQ(ticked(("mode" + std::to_string(other)).c_str()), other == level) << level << " " << other;
    }
    click("mode6");
    EXPECT_EQ(form.difficultylevel, 6);
    EXPECT_TRUE(ticked("mode6"));
}

TEST_F(Settings3d, PathSizeItemsSetThePathSize) {
    click("plarge");
    EXPECT_EQ(form.pathsize, 2);
    EXPECT_FALSE(ticked("pnormal"));
    EXPECT_TRUE(ticked("plarge"));
    click("pnormal");
    EXPECT_EQ(form.pathsize, 1);
    EXPECT_TRUE(ticked("pnormal"));
    EXPECT_FALSE(ticked("plarge"));
}

// The length lives in the ticks alone; the next maze's set-up reads it.
TEST_F(Settings3d, LengthItemsMoveOnlyTheTicks) {
    form.shortunderpasses = 1;
    click("pthin");
    EXPECT_TRUE(ticked("pthin"));
    EXPECT_FALSE(ticked("pthick"));
    EXPECT_EQ(form.shortunderpasses, 1);
    click("pthin");
    EXPECT_TRUE(ticked("pthin"));
    EXPECT_FALSE(ticked("pthick"));
    click("pthick");
    EXPECT_TRUE(ticked("pthick"));
    EXPECT_FALSE(ticked("pthin"));
    EXPECT_EQ(form.shortunderpasses, 1);
}

// Only a 3d-pipe-maze's set-up turns a ticked "Long" into long underpasses.
TEST_F(Settings3d, LongGivesLongUnderpassesToPipeMazesOnly) {
    click("pthin");
    for (const long kind : {0L, 1L, 2L}) {
        form.shortunderpassesfromticks(kind);
        EXPECT_EQ(form.shortunderpasses, kind == 1 ? 0 : 1) << "kind " << kind;
    }
    click("pthick");
    form.shortunderpassesfromticks(1);
    EXPECT_EQ(form.shortunderpasses, 1);
}

// A second command in the same pass is dropped, its tick included.
TEST_F(Settings3d, ASecondCommandInOnePassDoesNothing) {
    form.pathsize = 1;
    form.commandtaken = 0;
    form.menuClick("mode2");
    for (const char* item : {"mode5", "plarge", "pthin"}) form.menuClick(item);
    EXPECT_EQ(form.difficultylevel, 2);
    EXPECT_TRUE(ticked("mode2"));
    EXPECT_FALSE(ticked("mode5"));
    EXPECT_EQ(form.pathsize, 1);
    EXPECT_TRUE(ticked("pnormal"));
    EXPECT_FALSE(ticked("plarge"));
    EXPECT_TRUE(ticked("pthick"));
    EXPECT_FALSE(ticked("pthin"));
}

}  // namespace
}  // namespace tarnwick::test
