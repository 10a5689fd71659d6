#pragma once
#include <optional>
#include <string>

#include "core/picture.h"

namespace tarnwick {

// Writes a 24-bit BMP. The file appears whole or not at all: a failed write
// leaves any earlier file of that name untouched. A file the user may not write
// is refused, and a replaced one keeps its permissions (see openReplacement).
// Not brought to the disk: a save that needs it does so itself. A name of the
// running user's own temporaries (see createTemporaryBeside) is written in
// place, as its maker holds it locked. False on any failure.
bool savePictureFile(const Picture& picture, const std::string& fileName);

// Reads a BMP; nothing for a missing, truncated, corrupt or absurdly large file.
std::optional<Picture> loadPictureFile(const std::string& fileName);

}  // namespace tarnwick
