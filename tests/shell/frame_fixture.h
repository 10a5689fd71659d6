#pragma once
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/headless_program.h"

namespace tarnwick::test {

inline std::string fileBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

// An expected menu state: 'E' enabled, 'D' disabled, 'V' shown, 'H' hidden, 'T' ticked, 'U' unticked.
struct Expect {
    const char* item;
    const char* states;
};

inline void expectStates(const Ui& ui, const std::vector<Expect>& expected, const std::string& where) {
    for (const Expect& e : expected)
        for (const char* s = e.states; *s; ++s) {
            const MenuItem& m = ui.menu(e.item);
            const bool holds = *s == 'E' ? m.enabled : *s == 'D' ? !m.enabled : *s == 'V' ? m.visible
                             : *s == 'H' ? !m.visible : *s == 'T' ? m.checked : !m.checked;
            EXPECT_TRUE(holds) << where << ": " << e.item << " should be " << *s;
        }
}

// The program in an empty directory, run pass by pass. Each call of a stage
// worker is recorded and answered by the next mode of `workerModes`; when that
// runs out, the program is ended.
class FrameTest : public HeadlessProgramTest {
protected:
    Form57& form = program.form;
    HeadlessPlatform& platform = program.platform;

    struct WorkerCall {
        std::string worker;
        long mode;            // programmode when it was called
        std::string caption;  // the window caption then
    };
    std::vector<WorkerCall> calls;
    std::deque<long> workerModes;
    // Runs inside each stand-in worker before it sets its mode.
    std::function<void(const std::string& worker)> onWorker;

    void standInWorkers() {
        auto worker = [this](const char* name) {
            return [this, name] {
                calls.push_back({name, form.programmode, form.ui.window().caption});
                if (onWorker) onWorker(name);
                if (workerModes.empty()) {
                    platform.requestEnd();
                    form.doEvents();  // ends the program
                }
                form.programmode = workerModes.front();
                workerModes.pop_front();
            };
        };
        form.workers = {worker("drawing"), worker("making"), worker("placing"), worker("solving")};
    }

    // Runs the program; `feed` pushes the events of each pass and returns false to end it.
    void runPasses(const std::function<bool(std::uint64_t pass)>& feed) {
        program.run([&](HeadlessPlatform& p, std::uint64_t pass) {
            if (!feed(pass)) p.requestEnd();
        });
    }

    // Starts the program, clicks "Click to Begin" on the title and runs the stand-in workers.
    void begin() {
        standInWorkers();
        runPasses([this](std::uint64_t pass) {
            if (pass == 2) platform.pushButton("Command2");
            return pass < 100;
        });
    }

    std::vector<std::string> workerNames() const {
        std::vector<std::string> names;
        for (const auto& c : calls) names.push_back(c.worker);
        return names;
    }
};

}  // namespace tarnwick::test
