#include "platform/qt/pump_ticker.h"

namespace tarnwick {

PumpTicker::PumpTicker(std::chrono::microseconds interval) : interval_(interval), thread_([this] { run(); }) {}

PumpTicker::~PumpTicker() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void PumpTicker::start() {
    running_ = true;
    {
        std::lock_guard lock(mutex_);
        ticking_ = true;
    }
    wake_.notify_one();
}

void PumpTicker::stop() {
    if (!running_) return;
    running_ = false;
    // The wait takes the window's events itself: the next pump is an interval after it.
    due_.store(false, std::memory_order_relaxed);
    std::lock_guard lock(mutex_);
    ticking_ = false;
}

void PumpTicker::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return ticking_ || quit_; });
        if (quit_) return;
        wake_.wait_for(lock, interval_, [this] { return quit_; });
        if (quit_) return;
        due_.store(true, std::memory_order_relaxed);
    }
}

}  // namespace tarnwick
