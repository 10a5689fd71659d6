#include "platform/picture_files.h"
#include "platform/qt/picture_image.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QFile>

#include <cstdint>
#include <cstring>
#include <unistd.h>

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
    const QImage image = imageOf(picture);
    if (image.isNull()) return false;
    std::string temporary;
    FileHandle handle = createTemporaryBeside(fileName, temporary);
    if (!handle) return false;
    bool written;
    {
        QFile file;
        written = file.open(handle.fd(), QIODevice::WriteOnly) && image.save(&file, "BMP") && file.flush() &&
                  ::fdatasync(handle.fd()) == 0;
    }
    handle = FileHandle{};
    if (written && replaceName(temporary, fileName)) return true;
    removeFile(temporary);
    return false;
}

std::optional<Picture> loadPictureFile(const std::string& fileName) {
    // Only a regular file: a device reads for ever and a FIFO blocks.
    const std::optional<std::string> content = readRegularFile(fileName, maxFileBytes);
    if (!content) return std::nullopt;
    QByteArray bytes(content->data(), static_cast<qsizetype>(content->size()));
    if (!soundHeader(bytes)) return std::nullopt;

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(allocationLimitMb);
    const QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    return pictureOf(image);
}

}  // namespace tarnwick
