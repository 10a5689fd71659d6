#include <optional>
#include <string>

#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

std::string checkBox(int n) { return "Check" + std::to_string(n); }

void showControls(Ui& ui, int first, int last, bool on) {
    for (int n = first; n <= last; ++n) {
        ui.setControlVisible(checkBox(n), on);
        ui.setControlEnabled(checkBox(n), on);
    }
}

// The first entry 1..16 of a table that is neither the passage colour in use nor a marker.
template <class Table>
std::optional<long> firstFree(const State& state, const Table& table) {
    for (int k = 1; k <= 16; ++k)
        if (table[k] != state.passagecolor && !isMarker(table[k])) return table[k];
    return std::nullopt;
}

}  // namespace

// "Edit Colors": one class box per palette colour; the drawing stage reads the ticks every pass.
void Form57::choosew_Click() {
    panelopensteps();
    showControls(ui, 1, 16, true);
    ui.setControlVisible("Command1", true);
    ui.setControlEnabled("Command1", true);
}

// "Done": closes the panel, then moves the remembered pens and the window colour
// into their classes. A check that finds no free colour leaves its value alone.
void Form57::Command1_Click() {
    paused = 0;
    panelopen = 0;
    panelclosedrestore();
    showControls(ui, 1, 16, false);
    ui.setControlVisible("Command1", false);
    ui.setControlEnabled("Command1", false);

    if (isPassageColour(*this, openpencolor) || isBorderColour(*this, openpencolor))
        if (auto free = firstFree(*this, opencolors)) openpencolor = *free;
    if (isPassageColour(*this, borderpencolor) || isOpenColour(*this, borderpencolor))
        if (auto free = firstFree(*this, bordercolors)) borderpencolor = *free;

    const long window = canvas.backColour();
    if (isPassageColour(*this, window) || isOpenColour(*this, window)) {
        tempcolor = window;
        // Setting the colour clears the drawing, so it is set once, and only to a free border
        // colour that differs from the one the window has.
        if (auto free = firstFree(*this, bordercolors); free && *free != window) canvas.setBackColour(*free);
    }
}

// "Select color": a swatch for every palette colour that is no passage colour, the pen's ticked.
void Form57::selectcolor_Click() {
    panelopensteps();
    for (int k = 1; k <= 16; ++k) ui.setControlValue(checkBox(k + 16), palette[k] == pencolor ? 1 : 0);
    for (int k = 1; k <= 16; ++k) {
        if (isPassageColour(*this, palette[k])) continue;
        ui.setControlVisible(checkBox(k + 16), true);
        ui.setControlEnabled(checkBox(k + 16), true);
    }
}

// Choosing a swatch makes its colour the pen and closes the panel as "Done" closes the other.
void Form57::pickpenswatch(int k) {
    pencolor = palette[k];
    showControls(ui, 17, 32, false);
    paused = 0;
    panelopen = 0;
    panelclosedrestore();
}

}  // namespace tarnwick
