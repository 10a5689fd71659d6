#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "example_settings.h"
#include "files/settings_record.h"
#include "mazefile_helpers.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

class Mazefile : public HeadlessProgramTest {};

// Written by one program and read by another, every setting arrives in its own place.
TEST_F(Mazefile, EverySettingReadsBackIntoItsOwnField) {
    setEverySetting(program.form);
    program.form.savedrawingfiles("all");
    HeadlessProgram other;
    const std::vector<std::string> before = recordTexts(other.form);
    const std::vector<std::string> written = recordTexts(program.form);
    int differing = 0;
    for (std::size_t i = 0; i < written.size(); ++i) differing += before[i] != written[i];
    ASSERT_GE(differing, 84);  // all but the surface size and the stage mode

    ASSERT_TRUE(other.form.loaddrawingfiles("all"));
    const std::vector<std::string> loaded = recordTexts(other.form);
    for (int k = 1; k <= settingsCount; ++k) EXPECT_EQ(loaded[k - 1], written[k - 1]) << "field " << k;
}

TEST_F(Mazefile, SaveLoadSaveGivesTheSameFilesByteForByte) {
    Form57& f = program.form;
    applyExampleSettings(f, 4);
    f.cellx1 = Num();  // a setting never given a value stays empty through the round trip
    f.canvas.fillBox(100, 100, 199, 149, 0x0000FF);
    writeFileBytes("Right.pt", "2\r\n\r\n7,9999,88\r\n5\r\n");
    f.savedrawingfiles("one");

    HeadlessProgram other;
    ASSERT_TRUE(other.form.loaddrawingfiles("one"));
    other.form.savedrawingfiles("two");
    const std::string one = fileBytes("one.maze");
    EXPECT_EQ(fileBytes("two.maze"), one);
    EXPECT_EQ(fileBytes("two.bmp"), fileBytes("one.bmp"));

    const std::string firstLine = one.substr(0, one.find("\r\n"));
    EXPECT_EQ(std::count(firstLine.begin(), firstLine.end(), ','), 86);
    EXPECT_EQ(firstLine.substr(0, 4), ",10,");
    // Field 36 is the height, field 37 the width; sections keep empty lines and end at the first 9999.
    EXPECT_NE(firstLine.find(",9600,12240,"), std::string::npos);
    const std::string firstSections = "1\r\n9999,88\r\n2\r\n\r\n7\r\n9999,88\r\n3\r\n";
    EXPECT_EQ(one.substr(firstLine.size() + 2, firstSections.size()), firstSections);
    EXPECT_EQ(savingTemporariesIn("."), 0);
}

TEST_F(Mazefile, SectionsArriveInTheirPatternFiles) {
    const std::string sections =
        "3\r\n1\r\n9999,88\r\n"        // Left.pt
                                 "3,9999,1\r\n9999,88\r\n"       // Right.pt: a 9999 inside is dropped
                                 "9999,88\r\n"                  // up.pt: no moves
                                 "4\r\n9999,88\r\n"
                                 "1\r\n9999,88\r\n2\r\n9999,88\r\n3\r\n9999,88\r\n4\r\n9999,88\r\n"
                                 "1\r\n9999,88\r\n2\r\n9999,88\r\n3\r\n9999,88\r\n"
                                 "4\r\n9999\r\n5\r\n9999,88\r\n";  // 3dpipedown.pt ends at its first 9999
    writeFileBytes("p.maze", mazefileText(recordTexts(program.form), sections));
    applyMazefile(program.form, "p.maze");
    EXPECT_EQ(fileBytes("Left.pt"), "3\r\n1\r\n9999,88\r\n");
    EXPECT_EQ(fileBytes("Right.pt"), "3\r\n1\r\n9999,88\r\n");
    EXPECT_EQ(fileBytes("up.pt"), "9999,88\r\n");
    EXPECT_EQ(fileBytes("3dLeft.pt"), "1\r\n9999,88\r\n");
    EXPECT_EQ(fileBytes("3dpipedown.pt"), "4\r\n9999,88\r\n");
    EXPECT_EQ(program.form.direction, 9999);
    EXPECT_FALSE(program.form.files.isOpen(1));
    EXPECT_FALSE(program.form.files.isOpen(2));
}

}  // namespace
}  // namespace tarnwick::test
