#pragma once
#include <QMainWindow>
#include <QString>

#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/canvas.h"
#include "core/ui.h"
#include "platform/qt/qt_platform.h"
#include "support/pixel_art.h"

namespace tarnwick::test {

// Writes down every event the platform delivers, one readable line each.
class RecordingSink : public EventSink {
public:
    void keyDown(int keyCode) override { add("key " + std::to_string(keyCode)); }
    void mouseDown(int button) override { add("mouse " + std::to_string(button)); }
    void menuClick(const std::string& item) override { add("menu " + item); }
    void buttonClick(const std::string& button) override { add("button " + button); }
    void checkClick(const std::string& checkBox) override { add("check " + checkBox); }
    void entryKeyDown(const std::string& entryBox, int keyCode) override {
        add("entry " + entryBox + " " + std::to_string(keyCode));
    }
    void fileListClick(const std::string& fileList, const std::string& entry) override {
        add("file " + fileList + " " + entry);
    }
    void timerTick(const std::string& timer) override { add("timer " + timer); }

    // The events since the last call.
    std::vector<std::string> take() { return std::exchange(events_, {}); }

    // Runs after an event was written down, as the program's handler would.
    std::function<void(const std::string& event)> onEvent;

private:
    void add(std::string event) {
        events_.push_back(event);
        if (onEvent) onEvent(event);
    }
    std::vector<std::string> events_;
};

// What the window shows of its drawing surface, as art.
Art shownArt(QtPlatform& platform, int x0, int y0, int w, int h);

// The real window, offscreen, attached to a canvas and a Ui model of the test's own.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();

    // Runs processEvents for a while, so posted events, timers and a due frame get through.
    void pumpFor(std::chrono::milliseconds time);
    // Runs processEvents until the canvas has the surface's size.
    void settleSize();
    // What the window shows of the drawing surface, as art.
    Art shownArt(int x0, int y0, int w, int h);
    template <class W>
    W& widget(const char* name);

    Canvas canvas;
    Ui ui;
    RecordingSink sink;
    QtPlatform platform;
};

template <class W>
W& WindowTest::widget(const char* name) {
    W* found = platform.window().template findChild<W*>(QString::fromLatin1(name));
    if (!found) throw std::runtime_error(std::string("no widget ") + name);
    return *found;
}

}  // namespace tarnwick::test
