// Drawings made with the thinnest pen: corridors and walls one cell wide, many
// dead ends, a spiral, strokes that cross. The walker must find every clean
// cell such a drawing leaves it, and find each at a cost that follows its way
// there, not the size of the window.
#include <cstdint>
#include <string>

#include "core/colours.h"
#include "platform/picture_files.h"
#include "support/headless_program.h"
#include "support/thin_stroke_pictures.h"

namespace tarnwick::test {
namespace {

constexpr int width = 300, height = 200, wall = 5;
// The passes before the make (the title, the import, the settings) count here too.
constexpr double mostPassesPerCarvedCell = 150;

std::string makeMazeOn(const std::string& kind) {
    return "passes 3\nbutton \"Click to Begin\"\npasses 5\n"
           "menu \"Options\" \"New Tarnwick Drawing\" \"" + kind + "\"\npasses 5\n"
           "menu \"Options\" \"Import Bitmap\"\ntype thin\nkey Enter\npasses 3\n"
           "menu \"Options\" \"Change wall size\"\ntype " + std::to_string(wall) + "\nkey Enter\npasses 3\n"
           "menu \"Maze Settings\" \"Maze creation\" \"(2)-Computer creates maze\"\npasses 3\n"
           "menu \"Maze Options\" \"New maze \"\nuntil-mode 2 2000000\n";
}

// A 3d walker may jump over a clean cell or leave one as a wall between two
// passages, so only a regular maze carves every cell a walk reaches; in every
// kind nothing is given up.
struct Kind {
    const char* kind;
    int stride;
    bool carvesEveryCell;
};
constexpr Kind kinds[] = {{"regular 2-d mazes", 1, true}, {"3d-mazes", 1, false}, {"3d-pipe-mazes", 2, false}};

// Makes the maze of `thin` in a window of its picture's size and checks it.
void checkMaking(const Kind& k, const CellPicture& thin, std::uint64_t seed) {
    TempWorkDir dir;
    ASSERT_TRUE(savePictureFile(thin.picture, "thin.bmp"));
    HeadlessProgram program{thin.picture.width, thin.picture.height, 2'100'000};
    program.form.random.seed(seed);
    program.platform.setClock(HeadlessPlatform::defaultClockStart + static_cast<double>(seed));
    ASSERT_EQ(program.runScript(makeMazeOn(k.kind)), "");
    const Form57& f = program.form;
    const Picture shown = f.windowpicture();
    if (k.carvesEveryCell) {
        for (const DrawingCell& c : reachedUncarved(thin, f, shown))
            ADD_FAILURE() << "clean cell (" << c.first << "," << c.second << ")";
    }
    EXPECT_FALSE(f.carvinggivenup);
    for (const Form57::GivenUp g : f.walkerguide.givenup) ASSERT_EQ(g, Form57::GivenUp::No);
    const long carved = carvedGridCells(f, shown);
    ASSERT_GE(carved, 100);
    EXPECT_LE(static_cast<double>(program.platform.passes()) / static_cast<double>(carved), mostPassesPerCarvedCell)
        << program.platform.passes() << " passes, " << carved << " cells carved";
}

TEST(ThinStrokeMaking, CarvesEveryCellAWalkReachesAtACostThatFollowsTheCells) {
    for (const Kind& k : kinds)
        for (const ThinStroke drawing : thinStrokes)
            for (const std::uint64_t seed : {1, 2}) {
                SCOPED_TRACE(std::string(thinStrokeName(drawing)) + " " + k.kind + " seed " + std::to_string(seed));
                checkMaking(k, thinStrokePicture(drawing, width, height, seed, wall, k.stride), seed);
            }
}

// A small drawing in the corner of a large window: the completion scan's
// rounds over the window's empty rest must not cost more than the drawing.
TEST(ThinStrokeMaking, ASmallDrawingInALargeWindowCostsWhatTheDrawingDoes) {
    for (const Kind& k : kinds) {
        SCOPED_TRACE(k.kind);
        CellPicture thin = thinStrokePicture(ThinStroke::Maze, 200, 150, 1, wall, k.stride);
        Picture large(1920, 1080, thin.picture.at(0, 0));
        for (int y = 0; y < thin.picture.height; ++y)
            for (int x = 0; x < thin.picture.width; ++x) large.at(x, y) = thin.picture.at(x, y);
        thin.picture = large;
        checkMaking(k, thin, 1);
    }
}

}  // namespace
}  // namespace tarnwick::test
