#pragma once
#include <optional>
#include <string_view>

#include "core/picture.h"
#include "platform/bmp_header.h"

namespace tarnwick {

// True for the run-length kinds of BMP, RLE8 and RLE4.
inline bool isRunLength(const BmpHeader& header) {
    return header.compression == bmpRle8 || header.compression == bmpRle4;
}

// Decodes a run-length BMP file (`bytes`, whose headers are `header`). Every
// pixel gets a colour: one the runs do not reach, because the data ends early,
// an end of line or of the picture comes first or a jump passes over it, takes
// the palette's first colour; an index past the palette is black. Runs past a
// row's end or the picture's top are cut off there. Nothing for a file whose
// depth does not fit its kind, whose palette is missing or larger than 256
// colours, or whose pixel data would start past its end.
std::optional<Picture> decodeBmpRuns(std::string_view bytes, const BmpHeader& header);

}  // namespace tarnwick
