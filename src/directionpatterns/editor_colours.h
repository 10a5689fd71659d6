#pragma once

#include "core/state.h"

namespace tarnwick {

// The pattern editor's canvas colours, from the palette.
struct EditorColours {
    long white, navy, yellow, black;

    explicit EditorColours(const State& s)
        : white(s.palette[16]), navy(s.palette[2]), yellow(s.palette[15]), black(s.palette[1]) {}

    // The pattern's path: its white cells and the black cursor or trapped cells.
    bool path(long c) const { return c == white || c == black; }
    // Where no move may go.
    bool blocked(long c) const { return c == white || c == yellow || c == black; }
};

}  // namespace tarnwick
