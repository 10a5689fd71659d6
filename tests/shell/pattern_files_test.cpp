#include "directionpatterns/pattern_files.h"
#include "frame_fixture.h"

namespace tarnwick::test {
namespace {

using PatternFilesTest = FrameTest;

TEST_F(PatternFilesTest, NamesByKindAndPattern) {
    EXPECT_EQ(patternfilename(0, 1), "Left.pt");
    EXPECT_EQ(patternfilename(2, 2), "3dRight.pt");
    EXPECT_EQ(patternfilename(1, 3), "3dpipeup.pt");
    EXPECT_EQ(patterncopyname(0, 4), "down2.pt");
    EXPECT_EQ(patterncopyname(2, 1), "3dleft2.pt");
    EXPECT_EQ(patterncopyname(1, 2), "3dpiperight2.pt");
    EXPECT_EQ(patternfilename(3, 1), "");
    EXPECT_EQ(patternfilename(0, 0), "");
}

struct ReadCase {
    const char* content;  // nullptr: no such file
    std::vector<long> entries;
};

class PatternReaderTest : public FrameTest, public ::testing::WithParamInterface<ReadCase> {};

// What maze making and the editor see, one entry at a time.
TEST_P(PatternReaderTest, ReadsEntriesUntilTheSentinel) {
    const ReadCase& c = GetParam();
    if (c.content) writeBytes("Left.pt", c.content);
    form.files.open(1, "Left.pt", FileMode::Input);
    std::vector<long> read;
    for (std::size_t i = 0; i < c.entries.size(); ++i) {
        form.readpatternentry();
        read.push_back(form.patternentry);
    }
    EXPECT_EQ(read, c.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, PatternReaderTest,
    ::testing::Values(ReadCase{"2,9999,88\r\n", {2, 9999}},                // one line
                      ReadCase{"2\r\n9999\r\n88\r\n", {2, 9999}},          // three lines read alike
                      ReadCase{"\r\n7\r\n1\r\n9999,88\r\n", {0, 7, 1, 9999}},  // empty line and 7: no moves
                      ReadCase{"9999,88\r\n", {9999}},                    // no move at all
                      ReadCase{"1\r\n3\r\n", {1, 3, 9999, 9999}},         // cut short before its 9999
                      ReadCase{"2.5\r\n x\r\n 4\r\n9999,88\r\n", {0, 0, 4, 9999}},
                      ReadCase{nullptr, {9999, 9999}}));                  // missing file

TEST_F(PatternFilesTest, ResetAllPatternsRewritesTheCurrentKindOnly) {
    for (const char* name : {"3dLeft.pt", "3ddown.pt", "Left.pt", "3dpipeup.pt"}) writeBytes(name, "5\r\n9999,88\r\n");
    form.mazekind = 2;
    form.patternchoice = 3;
    form.files.open(1, "3dLeft.pt", FileMode::Input);
    form.resetpatterns_Click();
    EXPECT_EQ(fileBytes("3dLeft.pt"), "1,9999,88\r\n");
    EXPECT_EQ(fileBytes("3dRight.pt"), "2,9999,88\r\n");
    EXPECT_EQ(fileBytes("3dup.pt"), "3,9999,88\r\n");
    EXPECT_EQ(fileBytes("3ddown.pt"), "4,9999,88\r\n");
    EXPECT_EQ(fileBytes("Left.pt"), "5\r\n9999,88\r\n");
    EXPECT_EQ(fileBytes("3dpipeup.pt"), "5\r\n9999,88\r\n");
    EXPECT_EQ(form.patternchoice, 0);
    EXPECT_FALSE(form.files.isOpen(1));
    EXPECT_NE(form.programmode, -2) << "no editor runs";
}

TEST_F(PatternFilesTest, ResetCurrentPatternRewritesTheEditedFileAndRestartsTheEditor) {
    for (const char* name : {"Left.pt", "up.pt"}) writeBytes(name, "1\r\n1\r\n9999,88\r\n");
    form.mazekind = 0;
    form.editedpattern = 3;
    form.programmode = -1;
    form.resetpattern_Click();
    EXPECT_EQ(fileBytes("up.pt"), "3,9999,88\r\n");
    EXPECT_EQ(fileBytes("Left.pt"), "1\r\n1\r\n9999,88\r\n");
    EXPECT_EQ(form.programmode, -2);

    writeBytes("up.pt", "1\r\n9999,88\r\n");
    form.resetpattern_Click();  // the latch is taken: nothing happens
    EXPECT_EQ(fileBytes("up.pt"), "1\r\n9999,88\r\n");
}

}  // namespace
}  // namespace tarnwick::test
