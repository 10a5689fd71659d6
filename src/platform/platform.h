#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/picture.h"

namespace tarnwick {

class Canvas;
class Ui;

// What the platform delivers during event processing. Implemented by the program.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void keyDown(int keyCode) = 0;                       // window key-down, decimal key codes
    virtual void mouseDown(int button) = 0;                      // 1 left, 2 right
    virtual void menuClick(const std::string& item) = 0;         // only sent for available items
    virtual void buttonClick(const std::string& button) = 0;
    virtual void checkClick(const std::string& checkBox) = 0;
    virtual void entryKeyDown(const std::string& entryBox, int keyCode) = 0;  // 13 Enter, 27 Escape
    virtual void fileListClick(const std::string& fileList, const std::string& entry) = 0;
    virtual void timerTick(const std::string& timer) = 0;
};

// Where a printed page went, for telling the user.
struct PrintResult {
    bool ok = false;
    std::string where;  // printer name or file name
};

// The services the logic calls. One implementation drives the real window, the
// other runs scripted and headless for tests.
class Platform {
public:
    virtual ~Platform() = default;

    // Connects the platform to the program's canvas, menus/controls and handlers.
    virtual void attach(Canvas& canvas, Ui& ui, EventSink& sink) = 0;

    // Runs all pending events through the sink and returns at once.
    virtual void processEvents() = 0;
    // Like processEvents, but first sleeps until at least one event is pending.
    virtual void waitForEvents() = 0;
    // Set when the window was closed or the program asked to end.
    virtual bool endRequested() const = 0;
    virtual void requestEnd() = 0;

    virtual void messageBox(const std::string& text) = 0;
    virtual PrintResult printPage(const Picture& page) = 0;

    // BMP files in the current directory; writes never leave a half-written file.
    virtual bool savePicture(const Picture& picture, const std::string& fileName) = 0;
    virtual std::optional<Picture> loadPicture(const std::string& fileName) = 0;
    // Names of the files in the current directory that match a filter such as
    // "*.maze" and that a file panel with it may offer (see file_list.h).
    virtual std::vector<std::string> listFiles(const std::string& filter) = 0;

    // Seconds since midnight, as the program's clock.
    virtual double clock() = 0;
};

}  // namespace tarnwick
