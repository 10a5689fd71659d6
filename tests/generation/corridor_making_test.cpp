// Corridors one cell wide and hundreds of cells long. A random walk needs passes
// that grow with the square of a corridor's length to come back to a far clean
// cell, and a 3d scan passes over cells that no passage borders yet: making must
// still carve every cell a walk can reach, and end.
#include <cstdint>
#include <set>
#include <string>

#include "core/colours.h"
#include "platform/picture_files.h"
#include "support/corridor_picture.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

constexpr int wall = 5;

std::string makeMazeOn(const std::string& kind, std::uint64_t budget) {
    return "passes 3\nbutton \"Click to Begin\"\npasses 5\n"
           "menu \"Options\" \"New Tarnwick Drawing\" \"" + kind + "\"\npasses 5\n"
           "menu \"Options\" \"Import Bitmap\"\ntype corridor\nkey Enter\npasses 3\n"
           "menu \"Options\" \"Change wall size\"\ntype " + std::to_string(wall) + "\nkey Enter\npasses 3\n"
           "menu \"Maze Settings\" \"Maze creation\" \"(2)-Computer creates maze\"\npasses 3\n"
           "menu \"Maze Options\" \"New maze \"\nuntil-mode 2 " + std::to_string(budget) + "\n";
}

using Cell = DrawingCell;
std::string PrintCell(const Cell& c) { return "(" + std::to_string(c.first) + "," + std::to_string(c.second) + ")"; }

TEST(CorridorMaking, CarvesEveryCellAWalkReaches) {
    const struct {
        const char* kind;
        int stride;
    } kinds[] = {{"regular 2-d mazes", 1}, {"3d-mazes", 1}, {"3d-pipe-mazes", 2}};
    for (const auto& k : kinds)
        for (const std::uint64_t seed : {1, 2, 3}) {
            SCOPED_TRACE(std::string(k.kind) + " seed " + std::to_string(seed));
            TempWorkDir dir;
            const CorridorPicture corridor = corridorPicture(400, 300, wall, k.stride);
            ASSERT_TRUE(savePictureFile(corridor.picture, "corridor.bmp"));
            HeadlessProgram program{400, 300, 2'000'000};
            program.form.random.seed(seed);
            program.platform.setClock(HeadlessPlatform::defaultClockStart + static_cast<double>(seed));
            // Guided, the longest of these makes ends after about 80,000 passes (51 a
            // carved cell); left to random steering the first regular and 3d ones need
            // more than 900,000. Making may take 150 passes a cell of the corridors.
            const std::uint64_t budget = 150 * corridor.cells.size();
            EXPECT_EQ(program.runScript(makeMazeOn(k.kind, budget)), "");
            const Form57& f = program.form;
            auto cellOf = [](long x, long y) { return Cell{(x - 1) / wall - 1, (y - 1) / wall - 1}; };
            const Cell start = cellOf(f.startx1, f.starty1), finish = cellOf(f.finishx1, f.finishy1);
            const std::set<Cell> reached = reachedFrom(corridor.cells, cellOf(f.homex1, f.homey1), finish);
            for (const Cell& c : reached) {
                const long x = wall + c.first * wall + 1, y = wall + c.second * wall + 1;
                if (c != start && c != finish) {
                    EXPECT_TRUE(isPassageColour(f, f.canvas.point(x, y))) << PrintCell(c);
                }
            }
            // A walk never passes the finish, so the cells behind it are never
            // waited on: nothing is given up, in any kind.
            const Form57::WalkerReach& r = f.walkerreach;
            for (std::size_t q = 0; q < f.walkerguide.givenup.size(); ++q) {
                const Cell c = cellOf(r.originx + static_cast<long>(q) % r.cols * wall,
                                      r.originy + static_cast<long>(q) / r.cols * wall);
                EXPECT_EQ(f.walkerguide.givenup[q], Form57::GivenUp::No) << PrintCell(c);
            }
        }
}

}  // namespace
}  // namespace tarnwick::test
