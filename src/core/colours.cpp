#include "core/colours.h"

#include <algorithm>

namespace tarnwick {

namespace {

// Every entry compared, without a branch per entry: pixel probes call this
// millions of times, and a colour is found about as often as not.
template <std::size_t Last, typename Table>
bool inTable(const Table& table, long colour) {
    bool found = false;
    for (std::size_t k = 1; k <= Last; ++k) found |= static_cast<long>(table[k]) == colour;
    return found;
}

}  // namespace

void setStandardPalette(State& state) {
    static constexpr long standard[16] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    std::copy(std::begin(standard), std::end(standard), state.palette.begin() + 1);
}

// The tables hold markers in place of the other class's colours; a pixel of such a
// value (an imported picture may have one) still belongs to neither class.
bool isOpenColour(const State& state, long colour) {
    return !isMarker(colour) && inTable<17>(state.opencolors, colour);
}
bool isBorderColour(const State& state, long colour) {
    return !isMarker(colour) && inTable<16>(state.bordercolors, colour);
}
bool isPassageColour(const State& state, long colour) { return inTable<16>(state.passagecolors, colour); }

bool isCleanColour(const State& state, long colour) {
    return isOpenColour(state, colour) && !isPassageColour(state, colour);
}

bool isPathColour(const State& state, long colour) {
    return isPassageColour(state, colour) || colour == state.startcolor || colour == state.finishcolor;
}

bool isUsableColour(const State& state, long colour) {
    return !isPassageColour(state, colour) && !isMarker(colour);
}

void setColourClass(State& state, int k, bool open) {
    if (k < 1 || k > 16) return;
    const auto i = static_cast<std::size_t>(k);
    state.opencolors[i] = open ? state.palette[i] : openMarker(k);
    state.bordercolors[i] = open ? borderMarker(k) : state.palette[i];
}

void setExtraOpenColour(State& state) {
    state.opencolors[17] = state.opencolors[3] == state.palette[3] ? extraOpenGreen : noPixelColour;
}

}  // namespace tarnwick
