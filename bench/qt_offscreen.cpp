#include "qt_offscreen.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <QtGlobal>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/qt/qt_platform.h"
#include "platform/qt/run_in_window.h"

namespace tarnwick::bench {

namespace {

QtMessageHandler qtsOwnHandler = nullptr;

// Where the bench runs without a desktop session, Qt says at every start of an
// application that it has no runtime directory and takes one of its own; the
// figures do not depend on it, and the notice would stand between every two.
void withoutRuntimeDirNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("XDG_RUNTIME_DIR not set"))) return;
    if (qtsOwnHandler) qtsOwnHandler(type, context, message);
}

void runQuietly(const std::function<void(Platform&)>& work) {
    static const bool quiet = [] {
        qtsOwnHandler = qInstallMessageHandler(withoutRuntimeDirNotices);
        return true;
    }();
    (void)quiet;
    int argc = 1;
    char name[] = "tarnwick-bench";
    char* argv[] = {name, nullptr};
    runInWindow(argc, argv, work);
}

}  // namespace

void withQtWindow(const std::function<void(Platform&)>& work) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    runQuietly(work);
}

void withMaximizedQtWindow(int screenWidth, int screenHeight, const std::function<void(Platform&)>& work) {
    const std::string size = std::to_string(screenWidth) + "x" + std::to_string(screenHeight);
    const std::filesystem::path config =
        std::filesystem::temp_directory_path() / ("tarnwick-bench-screen-" + size + ".json");
    std::ofstream(config) << R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": )" << screenWidth
                          << R"(, "height": )" << screenHeight << R"(, "logicalDpiX": 96, "logicalDpiY": 96}]})";
    const char* before = std::getenv("QT_QPA_PLATFORM");
    const std::string kept = before ? before : "";
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.string()).c_str(), 1);
    runQuietly([&](Platform& platform) {
        QMainWindow& window = dynamic_cast<QtPlatform&>(platform).window();
        QTimer::singleShot(0, &window, [&window] { window.showMaximized(); });
        work(platform);
    });
    if (before) setenv("QT_QPA_PLATFORM", kept.c_str(), 1);
    else unsetenv("QT_QPA_PLATFORM");
}

}  // namespace tarnwick::bench
