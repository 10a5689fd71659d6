#include "platform/qt/run_in_window.h"

#include <QApplication>

#include "platform/qt/qt_platform.h"

namespace tarnwick {

void runInWindow(int& argc, char** argv, const std::function<void(Platform&)>& program) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));
    QtPlatform platform(app);
    program(platform);
}

}  // namespace tarnwick
