#include <random>
#include <string>

#include <gtest/gtest.h>

#include "example_settings.h"
#include "mazefile_helpers.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

class Fuzz : public HeadlessProgramTest {};

// Whatever a mazefile holds, reading it ends, and the settings that would break a stage stay sound.
TEST_F(Fuzz, RandomMazefilesLeaveSoundSettings) {
    std::mt19937 rng(20261210);
    Form57& f = program.form;
    applyExampleSettings(f, 3);
    const std::string good = fileBytes(dataDir() / exampleFileName(3));
    for (int round = 0; round < 150; ++round) {
        std::string bytes;
        switch (round % 3) {
            case 0: bytes = randomBytes(rng, 4000); break;
            case 1: bytes = good.substr(0, rng() % good.size()); break;  // cut short
            default:  // a good file with some bytes changed
                bytes = good;
                for (int i = 0; i < 8; ++i) bytes[rng() % bytes.size()] = static_cast<char>(rng() % 256);
        }
        writeFileBytes("fuzz.maze", bytes);
        applyMazefile(f, "fuzz.maze");
        ASSERT_GE(f.wallsizex, 5) << "round " << round;
        ASSERT_LE(f.wallsizex, 50);
        ASSERT_EQ(f.wallsizey, f.wallsizex);
        ASSERT_TRUE(f.gridstepx == f.wallsizex || f.gridstepx == 2 * f.wallsizex);
        ASSERT_EQ(f.gridstepy, f.gridstepx);
        ASSERT_GE(f.mazekind, 0);
        ASSERT_LE(f.mazekind, 2);
        if (f.mazekind == 1) {
            ASSERT_EQ(f.gridstepx, 2 * f.wallsizex) << "round " << round;
        }
        ASSERT_GE(f.canvas.backColour(), 0);
        ASSERT_LE(f.canvas.backColour(), 0xFFFFFF);
        ASSERT_GT(f.ui.window().width, 0);
        ASSERT_FALSE(f.files.isOpen(1));
        // No passage colour but white is a colour of an area, the sky or a square.
        for (int k = 1; k <= 16; ++k) {
            const long c = f.passagecolors[k];
            if (c == 0xFFFFFF) continue;
            ASSERT_NE(c, f.canvas.backColour()) << "round " << round << ", passage colour " << k;
            ASSERT_NE(c, f.startcolor) << "round " << round;
            ASSERT_NE(c, f.finishcolor) << "round " << round;
            for (int box = 1; box <= 16; ++box) {
                if (f.ui.control("Check" + std::to_string(box)).value == 2) continue;
                ASSERT_NE(c, f.palette[box]) << "round " << round << ", passage colour " << k << ", box " << box;
            }
        }
    }
}

// A corrupt, cut or random bitmap is refused with the panel's message and changes nothing.
TEST_F(Fuzz, RandomBitmapsAreRefusedOrLoadedWhole) {
    std::mt19937 rng(7);
    Form57& f = program.form;
    f.canvas.fillBox(0, 0, 99, 99, 0x0000FF);
    f.savedrawingfiles("good");
    const std::string good = fileBytes("good.bmp");
    ASSERT_GT(good.size(), 1000u);
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        switch (round % 3) {
            case 0: bytes = randomBytes(rng, 3000); break;
            case 1: bytes = good.substr(0, rng() % good.size()); break;
            default:
                bytes = good.substr(0, 54);  // the headers of a good file with changed sizes and offsets
                for (int i = 0; i < 6; ++i) bytes[2 + rng() % 52] = static_cast<char>(rng() % 256);
                bytes += good.substr(54);
        }
        writeFileBytes("fuzz.bmp", bytes);
        if (const auto picture = program.platform.loadPicture("fuzz.bmp")) {
            ASSERT_GT(picture->width, 0);
            ASSERT_EQ(picture->pixels.size(), static_cast<std::size_t>(picture->width) * picture->height);
            continue;
        }
        const Picture before = f.canvas.image();
        const long picturedrawing = f.picturedrawing;
        f.importdrawing_Click();
        f.ui.setControlText("importbox", "fuzz");
        f.importbitmap(13);
        ASSERT_EQ(program.platform.lastMessage(), "Error: can't find bitmap.");
        ASSERT_EQ(f.picturedrawing, picturedrawing);
        ASSERT_TRUE(f.canvas.image() == before);
    }
}

}  // namespace
}  // namespace tarnwick::test
