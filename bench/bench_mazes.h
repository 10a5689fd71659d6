#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/picture.h"
#include "core/state.h"
#include "support/headless_work_dir.h"

namespace tarnwick {
class Platform;
}

namespace tarnwick::bench {

class ScriptedPlatform;

// The four example drawings: a short name, their settings file and their
// "Maze Picture" item.
struct ExampleDrawing {
    const char* name;
    const char* file;
    const char* item;
};
inline constexpr ExampleDrawing exampleDrawings[] = {{"temple", "temple.maze", "usetemple"},
                                                     {"space-station", "space-station.maze", "usespace"},
                                                     {"diamond", "diamond.maze", "usediamond"},
                                                     {"christmas-tree", "christmas-tree.maze", "usetree"}};

// The program reads and writes its files in the current directory: a fresh one
// holding the example settings files and "open.bmp", a black 800 by 600
// picture that, imported, makes every cell of the window open.
class MazeWorkDir {
public:
    // "open.bmp" as large as a window it is to fill.
    explicit MazeWorkDir(int openWidth = 800, int openHeight = 600);

private:
    test::TempWorkDir dir_;
};

// One move of the scripted user, made `wait` passes after the one before it.
struct Step {
    std::uint64_t wait;
    std::function<void(ScriptedPlatform&)> make;
};

// How the user gets from the program's start to a new maze: its last step starts the maze.
struct MazeScript {
    std::string name;
    std::vector<Step> steps;
};

// The computer creating with the default patterns: each example drawing with
// its settings (the 3d ones as regular mazes when `regularOnly`), then an 800
// by 600 drawing open everywhere at wall sizes 10 and 5.
std::vector<MazeScript> benchMazes(bool regularOnly);
// 3d, 3d-pipe with short and 3d-pipe with long underpasses, on a drawing open
// everywhere at wall sizes 10 and 5.
std::vector<MazeScript> bench3dMazes();
// One of them: the computer making a regular maze, or one of a 3d kind ("mazes3d1"
// 3d, "mazes3d" 3d-pipe), on the imported "open.bmp" at the wall size given.
MazeScript openMaze(const char* wallSize);
MazeScript openMaze3d(const char* kindItem, const char* kindName, bool longunderpasses, const char* wallSize);

// Passes and seconds of a timed stretch of the program's loop.
struct Timed {
    std::uint64_t passes = 0;
    double seconds = 0;
    bool done = false;
};

struct MadeMaze {
    Timed making;    // from the last step until the placing stage
    long cells = 0;  // lattice cells showing a passage colour
    State state;     // the program as its placing stage shows the new maze
    Picture picture; // the whole canvas
};

// Plays the script into a fresh program on `platform` and times its maze; one
// not made within `passBudget` passes is left undone. The random source is
// seeded alike on every platform, so each makes the same maze.
MadeMaze makeMaze(Platform& platform, const MazeScript& script, std::uint64_t passBudget);
// Headless, the canvas at the size given. The examples maximize the window, so
// there it takes the screen's size.
MadeMaze makeMazeHeadless(const MazeScript& script, std::uint64_t passBudget, int width = 800, int height = 600);

// Passes per second over the finished runs added.
class OverallRate {
public:
    void add(const Timed& timed) {
        if (timed.done) passes_ += timed.passes, seconds_ += timed.seconds;
    }
    double passesPerSecond() const { return seconds_ > 0 ? passes_ / seconds_ : 0; }

private:
    std::uint64_t passes_ = 0;
    double seconds_ = 0;
};

// The median of five runs on each platform, the real window and headless
// taking turns: single runs of the short cases vary a lot. A run left undone
// (a maze or walk that never ends) is not repeated.
struct Medians {
    Timed window, headless;
};
Medians timeBoth(const std::function<Timed()>& window, const std::function<Timed()>& headless);

// "NAME [EXTRA] PASSES passes SECONDS s RATE passes/s", then `undone` when not
// done, then the note.
void printTimed(const std::string& name, const std::string& extra, const Timed& timed, const char* undone,
                const std::string& note = {});
// "  (R times headless)".
std::string timesHeadless(const Timed& window, const Timed& headless);

}  // namespace tarnwick::bench
