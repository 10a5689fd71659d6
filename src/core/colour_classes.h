#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace tarnwick {

// The classes of every colour the colour tables hold, in a small hash table:
// pixel probes ask for a colour's class millions of times a second, while the
// tables change a few times a maze. Built when no table had been written for a
// while; a lookup after any later write must rebuild first.
class ColourClasses {
public:
    enum Bit : std::uint8_t { Open = 1, Border = 2, Passage = 4 };

    // `tableWrites`: the count of colour table writes when the tables were read.
    bool builtAt(std::uint64_t tableWrites) const { return tableWrites == builtAt_; }
    void clear(std::uint64_t tableWrites) {
        slots_ = {};
        recent_ = {};
        builtAt_ = tableWrites;
    }
    void add(long colour, std::uint8_t bits) {
        std::size_t i = home(colour);
        while (slots_[i].used && slots_[i].colour != colour) i = (i + 1) % slotCount;
        slots_[i] = {colour, static_cast<std::uint8_t>(slots_[i].bits | bits), true};
        for (Recent& r : recent_)
            if (r.colour == colour) r.bits = slots_[i].bits;
    }
    // Probes mostly alternate between two colours (a passage and what lies
    // beside it), so the last two answers are asked first.
    std::uint8_t of(long colour) const {
        if (colour == recent_[0].colour) return recent_[0].bits;
        if (colour == recent_[1].colour) {
            std::swap(recent_[0], recent_[1]);
            return recent_[0].bits;
        }
        const std::uint8_t bits = lookup(colour);
        recent_[1] = recent_[0];
        recent_[0] = {colour, bits};
        return bits;
    }

private:
    static constexpr std::size_t slotCount = 128;
    // The tables hold at most 49 colours, so an unused slot always ends the probe.
    std::uint8_t lookup(long colour) const {
        for (std::size_t i = home(colour);; i = (i + 1) % slotCount) {
            if (!slots_[i].used) return 0;
            if (slots_[i].colour == colour) return slots_[i].bits;
        }
    }
    static std::size_t home(long colour) {
        return static_cast<std::size_t>((static_cast<std::uint64_t>(colour) * 0x9E3779B97F4A7C15ull) >> 57);
    }
    struct Slot {
        long colour = 0;
        std::uint8_t bits = 0;
        bool used = false;
    };
    std::array<Slot, slotCount> slots_{};
    struct Recent {
        long colour = -1;  // no table holding it, a pixel read off the surface has no class
        std::uint8_t bits = 0;
    };
    mutable std::array<Recent, 2> recent_{};
    std::uint64_t builtAt_ = ~0ull;  // never a count: the first lookup builds
};

}  // namespace tarnwick
