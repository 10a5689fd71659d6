#include "finish_search.h"

#include <vector>

#include "bench_mazes.h"
#include "shell/form57.h"
#include "solve_stage.h"

namespace tarnwick::bench {

double finishSearchRate(std::uint64_t passBudget) {
    std::vector<MazeScript> scripts;
    for (MazeScript& s : benchMazes(true))
        if (s.name.rfind("open-wall-", 0) == 0) scripts.push_back(std::move(s));
    for (MazeScript& s : bench3dMazes()) scripts.push_back(std::move(s));
    return timeSolveStages("finish-search", scripts, passBudget, finishSearchRun, "  (finish not found)", true);
}

}  // namespace tarnwick::bench
