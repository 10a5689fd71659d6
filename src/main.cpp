#include <QApplication>

#include "platform/qt/qt_platform.h"
#include "shell/form57.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));
    tarnwick::QtPlatform platform(app);
    tarnwick::Form57 form(platform);
    platform.show();
    form.run();
    return 0;
}
