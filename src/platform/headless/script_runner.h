#pragma once
#include <cstddef>
#include <functional>
#include <vector>

#include "core/state.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/script.h"

namespace tarnwick {

// Plays a parsed script into a running program through the platform's feeder:
// each event line gets a pass of its own, expectations are checked between
// passes, and when the last line has run the runner asks the program to end.
// A failed line also ends the program; the run stops at the first failure.
class ScriptRunner {
public:
    ScriptRunner(std::vector<ScriptStep> steps, HeadlessPlatform& platform, const State& state);

    // Installs the runner as the platform's feeder; it must outlive the run.
    void install();
    // After the program has returned: reports what the run left undone.
    void finish();

    bool passed() const { return failures_.empty(); }
    const std::vector<ScriptError>& failures() const { return failures_; }

private:
    void feed();
    // Delivers or checks the current step. False while it needs more passes.
    bool runStep(const ScriptStep& step);
    void pushEvent(const ScriptStep& step);
    void check(const ScriptStep& step);
    void checkRefusals();
    void fail(int line, std::string why);

    std::vector<ScriptStep> steps_;
    HeadlessPlatform& platform_;
    const State& state_;
    std::size_t next_ = 0;
    long waited_ = 0;            // passes spent on the current step
    int eventLine_ = 0;          // the line of the event delivered last
    std::size_t refusalsSeen_ = 0;
    std::vector<ScriptError> failures_;
};

// Plays the steps into the program that `run` runs until it ends; returns the failures.
std::vector<ScriptError> playScript(std::vector<ScriptStep> steps, HeadlessPlatform& platform, const State& state,
                                    const std::function<void()>& run);

}  // namespace tarnwick
