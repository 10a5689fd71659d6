#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "support/headless_work_dir.h"
#include "shell/form57.h"

namespace tarnwick::test {

// The real program on the headless platform. Procedures can be called directly
// on `form`; run() and runScript() run the whole program from its start.
struct HeadlessProgram {
    static constexpr std::uint64_t defaultPassBudget = 1'000'000;

    explicit HeadlessProgram(int width = 800, int height = 600, std::uint64_t passBudget = defaultPassBudget);

    // Runs form.run(), calling the feeder at the start of every pass with the
    // pass number (from 1). The feeder pushes the pass's events or calls
    // platform.requestEnd(). Adds a test failure when the pass budget ran out.
    void run(const std::function<void(HeadlessPlatform&, std::uint64_t pass)>& feeder);

    // Plays a script of the tarnwick-script language into form.run(). Returns
    // the failures as "LINE: why" lines, empty when every line ran and held.
    std::string runScript(std::string_view script);

    HeadlessPlatform platform;
    Form57 form;
};

// A fresh working directory, then the program in it.
class HeadlessProgramTest : public ::testing::Test {
protected:
    TempWorkDir workDir;
    HeadlessProgram program;
};

}  // namespace tarnwick::test
