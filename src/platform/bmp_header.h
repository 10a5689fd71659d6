#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarnwick {

inline constexpr std::uint32_t bmpUncompressed = 0, bmpRle8 = 1, bmpRle4 = 2, bmpBitFields = 3;

// What a BMP file's headers say about its pixels.
struct BmpHeader {
    std::uint32_t dataOffset = 0;  // where the pixels start in the file
    std::uint32_t infoSize = 0;    // the palette, if any, follows the info header
    int width = 0;
    int height = 0;  // negative: the rows are stored top-down
    int bitsPerPixel = 0;
    std::uint32_t compression = bmpUncompressed;
    std::uint32_t coloursUsed = 0;  // 0: as many as the depth allows

    int rows() const { return height < 0 ? -height : height; }
};

// The headers of a BMP file whose picture fits the largest surface and whose
// pixels start after its headers, masks and palette, so that they start at the
// data offset; nothing for any other file. The picture is no larger than the
// largest surface: no other can be shown, so none is decoded, and this is known
// before anything is allocated.
std::optional<BmpHeader> readBmpHeader(std::string_view bytes);

}  // namespace tarnwick
