#pragma once
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace tarnwick {

// Colours kept by pixel in one flat table (open addressing, linear probing):
// the solution trail keeps and drops a few at a time all the walk long, with
// no allocation once the table has grown to the trail.
class PixelColours {
public:
    using Key = std::uint64_t;

    bool empty() const { return size_ == 0; }

    void clear() {
        slots_.assign(slots_.size(), Slot{});
        size_ = 0;
    }

    void set(Key key, long colour) {
        if ((size_ + 1) * 2 > slots_.size()) grow();
        std::size_t i = home(key);
        while (slots_[i].key != freeKey && slots_[i].key != key) i = next(i);
        if (slots_[i].key == freeKey) ++size_;
        slots_[i] = {key, colour};
    }

    // The colour kept for the pixel, dropped from the table.
    std::optional<long> take(Key key) {
        if (size_ == 0) return std::nullopt;
        std::size_t i = home(key);
        while (slots_[i].key != key) {
            if (slots_[i].key == freeKey) return std::nullopt;
            i = next(i);
        }
        const long colour = slots_[i].colour;
        // Backward shift: the entries after it that probed past it move up, so
        // that no search stops short at the freed slot.
        for (std::size_t j = next(i);; j = next(j)) {
            if (slots_[j].key == freeKey) break;
            const std::size_t h = home(slots_[j].key);
            if ((j > i && (h <= i || h > j)) || (j < i && h <= i && h > j)) {
                slots_[i] = slots_[j];
                i = j;
            }
        }
        slots_[i] = Slot{};
        --size_;
        return colour;
    }

private:
    static constexpr Key freeKey = ~Key{0};
    struct Slot {
        Key key = freeKey;
        long colour = 0;
    };

    std::size_t home(Key key) const { return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_); }
    std::size_t next(std::size_t i) const { return (i + 1) & (slots_.size() - 1); }

    void grow() {
        std::vector<Slot> old(slots_.empty() ? 64 : slots_.size() * 2);
        std::swap(old, slots_);
        shift_ = 64;
        for (std::size_t n = slots_.size(); n > 1; n /= 2) --shift_;
        size_ = 0;
        for (const Slot& s : old)
            if (s.key != freeKey) set(s.key, s.colour);
    }

    std::vector<Slot> slots_;
    std::size_t size_ = 0;
    unsigned shift_ = 64;
};

}  // namespace tarnwick
