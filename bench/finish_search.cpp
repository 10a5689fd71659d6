#include "finish_search.h"

#include <chrono>
#include <cstdio>
#include <string>

#include "bench_mazes.h"
#include "platform/headless/headless_platform.h"
#include "qt_offscreen.h"
#include "scripted_platform.h"
#include "shell/form57.h"

namespace tarnwick::bench {

namespace {

using Clock = std::chrono::steady_clock;

// The solve stage as the placing stage hands it a finish still to be found:
// the finish hidden off the window, option 1, the walk until it comes back to
// placing (or has used up its passes).
Timed search(Platform& platform, const MadeMaze& maze, std::uint64_t passBudget) {
    ScriptedPlatform scripted(platform);
    Form57 form(scripted);
    // The real window hands its surface's size to the canvas in its first passes.
    for (int i = 0; i < 10; ++i) form.doEvents();
    static_cast<State&>(form) = maze.state;
    form.canvas.paintPicture(maze.picture, 0, 0);
    form.endpointoption = 1;
    form.finishfound = 0;
    form.finishx1 = form.finishy1 = form.finishx2 = form.finishy2 = -100;
    form.programmode = 3;
    const std::uint64_t startPass = scripted.passes();
    scripted.setFeeder([&](ScriptedPlatform& p) {
        if (p.passes() - startPass >= passBudget) form.programmode = 0;
    });
    const Clock::time_point start = Clock::now();
    form.solvestage();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return {scripted.passes() - startPass, seconds, form.finishfound == 1};
}

}  // namespace

double finishSearchRate(std::uint64_t passBudget) {
    OverallRate overall;
    std::vector<MazeScript> scripts;
    for (MazeScript& s : benchMazes(true))
        if (s.name.rfind("open-wall-", 0) == 0) scripts.push_back(std::move(s));
    for (MazeScript& s : bench3dMazes()) scripts.push_back(std::move(s));
    for (const MazeScript& script : scripts) {
        const std::string name = "finish-search/" + script.name;
        MazeWorkDir dir;
        const MadeMaze maze = makeMazeHeadless(script, passBudget);
        if (!maze.making.done) {
            std::printf("%-44s (maze not made)\n", name.c_str());
            continue;
        }
        const auto [window, headless] = timeBoth(
            [&] {
                Timed timed;
                withQtWindow([&](Platform& platform) { timed = search(platform, maze, passBudget); });
                return timed;
            },
            [&] {
                HeadlessPlatform platform(800, 600);
                platform.setPassBudget(passBudget + 100);
                return search(platform, maze, passBudget);
            });
        const std::string cells = " " + std::to_string(maze.cells) + " cells";
        printTimed(name, cells, headless, "  (finish not found)");
        overall.add(headless);
        printTimed(name + "/qt-offscreen", cells, window, "  (finish not found)", timesHeadless(window, headless));
    }
    return overall.passesPerSecond();
}

}  // namespace tarnwick::bench
