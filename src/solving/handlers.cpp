#include "shell/form57.h"

namespace tarnwick {

void Form57::registerSolvingHandlers() {
    menuHandlers["sandf"] = [this] { sandf_Click(); };
    menuHandlers["solvemaze"] = [this] { solvemaze_Click(); };
    menuHandlers["rfinish"] = [this] { rfinish_Click(); };
    menuHandlers["userplace"] = [this] { userplace_Click(); };
    menuHandlers["largestsolution"] = [this] { largestsolution_Click(); };
    menuHandlers["includeunderpasses"] = [this] { includeunderpasses_Click(); };
    menuHandlers["mostunderpasses"] = [this] { mostunderpasses_Click(); };
}

}  // namespace tarnwick
