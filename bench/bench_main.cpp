// tarnwick-bench [CASE...]: passes per second of the program's loops on each
// platform. With no names every case runs but the long ones, which run by name.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string_view>

#include "finish_search.h"
#include "fuzz.h"
#include "goals.h"
#include "platform/headless/headless_platform.h"
#include "platform/large_blocks.h"
#include "making.h"
#include "polling_loop.h"
#include "property.h"
#include "qt_offscreen.h"
#include "solving.h"
#include "sweep.h"

namespace {

using namespace tarnwick;

struct Case {
    std::string_view name;
    std::uint64_t passes;
    std::function<double(std::uint64_t passes)> rate;  // passes per second, or what `unit` says
    bool byNameOnly = false;
    const char* unit = "passes/s";
};

const Case cases[] = {
    {"polling-loop/headless", 2'000'000,
     [](std::uint64_t passes) {
         HeadlessPlatform platform(800, 600);
         return bench::pollingLoopRate(platform, passes);
     }},
    {"polling-loop/qt-offscreen", 2'000'000,
     [](std::uint64_t passes) {
         double rate = 0;
         bench::withQtWindow([&](Platform& platform) { rate = bench::pollingLoopRate(platform, passes); });
         return rate;
     }},
    {"making", 10'000'000, bench::makingRate},
    // The passes are the bound a lattice cell of each stage.
    {"making-cost/examples", 16'384, bench::examplesMakingCost, false, "passes a carved cell (largest)"},
    {"making-cost/thin-strokes/regular", 16'384, [](std::uint64_t p) { return bench::thinStrokeMakingCost(0, p); },
     false, "passes a carved cell (largest)"},
    {"making-cost/thin-strokes/3d", 16'384, [](std::uint64_t p) { return bench::thinStrokeMakingCost(1, p); }, false,
     "passes a carved cell (largest)"},
    {"making-cost/thin-strokes/3d-pipe", 16'384, [](std::uint64_t p) { return bench::thinStrokeMakingCost(2, p); },
     false, "passes a carved cell (largest)"},
    {"solving", 5'000'000, bench::solvingRate},
    {"solving-3d", 5'000'000, bench::solving3dRate},
    {"finish-search", 5'000'000, bench::finishSearchRate},
    {"property", 2'000'000, bench::propertyRate, true, "mazes/s"},
    {"fuzz", 4'000'000, bench::fuzzRate, true, "mazefiles/s"},
    // The passes are the bound a lattice cell of each stage.
    {"sweep", 16'384, bench::sweepFaults, true,
     "faults (stalls, runs over 150 passes a carved cell, give-ups, unmade mazes solved, cells left clean)"},
    {"goals", 20'000'000, bench::goalsTable, true, "s (window, 1920x1080 regular make + solve)"},
    {"peak-memory/window/1280x1024", 20'000'000,
     [](std::uint64_t budget) { return bench::peakMemoryOfMakeAndSolve(true, 1280, 1024, budget); }, true, "MB"},
    {"peak-memory/window/1920x1080", 20'000'000,
     [](std::uint64_t budget) { return bench::peakMemoryOfMakeAndSolve(true, 1920, 1080, budget); }, true, "MB"},
    {"peak-memory/headless/1280x1024", 20'000'000,
     [](std::uint64_t budget) { return bench::peakMemoryOfMakeAndSolve(false, 1280, 1024, budget); }, true, "MB"},
    {"peak-memory/headless/1920x1080", 20'000'000,
     [](std::uint64_t budget) { return bench::peakMemoryOfMakeAndSolve(false, 1920, 1080, budget); }, true, "MB"},
    {"made-and-solved/regular/window/1920x1080", 20'000'000,
     [](std::uint64_t budget) { return bench::madeAndSolvedSeconds(false, true, 1920, 1080, budget); }, true, "s"},
    {"made-and-solved/regular/headless/1920x1080", 20'000'000,
     [](std::uint64_t budget) { return bench::madeAndSolvedSeconds(false, false, 1920, 1080, budget); }, true, "s"},
    {"made-and-solved/3d/window/1920x1080", 20'000'000,
     [](std::uint64_t budget) { return bench::madeAndSolvedSeconds(true, true, 1920, 1080, budget); }, true, "s"},
    {"made-and-solved/3d/headless/1920x1080", 20'000'000,
     [](std::uint64_t budget) { return bench::madeAndSolvedSeconds(true, false, 1920, 1080, budget); }, true, "s"},
    {"start-up/window/1920x1080", 0, [](std::uint64_t) { return bench::startupSeconds(true, 1920, 1080); }, true,
     "s"},
    {"start-up/headless/1920x1080", 0, [](std::uint64_t) { return bench::startupSeconds(false, 1920, 1080); }, true,
     "s"},
};

bool chosen(const Case& c, int argc, char** argv) {
    if (argc < 2) return !c.byNameOnly;
    for (int i = 1; i < argc; ++i)
        if (c.name == argv[i]) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    tarnwick::mapLargeBlocksAlone();  // as the program does
    for (int i = 1; i < argc; ++i) {
        const auto named = [&](const Case& c) { return c.name == argv[i]; };
        if (std::none_of(std::begin(cases), std::end(cases), named)) {
            std::fprintf(stderr, "tarnwick-bench: no case %s\n", argv[i]);
            return 2;
        }
    }
    for (const Case& c : cases) {
        if (!chosen(c, argc, argv)) continue;
        const double rate = c.rate(c.passes);
        std::printf("%-28s %12.2f %s  (%llu passes)\n", c.name.data(), rate, c.unit,
                    static_cast<unsigned long long>(c.passes));
        std::fflush(stdout);
    }
    return 0;
}
