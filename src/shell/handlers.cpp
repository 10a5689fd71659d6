#include "shell/form57.h"

namespace tarnwick {

void Form57::registerShellHandlers() {
    buttonHandlers["Command2"] = [this] { Command2_Click(); };
    buttonHandlers["Command3"] = [this] { Command3_Click(); };
    buttonHandlers["Command7"] = [this] { Command7_Click(); };
    timerHandlers["Timer1"] = [this] { Timer1_Timer(); };
    timerHandlers["Timer2"] = [this] { Timer2_Timer(); };
    menuHandlers["resetsettings"] = [this] { resetsettings_Click(); };
    menuHandlers["aon"] = [this] { aon_Click(); };
    menuHandlers["aoff"] = [this] { aoff_Click(); };
    menuHandlers["quit2"] = [this] { quit2_Click(); };
    menuHandlers["print"] = [this] { print_Click(); };
    menuHandlers["printwithsolutions"] = [this] { printwithsolutions_Click(); };
    menuHandlers["printnosolutions"] = [this] { printnosolutions_Click(); };
    menuHandlers["stopallprintings"] = [this] { stopallprintings_Click(); };
    entryHandlers["printcountbox"] = [this](int keyCode) { printcountentry(keyCode); };
}

}  // namespace tarnwick
