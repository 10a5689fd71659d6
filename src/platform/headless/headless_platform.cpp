#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <cmath>

#include "core/canvas.h"
#include "core/ui.h"
#include "platform/file_list.h"
#include "platform/picture_files.h"

namespace tarnwick {

namespace {

constexpr double secondsPerDay = 86'400.0;

}  // namespace

HeadlessPlatform::HeadlessPlatform(int width, int height) : width_(width), height_(height) {}

void HeadlessPlatform::attach(Canvas& canvas, Ui& ui, EventSink& sink) {
    canvas_ = &canvas;
    ui_ = &ui;
    captionUiVersion_ = 0;
    sink_ = &sink;
    canvas.resize(width_, height_);
}

void HeadlessPlatform::processEvents() {
    recordCaption();
    if (passes_ >= passBudget_) {
        budgetExceeded_ = true;
        requestEnd();
        return;
    }
    syncTimers();
    ++passes_;
    advanceClock(clockStep_);
    if (feeder_) feeder_(*this);
    // Take each event off the queue before delivering it: a handler may run a
    // nested pass, which must not see it again.
    while (sink_ && !queue_.empty() && !endRequested_) {
        const Event event = std::move(queue_.front());
        queue_.pop_front();
        deliver(event);
    }
    tickDueTimers();
    recordCaption();
}

// A timer (re)started since the last look counts from the virtual time of that
// look: whatever the program did between two passes happened at the same time.
void HeadlessPlatform::syncTimers() {
    if (!timersOnClock_ || !ui_) return;
    timerRuns_.resize(ui_->timers().size());
    for (std::size_t i = 0; i < timerRuns_.size(); ++i) {
        const Timer& timer = ui_->timers()[i];
        TimerRun& run = timerRuns_[i];
        if (!timer.enabled || timer.interval <= 0) {
            run.running = false;
        } else if (!run.running || run.restartCount != timer.restartCount) {
            run = {true, timer.restartCount, elapsed_ + timer.interval / 1000.0};
        }
    }
}

void HeadlessPlatform::tickDueTimers() {
    if (!timersOnClock_ || !ui_ || !sink_) return;
    syncTimers();
    for (std::size_t i = 0; i < timerRuns_.size() && !endRequested_; ++i) {
        if (!timerRuns_[i].running || elapsed_ + 1e-9 < timerRuns_[i].due) continue;
        sink_->timerTick(ui_->timers()[i].name);
        // Counted from this tick, whatever its handler did to the timer.
        timerRuns_[i].running = false;
        syncTimers();
    }
}

void HeadlessPlatform::waitForEvents() {
    ++waits_;
    processEvents();
}

void HeadlessPlatform::recordCaption() {
    // Every change of the caption moves the version on.
    if (!ui_ || ui_->version() == captionUiVersion_) return;
    captionUiVersion_ = ui_->version();
    const std::string& caption = ui_->window().caption;
    if (captions_.empty() ? !caption.empty() : captions_.back() != caption) captions_.push_back(caption);
}

bool HeadlessPlatform::controlUsable(const std::string& name, const char* what) {
    if (!ui_->hasControl(name)) {
        refuse(std::string(what) + " " + name + ": no such control");
        return false;
    }
    const Control& control = ui_->control(name);
    if (!control.visible || !control.enabled) {
        refuse(std::string(what) + " " + name + ": " + (control.visible ? "disabled" : "hidden"));
        return false;
    }
    return true;
}

// As in the window, a box the program gives the focus has its text selected, and
// the first typing replaces it; a text the program puts there later is not.
void HeadlessPlatform::noteFocus() {
    if (ui_->focus() == focusSeen_) return;
    focusSeen_ = ui_->focus();
    selectedText_ = focusSeen_.empty() ? std::nullopt : std::optional(ui_->control(focusSeen_).text);
}

void HeadlessPlatform::deliver(const Event& event) {
    using Kind = Event::Kind;
    noteFocus();
    switch (event.kind) {
    case Kind::Key:
        sink_->keyDown(event.code);
        return;
    case Kind::Mouse:
        sink_->mouseDown(event.code);
        return;
    case Kind::Menu:
        if (!ui_->hasMenu(event.name)) {
            refuse("menu " + event.name + ": no such item");
        } else if (!ui_->menuAvailable(event.name)) {
            refuse("menu " + event.name + ": the item or one above it is disabled or hidden");
        } else {
            sink_->menuClick(event.name);
        }
        return;
    case Kind::Button:
        if (controlUsable(event.name, "button")) sink_->buttonClick(event.name);
        return;
    case Kind::Check:
        if (controlUsable(event.name, "check box")) {
            ui_->setControlValue(event.name, ui_->control(event.name).value == 0 ? 1 : 0);
            sink_->checkClick(event.name);
        }
        return;
    case Kind::Text:
    case Kind::EntryKey: {
        const std::string focus = ui_->focus();
        if (focus.empty()) {
            refuse("typing: no entry box has the focus");
        } else if (controlUsable(focus, "entry box")) {
            if (event.kind == Kind::Text) {
                const Control& box = ui_->control(focus);
                const std::string kept = selectedText_ == box.text ? "" : box.text;
                selectedText_.reset();
                std::string typed = kept + event.name;
                // Like a real box, one that is full takes no more characters.
                if (box.maxLength > 0 && typed.size() > box.maxLength)
                    typed.resize(std::max(kept.size(), box.maxLength));
                ui_->setControlText(focus, typed);
            } else {
                sink_->entryKeyDown(focus, event.code);
            }
        }
        return;
    }
    case Kind::FileList:
        if (!controlUsable(event.name, "file list")) return;
        if (const auto shown = listFiles(ui_->control(event.name).filter);
            std::find(shown.begin(), shown.end(), event.entry) == shown.end()) {
            refuse("file list " + event.name + ": no entry " + event.entry);
            return;
        }
        sink_->fileListClick(event.name, event.entry);
        return;
    case Kind::Tick: {
        const auto& timers = ui_->timers();
        const auto it = std::find_if(timers.begin(), timers.end(),
                                     [&](const Timer& t) { return t.name == event.name; });
        if (it == timers.end()) {
            refuse("timer " + event.name + ": no such timer");
        } else if (!it->enabled) {
            refuse("timer " + event.name + ": not running");
        } else {
            sink_->timerTick(event.name);
        }
        return;
    }
    }
}

void HeadlessPlatform::pushKey(int keyCode) { queue_.push_back({Event::Kind::Key, {}, {}, keyCode}); }
void HeadlessPlatform::pushMouse(int button) { queue_.push_back({Event::Kind::Mouse, {}, {}, button}); }
void HeadlessPlatform::pushMenu(const std::string& item) { queue_.push_back({Event::Kind::Menu, item, {}, 0}); }
void HeadlessPlatform::pushButton(const std::string& button) {
    queue_.push_back({Event::Kind::Button, button, {}, 0});
}
void HeadlessPlatform::pushCheck(const std::string& checkBox) {
    queue_.push_back({Event::Kind::Check, checkBox, {}, 0});
}
void HeadlessPlatform::pushText(const std::string& text) { queue_.push_back({Event::Kind::Text, text, {}, 0}); }
void HeadlessPlatform::pushEntryKey(int keyCode) { queue_.push_back({Event::Kind::EntryKey, {}, {}, keyCode}); }
void HeadlessPlatform::pushFileListClick(const std::string& fileList, const std::string& entry) {
    queue_.push_back({Event::Kind::FileList, fileList, entry, 0});
}
void HeadlessPlatform::pushTick(const std::string& timer) { queue_.push_back({Event::Kind::Tick, timer, {}, 0}); }

void HeadlessPlatform::advanceClock(double seconds) {
    elapsed_ += seconds;
    setClock(clock_ + seconds);
}

void HeadlessPlatform::setClock(double seconds) {
    clock_ = seconds >= 0 && seconds < secondsPerDay ? seconds : std::fmod(seconds, secondsPerDay);
    if (clock_ < 0) clock_ += secondsPerDay;
}

void HeadlessPlatform::messageBox(const std::string& text) {
    messages_.push_back(text);
    messageWindowStates_.push_back(ui_ ? ui_->window().state : WindowState::Normal);
}

PrintResult HeadlessPlatform::printPage(const Picture& page) {
    if (printerFails_) return {false, "headless printer"};
    printedPages_.push_back(page);
    return {true, "headless page " + std::to_string(printedPages_.size())};
}

bool HeadlessPlatform::savePicture(const Picture& picture, const std::string& fileName) {
    return savePictureFile(picture, fileName);
}

std::optional<Picture> HeadlessPlatform::loadPicture(const std::string& fileName) {
    return loadPictureFile(fileName);
}

std::vector<std::string> HeadlessPlatform::listFiles(const std::string& filter) {
    return tarnwick::listFiles(filter);
}

}  // namespace tarnwick
