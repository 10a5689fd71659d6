#pragma once
#include <cstdint>
#include <string>

#include "platform/headless/headless_platform.h"

namespace tarnwick {
struct State;
}

namespace tarnwick::test {

// Wraps the headless platform and writes down how many passes the program
// spends in each stage, as "MODE:PASSES" in the order the stages came.
class StageLog : public Platform {
public:
    explicit StageLog(HeadlessPlatform& inner) : inner_(inner) {}
    void watch(const State& state) { state_ = &state; }

    // The stages so far, the one running last included.
    std::string text() const;

    void attach(Canvas& canvas, Ui& ui, EventSink& sink) override { inner_.attach(canvas, ui, sink); }
    void processEvents() override;
    void waitForEvents() override;
    bool endRequested() const override { return inner_.endRequested(); }
    void requestEnd() override { inner_.requestEnd(); }
    void messageBox(const std::string& text) override { inner_.messageBox(text); }
    PrintResult printPage(const Picture& page) override { return inner_.printPage(page); }
    bool savePicture(const Picture& picture, const std::string& fileName) override {
        return inner_.savePicture(picture, fileName);
    }
    std::optional<Picture> loadPicture(const std::string& fileName) override { return inner_.loadPicture(fileName); }
    std::vector<std::string> listFiles(const std::string& filter) override { return inner_.listFiles(filter); }
    double clock() override { return inner_.clock(); }

private:
    void note();

    HeadlessPlatform& inner_;
    const State* state_ = nullptr;
    std::string done_;       // the finished stages
    long mode_ = 0;          // the running stage
    std::uint64_t since_ = 0;  // the pass it began on
    bool started_ = false;
};

}  // namespace tarnwick::test
