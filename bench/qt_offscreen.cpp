#include "qt_offscreen.h"

#include <QString>
#include <QtGlobal>

#include <cstdlib>

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

}  // namespace

void withQtWindow(const std::function<void(Platform&)>& work) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
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

}  // namespace tarnwick::bench
