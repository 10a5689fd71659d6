#include "solving.h"

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

// The main loop's solve stage on the made maze: set-up, walk, solved maze. The
// solved maze waits for the user's next command: it is left at once, as by
// "Go back to Drawing", and so is a walk that has used up its passes.
Timed solve(Platform& platform, const MadeMaze& maze, std::uint64_t passBudget) {
    ScriptedPlatform scripted(platform);
    Form57 form(scripted);
    // The real window hands its surface's size to the canvas in its first passes.
    for (int i = 0; i < 10; ++i) form.doEvents();
    static_cast<State&>(form) = maze.state;
    form.canvas.paintPicture(maze.picture, 0, 0);
    form.programmode = 3;
    const std::uint64_t startPass = scripted.passes();
    bool solved = false;
    scripted.setFeeder([&](ScriptedPlatform& p) {
        if (form.programmode == 4) {
            solved = true;
            form.programmode = 0;
        } else if (p.passes() - startPass >= passBudget) {
            form.programmode = 0;
        }
    });
    const Clock::time_point start = Clock::now();
    form.solvestage();
    return {scripted.passes() - startPass, std::chrono::duration<double>(Clock::now() - start).count(), solved};
}

Timed solveHeadless(const MadeMaze& maze, std::uint64_t passBudget) {
    HeadlessPlatform platform(800, 600);
    platform.setPassBudget(passBudget + 100);
    return solve(platform, maze, passBudget);
}

Timed solveInWindow(const MadeMaze& maze, std::uint64_t passBudget) {
    Timed timed;
    withQtWindow([&](Platform& platform) { timed = solve(platform, maze, passBudget); });
    return timed;
}

}  // namespace

double solvingRate(std::uint64_t passBudget) {
    OverallRate overall;
    for (const MazeScript& script : benchMazes(true)) {
        const std::string name = "solving/" + script.name;
        MazeWorkDir dir;
        const MadeMaze maze = makeMazeHeadless(script, passBudget);
        if (!maze.making.done) {
            std::printf("%-44s (maze not made)\n", name.c_str());
            continue;
        }
        const auto [window, headless] =
            timeBoth([&] { return solveInWindow(maze, passBudget); }, [&] { return solveHeadless(maze, passBudget); });
        printTimed(name, "", headless, "  (not solved)");
        overall.add(headless);
        printTimed(name + "/qt-offscreen", "", window, "  (not solved)", timesHeadless(window, headless));
    }
    return overall.passesPerSecond();
}

}  // namespace tarnwick::bench
