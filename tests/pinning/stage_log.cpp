#include "pinning/stage_log.h"

#include "core/state.h"

namespace tarnwick::test {

void StageLog::processEvents() {
    note();
    inner_.processEvents();
}

void StageLog::waitForEvents() {
    note();
    inner_.waitForEvents();
}

// Called before each pass: the mode the last pass left behind.
void StageLog::note() {
    const long mode = static_cast<long>(state_->programmode);
    if (started_ && mode == mode_) return;
    if (started_) done_ += std::to_string(mode_) + ":" + std::to_string(inner_.passes() - since_) + " ";
    started_ = true;
    mode_ = mode;
    since_ = inner_.passes();
}

std::string StageLog::text() const {
    return done_ + std::to_string(mode_) + ":" + std::to_string(inner_.passes() - since_);
}

}  // namespace tarnwick::test
