#include "solving.h"

#include <chrono>
#include <cstdio>
#include <functional>
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

// The maze made and then solved on one platform: the two stretches added.
Timed makeAndSolve(const std::function<MadeMaze()>& make, const std::function<Timed(const MadeMaze&)>& solve) {
    const MadeMaze maze = make();
    if (!maze.making.done) return maze.making;
    const Timed solved = solve(maze);
    return {maze.making.passes + solved.passes, maze.making.seconds + solved.seconds, solved.done};
}

}  // namespace

double solving3dRate(std::uint64_t passBudget) {
    OverallRate overall;
    for (const MazeScript& script : bench3dMazes()) {
        const std::string name = "made-and-solved/" + script.name;
        int width = 800, height = 600;
        const auto [window, headless] = timeBoth(
            [&] {
                MazeWorkDir dir;
                return makeAndSolve(
                    [&] {
                        MadeMaze made;
                        withQtWindow([&](Platform& platform) { made = makeMaze(platform, script, passBudget); });
                        width = made.picture.width, height = made.picture.height;
                        return made;
                    },
                    [&](const MadeMaze& made) { return solveInWindow(made, passBudget); });
            },
            [&] {
                MazeWorkDir dir;
                return makeAndSolve([&] { return makeMazeHeadless(script, passBudget, width, height); },
                                    [&](const MadeMaze& made) { return solveHeadless(made, passBudget); });
            });
        char size[32];
        std::snprintf(size, sizeof size, " %4dx%-4d", width, height);
        printTimed(name, size, headless, "  (not made or not solved)");
        overall.add(headless);
        printTimed(name + "/qt-offscreen", size, window, "  (not made or not solved)", timesHeadless(window, headless));
    }
    return overall.passesPerSecond();
}

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
