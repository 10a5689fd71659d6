#pragma once
#include <deque>
#include <functional>

namespace tarnwick {

// What Qt's handlers leave for the program. They never call into the program
// themselves: it runs only when it asks for its events, so a handler can never
// interrupt a step half-way or re-enter it.
class EventQueue {
public:
    void push(std::function<void()> event) { events_.push_back(std::move(event)); }
    bool empty() const { return events_.empty(); }

    // Runs the queued events in order, and those they queue in turn. Each event
    // leaves the queue before it runs, so one that throws is never run twice.
    void deliver() {
        while (!events_.empty()) {
            auto event = std::move(events_.front());
            events_.pop_front();
            event();
        }
    }

private:
    std::deque<std::function<void()>> events_;
};

}  // namespace tarnwick
