#pragma once
#include <cstdint>

#include "core/picture.h"

namespace tarnwick {

// The sixteen palette colours (&HBBGGRR) that the built-in pictures are drawn in.
namespace colour {
inline constexpr std::uint32_t black = 0x000000, navy = 0x800000, green = 0x008000, teal = 0x808000;
inline constexpr std::uint32_t maroon = 0x000080, purple = 0x800080, olive = 0x008080, silver = 0xC0C0C0;
inline constexpr std::uint32_t grey = 0x808080, blue = 0xFF0000, lime = 0x00FF00, cyan = 0xFFFF00;
inline constexpr std::uint32_t red = 0x0000FF, magenta = 0xFF00FF, yellow = 0x00FFFF, white = 0xFFFFFF;
}  // namespace colour

// Paints filled rectangles (corners inclusive) into a picture, clipped to it.
class PicturePainter {
public:
    explicit PicturePainter(Picture& picture) : picture_(picture) {}

    void fill(int x1, int y1, int x2, int y2, std::uint32_t c) {
        for (int y = y1 < 0 ? 0 : y1; y <= y2 && y < picture_.height; ++y)
            for (int x = x1 < 0 ? 0 : x1; x <= x2 && x < picture_.width; ++x) picture_.at(x, y) = c;
    }

    // A block of the doubled lattice of wall size 10: x 10+20i..29+20i, y 10+20j..29+20j.
    void block(int i, int j, std::uint32_t c) { fill(10 + 20 * i, 10 + 20 * j, 29 + 20 * i, 29 + 20 * j, c); }
    void blocks(int i1, int j1, int i2, int j2, std::uint32_t c) {
        fill(10 + 20 * i1, 10 + 20 * j1, 29 + 20 * i2, 29 + 20 * j2, c);
    }
    // A drawing cell of wall size 10 whose top-left corner is (x, y).
    void cell(int x, int y, std::uint32_t c) { fill(x, y, x + 9, y + 9, c); }

private:
    Picture& picture_;
};

}  // namespace tarnwick
