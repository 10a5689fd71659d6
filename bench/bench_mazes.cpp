#include "bench_mazes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "core/colours.h"
#include "platform/headless/headless_platform.h"
#include "platform/picture_files.h"
#include "scripted_platform.h"
#include "shell/form57.h"

namespace tarnwick::bench {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uint64_t mazeSeed = 20'240'601;
// Passes the placing stage gets to show the new maze before the run ends.
constexpr std::uint64_t placingPasses = 3;

Step button(std::uint64_t wait, std::string name) {
    return {wait, [name](ScriptedPlatform& p) { p.button(name); }};
}
Step menu(std::uint64_t wait, std::string item) {
    return {wait, [item](ScriptedPlatform& p) { p.menu(item); }};
}
// Typed into the focused entry box and sent with Enter.
std::vector<Step> enter(std::string text) {
    return {{1, [text](ScriptedPlatform& p) { p.type(text); }}, {1, [](ScriptedPlatform& p) { p.entryKey(13); }}};
}

const Step leaveTheTitle = button(3, "Command2");

// The first "New maze " brings the example's settings; the second makes its
// maze, or the Create command restarts it as a regular one.
MazeScript exampleMaze(std::string name, const char* item, bool asRegular) {
    return {asRegular ? name + "-regular" : name,
            {leaveTheTitle, menu(5, item), menu(5, "newmaze"), menu(20, asRegular ? "createreg" : "newmaze")}};
}

long carvedCells(const Form57& f) {
    long cells = 0;
    for (long y = f.wallsizey; y <= f.canvas.height() - f.gridstepy; y += f.gridstepy)
        for (long x = f.wallsizex; x <= f.canvas.width() - f.gridstepx; x += f.gridstepx)
            cells += isPassageColour(f, f.canvas.point(x + 1, y + 1)) ? 1 : 0;
    return cells;
}

}  // namespace

MazeScript openMaze(const char* wallSize) {
    std::vector<Step> steps{leaveTheTitle, menu(5, "importdrawing")};
    for (Step& s : enter("open")) steps.push_back(std::move(s));
    steps.push_back(menu(2, "changewallsize"));
    for (Step& s : enter(wallSize)) steps.push_back(std::move(s));
    steps.push_back(menu(2, "cgenerate"));
    steps.push_back(menu(1, "newmaze"));
    return {std::string("open-wall-") + wallSize, std::move(steps)};
}

MazeScript openMaze3d(const char* kindItem, const char* kindName, bool longunderpasses, const char* wallSize) {
    std::vector<Step> steps{leaveTheTitle, menu(5, kindItem), menu(5, "importdrawing")};
    for (Step& s : enter("open")) steps.push_back(std::move(s));
    steps.push_back(menu(2, "changewallsize"));
    for (Step& s : enter(wallSize)) steps.push_back(std::move(s));
    steps.push_back(menu(2, "cgenerate"));
    if (longunderpasses) steps.push_back(menu(2, "pthin"));
    steps.push_back(menu(1, "newmaze"));
    return {std::string(kindName) + "-open-wall-" + wallSize, std::move(steps)};
}

MazeWorkDir::MazeWorkDir(int openWidth, int openHeight) {
    const fs::path data = fs::path(TARNWICK_DATA_DIR);
    for (const auto& file : fs::directory_iterator(data)) fs::copy_file(file.path(), file.path().filename());
    savePictureFile(Picture(openWidth, openHeight, 0x000000), "open.bmp");
}

std::vector<MazeScript> benchMazes(bool regularOnly) {
    std::vector<MazeScript> mazes{exampleMaze("temple", "usetemple", false),
                                  exampleMaze("space-station", "usespace", regularOnly)};
    // The diamond hides the Create items: it has no regular maze to make.
    if (!regularOnly) mazes.push_back(exampleMaze("diamond", "usediamond", false));
    mazes.push_back(exampleMaze("christmas-tree", "usetree", regularOnly));
    mazes.push_back(openMaze("10"));
    mazes.push_back(openMaze("5"));
    return mazes;
}

std::vector<MazeScript> bench3dMazes() {
    std::vector<MazeScript> mazes;
    for (const char* wall : {"10", "5"}) {
        mazes.push_back(openMaze3d("mazes3d1", "3d", false, wall));
        mazes.push_back(openMaze3d("mazes3d", "3d-pipe-short", false, wall));
        mazes.push_back(openMaze3d("mazes3d", "3d-pipe-long", true, wall));
    }
    return mazes;
}

MadeMaze makeMaze(Platform& platform, const MazeScript& script, std::uint64_t passBudget) {
    ScriptedPlatform scripted(platform);
    Form57 form(scripted);
    MadeMaze made;
    std::size_t next = 0;
    std::uint64_t waited = 0, startPass = 0, endPass = 0;
    Clock::time_point start;
    scripted.setFeeder([&](ScriptedPlatform& p) {
        if (next < script.steps.size()) {
            if (waited++ < script.steps[next].wait) return;
            waited = 0;
            if (++next == script.steps.size()) {
                form.random.seed(mazeSeed);
                startPass = p.passes();
                start = Clock::now();
            }
            script.steps[next - 1].make(p);
        } else if (endPass == 0 && (form.programmode == 2 || p.passes() - startPass >= passBudget)) {
            made.making = {p.passes() - startPass, std::chrono::duration<double>(Clock::now() - start).count(),
                           form.programmode == 2};
            endPass = p.passes();
        } else if (endPass != 0 && p.passes() - endPass >= placingPasses) {
            p.requestEnd();
        }
    });
    form.run();
    made.cells = carvedCells(form);
    made.state = form;
    made.picture = form.canvas.image();
    return made;
}

MadeMaze makeMazeHeadless(const MazeScript& script, std::uint64_t passBudget, int width, int height) {
    HeadlessPlatform platform(width, height);
    platform.setPassBudget(passBudget + 1000);  // the steps before the maze take a few dozen passes
    return makeMaze(platform, script, passBudget);
}

Medians timeBoth(const std::function<Timed()>& window, const std::function<Timed()>& headless) {
    constexpr int runs = 5;
    std::vector<Timed> windowRuns, headlessRuns;
    for (int run = 0; run < runs; ++run) {
        windowRuns.push_back(window());
        headlessRuns.push_back(headless());
        if (!windowRuns.back().done || !headlessRuns.back().done) break;
    }
    const auto median = [](std::vector<Timed>& timed) {
        std::sort(timed.begin(), timed.end(), [](const Timed& a, const Timed& b) { return a.seconds < b.seconds; });
        return timed[timed.size() / 2];
    };
    return {median(windowRuns), median(headlessRuns)};
}

void printTimed(const std::string& name, const std::string& extra, const Timed& timed, const char* undone,
                const std::string& note) {
    std::printf("%-44s%s %10llu passes %8.3f s %12.0f passes/s%s%s\n", name.c_str(), extra.c_str(),
                static_cast<unsigned long long>(timed.passes), timed.seconds, timed.passes / timed.seconds,
                timed.done ? "" : undone, note.c_str());
    std::fflush(stdout);
}

std::string timesHeadless(const Timed& window, const Timed& headless) {
    char text[48];
    std::snprintf(text, sizeof text, "  (%.2f times headless)", window.seconds / headless.seconds);
    return text;
}

}  // namespace tarnwick::bench
