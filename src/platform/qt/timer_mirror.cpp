#include "platform/qt/timer_mirror.h"

#include <QTimer>

namespace tarnwick {

TimerMirror::~TimerMirror() {
    for (QTimer* timer : timers_) delete timer;
}

void TimerMirror::apply() {
    const auto& timers = link_.ui.timers();
    for (std::size_t i = 0; i < timers.size(); ++i) {
        if (i == timers_.size()) {
            auto* timer = new QTimer;
            QObject::connect(timer, &QTimer::timeout, timer, [this, i] { tick(i); });
            timers_.push_back(timer);
            shown_.emplace_back();
            tickQueued_.push_back(false);
        }
        const Timer& t = timers[i];
        std::optional<Timer>& old = shown_[i];
        const bool runs = t.enabled && t.interval > 0;
        if (!runs) {
            timers_[i]->stop();
        } else if (!old || !timers_[i]->isActive() || t.interval != old->interval ||
                   t.restartCount != old->restartCount) {
            timers_[i]->start(static_cast<int>(std::min<long>(t.interval, 0x7FFFFFFF)));
        }
        old = t;
    }
}

void TimerMirror::tick(std::size_t index) {
    if (tickQueued_[index]) return;
    tickQueued_[index] = true;
    link_.queue.push([this, index] {
        tickQueued_[index] = false;
        // A timer switched off after its tick was queued no longer ticks.
        const Timer& t = link_.ui.timers()[index];
        if (t.enabled && t.interval > 0) link_.sink.timerTick(t.name);
    });
}

}  // namespace tarnwick
