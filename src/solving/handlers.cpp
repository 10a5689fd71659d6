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
    menuHandlers["playmodeoff"] = [this] { playmodeoff_Click(); };
    menuHandlers["easymode"] = [this] { easymode_Click(); };
    menuHandlers["hardmode"] = [this] { hardmode_Click(); };
    menuHandlers["leavetrail"] = [this] { leavetrail_Click(); };
}

}  // namespace tarnwick
