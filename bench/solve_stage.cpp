#include "solve_stage.h"

#include <chrono>
#include <cstdio>

#include "platform/headless/headless_platform.h"
#include "qt_offscreen.h"
#include "scripted_platform.h"
#include "shell/form57.h"

namespace tarnwick::bench {

// The solved maze waits for the user's next command: it is left at once, as by
// "Go back to Drawing", and so is a walk that has used up its passes.
const SolveRun solvedMazeRun{[](Form57&) {}, [](const Form57& form) { return form.programmode == 4; }};

const SolveRun finishSearchRun{[](Form57& form) {
                                   form.endpointoption = 1;
                                   form.finishfound = 0;
                                   form.finishx1 = form.finishy1 = form.finishx2 = form.finishy2 = -100;
                               },
                               [](const Form57& form) { return form.finishfound == 1; }};

Timed timeSolveStage(Platform& platform, const MadeMaze& maze, std::uint64_t passBudget, const SolveRun& run) {
    ScriptedPlatform scripted(platform);
    Form57 form(scripted);
    // The real window hands its surface's size to the canvas in its first passes.
    for (int i = 0; i < 10; ++i) form.doEvents();
    static_cast<State&>(form) = maze.state;
    form.canvas.paintPicture(maze.picture, 0, 0);
    run.prepare(form);
    form.programmode = 3;
    const std::uint64_t startPass = scripted.passes();
    bool done = false;
    scripted.setFeeder([&](ScriptedPlatform& p) {
        if (run.finished(form)) {
            done = true;
            form.programmode = 0;
        } else if (p.passes() - startPass >= passBudget) {
            form.programmode = 0;
        }
    });
    const auto start = std::chrono::steady_clock::now();
    form.solvestage();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {scripted.passes() - startPass, seconds, done || run.finished(form)};
}

Timed timeSolveStageHeadless(const MadeMaze& maze, std::uint64_t passBudget, const SolveRun& run) {
    HeadlessPlatform platform(800, 600);
    platform.setPassBudget(passBudget + 100);
    return timeSolveStage(platform, maze, passBudget, run);
}

Timed timeSolveStageInWindow(const MadeMaze& maze, std::uint64_t passBudget, const SolveRun& run) {
    Timed timed;
    withQtWindow([&](Platform& platform) { timed = timeSolveStage(platform, maze, passBudget, run); });
    return timed;
}

double timeSolveStages(const std::string& group, const std::vector<MazeScript>& scripts, std::uint64_t passBudget,
                       const SolveRun& run, const char* undone, bool showCells) {
    OverallRate overall;
    for (const MazeScript& script : scripts) {
        const std::string name = group + "/" + script.name;
        MazeWorkDir dir;
        const MadeMaze maze = makeMazeHeadless(script, passBudget);
        if (!maze.making.done) {
            std::printf("%-44s (maze not made)\n", name.c_str());
            continue;
        }
        const auto [window, headless] = timeBoth([&] { return timeSolveStageInWindow(maze, passBudget, run); },
                                                 [&] { return timeSolveStageHeadless(maze, passBudget, run); });
        const std::string cells = showCells ? " " + std::to_string(maze.cells) + " cells" : "";
        printTimed(name, cells, headless, undone);
        overall.add(headless);
        printTimed(name + "/qt-offscreen", cells, window, undone, timesHeadless(window, headless));
    }
    return overall.passesPerSecond();
}

}  // namespace tarnwick::bench
