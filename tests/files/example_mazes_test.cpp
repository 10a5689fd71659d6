#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/colours.h"
#include "example_settings.h"
#include "files/example_pictures.h"
#include "mazefile_helpers.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

const char* const exampleCaptions[5] = {"", "temple.maze", "space-station.maze", "Diamond.maze",
                                        "Christmas-tree.maze"};
const char* const exampleItems[5] = {"", "usetemple", "usespace", "usediamond", "usetree"};

void copyExampleFiles() {
    for (int e = 1; e <= 4; ++e) fs::copy_file(dataDir() / exampleFileName(e), exampleFileName(e));
}

// A finished maze read back against its picture: lattice cells whose whole
// drawing cell is open and whose centre shows neither a passage nor a square,
// and carved cells whose centre is not the passage colour of their drawing colour.
struct MazeOnPicture {
    int uncarved = 0;
    int wrongColour = 0;
};

// A 3d-maze carves a clean cell only where a plain step from a carved
// neighbour may enter it; the rest (a single cell between two passages, for
// example) stay clean by design. Such a maze must carve just the cells its
// completion scan would still count.
bool scanCountsCell(Form57& f, long x, long y) {
    const long keptx = f.scanx, kepty = f.scany, keptdrawing = f.picturedrawing, keptcount = f.testcount;
    f.scanx = x + 1;
    f.scany = y + 1;
    f.picturedrawing = 1;
    f.finishmaking();
    const bool counted = f.scanx != x + 1 || f.scany != y + 1;
    f.scanx = keptx, f.scany = kepty, f.picturedrawing = keptdrawing, f.testcount = keptcount;
    return counted;
}

MazeOnPicture readBack(Form57& f, const Picture& picture) {
    // The squares of the placing stage cover carved cells that the scan of a
    // 3d-maze reads: look at the maze as making finished it.
    if (f.mazekind == 2) f.paintsnapshot("drawing3.bmp");
    const long w = f.wallsizex, step = f.gridstepx;
    MazeOnPicture maze;
    for (long y = w; y + step <= picture.height; y += step)
        for (long x = w; x + step <= picture.width; x += step) {
            bool open = true;
            for (long py = y; py < y + w && open; ++py)
                for (long px = x; px < x + w && open; ++px) open = isOpenColour(f, picture.at(px, py));
            const long centre = f.canvas.point(x + w / 2, y + w / 2);
            if (!open || centre == f.startcolor || centre == f.finishcolor) continue;
            if (!isPassageColour(f, centre)) {
                if (f.mazekind != 2 || scanCountsCell(f, x, y)) ++maze.uncarved;
                continue;
            }
            for (int k = 1; k <= 16; ++k)
                if (picture.at(x, y) == static_cast<std::uint32_t>(f.palette[k]) && centre != f.passagecolors[k])
                    ++maze.wrongColour;
        }
    return maze;
}

class ExampleMazes : public ::testing::TestWithParam<int> {
protected:
    // The example chosen from "Maze Picture" in the first drawing stage brings
    // its settings at the stage's end; then `command` makes a maze on it.
    void makeMazeOnExample(const std::string& command) {
        copyExampleFiles();
        const std::string script = std::string("passes 3\n"
                                               "button \"Click to Begin\"\n"
                                               "passes 5\n"
                                               "menu \"Maze Picture\" \"") +
                                   exampleCaptions[GetParam()] +
                                   "\"\n"
                                   "passes 5\n"
                                   "menu \"Maze Options\" \"New maze \"\n"
                                   "passes 20\n"
                                   "expect-mode 0\n" +
                                   command + "\nuntil-mode 2 2500000\n";
        ASSERT_EQ(program.runScript(script), "");
        ASSERT_EQ(program.form.exampledrawing, GetParam());
        ASSERT_EQ(program.form.wallsizex, 10);
    }

    TempWorkDir workDir;
    HeadlessProgram program{800, 600, 3'000'000};
};

void expectFilledInItsPassageColours(Form57& f, int example) {
    const MazeOnPicture maze = readBack(f, builtinPicture(example));
    EXPECT_EQ(maze.uncarved, 0);
    EXPECT_EQ(maze.wrongColour, 0);
}

// The next "New maze " after an example's settings came makes a maze of the
// example's kind that fills every open cell of its picture.
TEST_P(ExampleMazes, LoadsAndFillsItsPicture) {
    ASSERT_NO_FATAL_FAILURE(makeMazeOnExample("menu \"Maze Options\" \"New maze \""));
    expectFilledInItsPassageColours(program.form, GetParam());
}

INSTANTIATE_TEST_SUITE_P(EachExample, ExampleMazes, ::testing::Values(1, 2, 3, 4));

// The colour classes and passage colours of each example's settings fit its
// picture whatever the maze kind: made as a regular 2-d maze, the maze fills
// the picture and shows it in the example's passage colours.
class ExampleAsRegularMaze : public ExampleMazes {};

TEST_P(ExampleAsRegularMaze, FillsItsPictureInItsPassageColours) {
    ASSERT_NO_FATAL_FAILURE(makeMazeOnExample("menu \"Options\" \"Create regular 2-d mazes inside drawing\""));
    ASSERT_EQ(program.form.mazekind, 0);
    expectFilledInItsPassageColours(program.form, GetParam());
}

// The temple is a regular maze already; the diamond offers no Create item.
INSTANTIATE_TEST_SUITE_P(EachExample, ExampleAsRegularMaze, ::testing::Values(2, 4));

// "Click to Begin" draws the first example; these tests make the draw give the
// example they want and leave every other draw random.
class FirstExample : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        Form57& f = program.form;
        f.random.inject([&f, example = GetParam(), picked = false, engine = std::mt19937_64(11)]() mutable {
            if (!picked && f.loadexample == 1) {
                picked = true;
                return (example - 0.5) / 4.0;
            }
            return std::uniform_real_distribution<double>(0.0, 1.0)(engine);
        });
    }

    TempWorkDir workDir;
    HeadlessProgram program{800, 600, 3'000'000};
};

// The first end of the drawing stage after "Click to Begin" puts the chosen
// example's picture on the window and its settings in force, and the drawing
// stage goes on with them.
TEST_P(FirstExample, ClickToBeginStartsOnTheChosenExample) {
    const int example = GetParam();
    copyExampleFiles();
    ASSERT_EQ(program.runScript("passes 3\n"
                                "button \"Click to Begin\"\n"
                                "passes 5\n"
                                "menu \"Maze Options\" \"New maze \"\n"
                                "passes 20\n"
                                "expect-mode 0\n"),
              "");
    Form57& f = program.form;
    EXPECT_TRUE(program.platform.messages().empty());
    EXPECT_EQ(f.exampledrawing, example);
    EXPECT_TRUE(f.ui.menu(exampleItems[example]).checked);
    EXPECT_TRUE(f.canvas.image() == builtinPicture(example)) << "the window does not show the example's picture";
    const std::vector<std::string> inFile = recordInFile(exampleFileName(example));
    const std::vector<std::string> inForce = recordTexts(f);
    ASSERT_EQ(inFile.size(), inForce.size());
    // Not the window's size and state, nor the pen memories, which the drawing
    // stage's first pass takes from the pen by the colour tables it had before.
    for (std::size_t k = 1; k <= inFile.size(); ++k) {
        if ((k >= 31 && k <= 37) || k >= 86) continue;
        EXPECT_EQ(inForce[k - 1], inFile[k - 1]) << "field " << k;
    }
}

// Without its settings file the chosen example's maze is made at once, on its
// picture, with the settings in force: the default colour classes and white passages.
TEST_P(FirstExample, WithoutItsSettingsFileTheMazeFillsThePictureWithTheDefaults) {
    const int example = GetParam();
    ASSERT_EQ(program.runScript("passes 3\n"
                                "button \"Click to Begin\"\n"
                                "passes 5\n"
                                "menu \"Maze Settings\" \"Maze creation\" \"(2)-Computer creates maze\"\n"
                                "menu \"Maze Options\" \"New maze \"\n"
                                "until-mode 2 2500000\n"
                                "expect-message \"Error: can't find file.\"\n"),
              "");
    Form57& f = program.form;
    EXPECT_EQ(f.exampledrawing, example);
    for (int k = 1; k <= 16; ++k) {
        EXPECT_EQ(isOpenColour(f, f.palette[k]), k <= 8) << "colour " << k;
        EXPECT_EQ(f.passagecolors[k], 0xFFFFFF) << "colour " << k;
    }
    expectFilledInItsPassageColours(f, example);
}

// "Click to Begin" never draws the diamond.
INSTANTIATE_TEST_SUITE_P(DrawnExamples, FirstExample, ::testing::Values(1, 2, 4));

}  // namespace
}  // namespace tarnwick::test
