#include "costed_mazes.h"

#include <utility>

#include "bench_mazes.h"
#include "platform/picture_files.h"

namespace tarnwick::bench {

namespace {

CostedMaze costed(test::SolvedMaze out) {
    CostedMaze maze{std::move(out)};
    if (maze.out.made) maze.carved = test::carvedGridCells(maze.out.state, maze.out.madePicture);
    return maze;
}

}  // namespace

CostedMaze exampleMaze(const char* item, long wall, std::optional<bool> pipe, std::uint64_t seed,
                       std::uint64_t passesPerCell) {
    test::MazeRecipe recipe;
    recipe.example = item;
    recipe.wall = wall;
    recipe.enterWall = true;
    recipe.seed = seed;
    recipe.width = 800, recipe.height = 600;
    recipe.computerSolves = true;
    recipe.pipeKind = pipe;
    recipe.passesPerCell = passesPerCell;
    return costed(test::makeAndSolve(recipe, passesAside));
}

CostedMaze thinStrokeMaze(test::ThinStroke drawing, const MazeKind& kind, int width, int height, std::uint64_t seed,
                          std::uint64_t passesPerCell) {
    constexpr int wall = 5;
    MazeWorkDir dir(width, height);
    const test::CellPicture thin = test::thinStrokePicture(drawing, width, height, seed, wall, kind.stride);
    savePictureFile(thin.picture, "thin.bmp");
    test::MazeRecipe recipe;
    recipe.mazekind = kind.mazekind;
    recipe.wall = wall;
    recipe.seed = seed;
    recipe.picture = "thin";
    recipe.width = width, recipe.height = height;
    recipe.computerSolves = true;
    recipe.passesPerCell = passesPerCell;
    CostedMaze maze = costed(test::makeAndSolve(recipe, passesAside));
    if (maze.out.made)
        maze.reachedClean = static_cast<long>(test::reachedUncarved(thin, maze.out.state, maze.out.madePicture).size());
    return maze;
}

std::string describe(test::ThinStroke drawing, const MazeKind& kind, int width, int height, std::uint64_t seed) {
    return std::string(test::thinStrokeName(drawing)) + " " + kind.name + " " + std::to_string(width) + "x" +
           std::to_string(height) + " seed " + std::to_string(seed);
}

}  // namespace tarnwick::bench
