#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "example_settings.h"
#include "files/pattern_sections.h"
#include "mazefile_helpers.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

const char* const exampleItems[5] = {"", "usetemple", "usespace", "usediamond", "usetree"};

class ExampleCommands : public HeadlessProgramTest {
protected:
    void SetUp() override {
        for (int example = 1; example <= 4; ++example)
            fs::copy_file(dataDir() / exampleFileName(example), exampleFileName(example));
        for (const char* item : exampleItems)
            if (*item) program.form.ui.setChecked(item, false);
    }
    void choose(int example) {
        program.form.commandtaken = 0;
        program.form.menuHandlers.at(exampleItems[example])();
    }
};

TEST_F(ExampleCommands, ChoosingAnExampleLoadsItsSettingsAndPatterns) {
    Form57& f = program.form;
    f.programmode = 2;
    f.ui.setEnabled("nrefresh", true);
    f.ui.setEnabled("sandf", false);
    writeFileBytes("3dup.pt", "1\r\n1\r\n9999,88\r\n");
    choose(4);
    EXPECT_EQ(f.exampledrawing, 4);
    EXPECT_EQ(f.programmode, 0);
    EXPECT_EQ(f.mazekind, 2);
    EXPECT_EQ(f.passagecolors[3], 0xA0FFA0);
    EXPECT_EQ(f.canvas.backColour(), 0xFF0000);
    EXPECT_EQ(f.ui.control("Check10").value, 0);
    EXPECT_EQ(fileBytes("3dup.pt"), "3\r\n9999,88\r\n");
    EXPECT_EQ(f.homex1, f.cellx1);
    EXPECT_EQ(f.prevcelly2, f.celly2);
    EXPECT_EQ(f.keptfinishcolor, 0xFF00FF);
    EXPECT_EQ(f.areawidth, f.canvas.width());
    EXPECT_EQ(f.patternsreplaced, 1);
    EXPECT_EQ(f.examplepending, 1);  // its picture goes on at the end of the drawing stage
    EXPECT_FALSE(f.ui.menu("nrefresh").enabled);
    EXPECT_TRUE(f.ui.menu("solvemaze").enabled);  // the restore judged by the mode it was chosen in
    EXPECT_FALSE(f.ui.menu("sandf").enabled);
    for (int e = 1; e <= 4; ++e) EXPECT_EQ(f.ui.menu(exampleItems[e]).checked, e == 4);
}

// Each example command puts its file's settings in force (all but the window's
// size and state) and its twelve sections into the pattern files.
TEST_F(ExampleCommands, EachCommandLoadsItsOwnFile) {
    Form57& f = program.form;
    for (int example = 1; example <= 4; ++example) {
        SCOPED_TRACE(exampleFileName(example));
        for (int section = 1; section <= sectionCount; ++section)
            writeFileBytes(sectionPatternFile(section), "5\r\n9999,88\r\n");
        choose(example);
        EXPECT_EQ(f.exampledrawing, example);
        const std::vector<std::string> inFile = recordInFile(exampleFileName(example));
        const std::vector<std::string> inForce = recordTexts(f);
        ASSERT_EQ(inForce.size(), inFile.size());
        for (std::size_t k = 1; k <= inFile.size(); ++k) {
            if (k >= 31 && k <= 37) continue;
            EXPECT_EQ(inForce[k - 1], inFile[k - 1]) << "field " << k;
        }
        std::string patterns;
        for (int section = 1; section <= sectionCount; ++section) patterns += fileBytes(sectionPatternFile(section));
        const std::string file = fileBytes(exampleFileName(example));
        EXPECT_EQ(patterns, file.substr(file.find("\r\n") + 2));
    }
}

TEST_F(ExampleCommands, TheTickedExampleLoadsNothing) {
    Form57& f = program.form;
    choose(1);
    f.wallsizex = 20;
    f.ui.setEnabled("nrefresh", true);
    choose(1);
    EXPECT_EQ(f.wallsizex, 20);
    EXPECT_TRUE(f.ui.menu("nrefresh").enabled);
    EXPECT_EQ(f.commandtaken, 1);
}

TEST_F(ExampleCommands, ASecondCommandInOnePassIsDropped) {
    Form57& f = program.form;
    choose(1);
    f.menuHandlers.at("usediamond")();  // the latch is still taken
    EXPECT_EQ(f.exampledrawing, 1);
}

TEST_F(ExampleCommands, AMissingSettingsFileChangesNothing) {
    Form57& f = program.form;
    fs::remove("diamond.maze");
    f.exampledrawing = 1;
    f.paused = 1;
    const auto before = recordTexts(f);
    choose(3);
    EXPECT_EQ(program.platform.lastMessage(), "Error: can't find file.");
    EXPECT_EQ(recordTexts(f), before);
    EXPECT_EQ(f.exampledrawing, 1);
    EXPECT_EQ(f.paused, 1);
    EXPECT_FALSE(f.ui.menu("usediamond").checked);
}

TEST_F(ExampleCommands, FirstExampleTempleOpensMaximizedAndKeepsNewMazeAndRefresh) {
    Form57& f = program.form;
    f.exampledrawing = 1;
    f.programmode = 1;
    f.ui.setEnabled("nrefresh", true);
    const auto focusRequests = f.ui.window().focusRequests;
    f.makefirstdemo();
    EXPECT_EQ(f.programmode, 0);
    EXPECT_EQ(f.ui.window().state, WindowState::Maximized);
    EXPECT_GT(f.ui.window().focusRequests, focusRequests);
    EXPECT_TRUE(f.ui.menu("nrefresh").enabled);
    EXPECT_TRUE(f.ui.menu("sandf").enabled);  // judged with the mode that ended the drawing stage
    EXPECT_TRUE(f.ui.menu("usetemple").checked);
}

TEST_F(ExampleCommands, FirstExampleWithoutItsFileLeavesTheModeForMazeMaking) {
    Form57& f = program.form;
    fs::remove("space-station.maze");
    f.exampledrawing = 2;
    f.programmode = 1;
    f.makefirstdemo();
    EXPECT_EQ(program.platform.lastMessage(), "Error: can't find file.");
    EXPECT_EQ(f.programmode, 1);
}

}  // namespace
}  // namespace tarnwick::test
