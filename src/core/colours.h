#pragma once
#include <cstdint>

#include "core/state.h"

namespace tarnwick {

// The colour model: the 16-colour palette and the class tables. A value from 300
// to 400 is a class marker, never a colour; a pixel read off the surface (-1)
// matches no table and no marker.

// opencolors(17) when green is not an open colour: a value no pixel can have.
constexpr long noPixelColour = 0xFFA74758L - 0x100000000L;
// opencolors(17) when green is an open colour.
constexpr long extraOpenGreen = 0x7C00;

constexpr bool isMarker(long value) { return value >= 300 && value <= 400; }
constexpr long openMarker(int k) { return 301 + 2L * (k - 1); }
constexpr long borderMarker(int k) { return 300 + 2L * (k - 1); }

// palette(1..16) := the standard colours, black to white.
void setStandardPalette(State& state);

// The classes the tables give a colour, as ColourClasses bits; a marker value
// belongs to no open or border class.
void rebuildColourClasses(const State& state);
inline std::uint8_t colourClassOf(const State& state, long colour) {
    if (!state.colourClasses.builtAt(ColourTableWrites::now())) rebuildColourClasses(state);
    return state.colourClasses.of(colour);
}

// Class tests of a colour.
inline bool isOpenColour(const State& state, long colour) {  // opencolors(1..17)
    return colourClassOf(state, colour) & ColourClasses::Open;
}
inline bool isBorderColour(const State& state, long colour) {  // bordercolors(1..16)
    return colourClassOf(state, colour) & ColourClasses::Border;
}
inline bool isPassageColour(const State& state, long colour) {  // passagecolors(1..16)
    return colourClassOf(state, colour) & ColourClasses::Passage;
}
// Open and not passage.
inline bool isCleanColour(const State& state, long colour) {
    return (colourClassOf(state, colour) & (ColourClasses::Open | ColourClasses::Passage)) == ColourClasses::Open;
}
// Path for the solver and the player: a passage colour, startcolor or finishcolor.
inline bool isPathColour(const State& state, long colour) {
    return isPassageColour(state, colour) || colour == state.startcolor || colour == state.finishcolor;
}
// A usable pen or square colour: no passage colour and no marker.
inline bool isUsableColour(const State& state, long colour) {
    return !isPassageColour(state, colour) && !isMarker(colour);
}

// Makes palette colour k (1..16) an open colour or a border colour; the other
// table gets the colour's marker.
void setColourClass(State& state, int k, bool open);
// opencolors(17): &H7C00 while green (palette 3) is an open colour.
void setExtraOpenColour(State& state);

}  // namespace tarnwick
