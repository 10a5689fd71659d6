// Where the walker's directions come from, and the patterns that never end a maze.
#include <fstream>
#include <filesystem>

#include "directionpatterns/pattern_files.h"
#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

using WalkAt = Form57::WalkAt;

struct RejectCase {
    const char* name;
    bool moved;
    long carvemode, direction, prevdirection, patternchoice, patternstate, stuckflag;
    WalkAt next;
};

class Rejection : public MakingTest, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(Rejection, OfTheProposedDirection) {
    const RejectCase& c = GetParam();
    form.cellx1 = 21, form.celly1 = 21;
    form.prevcellx1 = c.moved ? 11 : 21, form.prevcelly1 = 21;
    form.carvemode = c.carvemode;
    form.direction = c.direction;
    form.prevdirection = c.prevdirection;
    form.patternchoice = c.patternchoice;
    form.patternstate = c.patternstate;
    form.stuckflag = c.stuckflag;
    EXPECT_EQ(form.walkreject(), c.next);
}

INSTANTIATE_TEST_SUITE_P(
    Proposals, Rejection,
    ::testing::Values(
        RejectCase{"FailedDirectionAgainReadsTheNextEntry", false, 1, 2, 2, 2, 1, 0, WalkAt::PatternRead},
        RejectCase{"FailedDirectionAgainDrawsAgain", false, -1, 2, 2, 3, 3, 0, WalkAt::RandomDraw},
        RejectCase{"SameDirectionAfterAMoveStands", true, 1, 2, 2, 2, 1, 0, WalkAt::Next},
        RejectCase{"WayBackWhileCarving", true, 1, 1, 2, 2, 1, 0, WalkAt::PatternRead},
        RejectCase{"WayBackWhileTravellingStands", true, -1, 1, 2, 3, 3, 0, WalkAt::Next},
        RejectCase{"UpAfterDownWhileCarving", true, 1, 3, 4, 3, 3, 0, WalkAt::RandomDraw},
        RejectCase{"NoPatternAndNoRandomStands", false, 1, 0, 0, 0, 0, 0, WalkAt::Next},
        RejectCase{"OffDuringStuckTries", false, 1, 2, 2, 2, 1, 1, WalkAt::Next}),
    [](const auto& info) { return std::string(info.param.name); });

class PatternMaking : public MakingTest {
protected:
    void SetUp() override {
        paintDrawing({"S.......",
                      "........",
                      "........",
                      ".......F"});
    }
    void writeAll(const std::string& content) {
        for (long pattern = 1; pattern <= 4; ++pattern) {
            std::ofstream out(patternfilename(0, pattern), std::ios::binary | std::ios::trunc);
            out << content;
        }
    }
    void expectEveryCellCarved() {
        for (const auto& c : drawingCells('.')) EXPECT_TRUE(carved(c)) << c.col << "," << c.row;
    }
};

// Patterns that never propose a move: the carving walker would stand still for
// ever; after a while it travels as a trapped one does, and making ends.
TEST_F(PatternMaking, EndsWithEmptyPatterns) {
    writeAll("9999,88\r\n");
    ASSERT_TRUE(makeMaze(2'000'000));
    EXPECT_EQ(form.programmode, 2);
    expectEveryCellCarved();
}

// Identical patterns of one direction: the carving walker can only ever go one
// way, and still every cell is carved.
TEST_F(PatternMaking, EndsWithPatternsOfOneDirection) {
    writeAll("1\r\n9999,88\r\n");
    ASSERT_TRUE(makeMaze(2'000'000));
    EXPECT_EQ(form.programmode, 2);
    expectEveryCellCarved();
}

TEST_F(PatternMaking, EndsWithMissingPatternFiles) {
    for (long pattern = 1; pattern <= 4; ++pattern) std::filesystem::remove(patternfilename(0, pattern));
    ASSERT_TRUE(makeMaze(2'000'000));
    expectEveryCellCarved();
}

TEST_F(PatternMaking, EndsWithGarbageWithoutAnEnd) {
    writeAll("x,,7\r\n1.5,abc\r\n");
    ASSERT_TRUE(makeMaze(2'000'000));
    expectEveryCellCarved();
}

TEST_F(PatternMaking, EndsWithStraightPatternsAndStopCodes) {
    for (long pattern = 1; pattern <= 4; ++pattern) {
        std::ofstream out(patternfilename(0, pattern), std::ios::binary | std::ios::trunc);
        out << pattern << "\r\n" << pattern << "\r\n5\r\n" << pattern << "\r\n9999,88\r\n";
    }
    ASSERT_TRUE(makeMaze());
    expectEveryCellCarved();
}

// With "Make maze only until start and finish are reached" making ends at the
// finish, which then shows its passage.
TEST_F(PatternMaking, StopsAtTheFinishWithTheStopFillOption) {
    form.filloption = 1;
    ASSERT_TRUE(makeMaze());
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(form.cellx1, form.finishx1);
    EXPECT_TRUE(carved(drawingCells('F').front()));
}

// The user steers: before the first arrow nothing moves; each arrow is a step.
TEST_F(PatternMaking, UserStepsWithTheArrowKeys) {
    form.creationmode = -1;
    form.patternstate = 3;  // no patterns
    int presses = 0;
    platform.setFeeder([&](HeadlessPlatform& p) {
        if (p.passes() % 4 == 0 && presses < 3) {
            p.pushKey(39);  // right
            ++presses;
        } else if (presses == 3 && p.passes() > 40) {
            p.requestEnd();
        }
    });
    EXPECT_FALSE(makeMaze(100));
    EXPECT_EQ(form.cellx1, box({3, 0}).x1);
    EXPECT_TRUE(opening({0, 0}, {1, 0}));
    EXPECT_TRUE(opening({1, 0}, {2, 0}));
    EXPECT_EQ(pixel(box({3, 0}).x1, box({3, 0}).y1), form.palette[1] + 3) << "the cursor shows where the user is";
}

}  // namespace
}  // namespace tarnwick::test
