#include "sweep.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_mazes.h"
#include "platform/headless/headless_platform.h"
#include "shell/form57.h"

namespace tarnwick::bench {

namespace {

constexpr int surfaceWidth = 800, surfaceHeight = 600;
// The steps before the maze and the placing stage take a few hundred passes.
constexpr std::uint64_t passesAside = 1'000'000;

struct Example {
    const char* name;
    const char* item;
};
const Example examples[] = {{"temple", "usetemple"},
                            {"space-station", "usespace"},
                            {"diamond", "usediamond"},
                            {"christmas-tree", "usetree"}};

struct Run {
    const Example* example;
    long wall = 10;
    bool pipe = false;  // grid step twice the wall size
    std::uint64_t seed = 1;
};

struct Outcome {
    bool kindChosen = true;  // false: the example offers no such kind
    bool made = false, solved = false, stopped = false;
    bool lastResort = false;  // making ended by its last resort
    std::uint64_t makingPasses = 0, solvingPasses = 0, cells = 0;
    std::uint64_t pastFallback = 0;  // the longest stretch past the carving fallback's bound
};

std::uint32_t pictureHash(const Form57& f) {
    std::uint32_t h = 2166136261u;
    for (long y = 0; y < f.canvas.height(); ++y)
        for (long x = 0; x < f.canvas.width(); ++x) h = (h ^ static_cast<std::uint32_t>(f.canvas.point(x, y))) * 16777619u;
    return h;
}

Outcome sweepRun(const Run& run, std::uint64_t passesPerCell, std::uint32_t& madeHash) {
    HeadlessPlatform platform(surfaceWidth, surfaceHeight);
    Form57 form(platform);
    Outcome out;
    std::uint64_t bound = 0;
    const std::string wall = std::to_string(run.wall);
    // The example's settings come with the first "New maze "; its picture then
    // takes the wall size, and the Create command the kind.
    std::vector<std::function<void()>> moves{
        [&] { platform.pushButton("Command2"); },
        [&] { platform.pushMenu(run.example->item); },
        [&] { platform.pushMenu("newmaze"); },
        [&] { platform.pushMenu("cgenerate"); },
        [&] { platform.pushMenu("changewallsize"); },
        [&] { platform.pushText(wall), platform.pushEntryKey(13); },
        [&] {
            const bool ownPipe = form.mazekind == 1;
            if (ownPipe == run.pipe) return;
            const char* item = run.pipe ? "create3dpipe" : "create3d";
            if (!form.ui.menuAvailable(item)) {
                out.kindChosen = false;
                platform.requestEnd();
                return;
            }
            platform.pushMenu(item);
        },
        [&] {
            form.random.seed(run.seed);
            out.cells = form.latticecells();
            bound = passesPerCell * out.cells + passesAside;
            platform.pushMenu("newmaze");
        },
    };
    std::size_t next = 0;
    std::uint64_t stageStart = 0;
    enum class Stage { Moves, Making, Placing, Solving } stage = Stage::Moves;
    bool solving = false;
    platform.setFeeder([&](HeadlessPlatform& p) {
        const std::uint64_t pass = p.passes();
        switch (stage) {
            case Stage::Moves:
                if (pass % 20 != 0) return;
                moves[next++]();
                if (next == moves.size()) stage = Stage::Making, stageStart = pass;
                return;
            case Stage::Making:
                if (form.passespastfallback > out.pastFallback) out.pastFallback = form.passespastfallback;
                if (form.programmode == 2) {
                    out.made = true;
                    out.lastResort = form.carvinggivenup;
                    out.makingPasses = pass - stageStart;
                    madeHash = pictureHash(form);
                    stage = Stage::Placing, stageStart = pass;
                } else if (pass - stageStart > bound) {
                    out.makingPasses = pass - stageStart;
                    p.requestEnd();
                }
                return;
            case Stage::Placing:
                if (pass - stageStart == 2) p.pushMenu("playmodeoff");
                if (pass - stageStart == 3) {
                    p.pushMenu("solvemaze");
                    stage = Stage::Solving, stageStart = pass;
                }
                return;
            case Stage::Solving:
                if (form.programmode == 3) solving = true;
                const bool stopped = solving && form.programmode == 2;
                if (form.programmode == 4 || stopped || pass - stageStart > bound) {
                    out.solved = form.programmode == 4;
                    out.stopped = stopped;
                    out.solvingPasses = pass - stageStart;
                    p.requestEnd();
                }
                return;
        }
    });
    platform.setPassBudget(3 * (passesPerCell * surfaceWidth * surfaceHeight / 25 + passesAside));
    form.run();
    return out;
}

std::string describe(const Run& run) {
    return std::string(run.example->name) + " wall " + std::to_string(run.wall) + " grid " +
           std::to_string(run.pipe ? 2 * run.wall : run.wall) + " seed " + std::to_string(run.seed);
}

struct Largest {
    double perCell = 0;
    std::string run;
    void add(std::uint64_t passes, std::uint64_t cells, const std::string& name) {
        const double p = cells > 0 ? static_cast<double>(passes) / static_cast<double>(cells) : 0;
        if (p > perCell) perCell = p, run = name;
    }
};

}  // namespace

double sweepStalls(std::uint64_t passesPerCell) {
    long runs = 0, stalls = 0, solved = 0, stopped = 0, lastResorts = 0;
    Largest making, solving, pastFallback;
    for (const Example& example : examples)
        for (long wall = 5; wall <= 50; wall += 5)
            for (bool pipe : {false, true})
                for (std::uint64_t seed : {1, 2}) {
                    const Run run{&example, wall, pipe, seed};
                    MazeWorkDir dir;
                    std::uint32_t madeHash = 0;
                    const Outcome out = sweepRun(run, passesPerCell, madeHash);
                    if (!out.kindChosen) continue;
                    ++runs;
                    const std::string name = describe(run);
                    const char* end = !out.made     ? "STALL in making"
                                      : out.solved  ? "solved"
                                      : out.stopped ? "solve stopped"
                                                    : "STALL in solving";
                    if (!out.made || (!out.solved && !out.stopped)) ++stalls;
                    solved += out.solved ? 1 : 0;
                    stopped += out.stopped ? 1 : 0;
                    lastResorts += out.lastResort ? 1 : 0;
                    making.add(out.makingPasses, out.cells, name);
                    solving.add(out.solvingPasses, out.cells, name);
                    pastFallback.add(out.pastFallback, out.cells, name);
                    std::printf("sweep %-40s %6llu cells  making %10llu  solving %10llu  picture %08x  %s%s\n",
                                name.c_str(), static_cast<unsigned long long>(out.cells),
                                static_cast<unsigned long long>(out.makingPasses),
                                static_cast<unsigned long long>(out.solvingPasses), madeHash, end,
                                out.lastResort ? " (making ended by its last resort)" : "");
                    std::fflush(stdout);
                }
    std::printf("sweep: %ld runs, %ld stalls, %ld solved, %ld solves stopped, %ld makes ended by the last resort\n",
                runs, stalls, solved, stopped, lastResorts);
    std::printf("sweep: largest passes a cell: making %.1f (%s), solving %.1f (%s), past the carving fallback %.1f%s%s\n",
                making.perCell, making.run.c_str(), solving.perCell, solving.run.c_str(), pastFallback.perCell,
                pastFallback.run.empty() ? "" : " ", pastFallback.run.empty() ? "" : ("(" + pastFallback.run + ")").c_str());
    std::fflush(stdout);
    return static_cast<double>(stalls);
}

}  // namespace tarnwick::bench
