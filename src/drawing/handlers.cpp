#include <string>

#include "shell/form57.h"

namespace tarnwick {

void Form57::registerDrawingHandlers() {
    menuHandlers["rmazes"] = [this] { rmazes_Click(); };
    menuHandlers["mazes3d"] = [this] { mazes3d_Click(); };
    menuHandlers["mazes3d1"] = [this] { mazes3d1_Click(); };
    menuHandlers["newwallsize"] = [this] { newwallsize_Click(); };
    menuHandlers["changewallsize"] = [this] { changewallsize_Click(); };
    menuHandlers["drawingon"] = [this] { drawingon_Click(); };
    menuHandlers["drawingoff"] = [this] { drawingoff_Click(); };
    menuHandlers["turnsoff"] = [this] { turnsoff_Click(); };
    menuHandlers["horizontal"] = [this] { horizontal_Click(); };
    menuHandlers["vertical"] = [this] { vertical_Click(); };
    menuHandlers["way4"] = [this] { way4_Click(); };
    menuHandlers["backtodrawing"] = [this] { backtodrawing_Click(); };
    menuHandlers["choosew"] = [this] { choosew_Click(); };
    menuHandlers["selectcolor"] = [this] { selectcolor_Click(); };
    buttonHandlers["Command1"] = [this] { Command1_Click(); };
    for (int k = 1; k <= 16; ++k) checkHandlers["Check" + std::to_string(k + 16)] = [this, k] { pickpenswatch(k); };
    entryHandlers["wallsizebox"] = [this](int keyCode) { setwallsize(keyCode); };
}

}  // namespace tarnwick
