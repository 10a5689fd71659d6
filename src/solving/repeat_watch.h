#pragma once
#include <cstdint>

namespace tarnwick {

// Tells when a walk whose next state follows from its state alone meets a state
// again, and so goes round for ever. The state kept for comparison is renewed
// after spans that double each time, so a loop is caught within a few rounds
// of it at the cost of one comparison a step.
template <typename State>
class RepeatWatch {
public:
    void restart(const State& from) {
        saved_ = from;
        span_ = 1;
        steps_ = 0;
        watched_ = 0;
    }

    // The state after one more step: true when it was met before.
    bool repeats(const State& now) {
        if (watched_++ > 0 && now == saved_) return true;
        if (++steps_ == span_) {
            saved_ = now;
            span_ *= 2;
            steps_ = 0;
        }
        return false;
    }

private:
    State saved_{};
    std::uint64_t span_ = 1, steps_ = 0, watched_ = 0;
};

}  // namespace tarnwick
