#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/canvas.h"
#include "core/geometry.h"
#include "core/program_end.h"
#include "core/random.h"
#include "core/state.h"
#include "core/ui.h"
#include "platform/platform.h"
#include "platform/textfiles.h"
#include "shell/loop_stage.h"
#include "shell/pass_menus.h"
#include "shell/snapshot_store.h"
#include "solving/menu_upkeep.h"
#include "solving/repeat_watch.h"
#include "solving/trail_under.h"

namespace tarnwick {

struct SettingsRecord;  // a mazefile's first line, read and applied by the files' procedures

// The program's window object: the one state, the window's canvas, menus and
// controls, and every procedure. Each subsystem declares its procedures in its
// own procedures.inc and defines them in its own folder.
class Form57 : public State, public EventSink {
public:
    explicit Form57(Platform& platform);
    Form57(const Form57&) = delete;
    Form57& operator=(const Form57&) = delete;

    // Runs the program until it ends (window closed or quit). Returns normally.
    void run();

    // Lets the platform run pending events. Throws ProgramEnd once the program is to end.
    void doEvents();
    // The same for loops that only wait: sleeps until an event arrives.
    void waitEvents();

    Platform& platform;
    Canvas canvas;
    Ui ui;
    TextFiles files;
    Random random;
    SnapshotStore snapshots;
    StageWorkers workers;

    // Events delivered so far, for loops that sleep when nothing has happened.
    std::uint64_t eventsdelivered = 0;
    // The size of the window the title picture on show was laid out for (0 while a slide is shown).
    int titlewidth = 0, titleheight = 0;

    // Where the last printed page went, shown with a run's progress, and the
    // pages of the run that could not be printed, told when the run ends.
    std::string lastpageplace;
    long printfailures = 0;

    // EventSink: the platform delivers events here; they run the handlers below.
    void keyDown(int keyCode) override;
    void mouseDown(int button) override;
    void menuClick(const std::string& item) override;
    void buttonClick(const std::string& button) override;
    void checkClick(const std::string& checkBox) override;
    void entryKeyDown(const std::string& entryBox, int keyCode) override;
    void fileListClick(const std::string& fileList, const std::string& entry) override;
    void timerTick(const std::string& timer) override;

    // Handlers by control name; each subsystem registers its own.
    std::unordered_map<std::string, std::function<void()>> menuHandlers;
    std::unordered_map<std::string, std::function<void()>> buttonHandlers;
    std::unordered_map<std::string, std::function<void()>> checkHandlers;
    std::unordered_map<std::string, std::function<void(int)>> entryHandlers;
    std::unordered_map<std::string, std::function<void(const std::string&)>> fileListHandlers;
    std::unordered_map<std::string, std::function<void()>> timerHandlers;

    // The subsystems' procedures.
#include "shell/procedures.inc"
#include "drawing/procedures.inc"
#include "generation/procedures.inc"
#include "solving/procedures.inc"
#include "underpasses/procedures.inc"
#include "directionpatterns/procedures.inc"
#include "files/procedures.inc"
};

}  // namespace tarnwick
