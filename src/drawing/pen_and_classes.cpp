#include <string>

#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

std::string classBox(int k) { return "Check" + std::to_string(k); }

// The first usable entry, 1 to 16, of a class table; nullopt when there is none.
template <class Table>
std::optional<long> firstUsable(const State& state, const Table& table) {
    for (int k = 1; k <= 16; ++k)
        if (isUsableColour(state, table[k])) return table[k];
    return std::nullopt;
}

}  // namespace

void Form57::rememberpen() {
    if (isOpenColour(*this, pencolor)) {
        openpencolor = pencolor;
    } else {
        borderpencolor = pencolor;
    }
}

// The pen becomes the first usable entry of the class it had before this pass's
// events, or of the other class when its own has none. With no usable colour in
// either the pen stays and the stroke is left out, so nothing is painted in a
// passage colour or a marker.
void Form57::repairpen() {
    if (isUsableColour(*this, pencolor)) return;
    const bool wasborder = !isOpenColour(*this, passstartpen) && isBorderColour(*this, passstartpen);
    auto found = wasborder ? firstUsable(*this, bordercolors) : firstUsable(*this, opencolors);
    if (!found) found = wasborder ? firstUsable(*this, opencolors) : firstUsable(*this, bordercolors);
    if (found) pencolor = *found;
}

void Form57::captionclassboxes() {
    for (int k = 1; k <= 16; ++k) {
        const std::string box = classBox(k);
        const std::string swatch = classBox(k + 16);
        const int value = ui.control(box).value;
        if (isPassageColour(*this, palette[k])) {
            ui.setControlCaption(box, "Maze Color");
        } else if (value == 1 || value == 0) {
            const char* caption = value == 1 ? "Background" : "Border Color";
            ui.setControlCaption(box, caption);
            ui.setControlCaption(swatch, caption);
        }
    }
}

}  // namespace tarnwick
