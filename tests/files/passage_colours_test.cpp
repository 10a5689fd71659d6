#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/colours.h"
#include "example_settings.h"
#include "files/example_pictures.h"
#include "mazefile_helpers.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

constexpr long white = 0xFFFFFF, teal = 0x808000, grey = 0x808080, lightGrey = 0xC0C0C0, pink = 0xA0A0FF;
const std::string refusedMessage =
    "Error: a maze color in the file is also a color of the drawing. "
    "The program goes on with the maze color it had, or with white.";

struct PassageColourCase {
    const char* what;
    std::vector<std::pair<int, std::string>> fileChanges;  // field, value in the diamond's settings
    int fieldsInFile;                                       // the record is cut after this field
    std::vector<std::pair<int, long>> before;               // passage colours in force before the load
    std::vector<std::pair<int, long>> after;                // passage colours after it (the rest as in the file)
    bool told;
    int openBefore = 0;                                     // a palette colour that is open before the load
};

// The diamond's classes: palette colours 1 to 8 (black to light grey) are open
// colours, 9 to 16 (grey to white) border colours; grey is also its sky.
const std::vector<PassageColourCase>& passageColourCases() {
    static const std::vector<PassageColourCase> cases = {
        {"the diamond's own colours", {}, 87, {{1, pink}}, {}, false},
        {"an open colour: the earlier colour stays", {{57, std::to_string(teal)}}, 87, {{1, pink}}, {{1, pink}},
         true},
        {"an open colour where the earlier one is open too: white",
         {{57, std::to_string(teal)}}, 87, {{1, lightGrey}}, {{1, white}}, true},
        {"several open colours, told once",
         {{57, std::to_string(teal)}, {62, std::to_string(lightGrey)}}, 87, {{1, pink}, {6, 0xA0FFA0}},
         {{1, pink}, {6, 0xA0FFA0}}, true},
        {"a colour the file leaves that its classes make open", {}, 56, {{3, teal}}, {{3, white}}, true},
        {"a colour the file leaves that stays no area colour", {}, 56, {{3, pink}}, {{3, pink}}, false},
        {"the sky's colour", {{57, std::to_string(grey)}}, 87, {{1, pink}}, {{1, pink}}, true},
        {"a greyed box keeps the open class of its colour",
         {{42, "2"}, {57, std::to_string(teal)}}, 87, {{1, pink}}, {{1, pink}}, true, 4},
        {"white stays as an open colour", {{54, "1"}}, 87, {{1, pink}}, {}, false},
    };
    return cases;
}

class LoadedPassageColours : public HeadlessProgramTest {};

// No passage colour comes out of a load equal to a colour of the picture's
// areas, its sky or a square; white stays allowed. A refused colour falls back
// to the one in force, then to white, and the load tells it in one message.
TEST_F(LoadedPassageColours, NoAreaColourBecomesAPassageColour) {
    Form57& f = program.form;
    setStandardPalette(f);
    const std::vector<std::string> diamond = recordInFile((dataDir() / exampleFileName(3)).string());
    ASSERT_EQ(diamond.size(), 87u);
    for (const PassageColourCase& c : passageColourCases()) {
        SCOPED_TRACE(c.what);
        for (int k = 1; k <= 16; ++k) {
            f.passagecolors.set(k, white);
            // The loader's classes are all border: what the file's boxes say decides.
            setColourClass(f, k, false);
            f.ui.setControlValue("Check" + std::to_string(k), 0);
        }
        if (c.openBefore != 0) setColourClass(f, c.openBefore, true);
        for (auto [k, colour] : c.before) f.passagecolors.set(k, colour);
        std::vector<std::string> record = diamond;
        for (const auto& [field, value] : c.fileChanges) record[field - 1] = value;
        // A record cut short ends the file: its reader reads values, not lines.
        record.resize(c.fieldsInFile);
        writeFileBytes("d.maze", mazefileText(record, c.fieldsInFile < 87 ? "" : plainSections()));
        const std::size_t messages = program.platform.messages().size();
        applyMazefile(f, "d.maze");

        for (int k = 1; k <= 16; ++k) {
            long expected = k + 56 <= c.fieldsInFile ? std::stol(record[k + 55]) : white;
            for (auto [entry, colour] : c.before) {
                if (entry == k && k + 56 > c.fieldsInFile) expected = colour;
            }
            for (auto [entry, colour] : c.after) {
                if (entry == k) expected = colour;
            }
            EXPECT_EQ(f.passagecolors[k], expected) << "passage colour " << k;
        }
        ASSERT_EQ(program.platform.messages().size(), messages + (c.told ? 1 : 0));
        if (c.told) {
            EXPECT_EQ(program.platform.lastMessage(), refusedMessage);
        }
    }
}

struct AreaColourRun {
    int example;
    int field;
    long colour;
};

// The runs in which such a colour took effect: on the space station making never
// ended; on the diamond and the temple the solve stopped though the finish was
// reachable. Loaded from the load panel, each tells the user and then makes and
// solves its maze as usual.
std::string runName(const ::testing::TestParamInfo<AreaColourRun>& info) {
    const char* names[] = {"", "temple", "spacestation", "diamond"};
    return std::string(names[info.param.example]) + "_field" + std::to_string(info.param.field) + "_" +
           std::to_string(info.param.colour);
}

class AreaColourInSettings : public ::testing::TestWithParam<AreaColourRun> {
protected:
    TempWorkDir workDir;
    HeadlessProgram program{800, 600, 8'000'000};
};

TEST_P(AreaColourInSettings, IsToldAndTheMazeIsMadeAndSolved) {
    const AreaColourRun run = GetParam();
    std::vector<std::string> record = recordInFile((dataDir() / exampleFileName(run.example)).string());
    ASSERT_EQ(record.size(), 87u);
    record[run.field - 1] = std::to_string(run.colour);
    const std::string good = fileBytes(dataDir() / exampleFileName(run.example));
    writeFileBytes("changed.maze", mazefileText(record, good.substr(good.find("\r\n") + 2)));
    ASSERT_TRUE(program.platform.savePicture(builtinPicture(run.example), "changed.bmp"));
    for (int e = 1; e <= 4; ++e) writeFileBytes(exampleFileName(e), fileBytes(dataDir() / exampleFileName(e)));
    // The first drawing stage ends first: its end loads an example of its own.
    ASSERT_EQ(program.runScript("passes 3\n"
                                "button \"Click to Begin\"\n"
                                "passes 5\n"
                                "menu \"Maze Options\" \"New maze \"\n"
                                "passes 20\n"
                                "expect-mode 0\n"
                                "expect-messages 0\n"
                                "menu \"Options\" \"Load Tarnwick Drawing\"\n"
                                "type \"changed\"\n"
                                "key Enter\n"
                                "passes 5\n"
                                "expect-message \"" + refusedMessage + "\"\n"
                                "menu \"Maze Settings\" \"Maze creation\" \"(2)-Computer creates maze\"\n"
                                "menu \"Maze Options\" \"New maze \"\n"
                                "until-mode 2 3000000\n"
                                "passes 3\n"
                                "menu \"Maze Options\" \"Solve maze\"\n"
                                "until-mode 4 3000000\n"
                                "expect-caption \"The Quillary Tarnwick-(computer has solved maze)\"\n"
                                "expect-messages 1\n"),
              "");
    for (int k = 1; k <= 16; ++k) EXPECT_NE(program.form.passagecolors[k], run.colour) << "passage colour " << k;
}

INSTANTIATE_TEST_SUITE_P(ExamplesWithAnAreaColourForPassages, AreaColourInSettings,
                         ::testing::Values(AreaColourRun{2, 66, grey}, AreaColourRun{2, 66, lightGrey},
                                           AreaColourRun{2, 67, grey}, AreaColourRun{2, 67, lightGrey},
                                           AreaColourRun{3, 57, teal}, AreaColourRun{1, 69, lightGrey}),
                         runName);

}  // namespace
}  // namespace tarnwick::test
