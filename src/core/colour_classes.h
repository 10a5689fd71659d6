#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace tarnwick {

// The classes of every colour the colour tables hold, in a small hash table:
// pixel probes ask for a colour's class millions of times a second, while the
// tables change a few times a maze. Built from the tables' stamps; a lookup with
// other stamps must rebuild first.
class ColourClasses {
public:
    enum Bit : std::uint8_t { Open = 1, Border = 2, Passage = 4 };

    bool builtFrom(std::uint64_t open, std::uint64_t border, std::uint64_t passage) const {
        return open == stamps_[0] && border == stamps_[1] && passage == stamps_[2];
    }
    void clear(std::uint64_t open, std::uint64_t border, std::uint64_t passage) {
        slots_ = {};
        stamps_ = {open, border, passage};
    }
    void add(long colour, std::uint8_t bits) {
        std::size_t i = home(colour);
        while (slots_[i].used && slots_[i].colour != colour) i = (i + 1) % slotCount;
        slots_[i] = {colour, static_cast<std::uint8_t>(slots_[i].bits | bits), true};
    }
    // The tables hold at most 49 colours, so an unused slot always ends the probe.
    std::uint8_t of(long colour) const {
        for (std::size_t i = home(colour);; i = (i + 1) % slotCount) {
            if (!slots_[i].used) return 0;
            if (slots_[i].colour == colour) return slots_[i].bits;
        }
    }

private:
    static constexpr std::size_t slotCount = 128;
    static std::size_t home(long colour) {
        return static_cast<std::size_t>((static_cast<std::uint64_t>(colour) * 0x9E3779B97F4A7C15ull) >> 57);
    }
    struct Slot {
        long colour = 0;
        std::uint8_t bits = 0;
        bool used = false;
    };
    std::array<Slot, slotCount> slots_{};
    // No table carries these stamps, so the first lookup builds.
    std::array<std::uint64_t, 3> stamps_{~0ull, ~0ull, ~0ull};
};

}  // namespace tarnwick
