#pragma once
#include <Qt>

#include "platform/qt/program_link.h"

namespace tarnwick {

class MainWindow;

// Applies the model's window caption, state, geometry and requests, and tells
// the model when the user minimizes, maximizes or restores the window, so the
// program's next request for a state is carried out again.
class WindowMirror {
public:
    WindowMirror(MainWindow& window, ProgramLink link);

    void apply();

private:
    void userChangedState(Qt::WindowStates states);

    MainWindow& window_;
    ProgramLink link_;
    WindowProperties shown_;
};

}  // namespace tarnwick
