#include "shell/form57.h"

namespace tarnwick {

void Form57::registerUnderpassHandlers() {
    menuHandlers["mode1"] = [this] { mode1_Click(); };
    menuHandlers["mode2"] = [this] { mode2_Click(); };
    menuHandlers["mode3"] = [this] { mode3_Click(); };
    menuHandlers["mode4"] = [this] { mode4_Click(); };
    menuHandlers["mode5"] = [this] { mode5_Click(); };
    menuHandlers["mode6"] = [this] { mode6_Click(); };
    menuHandlers["pnormal"] = [this] { pnormal_Click(); };
    menuHandlers["plarge"] = [this] { plarge_Click(); };
    menuHandlers["pthick"] = [this] { pthick_Click(); };
    menuHandlers["pthin"] = [this] { pthin_Click(); };
}

}  // namespace tarnwick
