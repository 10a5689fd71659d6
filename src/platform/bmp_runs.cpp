#include "platform/bmp_runs.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tarnwick {

namespace {

constexpr std::size_t fileHeaderBytes = 14, paletteEntryBytes = 4, maxPaletteSize = 256;

using Palette = std::array<std::uint32_t, maxPaletteSize>;

// The palette's entries (blue, green, red, unused) as colours; black past them.
std::optional<Palette> readPalette(std::string_view bytes, const BmpHeader& header) {
    const std::size_t size = header.coloursUsed ? header.coloursUsed : std::size_t(1) << header.bitsPerPixel;
    const std::size_t at = fileHeaderBytes + header.infoSize;
    if (size > maxPaletteSize || at > bytes.size() || (bytes.size() - at) / paletteEntryBytes < size)
        return std::nullopt;
    Palette palette{};
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = [&](std::size_t k) {
            return std::uint32_t(static_cast<unsigned char>(bytes[at + i * paletteEntryBytes + k]));
        };
        palette[i] = byte(0) << 16 | byte(1) << 8 | byte(2);
    }
    return palette;
}

// Where the runs write: a position counted in stored rows, from the first one
// stored. Pixels off the picture are dropped, those past a row's end all in one
// step: the time a file takes follows its picture, however long its runs.
class RunTarget {
public:
    RunTarget(Picture& picture, bool topDown) : picture_(picture), topDown_(topDown) {}

    bool done() const { return y_ >= picture_.height; }
    // The next `count` pixels of the row, coloured `colourOf(0)`, `colourOf(1)`, ...
    template <class Colour>
    void run(unsigned count, const Colour& colourOf) {
        if (!done()) {
            const int y = int(topDown_ ? y_ : picture_.height - 1 - y_);
            const long inside = std::min<long>(count, picture_.width - x_);
            for (long i = 0; i < inside; ++i) picture_.at(int(x_ + i), y) = colourOf(unsigned(i));
        }
        advance(count);
    }
    void endLine() {
        x_ = 0;
        ++y_;
    }
    void jump(unsigned dx, unsigned dy) {
        advance(dx);
        y_ += dy;
    }

private:
    // Every place past the row's end drops its pixel alike, so the position stops at the end.
    void advance(unsigned dx) { x_ = std::min<long>(x_ + dx, picture_.width); }

    Picture& picture_;
    bool topDown_;
    long x_ = 0, y_ = 0;
};

}  // namespace

std::optional<Picture> decodeBmpRuns(std::string_view bytes, const BmpHeader& header) {
    const bool fourBits = header.compression == bmpRle4;
    if (!isRunLength(header) || header.bitsPerPixel != (fourBits ? 4 : 8)) return std::nullopt;
    const std::optional<Palette> palette = readPalette(bytes, header);
    if (!palette || header.dataOffset > bytes.size()) return std::nullopt;

    Picture picture(header.width, header.rows(), (*palette)[0]);
    RunTarget target(picture, header.height < 0);
    const std::string_view data = bytes.substr(header.dataOffset);
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(data[i]); };
    // The colour of a run's pixel `i` from the byte that holds its index: four
    // bits a pixel are packed high half first.
    const auto colourOf = [&](unsigned indices, unsigned i) {
        return (*palette)[fourBits ? (indices >> (i % 2 ? 0 : 4)) & 0xF : indices];
    };
    // Every step takes at least two bytes: the loop ends with the data.
    for (std::size_t at = 0; !target.done() && data.size() - at >= 2;) {
        const unsigned count = byte(at), second = byte(at + 1);
        at += 2;
        if (count > 0) {  // `count` pixels of the index, or of the two indices in turn
            target.run(count, [&](unsigned i) { return colourOf(second, i); });
        } else if (second == 0) {
            target.endLine();
        } else if (second == 1) {
            break;  // the end of the picture
        } else if (second == 2) {
            if (data.size() - at < 2) break;
            target.jump(byte(at), byte(at + 1));
            at += 2;
        } else {  // `second` indices as they stand, padded to a whole number of 16-bit words
            const std::size_t indexBytes = fourBits ? (second + 1) / 2 : second;
            if (data.size() - at < indexBytes) break;
            target.run(second, [&](unsigned i) { return colourOf(byte(at + (fourBits ? i / 2 : i)), i); });
            at += std::min(data.size() - at, (indexBytes + 1) / 2 * 2);
        }
    }
    return picture;
}

}  // namespace tarnwick
