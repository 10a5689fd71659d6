#include "window_fixture.h"

#include <QApplication>
#include <QMainWindow>
#include <QWidget>

#include <cstdlib>
#include <memory>
#include <thread>

namespace tarnwick::test {

namespace {

// One application for the whole test program, on the offscreen platform when
// the environment names none.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[8] = "test_qt";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

Art shownArt(QtPlatform& platform, int x0, int y0, int w, int h) {
    const QImage image = platform.surface().grab().toImage();
    Art art;
    for (int y = y0; y < y0 + h; ++y) {
        std::string row;
        for (int x = x0; x < x0 + w; ++x) {
            const long colour = static_cast<long>(rgbToBgr(image.pixel(x, y) & 0xFFFFFFu));
            char c = '?';
            for (const auto& [key, value] : defaultLegend())
                if (value == colour) c = key;
            row += c;
        }
        art.push_back(row);
    }
    return art;
}

WindowTest::WindowTest() : platform(*qApp) {
    platform.attach(canvas, ui, sink);
    settleSize();
}

void WindowTest::pumpFor(std::chrono::milliseconds time) {
    const auto end = std::chrono::steady_clock::now() + time;
    while (std::chrono::steady_clock::now() < end) {
        platform.processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void WindowTest::settleSize() {
    const QWidget& surface = platform.surface();
    for (int i = 0; i < 1000; ++i) {
        platform.processEvents();
        if (canvas.width() == surface.width() && canvas.height() == surface.height()) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ADD_FAILURE() << "the canvas never took the surface's size";
}

Art WindowTest::shownArt(int x0, int y0, int w, int h) { return test::shownArt(platform, x0, y0, w, h); }

}  // namespace tarnwick::test
