#include <filesystem>
#include <map>
#include <string>

#include "directionpatterns/pattern_files.h"
#include "directionpatterns/pattern_lines.h"
#include "shell/frame_fixture.h"

namespace tarnwick::test {
namespace {


// Each direction's own move carries onto each other direction's own move, and
// the three turns are those of the screen: left, up, right, down clockwise.
TEST(Turns, CarryTheSourceDirectionOntoTheTarget) {
    struct Case {
        long source, target;
        long moves[5];  // codes 1 to 5 as the target takes them
    };
    const Case cases[] = {
        {1, 2, {2, 1, 4, 3, 5}}, {1, 3, {3, 4, 2, 1, 5}}, {1, 4, {4, 3, 1, 2, 5}},
        {2, 1, {2, 1, 4, 3, 5}}, {2, 3, {4, 3, 1, 2, 5}}, {2, 4, {3, 4, 2, 1, 5}},
        {3, 1, {4, 3, 1, 2, 5}}, {3, 2, {3, 4, 2, 1, 5}}, {3, 4, {2, 1, 4, 3, 5}},
        {4, 1, {3, 4, 2, 1, 5}}, {4, 2, {4, 3, 1, 2, 5}}, {4, 3, {2, 1, 4, 3, 5}},
    };
    for (const Case& c : cases)
        for (long code = 1; code <= 5; ++code)
            EXPECT_EQ(turnedMove(c.source, c.target, code), c.moves[code - 1])
                << "source " << c.source << " target " << c.target << " code " << code;
}

struct RotationCase {
    const char* name;
    long mazekind;
    long source;                            // the pattern made the others' shape
    bool inEditor;                          // "Make all patterns identical"; else `mkidentical`
    std::map<std::string, std::string> before;  // pattern files as they are
    std::map<std::string, std::string> after;   // the files expected afterwards
};

std::ostream& operator<<(std::ostream& os, const RotationCase& c) { return os << c.name; }

class Rotations : public HeadlessProgramTest, public ::testing::WithParamInterface<RotationCase> {};

TEST_P(Rotations, WriteTheTurnedCopiesByteForByte) {
    const RotationCase& c = GetParam();
    Form57& f = program.form;
    for (const auto& [name, bytes] : c.before) writeBytes(name, bytes);
    f.mazekind = c.mazekind;
    f.editedpattern = c.source;
    if (c.inEditor) {
        f.programmode = -1;
        f.files.open(1, patternfilename(c.mazekind, c.source), FileMode::Append);  // the recording
        f.makeidentical_Click();
        EXPECT_EQ(f.programmode, -2) << "the editor starts over";
    } else {
        f.mkidentical();
    }
    for (const auto& [name, bytes] : c.after) EXPECT_EQ(fileBytes(name), bytes) << name;
    for (int number = 1; number <= 4; ++number) EXPECT_FALSE(f.files.isOpen(number));
}

const std::string otherKinds = lines({"5", "9999,88"});

INSTANTIATE_TEST_SUITE_P(
    Table, Rotations,
    ::testing::Values(
        RotationCase{"leftPatternOfARegularMaze", 0, 1, false,
                     {{"Left.pt", lines({"1", "1", "3", "5", "2", "9999,88"})}, {"Right.pt", lines({"1", "9999,88"})},
                      {"3dRight.pt", otherKinds}},
                     {{"Right.pt", lines({"2", "2", "4", "5", "1", "9999,88"})},
                      {"up.pt", lines({"3", "3", "2", "5", "4", "9999,88"})},
                      {"down.pt", lines({"4", "4", "1", "5", "3", "9999,88"})},
                      {"Left.pt", lines({"1", "1", "3", "5", "2", "9999,88"})},
                      {"3dRight.pt", otherKinds}}},
        RotationCase{"upPatternOfA3dMazeInTheEditor", 2, 3, true,
                     {{"3dup.pt", lines({"3", "4", "1"})}, {"up.pt", otherKinds}},
                     {{"3dLeft.pt", lines({"1", "2", "4", "9999,88"})},
                      {"3dRight.pt", lines({"2", "1", "3", "9999,88"})},
                      {"3ddown.pt", lines({"4", "3", "2", "9999,88"})},
                      {"3dup.pt", lines({"3", "4", "1", "9999,88"})},
                      {"up.pt", otherKinds}}},
        RotationCase{"defaultLeftGivesTheOtherDefaultsAsTwoLines", 0, 1, false,
                     {{"Left.pt", "1,9999,88\r\n"}},
                     {{"Right.pt", lines({"2", "9999,88"})},
                      {"up.pt", lines({"3", "9999,88"})},
                      {"down.pt", lines({"4", "9999,88"})}}},
        RotationCase{"emptyLinesAndOtherValuesAreDropped", 0, 1, false,
                     {{"Left.pt", "1\r\n\r\n7\r\n3\r\n9999,88\r\n4\r\n"}},
                     {{"Right.pt", lines({"2", "4", "9999,88"})}}},
        RotationCase{"aSourceCutShortEndsAtItsEnd", 0, 1, false,
                     {{"Left.pt", lines({"1", "3"})}},
                     {{"down.pt", lines({"4", "1", "9999,88"})}}},
        RotationCase{"only3dPipeFilesForThe3dPipeKind", 1, 1, false,
                     {{"3dpipeleft.pt", lines({"4", "9999,88"})}, {"Right.pt", otherKinds},
                      {"3dRight.pt", otherKinds}},
                     {{"3dpiperight.pt", lines({"3", "9999,88"})},
                      {"3dpipeup.pt", lines({"1", "9999,88"})},
                      {"3dpipedown.pt", lines({"2", "9999,88"})},
                      {"Right.pt", otherKinds}, {"3dRight.pt", otherKinds}}},
        // A source that cannot be opened leaves the other patterns as they were.
        RotationCase{"missingSourceWritesNothing", 0, 1, false,
                     {{"Right.pt", otherKinds}, {"up.pt", otherKinds}},
                     {{"Right.pt", otherKinds}, {"up.pt", otherKinds}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HeadlessProgramTest, MkidenticalActsOnTheLeftPatternOnly) {
    Form57& f = program.form;
    writeBytes("Left.pt", lines({"3", "9999,88"}));
    writeBytes("up.pt", lines({"1", "9999,88"}));
    for (long edited : {0L, 3L}) {
        f.editedpattern = edited;
        f.files.open(2, "up.pt", FileMode::Input);
        f.mkidentical();
        EXPECT_EQ(fileBytes("up.pt"), lines({"1", "9999,88"})) << edited;
        EXPECT_FALSE(std::filesystem::exists("Right.pt")) << edited;
        EXPECT_FALSE(f.files.isOpen(2)) << "closes its file numbers all the same";
    }
    f.editedpattern = 1;
    f.mkidentical();
    EXPECT_EQ(fileBytes("Right.pt"), lines({"4", "9999,88"}));
    EXPECT_EQ(f.direction, 9999);
}

TEST_F(HeadlessProgramTest, MakeAllPatternsIdenticalTakesTheLatch) {
    Form57& f = program.form;
    writeBytes("Left.pt", lines({"3", "9999,88"}));
    f.editedpattern = 1;
    f.programmode = -1;
    f.commandtaken = 1;
    f.makeidentical_Click();
    EXPECT_EQ(f.programmode, -1);
    EXPECT_EQ(fileBytes("Right.pt"), "");
    f.commandtaken = 0;
    f.makeidentical_Click();
    EXPECT_EQ(f.commandtaken, 1);
    EXPECT_EQ(fileBytes("Right.pt"), lines({"4", "9999,88"}));
}

}  // namespace
}  // namespace tarnwick::test
