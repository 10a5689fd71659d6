#include "platform/bmp_header.h"

#include "core/canvas.h"

namespace tarnwick {

namespace {

std::uint32_t readLe(std::string_view bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

// Where the masks or the palette that follow the info header end. The masks of
// a BI_BITFIELDS file are part of the header only from the 108-byte header on;
// a palette entry takes three bytes after the OS/2 core header, four after the
// others. Qt's reader takes these before the pixels, whatever the data offset
// says, and starts the rows after them when the offset points inside.
std::uint64_t tablesEnd(const BmpHeader& header) {
    constexpr std::uint64_t fileHeader = 14, masksBytes = 12, headerWithMasks = 108, coreHeader = 12;
    std::uint64_t end = fileHeader + header.infoSize;
    if (header.compression == bmpBitFields && header.infoSize < headerWithMasks) end += masksBytes;
    if (header.bitsPerPixel <= 8) {
        const std::uint64_t entries = header.coloursUsed ? header.coloursUsed : std::uint64_t(1) << header.bitsPerPixel;
        end += entries * (header.infoSize == coreHeader ? 3 : 4);
    }
    return end;
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
    if (header.dataOffset < tablesEnd(header)) return std::nullopt;
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
