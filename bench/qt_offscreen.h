#pragma once
#include <functional>

namespace tarnwick {
class Platform;
}

namespace tarnwick::bench {

// Runs `work` on the real window, shown on Qt's offscreen platform unless
// QT_QPA_PLATFORM already names one.
void withQtWindow(const std::function<void(Platform&)>& work);
// The same on an offscreen screen of the size given, the window maximized on
// it as the program's first pass begins.
void withMaximizedQtWindow(int screenWidth, int screenHeight, const std::function<void(Platform&)>& work);

}  // namespace tarnwick::bench
