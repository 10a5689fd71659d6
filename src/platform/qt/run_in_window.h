#pragma once
#include <functional>

namespace tarnwick {

class Platform;

// Makes the Qt application and the program's window and runs `program` on its
// platform (the window shows when the program attaches); returns when `program`
// does. Qt stays behind this call, so whoever starts the window needs none of it.
void runInWindow(int& argc, char** argv, const std::function<void(Platform&)>& program);

}  // namespace tarnwick
