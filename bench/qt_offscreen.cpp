#include "qt_offscreen.h"

#include <QApplication>

#include <cstdlib>

#include "platform/qt/qt_platform.h"

namespace tarnwick::bench {

void withQtWindow(const std::function<void(Platform&)>& work) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int argc = 1;
    char name[] = "tarnwick-bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QtPlatform platform(app);
    platform.show();
    work(platform);
}

}  // namespace tarnwick::bench
