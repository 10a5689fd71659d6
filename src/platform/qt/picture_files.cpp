#include "platform/picture_files.h"
#include "platform/qt/picture_image.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "platform/bmp_header.h"
#include "platform/bmp_runs.h"
#include "platform/plain_file.h"

namespace tarnwick {

namespace {

constexpr int allocationLimitMb = 256;
constexpr std::size_t maxFileBytes = std::size_t(allocationLimitMb) * 1024 * 1024;

// Qt's reader fills a short file's missing rows with whatever it likes: an
// uncompressed file must hold every row it promises, counted from the data
// offset, where readBmpHeader has made sure the rows start.
bool holdsEveryRow(const BmpHeader& header, std::size_t fileBytes) {
    if (header.compression != bmpUncompressed && header.compression != bmpBitFields) return true;  // Qt checks
    const std::int64_t rowBytes = (std::int64_t(header.width) * header.bitsPerPixel + 31) / 32 * 4;
    return std::int64_t(header.dataOffset) + rowBytes * header.rows() <= std::int64_t(fileBytes);
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
QImage decodeWithQt(const std::string& content) {
    QByteArray bytes = QByteArray::fromRawData(content.data(), static_cast<qsizetype>(content.size()));
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
// name is replaced and never written through. A temporary of a save is
// written where it is: a rename onto it would leave it, written whole, without
// the lock its save holds until a re-open took it again.
bool savePictureFile(const Picture& picture, const std::string& fileName) {
    if (picture.empty() || picture.pixels.size() != std::size_t(picture.width) * picture.height) return false;
    if (isTemporaryName(fileName)) {
        FileHandle own = openOwnTemporary(fileName);
        const bool written = own && writeBmp(own.fd(), picture);
        return own.close() && written;
    }
    std::string temporary;
    FileHandle handle = openReplacement(fileName, temporary);
    if (!handle) return false;
    const bool written = writeBmp(handle.fd(), picture);
    return finishReplacement(handle, temporary, fileName, written, Flush::No);
}

// The run-length kinds are decoded here: Qt's reader leaves the pixels their
// runs do not reach as it found the memory.
std::optional<Picture> loadPictureFile(const std::string& fileName) {
    QImage image;
    {
        // Only a regular file: a device reads for ever and a FIFO blocks.
        const std::optional<std::string> content = readRegularFile(fileName, maxFileBytes);
        if (!content) return std::nullopt;
        const std::optional<BmpHeader> header = readBmpHeader(*content);
        if (!header) return std::nullopt;
        if (isRunLength(*header)) return decodeBmpRuns(*content, *header);
        if (!holdsEveryRow(*header, content->size())) return std::nullopt;
        image = decodeWithQt(*content);
    }  // the file's bytes are gone before the picture is made
    if (image.isNull()) return std::nullopt;
    return pictureOf(image);
}

}  // namespace tarnwick
