#include "finish_search.h"

#include <vector>

#include "bench_mazes.h"
#include "shell/form57.h"
#include "solve_stage.h"

namespace tarnwick::bench {

namespace {

// The solve stage as the placing stage hands it a finish still to be found:
// the finish hidden off the window, option 1, the walk until it comes back to
// placing (or has used up its passes).
const SolveRun searchRun{[](Form57& form) {
                             form.endpointoption = 1;
                             form.finishfound = 0;
                             form.finishx1 = form.finishy1 = form.finishx2 = form.finishy2 = -100;
                         },
                         [](const Form57& form) { return form.finishfound == 1; }};

}  // namespace

double finishSearchRate(std::uint64_t passBudget) {
    std::vector<MazeScript> scripts;
    for (MazeScript& s : benchMazes(true))
        if (s.name.rfind("open-wall-", 0) == 0) scripts.push_back(std::move(s));
    for (MazeScript& s : bench3dMazes()) scripts.push_back(std::move(s));
    return timeSolveStages("finish-search", scripts, passBudget, searchRun, "  (finish not found)", true);
}

}  // namespace tarnwick::bench
