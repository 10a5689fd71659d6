#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ui.h"
#include "platform/platform.h"

namespace tarnwick {

// A platform without a window, for tests and scripted runs. Nothing happens by
// itself: events come only from a queue that the test (or the per-pass feeder)
// fills, timers tick only when told to (or, when asked for, on the virtual
// clock), and the clock is virtual.
//
// A pass is one processEvents (or waitForEvents) call: it calls the feeder, then
// delivers the queued events in order. An event the real window could not
// deliver (an unavailable menu item, a hidden or disabled control, a timer that
// is not running, typing with no entry box focused) is dropped and recorded in
// refusals(), so a test can tell a refused click from one without effect.
class HeadlessPlatform : public Platform {
public:
    using Feeder = std::function<void(HeadlessPlatform&)>;

    static constexpr std::uint64_t defaultPassBudget = 10'000'000;
    static constexpr double defaultClockStart = 36'000.0;  // 10:00 in the morning
    static constexpr double defaultClockStep = 0.001;      // seconds per pass

    HeadlessPlatform(int width, int height);

    // Platform.
    void attach(Canvas& canvas, Ui& ui, EventSink& sink) override;
    void processEvents() override;
    void waitForEvents() override;  // nothing can arrive unscripted, so the same as processEvents
    bool endRequested() const override { return endRequested_; }
    void requestEnd() override { endRequested_ = true; }
    void messageBox(const std::string& text) override;
    PrintResult printPage(const Picture& page) override;
    bool savePicture(const Picture& picture, const std::string& fileName) override;
    std::optional<Picture> loadPicture(const std::string& fileName) override;
    std::vector<std::string> listFiles(const std::string& filter) override;
    double clock() override { return clock_; }

    // Scripted input, delivered at the next pass.
    void setFeeder(Feeder feeder) { feeder_ = std::move(feeder); }
    void pushKey(int keyCode);
    void pushMouse(int button);
    void pushMenu(const std::string& item);  // by item name
    void pushButton(const std::string& button);
    void pushCheck(const std::string& checkBox);  // toggles the value, then reports the click
    void pushText(const std::string& text);  // typed into the focused entry box
    void pushEntryKey(int keyCode);          // to the focused entry box
    void pushFileListClick(const std::string& fileList, const std::string& entry);
    void pushTick(const std::string& timer);
    bool hasPendingEvents() const { return !queue_.empty(); }

    // The virtual clock: seconds since midnight, moved on by `step` every pass.
    void setClock(double seconds);
    void advanceClock(double seconds);
    void setClockStep(double secondsPerPass) { clockStep_ = secondsPerPass; }

    // With timers on the clock, a running timer also ticks by itself, after the
    // pass's queued events, in the first pass that reaches a full interval of
    // virtual time after its (re)start or its last tick; at most once a pass, as
    // a window's timer does when the program is busy.
    void setTimersOnClock(bool on) { timersOnClock_ = on; }

    // After this many passes the platform asks the program to end and marks
    // budgetExceeded(), so a run that never gets where it should stops.
    void setPassBudget(std::uint64_t passes) { passBudget_ = passes; }
    bool budgetExceeded() const { return budgetExceeded_; }
    std::uint64_t passes() const { return passes_; }
    // The passes that were waits: a loop that only waits for an event makes these.
    std::uint64_t waits() const { return waits_; }

    // What the program showed.
    const std::vector<std::string>& messages() const { return messages_; }
    // The last one, or a text no box shows when there was none, so that a test
    // expecting a message fails instead of reading past the end.
    std::string lastMessage() const { return messages_.empty() ? "(no message shown)" : messages_.back(); }
    // The window's state as the program had set it when each box opened: a box
    // over a minimized window stands alone on the user's screen.
    const std::vector<WindowState>& messageWindowStates() const { return messageWindowStates_; }
    const std::vector<Picture>& printedPages() const { return printedPages_; }
    // A printer that fails takes no page and reports the failure.
    void setPrinterFails(bool fails) { printerFails_ = fails; }
    const std::vector<std::string>& captions() const { return captions_; }  // every window caption, in order
    const std::vector<std::string>& refusals() const { return refusals_; }

    // The attached program's surface and controls (null before attach).
    Canvas* canvas() const { return canvas_; }
    Ui* ui() const { return ui_; }

private:
    struct Event {
        enum class Kind { Key, Mouse, Menu, Button, Check, Text, EntryKey, FileList, Tick };
        Kind kind;
        std::string name;  // item, control, timer, or the typed text
        std::string entry; // file-list entry
        int code = 0;      // key code or mouse button
    };

    void deliver(const Event& event);
    void syncTimers();
    void tickDueTimers();
    bool controlUsable(const std::string& name, const char* what);
    void recordCaption();
    void noteFocus();
    void refuse(std::string why) { refusals_.push_back(std::move(why)); }

    int width_;
    int height_;
    Canvas* canvas_ = nullptr;
    Ui* ui_ = nullptr;
    EventSink* sink_ = nullptr;

    Feeder feeder_;
    std::deque<Event> queue_;
    bool endRequested_ = false;
    std::string focusSeen_;                    // the focus when the last event came
    std::optional<std::string> selectedText_;  // the focused box's selected text

    double clock_ = defaultClockStart;
    double clockStep_ = defaultClockStep;
    double elapsed_ = 0;  // virtual seconds moved on so far, not wrapped at midnight

    struct TimerRun {
        bool running = false;
        std::uint64_t restartCount = 0;
        double due = 0;  // on the elapsed_ scale
    };
    bool timersOnClock_ = false;
    std::vector<TimerRun> timerRuns_;  // by the timers' index
    std::uint64_t passes_ = 0;
    std::uint64_t waits_ = 0;
    std::uint64_t passBudget_ = defaultPassBudget;
    bool budgetExceeded_ = false;

    std::vector<std::string> messages_;
    std::vector<WindowState> messageWindowStates_;
    std::vector<Picture> printedPages_;
    bool printerFails_ = false;
    std::vector<std::string> captions_;
    std::uint64_t captionUiVersion_ = 0;  // the menus' version when the caption was last looked at
    std::vector<std::string> refusals_;
};

}  // namespace tarnwick
