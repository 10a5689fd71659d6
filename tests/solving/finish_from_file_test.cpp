// A settings file whose finish cannot stay (outside the window, or on a colour
// the file no longer ticks as an area) leaves the finish to the program. The
// diamond's file keeps its start on the bottom tip, the first usable cell the
// program's search from the bottom-right meets: the finish must go elsewhere,
// or the solve would end where it begins.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "solving/maze_property.h"
#include "support/headless_work_dir.h"
#include "support/mazefile_text.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

// The record's fields, counted from 1.
constexpr int finishLeft = 11, finishTop = 12, finishRight = 13, finishBottom = 14;
constexpr int silverTicked = 46;  // the class box of palette colour 8: the diamond's upper right facet

struct FileChange {
    int field;
    const char* value;
};

struct FinishCase {
    const char* name;
    std::vector<FileChange> changes;
};
void PrintTo(const FinishCase& c, std::ostream* os) { *os << c.name; }

SolvedMaze diamondWith(const std::vector<FileChange>& changes) {
    TempWorkDir dir;
    const std::string good = fileBytes(fs::path(TARNWICK_DATA_DIR) / "diamond.maze");
    std::vector<std::string> record = recordInFile((fs::path(TARNWICK_DATA_DIR) / "diamond.maze").string());
    for (const FileChange& c : changes) record[static_cast<std::size_t>(c.field - 1)] = c.value;
    writeFileBytes("diamond.maze", mazefileText(record, good.substr(good.find("\r\n") + 2)));
    MazeRecipe recipe;
    recipe.example = "usediamond";
    recipe.width = 800, recipe.height = 600;
    recipe.computerSolves = true;
    return makeAndSolve(recipe, 4'000'000);
}

bool sameCell(const State& s) { return s.finishx1 == s.startx1 && s.finishy1 == s.starty1; }

class FinishFromFile : public ::testing::TestWithParam<FinishCase> {};

TEST_P(FinishFromFile, GoesWhereTheProgramPlacesItAndIsSolvedThere) {
    const SolvedMaze maze = diamondWith(GetParam().changes);
    ASSERT_TRUE(maze.made);
    ASSERT_TRUE(maze.solved);
    const State& s = maze.state;
    EXPECT_EQ(s.startx1, 391);
    EXPECT_EQ(s.starty1, 531);
    EXPECT_FALSE(sameCell(s)) << "the finish on the start at " << s.startx1 << "," << s.starty1;
    const TrailReading trail = readTrail(maze);
    EXPECT_EQ(trail.fault, "");
    EXPECT_GT(trail.cells, 2) << "a solve that ended at once";
}

INSTANTIATE_TEST_SUITE_P(
    Diamond, FinishFromFile,
    ::testing::Values(FinishCase{"finishNotPlaced", {{finishLeft, "0"}, {finishTop, "0"}, {finishRight, "0"},
                                                     {finishBottom, "0"}}},
                      FinishCase{"finishBelowTheWindow", {{finishBottom, "801"}}},
                      FinishCase{"finishOnAColourNoLongerAnArea", {{silverTicked, "0"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// A finish the file places outside the window goes where the program places a
// finish the file leaves unplaced.
TEST(FinishFromFileCell, OutsideTheWindowIsTheProgramsOwnPlace) {
    const State unplaced = diamondWith({{finishLeft, "0"}, {finishTop, "0"}, {finishRight, "0"}, {finishBottom, "0"}}).state;
    const State below = diamondWith({{finishBottom, "801"}}).state;
    EXPECT_EQ(below.finishx1, unplaced.finishx1);
    EXPECT_EQ(below.finishy1, unplaced.finishy1);
}

}  // namespace
}  // namespace tarnwick::test
