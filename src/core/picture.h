#pragma once
#include <cstdint>
#include <vector>

#include "core/large_blocks.h"

namespace tarnwick {

// A picture held in memory: colours are 24-bit values &HBBGGRR (red in the low byte).
using Pixels = std::vector<std::uint32_t, LargeBlockAllocator<std::uint32_t>>;

struct Picture {
    int width = 0;
    int height = 0;
    Pixels pixels;  // row-major, width * height

    Picture() = default;
    Picture(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool operator==(const Picture&) const = default;
};

// Converts between the program's &HBBGGRR colours and 0xRRGGBB display values.
constexpr std::uint32_t bgrToRgb(std::uint32_t c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr std::uint32_t rgbToBgr(std::uint32_t c) { return bgrToRgb(c); }

}  // namespace tarnwick
