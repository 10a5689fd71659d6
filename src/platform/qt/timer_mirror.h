#pragma once
#include <optional>
#include <vector>

#include "platform/qt/program_link.h"

class QTimer;

namespace tarnwick {

// Runs a Qt timer for each of the model's timers. A tick waits in the queue
// until the program takes its events; ticks do not pile up meanwhile.
class TimerMirror {
public:
    explicit TimerMirror(ProgramLink link) : link_(link) {}
    ~TimerMirror();

    void apply();

private:
    void tick(std::size_t index);

    ProgramLink link_;
    std::vector<QTimer*> timers_;  // by the model's index
    std::vector<std::optional<Timer>> shown_;
    std::vector<bool> tickQueued_;
};

}  // namespace tarnwick
