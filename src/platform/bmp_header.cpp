#include "platform/bmp_header.h"

#include "core/canvas.h"

namespace tarnwick {

namespace {

std::uint32_t readLe(std::string_view bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

}  // namespace

std::optional<BmpHeader> readBmpHeader(std::string_view bytes) {
    constexpr std::size_t fileHeader = 14;
    if (bytes.size() < fileHeader + 16 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    BmpHeader header;
    header.dataOffset = readLe(bytes, 10, 4);
    header.infoSize = readLe(bytes, fileHeader, 4);
    if (header.infoSize < 12) return std::nullopt;
    std::int64_t width, height;
    if (header.infoSize == 12) {  // OS/2 core header
        width = static_cast<std::int16_t>(readLe(bytes, fileHeader + 4, 2));
        height = static_cast<std::int16_t>(readLe(bytes, fileHeader + 6, 2));
        header.bitsPerPixel = static_cast<int>(readLe(bytes, fileHeader + 10, 2));
    } else {
        if (bytes.size() < fileHeader + 20) return std::nullopt;
        width = static_cast<std::int32_t>(readLe(bytes, fileHeader + 4, 4));
        height = static_cast<std::int32_t>(readLe(bytes, fileHeader + 8, 4));
        header.bitsPerPixel = static_cast<int>(readLe(bytes, fileHeader + 14, 2));
        header.compression = readLe(bytes, fileHeader + 16, 4);
        constexpr std::size_t coloursUsedAt = 32;
        if (header.infoSize >= coloursUsedAt + 4 && bytes.size() >= fileHeader + coloursUsedAt + 4)
            header.coloursUsed = readLe(bytes, fileHeader + coloursUsedAt, 4);
    }
    // Qt's reader gives a top-down file's negative height as it stands, so the
    // size is checked here.
    constexpr int maxSide = largestSurfaceSide;
    if (width <= 0 || width > maxSide || height == 0 || height < -maxSide || height > maxSide) return std::nullopt;
    if (width * (height < 0 ? -height : height) > largestSurfacePixels) return std::nullopt;
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);
    return header;
}

}  // namespace tarnwick
