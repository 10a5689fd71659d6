#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/geometry.h"
#include "core/picture.h"
#include "core/state.h"

namespace tarnwick::test {

// A 3d maze made by the computer on a drawing open everywhere (or on one of
// the example drawings, with its own settings), placed with the default
// squares and solved by the computer, all through the program's own stages on
// the headless platform.
struct MazeRecipe {
    long mazekind = 2;  // 0 regular, 1 3d-pipe, 2 3d
    bool longunderpasses = false;
    long level = 4;
    long wall = 10;  // an example's own is 10: another is set once its settings are in
    std::uint64_t seed = 1;
    int width = 200, height = 150;
    const char* example = nullptr;  // the example's menu item; its settings file must be at hand
    const char* picture = "open";   // without an example: the picture imported
    bool computerSolves = false;    // "(0)-off" before the solve, whatever play option the settings chose
    // With an example: after its settings the Create command switches to the
    // 3d-pipe kind (grid step twice the wall size) or away from it; unset keeps
    // the example's own. An example that offers no such kind makes no maze.
    std::optional<bool> pipeKind = std::nullopt;
    // With an example: the wall size is entered even when it is the example's
    // own 10, which fits its picture to the lattice anew.
    bool enterWall = false;
    std::uint64_t passesPerCell = 0;  // each stage's budget grows by this for every lattice cell
};
std::string describe(const MazeRecipe& recipe);

struct SolvedMaze {
    bool made = false, solved = false;
    bool stopped = false;  // the solve stopped by itself back in placing
    bool kindChosen = true;  // false: the example offers no such kind as asked for
    bool carvingGivenUp = false;  // making ended by its last resort
    bool noRoom = false;  // making told the drawing has no room and went back to the drawing stage
    std::uint64_t makingPasses = 0, solvingPasses = 0;  // until the stage ended or was left undone
    std::uint64_t cells = 0;  // of the lattice, as the maze began
    std::uint64_t passesPastFallback = 0;  // the longest stretch past the carving fallback's bound
    Picture madePicture;  // the window as making ended
    Picture placed;  // the maze with both squares, as the solve began
    Picture shown;   // the solved maze
    State state;     // the program as the solved maze left it
};

// Runs the program from its title; a stage that is not done within its budget
// of passes (passBudget, and passesPerCell for every lattice cell) is left
// undone. The program reads and writes its files in the current directory,
// which must hold the picture (for "open.bmp" see writeOpenPicture) or the
// example's settings file.
SolvedMaze makeAndSolve(const MazeRecipe& recipe, std::uint64_t passBudget);
void writeOpenPicture();  // "open.bmp": black, 800 by 600, open everywhere

// What the trail of a solved maze shows, read back from its pixels.
struct TrailReading {
    std::string fault;  // empty when the trail is sound
    long cells = 0;     // cells the trail runs through, the start and finish included
    long underpasses = 0;
};

// The trail is sound when every pixel the solve changed shows the trail colour
// and was open in the placed maze; the trail runs from the finish back to the
// start cell by cell, each step either across an open grid line or in a
// straight line under passage cells (an underpass, at least one cell long);
// and it has no branch and no piece off that way (a dead end left unwiped).
TrailReading readTrail(const SolvedMaze& maze);

}  // namespace tarnwick::test
