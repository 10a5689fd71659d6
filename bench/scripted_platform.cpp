#include "scripted_platform.h"

#include "core/ui.h"

namespace tarnwick::bench {

void ScriptedPlatform::attach(Canvas& canvas, Ui& ui, EventSink& sink) {
    ui_ = &ui;
    sink_ = &sink;
    inner_.attach(canvas, ui, sink);
}

void ScriptedPlatform::processEvents() {
    inner_.processEvents();
    ++passes_;
    if (feeder_) feeder_(*this);
}

void ScriptedPlatform::waitForEvents() {
    if (feeder_) return processEvents();
    inner_.waitForEvents();
    ++passes_;
}

void ScriptedPlatform::menu(const std::string& item) { sink_->menuClick(item); }
void ScriptedPlatform::button(const std::string& button) { sink_->buttonClick(button); }
void ScriptedPlatform::type(const std::string& text) {
    const std::string& focus = ui_->focus();
    if (!focus.empty()) ui_->setControlText(focus, ui_->control(focus).text + text);
}
void ScriptedPlatform::entryKey(int keyCode) {
    if (!ui_->focus().empty()) sink_->entryKeyDown(ui_->focus(), keyCode);
}

}  // namespace tarnwick::bench
