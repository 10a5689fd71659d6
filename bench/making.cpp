#include "making.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "core/colours.h"
#include "platform/headless/headless_platform.h"
#include "shell/form57.h"

namespace tarnwick::bench {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char* const exampleFiles[] = {"temple.maze", "space-station.maze", "diamond.maze", "christmas-tree.maze"};

// The program reads and writes its files in the current directory: each maze
// gets a fresh one holding the example settings files.
class WorkDir {
public:
    WorkDir() : previous_(fs::current_path()) {
        std::random_device entropy;
        do path_ = fs::temp_directory_path() / ("tarnwick-bench-" + std::to_string(entropy()));
        while (!fs::create_directory(path_));
        const fs::path data = fs::path(__FILE__).parent_path().parent_path() / "data";
        for (const char* file : exampleFiles) fs::copy_file(data / file, path_ / file);
        fs::current_path(path_);
    }
    ~WorkDir() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        fs::remove_all(path_, ignored);
    }
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

private:
    fs::path previous_, path_;
};

// One event, delivered `wait` passes after the one before it.
struct Step {
    std::uint64_t wait;
    std::function<void(HeadlessPlatform&)> deliver;
};

struct Figures {
    long cells = 0;
    std::uint64_t passes = 0;
    double seconds = 0;
    bool finished = false;
};

Step menu(std::uint64_t wait, std::string item) {
    return {wait, [item](HeadlessPlatform& p) { p.pushMenu(item); }};
}

// Lattice cells whose box shows a passage colour.
long carvedCells(const Form57& f) {
    long cells = 0;
    for (long y = f.wallsizey; y <= f.canvas.height() - f.gridstepy; y += f.gridstepy)
        for (long x = f.wallsizex; x <= f.canvas.width() - f.gridstepx; x += f.gridstepx)
            cells += isPassageColour(f, f.canvas.point(x + 1, y + 1)) ? 1 : 0;
    return cells;
}

// Plays the steps into the program from its start; the last one starts a maze,
// timed from then until the placing stage begins.
Figures makeMaze(const std::vector<Step>& steps, std::uint64_t passBudget,
                 const std::function<void(HeadlessPlatform&)>& prepare = {}) {
    WorkDir dir;
    HeadlessPlatform platform(800, 600);
    platform.setPassBudget(passBudget + 1000);  // the steps before the maze take a few dozen passes
    Form57 form(platform);
    if (prepare) prepare(platform);
    std::size_t next = 0;
    std::uint64_t waited = 0, startPass = 0;
    Clock::time_point start;
    Figures figures;
    platform.setFeeder([&](HeadlessPlatform& p) {
        if (next < steps.size()) {
            if (waited++ < steps[next].wait) return;
            steps[next++].deliver(p);
            waited = 0;
            if (next == steps.size()) {
                startPass = p.passes();
                start = Clock::now();
            }
        } else if (form.programmode == 2 || p.passes() - startPass >= passBudget) {
            figures.seconds = std::chrono::duration<double>(Clock::now() - start).count();
            figures.passes = p.passes() - startPass;
            figures.finished = form.programmode == 2;
            p.requestEnd();
        }
    });
    form.run();
    figures.cells = carvedCells(form);
    return figures;
}

Figures exampleMaze(const char* item, std::uint64_t passBudget) {
    // The first "New maze " brings the example's settings; the second makes its maze.
    return makeMaze({{3, [](HeadlessPlatform& p) { p.pushButton("Command2"); }}, menu(5, item), menu(5, "newmaze"),
                     menu(20, "newmaze")},
                    passBudget);
}

// An imported picture open everywhere, at the wall size given.
Figures openMaze(const char* wallSize, std::uint64_t passBudget) {
    const auto type = [](std::uint64_t wait, std::string text) {
        return Step{wait, [text](HeadlessPlatform& p) { p.pushText(text); }};
    };
    const Step enter{1, [](HeadlessPlatform& p) { p.pushEntryKey(13); }};
    return makeMaze({{3, [](HeadlessPlatform& p) { p.pushButton("Command2"); }}, menu(5, "importdrawing"),
                     type(1, "open"), enter, menu(2, "changewallsize"), type(1, wallSize), enter,
                     menu(2, "cgenerate"), menu(1, "newmaze")},
                    passBudget, [](HeadlessPlatform& p) { p.savePicture(Picture(800, 600, 0x000000), "open.bmp"); });
}

}  // namespace

double makingRate(std::uint64_t passBudget) {
    struct Case {
        const char* name;
        std::function<Figures()> make;
    };
    const Case cases[] = {
        {"making/temple", [=] { return exampleMaze("usetemple", passBudget); }},
        {"making/space-station", [=] { return exampleMaze("usespace", passBudget); }},
        {"making/diamond", [=] { return exampleMaze("usediamond", passBudget); }},
        {"making/christmas-tree", [=] { return exampleMaze("usetree", passBudget); }},
        {"making/open-wall-10", [=] { return openMaze("10", passBudget); }},
        {"making/open-wall-5", [=] { return openMaze("5", passBudget); }},
    };
    std::uint64_t passes = 0;
    double seconds = 0;
    for (const Case& c : cases) {
        const Figures f = c.make();
        std::printf("%-28s %7ld cells %10llu passes %8.3f s %12.0f passes/s%s\n", c.name, f.cells,
                    static_cast<unsigned long long>(f.passes), f.seconds, f.passes / f.seconds,
                    f.finished ? "" : "  (not finished)");
        std::fflush(stdout);
        if (!f.finished) continue;
        passes += f.passes;
        seconds += f.seconds;
    }
    return seconds > 0 ? passes / seconds : 0;
}

}  // namespace tarnwick::bench
