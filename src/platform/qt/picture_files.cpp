#include "platform/picture_files.h"
#include "platform/qt/picture_image.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/canvas.h"
#include "platform/plain_file.h"

namespace tarnwick {

namespace {

// No picture larger than the largest surface can be shown, so none is decoded:
// the header is checked before the decoder allocates anything.
constexpr int maxSide = largestSurfaceSide;
constexpr int allocationLimitMb = 256;
constexpr std::size_t maxFileBytes = std::size_t(allocationLimitMb) * 1024 * 1024;

std::uint32_t readLe(const QByteArray& bytes, int offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

// Checks the header before Qt's reader sees the file: a size within bounds (the
// reader's own size() gives a top-down file's negative height as it stands, so
// it cannot do this), and, since the reader fills a short file's missing rows
// with whatever it likes, every row an uncompressed file promises.
bool soundHeader(const QByteArray& bytes) {
    constexpr int fileHeader = 14;
    if (bytes.size() < fileHeader + 16 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const std::uint32_t dataOffset = readLe(bytes, 10, 4);
    const std::uint32_t infoSize = readLe(bytes, fileHeader, 4);
    if (infoSize < 12) return false;
    std::int64_t width, height, bitsPerPixel, compression = 0;
    if (infoSize == 12) {  // OS/2 core header
        width = static_cast<std::int16_t>(readLe(bytes, fileHeader + 4, 2));
        height = static_cast<std::int16_t>(readLe(bytes, fileHeader + 6, 2));
        bitsPerPixel = readLe(bytes, fileHeader + 10, 2);
    } else {
        if (bytes.size() < fileHeader + 20) return false;
        width = static_cast<std::int32_t>(readLe(bytes, fileHeader + 4, 4));
        height = static_cast<std::int32_t>(readLe(bytes, fileHeader + 8, 4));
        bitsPerPixel = readLe(bytes, fileHeader + 14, 2);
        compression = readLe(bytes, fileHeader + 16, 4);
    }
    if (width <= 0 || width > maxSide || height == 0 || height < -maxSide || height > maxSide) return false;
    if (width * (height < 0 ? -height : height) > largestSurfacePixels) return false;
    constexpr std::uint32_t uncompressed = 0, bitFields = 3;
    if (compression != uncompressed && compression != bitFields) return true;  // RLE: Qt checks the runs
    const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const std::int64_t rows = height < 0 ? -height : height;
    return std::int64_t(dataOffset) + rowBytes * rows <= bytes.size();
}

void putLe(unsigned char* at, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

// The file Qt's BMP writer makes of an opaque image, byte for byte, written
// straight from the picture a few rows at a time instead of through a full-size
// image: the headers, then 24-bit rows bottom-up (blue, green, red), each padded
// with zeros to four bytes.
bool writeBmp(int fd, const Picture& picture) {
    constexpr std::size_t headerBytes = 14 + 40, chunkBytes = 64 * 1024;
    const std::size_t width = static_cast<std::size_t>(picture.width);
    const std::size_t rowBytes = (width * 24 + 31) / 32 * 4;
    const std::uint64_t pixelBytes = std::uint64_t(rowBytes) * picture.height;
    if (headerBytes + pixelBytes > std::uint64_t(std::numeric_limits<std::int32_t>::max())) return false;
    // The resolution Qt gives a new image: it follows the screen, when there is an application.
    const QImage probe(1, 1, QImage::Format_RGB32);
    const auto resolution = [](int dotsPerMeter) { return dotsPerMeter ? dotsPerMeter : 2834; };
    unsigned char header[headerBytes] = {'B', 'M'};
    putLe(header + 2, headerBytes + pixelBytes, 4);
    putLe(header + 10, headerBytes, 4);
    putLe(header + 14, 40, 4);
    putLe(header + 18, width, 4);
    putLe(header + 22, static_cast<std::uint64_t>(picture.height), 4);
    putLe(header + 26, 1, 2);   // planes
    putLe(header + 28, 24, 2);  // bits a pixel
    putLe(header + 34, pixelBytes, 4);
    putLe(header + 38, static_cast<std::uint64_t>(resolution(probe.dotsPerMeterX())), 4);
    putLe(header + 42, static_cast<std::uint64_t>(resolution(probe.dotsPerMeterY())), 4);
    if (!writeAll(fd, reinterpret_cast<const char*>(header), headerBytes)) return false;

    const std::size_t rowsAChunk = std::max<std::size_t>(1, chunkBytes / rowBytes);
    std::vector<unsigned char> chunk(rowsAChunk * rowBytes);  // the padding stays zero
    for (int y = picture.height - 1; y >= 0;) {
        std::size_t rows = 0;
        for (; rows < rowsAChunk && y >= 0; ++rows, --y) {
            const std::uint32_t* in = picture.pixels.data() + static_cast<std::size_t>(y) * width;
            unsigned char* out = chunk.data() + rows * rowBytes;
            for (std::size_t x = 0; x < width; ++x, out += 3) {
                out[0] = static_cast<unsigned char>(in[x] >> 16);
                out[1] = static_cast<unsigned char>(in[x] >> 8);
                out[2] = static_cast<unsigned char>(in[x]);
            }
        }
        if (!writeAll(fd, reinterpret_cast<const char*>(chunk.data()), rows * rowBytes)) return false;
    }
    return true;
}

// Decodes straight from the bytes read, without copying them first.
QImage decodeBmp(const std::string& fileName) {
    // Only a regular file: a device reads for ever and a FIFO blocks.
    const std::optional<std::string> content = readRegularFile(fileName, maxFileBytes);
    if (!content) return {};
    QByteArray bytes = QByteArray::fromRawData(content->data(), static_cast<qsizetype>(content->size()));
    if (!soundHeader(bytes)) return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(allocationLimitMb);
    return reader.read();
}

}  // namespace

QImage imageOf(const Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) line[x] = 0xFF000000u | bgrToRgb(picture.at(x, y));
    }
    return image;
}

Picture pictureOf(const QImage& source) {
    const QImage image = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    Picture picture(image.width(), image.height());
    for (int y = 0; y < picture.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < picture.width; ++x) picture.at(x, y) = rgbToBgr(line[x] & 0xFFFFFFu);
    }
    return picture;
}

// Written beside the name and moved into its place, so that a link with the
// name is replaced and never written through.
bool savePictureFile(const Picture& picture, const std::string& fileName) {
    if (picture.empty() || picture.pixels.size() != std::size_t(picture.width) * picture.height) return false;
    std::string temporary;
    FileHandle handle = openReplacement(fileName, temporary);
    if (!handle) return false;
    const bool written = writeBmp(handle.fd(), picture);
    return finishReplacement(handle, temporary, fileName, written, Flush::No);
}

std::optional<Picture> loadPictureFile(const std::string& fileName) {
    const QImage image = decodeBmp(fileName);  // the file's bytes are gone before the picture is made
    if (image.isNull()) return std::nullopt;
    return pictureOf(image);
}

}  // namespace tarnwick
