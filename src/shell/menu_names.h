#pragma once
#include <array>
#include <initializer_list>
#include <span>
#include <string_view>

#include "core/ui.h"

namespace tarnwick::menus {

// Groups of menu items that several menu sets name together.
inline constexpr std::array<std::string_view, 3> createitems{"createreg", "create3d", "create3dpipe"};
inline constexpr std::array<std::string_view, 4> edititems{"editpatterns", "rightpattern", "uppattern",
                                                          "downpattern"};
inline constexpr std::array<std::string_view, 4> mazepictureitems{"usetemple", "usespace", "usediamond",
                                                                 "usetree"};
inline constexpr std::array<std::string_view, 2> printrunitems{"printwithsolutions", "printnosolutions"};
inline constexpr std::array<std::string_view, 6> menutitles{"drawingt", "printoptions", "maze",
                                                           "mazemodes", "patterns", "help"};
// The drawing items of "Options" that the drawing-stage entry and the panels switch together.
inline constexpr std::array<std::string_view, 6> drawingfileitems{"importdrawing", "ndrawing", "sdrawing",
                                                                 "ldrawing", "choosew", "selectcolor"};
inline constexpr std::array<std::string_view, 3> drawingswitchitems{"drawingon", "drawingoff",
                                                                   "multdrawing"};
// What an open panel disables, in this order; the pattern editor takes the first fifteen.
inline constexpr std::array<std::string_view, 21> panelitems{
    "backtomaze", "importdrawing", "ndrawing",  "sdrawing",   "ldrawing",       "changewallsize",
    "choosew",    "selectcolor",   "printwithsolutions", "printnosolutions", "backtodrawing",
    "newmaze",    "sandf",         "solvemaze", "srndpatterns", "editpatterns", "rightpattern",
    "uppattern",  "downpattern",   "savepatterns", "loadpatterns"};

enum class Op { Enable, Disable, Show, Hide, Tick, Untick };

inline void set(Ui& ui, Op op, std::string_view item) {
    switch (op) {
        case Op::Enable: ui.setEnabled(item, true); break;
        case Op::Disable: ui.setEnabled(item, false); break;
        case Op::Show: ui.setVisible(item, true); break;
        case Op::Hide: ui.setVisible(item, false); break;
        case Op::Tick: ui.setChecked(item, true); break;
        case Op::Untick: ui.setChecked(item, false); break;
    }
}
inline void set(Ui& ui, Op op, std::span<const std::string_view> items) {
    for (auto item : items) set(ui, op, item);
}
inline void set(Ui& ui, Op op, std::initializer_list<std::string_view> items) {
    for (auto item : items) set(ui, op, item);
}
// Enabled or disabled by a condition.
inline void enableIf(Ui& ui, bool on, std::span<const std::string_view> items) {
    set(ui, on ? Op::Enable : Op::Disable, items);
}
inline void enableIf(Ui& ui, bool on, std::initializer_list<std::string_view> items) {
    set(ui, on ? Op::Enable : Op::Disable, items);
}
// Enabled and shown, or disabled and hidden.
inline void offerIf(Ui& ui, bool on, std::initializer_list<std::string_view> items) {
    set(ui, on ? Op::Enable : Op::Disable, items);
    set(ui, on ? Op::Show : Op::Hide, items);
}
// Exactly the item at `chosen` (0-based) ticked; no tick when it is out of range.
inline void tickOne(Ui& ui, std::initializer_list<std::string_view> group, long chosen) {
    long i = 0;
    for (auto item : group) ui.setChecked(item, i++ == chosen);
}

}  // namespace tarnwick::menus
