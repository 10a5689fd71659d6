#pragma once
#include <array>

#include "core/ui.h"

namespace tarnwick {

// The items the stage passes keep by the settings, looked up once when the menu
// bar has been built: the passes set them thousands of times a second.
struct PassMenus {
    PassMenus() = default;
    explicit PassMenus(const Ui& ui);

    std::array<MenuId, 3> keyhelp{};  // the stages' key help: making, placing, solving
    std::array<MenuId, 3> items3d{};  // offered in 3d mazes only
    MenuId underpasslength{};         // offered in 3d-pipe mazes only
    std::array<MenuId, 6> levels{};   // the difficulty ticks
    std::array<MenuId, 2> creation{}; // user, computer
    std::array<MenuId, 2> patternsets{};
};

}  // namespace tarnwick
