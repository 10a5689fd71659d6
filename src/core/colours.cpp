#include "core/colours.h"

#include <algorithm>

namespace tarnwick {

void setStandardPalette(State& state) {
    static constexpr long standard[16] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    std::copy(std::begin(standard), std::end(standard), state.palette.begin() + 1);
}

// The tables hold markers in place of the other class's colours; a pixel of such a
// value (an imported picture may have one) still belongs to neither class.
void rebuildColourClasses(const State& state) {
    ColourClasses& classes = state.colourClasses;
    classes.clear(ColourTableWrites::now());
    for (std::size_t k = 1; k <= 17; ++k)
        if (!isMarker(state.opencolors[k])) classes.add(state.opencolors[k], ColourClasses::Open);
    for (std::size_t k = 1; k <= 16; ++k)
        if (!isMarker(state.bordercolors[k])) classes.add(state.bordercolors[k], ColourClasses::Border);
    for (std::size_t k = 1; k <= 16; ++k) classes.add(state.passagecolors[k], ColourClasses::Passage);
}

void setColourClass(State& state, int k, bool open) {
    if (k < 1 || k > 16) return;
    const auto i = static_cast<std::size_t>(k);
    state.opencolors.set(i, open ? state.palette[i] : openMarker(k));
    state.bordercolors.set(i, open ? borderMarker(k) : state.palette[i]);
}

void setExtraOpenColour(State& state) {
    state.opencolors.set(17, state.opencolors[3] == state.palette[3] ? extraOpenGreen : noPixelColour);
}

}  // namespace tarnwick
