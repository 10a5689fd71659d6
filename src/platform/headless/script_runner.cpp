#include "platform/headless/script_runner.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "core/canvas.h"
#include "core/ui.h"

namespace tarnwick {

namespace {

using Kind = ScriptStep::Kind;

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string colourText(long colour) {
    if (colour < 0) return std::to_string(colour);
    char text[32];
    std::snprintf(text, sizeof text, "&H%06lX", colour);
    return text;
}

std::string joined(const std::vector<std::string>& captions) {
    std::string all;
    for (const std::string& caption : captions) all += (all.empty() ? "" : " > ") + quoted(caption);
    return all;
}

// The push button with this caption, preferring one the user can click.
const Control* buttonByCaption(const Ui& ui, const std::string& caption) {
    const Control* found = nullptr;
    for (const Control& control : ui.controls()) {
        if (control.kind != ControlKind::Button || control.caption != caption) continue;
        if (control.visible && control.enabled) return &control;
        if (!found) found = &control;
    }
    return found;
}

const Control* shownFileList(const Ui& ui) {
    for (const Control& control : ui.controls())
        if (control.kind == ControlKind::FileList && control.visible) return &control;
    return nullptr;
}

}  // namespace

ScriptRunner::ScriptRunner(std::vector<ScriptStep> steps, HeadlessPlatform& platform, const State& state)
    : steps_(std::move(steps)), platform_(platform), state_(state) {}

void ScriptRunner::install() {
    refusalsSeen_ = platform_.refusals().size();
    platform_.setFeeder([this](HeadlessPlatform&) { feed(); });
}

void ScriptRunner::fail(int line, std::string why) {
    failures_.push_back({line, std::move(why)});
    platform_.requestEnd();
}

void ScriptRunner::checkRefusals() {
    const auto& refusals = platform_.refusals();
    for (; refusalsSeen_ < refusals.size(); ++refusalsSeen_) fail(eventLine_, "refused: " + refusals[refusalsSeen_]);
}

void ScriptRunner::feed() {
    checkRefusals();
    while (passed() && next_ < steps_.size()) {
        if (!runStep(steps_[next_])) return;
        ++next_;
        waited_ = 0;
        if (steps_[next_ - 1].isEvent()) return;  // the event takes this pass
    }
    platform_.requestEnd();  // every line ran, or one failed
}

bool ScriptRunner::runStep(const ScriptStep& step) {
    switch (step.kind) {
    case Kind::Passes:
        return waited_++ >= step.numbers[0];
    case Kind::UntilMode:
        if (state_.programmode == step.numbers[0]) return true;
        if (waited_++ < step.numbers[1]) return false;
        fail(step.line, "mode " + std::to_string(step.numbers[0]) + " not reached in " +
                            std::to_string(step.numbers[1]) + " passes (mode is " +
                            std::to_string(static_cast<long>(state_.programmode)) + ")");
        return true;
    default:
        if (step.isEvent()) {
            pushEvent(step);
        } else {
            check(step);
        }
        return true;
    }
}

void ScriptRunner::pushEvent(const ScriptStep& step) {
    const Ui& ui = *platform_.ui();
    eventLine_ = step.line;
    switch (step.kind) {
    case Kind::Button:
        if (const Control* button = buttonByCaption(ui, step.texts[0])) {
            platform_.pushButton(button->name);
        } else {
            fail(step.line, "no button " + quoted(step.texts[0]));
        }
        return;
    case Kind::Menu:
        if (const MenuItem* item = ui.findMenuByCaptions(step.texts)) {
            platform_.pushMenu(item->name);
        } else {
            fail(step.line, "no menu item " + joined(step.texts));
        }
        return;
    case Kind::Check:
        platform_.pushCheck("Check" + std::to_string(step.numbers[0]));
        return;
    case Kind::Key: {
        const int code = static_cast<int>(step.numbers[0]);
        const bool forEntry = (code == 13 || code == 27) && !ui.focus().empty();
        if (forEntry) {
            platform_.pushEntryKey(code);
        } else {
            platform_.pushKey(code);
        }
        return;
    }
    case Kind::Type:
        platform_.pushText(step.texts[0]);
        return;
    case Kind::Mouse:
        platform_.pushMouse(static_cast<int>(step.numbers[0]));
        return;
    case Kind::Tick:
        platform_.pushTick(step.texts[0]);
        return;
    case Kind::FileList:
        if (const Control* list = shownFileList(ui)) {
            platform_.pushFileListClick(list->name, step.texts[0]);
        } else {
            fail(step.line, "no file list is shown");
        }
        return;
    default:
        return;
    }
}

void ScriptRunner::check(const ScriptStep& step) {
    const Ui& ui = *platform_.ui();
    const Canvas& canvas = *platform_.canvas();
    switch (step.kind) {
    case Kind::Save:
        if (!platform_.savePicture(canvas.image(), step.texts[0])) fail(step.line, "cannot write " + step.texts[0]);
        return;
    case Kind::ExpectCaption:
        if (ui.window().caption != step.texts[0])
            fail(step.line, "caption is " + quoted(ui.window().caption) + ", expected " + quoted(step.texts[0]));
        return;
    case Kind::ExpectMode:
        if (state_.programmode != step.numbers[0])
            fail(step.line, "mode is " + std::to_string(static_cast<long>(state_.programmode)) + ", expected " +
                                std::to_string(step.numbers[0]));
        return;
    case Kind::ExpectMessage: {
        const auto& messages = platform_.messages();
        if (std::find(messages.begin(), messages.end(), step.texts[0]) == messages.end())
            fail(step.line, "no message " + quoted(step.texts[0]) + " was shown (" +
                                (messages.empty() ? "none was" : "the last was " + quoted(messages.back())) + ")");
        return;
    }
    case Kind::ExpectMessages:
        if (const auto shown = static_cast<long>(platform_.messages().size()); shown != step.numbers[0])
            fail(step.line, std::to_string(shown) + " messages shown, expected " + std::to_string(step.numbers[0]));
        return;
    case Kind::ExpectFile:
        if (std::error_code error; !std::filesystem::is_regular_file(step.texts[0], error))
            fail(step.line, "no file " + step.texts[0]);
        return;
    case Kind::ExpectPixel: {
        const long x = step.numbers[0], y = step.numbers[1], expected = step.numbers[2];
        if (const long colour = canvas.point(x, y); colour != expected)
            fail(step.line, "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " + colourText(colour) +
                                ", expected " + colourText(expected));
        return;
    }
    case Kind::ExpectPages:
        if (const auto pages = static_cast<long>(platform_.printedPages().size()); pages != step.numbers[0])
            fail(step.line, std::to_string(pages) + " pages printed, expected " + std::to_string(step.numbers[0]));
        return;
    default:
        return;
    }
}

void ScriptRunner::finish() {
    checkRefusals();
    if (!passed()) return;
    const int line = next_ < steps_.size() ? steps_[next_].line : eventLine_;
    if (platform_.budgetExceeded()) {
        fail(line, "the pass budget ran out (" + std::to_string(platform_.passes()) + " passes)");
    } else if (next_ < steps_.size()) {
        fail(line, "the program ended before this line ran");
    }
}

std::vector<ScriptError> playScript(std::vector<ScriptStep> steps, HeadlessPlatform& platform, const State& state,
                                    const std::function<void()>& run) {
    ScriptRunner runner(std::move(steps), platform, state);
    runner.install();
    run();
    platform.setFeeder({});
    runner.finish();
    return runner.failures();
}

}  // namespace tarnwick
