#pragma once
#include <functional>

#include <gtest/gtest.h>

#include "core/colours.h"
#include "support/headless_program.h"
#include "support/pixel_art.h"

namespace tarnwick::test {

inline constexpr long black = 0x000000, navy = 0x800000, teal = 0x808000, silver = 0xC0C0C0, grey = 0x808080;
inline constexpr long lightRed = 0x0000FF, magenta = 0xFF00FF, yellow = 0x00FFFF, white = 0xFFFFFF;

// The drawing stage's state on a small headless window: standard palette, the
// default classes (1 to 8 open, 9 to 16 border), every passage colour white, a
// white window, wall size w and the cursor on the first cell.
class DrawingTest : public ::testing::Test {
protected:
    explicit DrawingTest(int width = 40, int height = 30) : program(width, height) {}

    Form57& f() { return program.form; }
    HeadlessPlatform& platform() { return program.platform; }

    void SetUp() override { prepare(5, 0); }

    void prepare(long w, long kind) {
        Form57& s = f();
        setStandardPalette(s);
        for (int k = 1; k <= 16; ++k) s.ui.setControlValue("Check" + std::to_string(k), k <= 8 ? 1 : 0);
        s.colorclasstables();
        s.opencolors.set(17, noPixelColour);
        for (int k = 1; k <= 16; ++k) s.passagecolors.set(k, white);
        s.passagecolor = white;
        s.canvas.setBackColour(white);
        s.mazekind = kind;
        s.wallsizex = s.wallsizey = w;
        s.gridstepx = s.gridstepy = kind == 1 ? 2 * w : w;
        s.cellx1 = s.celly1 = w;
        s.cellx2 = s.celly2 = 2 * w - 1;
        s.prevcellx1 = s.prevcelly1 = w;
        s.prevcellx2 = s.prevcelly2 = 2 * w - 1;
        s.cursorspanx = s.cursorspany = w - 1;
        s.pencolor = black;
        s.openpencolor = black;
        s.borderpencolor = yellow;
        s.canvas.setScreenOnly(true);
    }

    // Recomputes the lattice and the mirror as a pass after `gridchanged` does.
    void recomputeLattice() {
        f().gridchanged = 1;
        ASSERT_TRUE(f().updatelattice());
        f().gridchanged = 0;
        f().finishpaintingstep();
    }

    // Runs the drawing stage; the feeder gets the pass number and ends the run by
    // setting programmode (-6 leaves without the stage end).
    void runStage(const std::function<void(Form57&, HeadlessPlatform&, std::uint64_t)>& feeder) {
        const std::uint64_t first = platform().passes();
        platform().setFeeder([&](HeadlessPlatform& p) { feeder(f(), p, p.passes() - first); });
        f().drawpicture();
        platform().setFeeder({});
    }

    Art shown() { return artOf(f().canvas, 0, 0, f().canvas.width(), f().canvas.height()); }
    // The drawing alone, without the screen layer.
    Art drawing() {
        Canvas persistent(f().canvas.width(), f().canvas.height());
        persistent.setBackPicture(f().canvas.image());
        return artOf(persistent, 0, 0, persistent.width(), persistent.height());
    }

    TempWorkDir workDir;
    HeadlessProgram program;
};

}  // namespace tarnwick::test
