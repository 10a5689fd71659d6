#include "shell/form57.h"

namespace tarnwick {

void Form57::registerGenerationHandlers() {
    menuHandlers["createreg"] = [this] { createreg_Click(); };
    menuHandlers["create3d"] = [this] { create3d_Click(); };
    menuHandlers["create3dpipe"] = [this] { create3dpipe_Click(); };
    menuHandlers["newmaze"] = [this] { newmaze_Click(); };
    menuHandlers["nrefresh"] = [this] { nrefresh_Click(); };
    menuHandlers["backtomaze"] = [this] { backtomaze_Click(); };
    menuHandlers["ugenerate"] = [this] { ugenerate_Click(); };
    menuHandlers["cgenerate"] = [this] { cgenerate_Click(); };
    menuHandlers["gofinish"] = [this] { gofinish_Click(); };
    menuHandlers["stopfinish"] = [this] { stopfinish_Click(); };
}

}  // namespace tarnwick
