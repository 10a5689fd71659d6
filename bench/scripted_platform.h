#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/platform.h"

namespace tarnwick::bench {

// Plays a scripted user into the program on any platform, the real window as
// well as headless: it wraps the platform and, after each pass, runs a feeder
// that may click, type or end the run. While a feeder is set a wait is a plain
// pass, as the scripted user always has its next move ready and the real
// window would otherwise sleep until one of its own events came.
class ScriptedPlatform : public Platform {
public:
    using Feeder = std::function<void(ScriptedPlatform&)>;

    explicit ScriptedPlatform(Platform& inner) : inner_(inner) {}

    void setFeeder(Feeder feeder) { feeder_ = std::move(feeder); }
    std::uint64_t passes() const { return passes_; }

    // The user's moves, delivered at once: call them from the feeder only.
    void menu(const std::string& item);   // by item name
    void button(const std::string& button);
    void type(const std::string& text);   // appended to the focused entry box
    void entryKey(int keyCode);           // to the focused entry box

    // Platform.
    void attach(Canvas& canvas, Ui& ui, EventSink& sink) override;
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
    Platform& inner_;
    Ui* ui_ = nullptr;
    EventSink* sink_ = nullptr;
    Feeder feeder_;
    std::uint64_t passes_ = 0;
};

}  // namespace tarnwick::bench
