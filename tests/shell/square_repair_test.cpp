#include "core/colours.h"
#include "support/headless_program.h"
#include "support/pixel_art.h"

namespace tarnwick::test {
namespace {

constexpr long white = 0xFFFFFF;

// A drawing whose cells are wider than high (a loaded drawing may have that).
// The finish and its fallback lie off the maze, so the placing-stage entry
// searches the finish from the bottom-right; the only carved cell that fits is
// the one at (8, 12), whose box is 8 by 6 pixels.
class UnequalWallSizes : public ::testing::Test {
protected:
    TempWorkDir workDir;
    HeadlessProgram program{24, 22};
    Form57& form = program.form;

    void SetUp() override {
        setStandardPalette(form);
        for (int k = 1; k <= 16; ++k) setColourClass(form, k, k <= 8);
        for (int k = 1; k <= 16; ++k) form.passagecolors.set(static_cast<std::size_t>(k), white);
        form.cursorcolor = form.palette[1] + 3;
        form.wallsizex = form.gridstepx = 8;
        form.wallsizey = form.gridstepy = 6;
        form.lastcolumnx = 16;
        form.lastrowy = 12;
        form.creationmode = 1;
        form.startx1 = 1, form.starty1 = 1, form.startx2 = 6, form.starty2 = 4;
        form.finishx1 = form.fallbackx1 = 17, form.finishy1 = form.fallbacky1 = 1;
        form.finishx2 = form.fallbackx2 = 22, form.finishy2 = form.fallbacky2 = 4;
        paintArt(form.canvas, 0, 0,
                 {
                     "########################",
                     "#......#################",
                     "#......#################",
                     "#......#################",
                     "#......#################",
                     "########################",
                     "########################",
                     "########################",
                     "########################",
                     "########################",
                     "########################",
                     "########################",
                     "########################",
                     "#########......#########",
                     "#########......#########",
                     "#########......#########",
                     "#########......#########",
                     "########################",
                     "########################",
                     "########################",
                     "########################",
                     "########################",
                 });
    }
};

// Heights are measured in the wall size in y: the cell's box is tested on its
// own rows only, and the finish gets the cell's height.
TEST_F(UnequalWallSizes, FinishSearchMeasuresRowsByTheWallSizeInY) {
    form.repairfinish();
    EXPECT_EQ((std::array<long, 4>{form.finishx1, form.finishy1, form.finishx2, form.finishy2}),
              (std::array<long, 4>{9, 13, 14, 16}));
}

}  // namespace
}  // namespace tarnwick::test
