#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/program_link.h"

class QWidget;

namespace tarnwick {

// Shows the model's controls over the drawing surface, at their pixel
// positions, and reports what the user does with them.
class ControlMirror {
public:
    ControlMirror(QWidget& surface, ProgramLink link) : surface_(surface), link_(link) {}

    void apply();

private:
    QWidget* create(const Control& control);
    // True when the control's visibility or enabled state changed.
    bool show(std::size_t index);
    void applyFocus();
    void fitCaptions();

    QWidget& surface_;
    ProgramLink link_;
    std::vector<QWidget*> widgets_;  // by the model's index
    std::vector<std::optional<Control>> shown_;
    std::optional<std::string> shownFocus_;
    bool captionsChanged_ = false;
};

}  // namespace tarnwick
