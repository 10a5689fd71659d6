#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace tarnwick {

// Says when the window's events are due for a pump. Asking Qt for its events
// costs several times a bare pass of the program, and even reading the clock
// costs a third of one; a thread of its own marks the pump due every interval,
// so a pass only reads a flag. It ticks only while the program runs: between
// stop() and the next start() it sleeps, and a waiting program costs nothing.
class PumpTicker {
public:
    explicit PumpTicker(std::chrono::microseconds interval);
    ~PumpTicker();
    PumpTicker(const PumpTicker&) = delete;
    PumpTicker& operator=(const PumpTicker&) = delete;

    // True once an interval has passed since the last time it said so (and at
    // the first asking); it starts the ticking if it was stopped.
    bool due() {
        if (!running_) start();
        if (!due_.load(std::memory_order_relaxed)) return false;
        due_.store(false, std::memory_order_relaxed);
        return true;
    }
    // The program waits for an event: the ticks stop until it asks again.
    void stop();

private:
    void start();
    void run();

    const std::chrono::microseconds interval_;
    std::atomic<bool> due_{true};
    bool running_ = false;  // as the program's thread last set it
    std::mutex mutex_;
    std::condition_variable wake_;
    bool ticking_ = false;  // under mutex_
    bool quit_ = false;     // under mutex_
    std::thread thread_;
};

}  // namespace tarnwick
