#pragma once
#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "support/headless_program.h"

namespace tarnwick::test {

inline std::string fileText(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The whole program, driven one pass at a time: each step runs at the start of
// a pass of its own (a pass takes one command or key), and the program ends
// after the last step.
class EditorSession : public HeadlessProgramTest {
protected:
    Form57& form = program.form;
    HeadlessPlatform& platform = program.platform;
    std::deque<std::function<void()>> steps;

    void then(std::function<void()> step) { steps.push_back(std::move(step)); }
    void wait(int passes) {
        for (int i = 0; i < passes; ++i) then([] {});
    }
    void menu(const std::string& item, int passes = 4) {
        then([this, item] { platform.pushMenu(item); });
        wait(passes);
    }
    void key(int code, int passes = 2) {
        then([this, code] { platform.pushKey(code); });
        wait(passes);
    }
    // Waits (at most `passes`) until the condition holds, then goes on.
    struct Poll {
        EditorSession* session;
        std::function<bool()> holds;
        long left;
        void operator()() {
            if (holds()) return;
            if (--left <= 0) {
                ADD_FAILURE() << "a waited-for state never came";
                return;
            }
            session->steps.push_front(*this);
        }
    };
    void until(std::function<bool()> holds, long passes = 200000) { then(Poll{this, std::move(holds), passes}); }

    // "Click to Begin", then a new regular drawing, so no example replaces the patterns.
    void begin(const char* newDrawing = "rmazes") {
        wait(2);
        then([this] { platform.pushButton("Command2"); });
        wait(20);
        menu(newDrawing, 10);
    }

    // The whole drawing in black, an open colour: a maze has room everywhere.
    void openDrawing() {
        then([this] {
            const bool screenOnly = form.canvas.screenOnly();
            form.canvas.setScreenOnly(false);
            form.canvas.fillBox(0, 0, form.canvas.width() - 1, form.canvas.height() - 1, 0x000000);
            form.canvas.setScreenOnly(screenOnly);
        });
    }

    void run() {
        program.run([this](HeadlessPlatform& p, std::uint64_t) {
            if (steps.empty()) {
                p.requestEnd();
                return;
            }
            auto step = std::move(steps.front());
            steps.pop_front();
            step();
        });
    }

    enum Key { left = 37, up = 38, right = 39, down = 40, keyG = 71 };
};

}  // namespace tarnwick::test
