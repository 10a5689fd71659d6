#include "polling_loop.h"

#include <chrono>

#include "core/canvas.h"
#include "core/ui.h"
#include "platform/platform.h"

namespace tarnwick::bench {

namespace {

struct IgnoringSink : EventSink {
    void keyDown(int) override {}
    void mouseDown(int) override {}
    void menuClick(const std::string&) override {}
    void buttonClick(const std::string&) override {}
    void checkClick(const std::string&) override {}
    void entryKeyDown(const std::string&, int) override {}
    void fileListClick(const std::string&, const std::string&) override {}
    void timerTick(const std::string&) override {}
};

constexpr int canvasWidth = 800;
constexpr int canvasHeight = 600;
constexpr int cell = 10;

}  // namespace

double pollingLoopRate(Platform& platform, std::uint64_t passes) {
    Canvas canvas(canvasWidth, canvasHeight);
    Ui ui;
    IgnoringSink sink;
    platform.attach(canvas, ui, sink);

    // The window's first pump lays out the window and sizes the canvas to it: not a pass's cost.
    platform.processEvents();

    constexpr long columns = canvasWidth / cell;
    constexpr long cells = columns * (canvasHeight / cell);
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t pass = 0; pass < passes; ++pass) {
        const long at = static_cast<long>(pass % cells);
        const long x = (at % columns) * cell, y = (at / columns) * cell;
        canvas.fillBox(x + 1, y + 1, x + cell - 2, y + cell - 2, static_cast<long>(pass & 0xFFFFFF));
        platform.processEvents();
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return static_cast<double>(passes) / took.count();
}

}  // namespace tarnwick::bench
