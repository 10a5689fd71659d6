#include "goals.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

#include "bench_mazes.h"
#include "platform/headless/headless_platform.h"
#include "polling_loop.h"
#include "qt_offscreen.h"
#include "scripted_platform.h"
#include "shell/form57.h"
#include "solve_stage.h"

namespace tarnwick::bench {

namespace {

using Clock = std::chrono::steady_clock;

// Peak memory of this process so far, in MB.
double peakMemoryMB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

struct MadeAndSolved {
    Timed timed;
    int width = 0, height = 0;  // the canvas
};

// The script's maze made and then solved on one platform, the two stretches added.
MadeAndSolved makeAndSolve(const MazeScript& script, std::uint64_t passBudget,
                           const std::function<void(const std::function<void(Platform&)>&)>& onPlatform) {
    MadeAndSolved result;
    MadeMaze made;
    onPlatform([&](Platform& p) { made = makeMaze(p, script, passBudget); });
    result.width = made.picture.width, result.height = made.picture.height;
    result.timed = made.making;
    if (made.making.done) {
        Timed solved;
        onPlatform([&](Platform& p) { solved = timeSolveStage(p, made, passBudget, solvedMazeRun); });
        result.timed = {made.making.passes + solved.passes, made.making.seconds + solved.seconds, solved.done};
    }
    return result;
}

struct BothSides {
    MadeAndSolved window, headless;
};

// On a window maximized on a screen of the size given, then headless on a
// canvas of the window's size: the same maze. The median of five, taking turns.
BothSides makeAndSolveBoth(const MazeScript& script, int screenWidth, int screenHeight, std::uint64_t passBudget,
                           bool solve = true) {
    BothSides first;
    const Medians medians = timeBoth(
        [&] {
            MazeWorkDir dir(screenWidth, screenHeight);
            const auto onWindow = [&](const std::function<void(Platform&)>& work) {
                withMaximizedQtWindow(screenWidth, screenHeight, work);
            };
            MadeAndSolved run;
            if (solve) {
                run = makeAndSolve(script, passBudget, onWindow);
            } else {
                onWindow([&](Platform& p) {
                    const MadeMaze made = makeMaze(p, script, passBudget);
                    run = {made.making, made.picture.width, made.picture.height};
                });
            }
            if (first.window.width == 0) first.window = run;
            return run.timed;
        },
        [&] {
            MazeWorkDir dir(screenWidth, screenHeight);
            const int width = first.window.width, height = first.window.height;
            const auto onHeadless = [&](const std::function<void(Platform&)>& work) {
                HeadlessPlatform platform(width, height);
                platform.setPassBudget(2 * passBudget + 1000);
                work(platform);
            };
            MadeAndSolved run;
            if (solve) {
                run = makeAndSolve(script, passBudget, onHeadless);
            } else {
                const MadeMaze made = makeMazeHeadless(script, passBudget, width, height);
                run = {made.making, width, height};
            }
            if (first.headless.width == 0) first.headless = run;
            return run.timed;
        });
    first.window.timed = medians.window;
    first.headless.timed = medians.headless;
    return first;
}

}  // namespace

// The time from the program's creation (and, in the window, the application's)
// until the title screen shows at the size of the window.
double startupSeconds(bool inWindow, int screenWidth, int screenHeight) {
    MazeWorkDir dir;
    const Clock::time_point start = Clock::now();
    double took = 0;
    const auto program = [&](Platform& inner) {
        ScriptedPlatform scripted(inner);
        Form57 form(scripted);
        scripted.setFeeder([&](ScriptedPlatform& p) {
            const bool laidOut = form.titlewidth == form.canvas.width() && form.canvas.width() > screenWidth / 2;
            if (took == 0 && laidOut) {
                took = std::chrono::duration<double>(Clock::now() - start).count();
                p.requestEnd();
            } else if (std::chrono::duration<double>(Clock::now() - start).count() > 10) {
                p.requestEnd();  // never laid out: no figure
            }
        });
        form.run();
    };
    if (inWindow) {
        withMaximizedQtWindow(screenWidth, screenHeight, program);
    } else {
        HeadlessPlatform platform(screenWidth, screenHeight);
        program(platform);
    }
    return took;
}

namespace {

double microsPerPass(const Timed& t) { return t.passes ? t.seconds * 1e6 / t.passes : 0; }

void row(const char* figure, const std::string& headless, const std::string& window, const char* goal) {
    std::printf("%-48s %14s %14s   %s\n", figure, headless.c_str(), window.c_str(), goal);
    std::fflush(stdout);
}

std::string format(const char* pattern, double value) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string seconds(const Timed& t) { return t.done ? format("%.3f s", t.seconds) : "not done"; }

// The figure a bench process of its own prints for the case named: peak memory
// and start-up are those of a program that did nothing before.
double figureOfAFreshRun(const std::string& caseName) {
    const std::string command = "/proc/" + std::to_string(getpid()) + "/exe " + caseName;
    FILE* child = popen(command.c_str(), "r");
    if (!child) return 0;
    char line[256] = {};
    double figure = 0;
    const std::string format = caseName + " %lf";
    while (std::fgets(line, sizeof line, child))
        if (std::sscanf(line, format.c_str(), &figure) == 1) break;
    pclose(child);
    return figure;
}

}  // namespace

namespace {

// The script's maze made and solved in a window maximized on a screen of the
// size given, or headless on a canvas of that size.
MadeAndSolved makeAndSolveOnScreen(const MazeScript& script, bool inWindow, int screenWidth, int screenHeight,
                                   std::uint64_t passBudget) {
    if (inWindow)
        return makeAndSolve(script, passBudget, [&](const std::function<void(Platform&)>& work) {
            withMaximizedQtWindow(screenWidth, screenHeight, work);
        });
    return makeAndSolve(script, passBudget, [&](const std::function<void(Platform&)>& work) {
        HeadlessPlatform platform(screenWidth, screenHeight);
        platform.setPassBudget(2 * passBudget + 1000);
        work(platform);
    });
}

}  // namespace

double peakMemoryOfMakeAndSolve(bool inWindow, int screenWidth, int screenHeight, std::uint64_t passBudget) {
    MazeWorkDir dir(screenWidth, screenHeight);
    makeAndSolveOnScreen(openMaze("5"), inWindow, screenWidth, screenHeight, passBudget);
    return peakMemoryMB();
}

double madeAndSolvedSeconds(bool threeD, bool inWindow, int screenWidth, int screenHeight, std::uint64_t passBudget) {
    MazeWorkDir dir(screenWidth, screenHeight);
    const MazeScript script = threeD ? openMaze3d("mazes3d1", "3d", false, "5") : openMaze("5");
    const MadeAndSolved run = makeAndSolveOnScreen(script, inWindow, screenWidth, screenHeight, passBudget);
    return run.timed.done ? run.timed.seconds : 0;
}

double goalsTable(std::uint64_t passBudget) {
    std::printf("%-48s %14s %14s   %s\n", "figure", "headless", "window", "goal");

    const BothSides big = makeAndSolveBoth(openMaze("5"), 1920, 1080, passBudget);
    row("1920x1080 wall 5, regular, make + solve", seconds(big.headless.timed), seconds(big.window.timed),
        "window <= 1.0 s");
    const BothSides big3d = makeAndSolveBoth(openMaze3d("mazes3d1", "3d", false, "5"), 1920, 1080, passBudget);
    row("1920x1080 wall 5, 3d, make + solve", seconds(big3d.headless.timed), seconds(big3d.window.timed),
        "window <= 1.3 s");
    const BothSides small = makeAndSolveBoth(openMaze("10"), 800, 600, passBudget, false);
    row("800x600 wall 10, regular, make", seconds(small.headless.timed), seconds(small.window.timed),
        "window <= 0.06 s");

    for (const auto& [name, run] : {std::pair{"solving, per pass (800x600 wall 5)", &solvedMazeRun},
                                    std::pair{"finish search, per pass (800x600 wall 5)", &finishSearchRun}}) {
        MazeWorkDir dir;
        const MadeMaze maze = makeMazeHeadless(openMaze("5"), passBudget);
        const Medians timed = timeBoth([&] { return timeSolveStageInWindow(maze, passBudget, *run); },
                                       [&] { return timeSolveStageHeadless(maze, passBudget, *run); });
        row(name, format("%.3f us", microsPerPass(timed.headless)), format("%.3f us", microsPerPass(timed.window)),
            ">= 2x faster than before the speed-ups");
    }

    row("window / headless at 1920x1080, regular", "",
        format("%.2f", big.window.timed.seconds / big.headless.timed.seconds), "<= 1.05");
    row("window / headless at 1920x1080, 3d", "",
        format("%.2f", big3d.window.timed.seconds / big3d.headless.timed.seconds), "<= 1.05");

    constexpr std::uint64_t barePasses = 2'000'000;
    HeadlessPlatform bare(800, 600);
    const double headlessRate = pollingLoopRate(bare, barePasses);
    double windowRate = 0;
    withQtWindow([&](Platform& platform) { windowRate = pollingLoopRate(platform, barePasses); });
    row("bare pass (polling loop)", format("%.3f us", 1e6 / headlessRate), format("%.3f us", 1e6 / windowRate),
        "window <= 1.5x headless");
    row("  window / headless", "", format("%.2f", headlessRate / windowRate), "<= 1.5");

    for (const auto& [figure, size, goal] :
         {std::tuple{"peak memory, make + solve, 1280x1024 wall 5", "1280x1024", "window <= 80 MB"},
          std::tuple{"peak memory, make + solve, 1920x1080 wall 5", "1920x1080", "window <= 110 MB"}}) {
        row(figure, format("%.0f MB", figureOfAFreshRun(std::string("peak-memory/headless/") + size)),
            format("%.0f MB", figureOfAFreshRun(std::string("peak-memory/window/") + size)), goal);
    }

    // Single start-ups vary a lot: the median of five each, taking turns.
    std::vector<double> headlessStarts, windowStarts;
    for (int run = 0; run < 5; ++run) {
        headlessStarts.push_back(figureOfAFreshRun("start-up/headless/1920x1080"));
        windowStarts.push_back(figureOfAFreshRun("start-up/window/1920x1080"));
    }
    const auto median = [](std::vector<double>& v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    row("start-up to the title screen, 1920x1080", format("%.3f s", median(headlessStarts)),
        format("%.3f s", median(windowStarts)), "window <= 0.3 s");
    std::printf("(peak memory and start-up are those of fresh bench processes, the one maze made and solved, or\n"
                " the title screen shown; start-up is timed from the application's creation, the loading of the\n"
                " program itself left out)\n");
    return big.window.timed.seconds;
}

}  // namespace tarnwick::bench
