#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "core/colours.h"
#include "example_settings.h"
#include "files/example_pictures.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

const char* const exampleCaptions[5] = {"", "temple.maze", "space-station.maze", "Diamond.maze",
                                        "Christmas-tree.maze"};

class ExampleMazes : public ::testing::TestWithParam<int> {
protected:
    TempWorkDir workDir;
    HeadlessProgram program{800, 600, 3'000'000};
};

// Chosen from "Maze Picture" in the first drawing stage, an example brings its
// settings at the stage's end; the next "New maze " makes a maze that fills
// every open cell of its picture.
TEST_P(ExampleMazes, LoadsAndFillsItsPicture) {
    const int example = GetParam();
    for (int e = 1; e <= 4; ++e) fs::copy_file(dataDir() / exampleFileName(e), exampleFileName(e));
    const std::string script = std::string("passes 3\n"
                                           "button \"Click to Begin\"\n"
                                           "passes 5\n"
                                           "menu \"Maze Picture\" \"") +
                               exampleCaptions[example] +
                               "\"\n"
                               "passes 5\n"
                               "menu \"Maze Options\" \"New maze \"\n"
                               "passes 20\n"
                               "expect-mode 0\n"
                               "menu \"Maze Options\" \"New maze \"\n"
                               "until-mode 2 2500000\n";
    ASSERT_EQ(program.runScript(script), "");

    Form57& f = program.form;
    EXPECT_EQ(f.exampledrawing, example);
    const Picture picture = builtinPicture(example);
    const long w = f.wallsizex, step = f.gridstepx;
    ASSERT_EQ(w, 10);
    int uncarved = 0;
    for (long y = w; y + step <= picture.height; y += step)
        for (long x = w; x + step <= picture.width; x += step) {
            bool open = true;
            for (long py = y; py < y + w && open; ++py)
                for (long px = x; px < x + w && open; ++px) open = isOpenColour(f, picture.at(px, py));
            const long centre = f.canvas.point(x + w / 2, y + w / 2);
            if (open && !isPassageColour(f, centre) && centre != f.startcolor && centre != f.finishcolor) ++uncarved;
        }
    EXPECT_EQ(uncarved, 0);
}

INSTANTIATE_TEST_SUITE_P(EachExample, ExampleMazes, ::testing::Values(1, 2, 3, 4));

}  // namespace
}  // namespace tarnwick::test
