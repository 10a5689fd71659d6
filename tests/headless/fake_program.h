#pragma once
#include <string>
#include <vector>

#include "core/canvas.h"
#include "core/state.h"
#include "core/ui.h"
#include "platform/headless/headless_platform.h"

namespace tarnwick::test {

// A stand-in for the program: a few menus and controls, a polling loop, and a
// log of what the platform delivered, each entry tagged with its pass.
// "Click to Begin" sets mode 0 the way the title screen does.
struct FakeProgram : EventSink {
    explicit FakeProgram(int width = 40, int height = 30) : platform(width, height) {
        ui.addMenu("options", "", "Options");
        ui.addMenu("newmaze", "options", "New maze ");
        ui.addMenu("settings", "options", "Settings");
        ui.addMenu("sandf", "settings", "Place start and finish");
        ui.addControl("Command2", ControlKind::Button, "Click to Begin");
        ui.addControl("Command7", ControlKind::Button, "Click to Quit Program");
        ui.addControl("Check1", ControlKind::CheckBox, "Background");
        ui.addControl("Text1", ControlKind::EntryBox);
        ui.addControl("File1", ControlKind::FileList).filter = "*.maze";
        ui.addTimer("Timer1");
        state.programmode = -5;
        platform.attach(canvas, ui, *this);
    }

    // Runs passes until the platform is asked to end.
    void run() {
        while (!platform.endRequested()) platform.processEvents();
    }

    void note(const std::string& what) { log.push_back(what + " @" + std::to_string(platform.passes())); }

    void keyDown(int keyCode) override { note("key " + std::to_string(keyCode)); }
    void mouseDown(int button) override { note("mouse " + std::to_string(button)); }
    void menuClick(const std::string& item) override { note("menu " + item); }
    void buttonClick(const std::string& button) override {
        note("button " + button);
        if (button == "Command2") state.programmode = 0;
        if (button == "Command7") platform.requestEnd();
    }
    void checkClick(const std::string& checkBox) override {
        note("check " + checkBox + "=" + std::to_string(ui.control(checkBox).value));
    }
    void entryKeyDown(const std::string& entryBox, int keyCode) override {
        note("entry " + entryBox + " " + std::to_string(keyCode) + " " + ui.control(entryBox).text);
    }
    void fileListClick(const std::string& fileList, const std::string& entry) override {
        note("file " + fileList + " " + entry);
    }
    void timerTick(const std::string& timer) override { note("tick " + timer); }

    State state;
    Canvas canvas;
    Ui ui;
    HeadlessPlatform platform;
    std::vector<std::string> log;
};

}  // namespace tarnwick::test
