#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/ui.h"

namespace tarnwick {

// What a set of menu states was last applied for: the fields it depends on and
// the menus' version. Applying it again changes nothing until one of those
// moved, so a loop that keeps it every pass can skip the names' lookups.
template <std::size_t N>
class MenuUpkeep {
public:
    using Inputs = std::array<long, N>;
    bool due(const Ui& ui, const Inputs& inputs) const { return ui.version() != version_ || inputs != inputs_; }
    void applied(const Ui& ui, const Inputs& inputs) {
        version_ = ui.version();
        inputs_ = inputs;
    }

private:
    std::uint64_t version_ = 0;  // the menus start at version 1: the first pass applies
    Inputs inputs_{};
};

}  // namespace tarnwick
