// 3d mazes of every kind, made and solved by the computer on small open
// drawings: each is solved, and its trail read back from the pixels is the way
// from the start to the finish over passages and under them, with every dead
// end wiped. The bench's "property" case runs the same over hundreds of mazes.
#include <gtest/gtest.h>

#include "solving/maze_property.h"
#include "solving/solving_fixture.h"
#include "support/headless_work_dir.h"

namespace tarnwick::test {
namespace {

class Generated3dMaze : public ::testing::TestWithParam<MazeRecipe> {
protected:
    void SetUp() override { writeOpenPicture(); }
    TempWorkDir workDir;
};

TEST_P(Generated3dMaze, IsSolvedWithATrailFromStartToFinish) {
    const MazeRecipe& recipe = GetParam();
    const SolvedMaze maze = makeAndSolve(recipe, 2'000'000);
    ASSERT_TRUE(maze.made) << describe(recipe);
    ASSERT_TRUE(maze.solved) << describe(recipe);
    const TrailReading trail = readTrail(maze);
    EXPECT_EQ(trail.fault, "") << describe(recipe);
}

std::vector<MazeRecipe> recipes() {
    std::vector<MazeRecipe> all;
    std::uint64_t seed = 1;
    for (const long wall : {10L, 5L})
        for (const auto& [kind, longunderpasses] : {std::pair{2L, false}, {1L, false}, {1L, true}})
            for (const long level : {1L, 4L, 6L}) all.push_back({kind, longunderpasses, level, wall, seed++});
    return all;
}

INSTANTIATE_TEST_SUITE_P(Mazes, Generated3dMaze, ::testing::ValuesIn(recipes()), [](const auto& info) {
    std::string name = describe(info.param);
    for (char& c : name)
        if (c == ' ' || c == '-') c = '_';
    return name;
});

// The example drawings hold passages of several colours side by side; at wall
// size 5 a crossing back into a cell the trail went through once repainted a
// pixel of it in the colour of the cell beyond the underpass.
class Generated3dExample : public ::testing::TestWithParam<MazeRecipe> {
protected:
    void SetUp() override { copyExampleSettings(); }
    TempWorkDir workDir;
};

TEST_P(Generated3dExample, AtWallSizeFiveKeepsEveryPassageColour) {
    const MazeRecipe& recipe = GetParam();
    const SolvedMaze maze = makeAndSolve(recipe, 2'000'000);
    ASSERT_TRUE(maze.solved) << describe(recipe);
    EXPECT_EQ(readTrail(maze).fault, "") << describe(recipe);
}

MazeRecipe exampleAtWallSizeFive(const char* example, std::uint64_t seed) {
    MazeRecipe recipe;
    recipe.example = example;
    recipe.wall = 5;
    recipe.seed = seed;
    recipe.width = 800, recipe.height = 600;
    return recipe;
}

INSTANTIATE_TEST_SUITE_P(Examples, Generated3dExample,
                         ::testing::Values(exampleAtWallSizeFive("usediamond", 75),
                                           exampleAtWallSizeFive("usespace", 67),
                                           exampleAtWallSizeFive("usetree", 83)),
                         [](const auto& info) { return std::string(info.param.example); });

}  // namespace
}  // namespace tarnwick::test
