#include "qt_offscreen.h"

#include <cstdlib>

#include "platform/qt/run_in_window.h"

namespace tarnwick::bench {

void withQtWindow(const std::function<void(Platform&)>& work) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int argc = 1;
    char name[] = "tarnwick-bench";
    char* argv[] = {name, nullptr};
    runInWindow(argc, argv, work);
}

}  // namespace tarnwick::bench
