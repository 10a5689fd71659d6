#pragma once
#include <optional>
#include <string>
#include <vector>

#include "directionpatterns/pattern_files.h"
#include "platform/textfiles.h"

namespace tarnwick {

// A pattern section of a mazefile: the values of one pattern file up to its
// first 9999, each on a line of its own, then the line "9999,88".

inline constexpr int sectionCount = 12;

// The pattern file of section 1 to 12: regular, then 3d, then 3d-pipe mazes, each left, right, up, down.
std::string sectionPatternFile(int section);

// Copies the pattern file into a section on file number `out`, reading it as
// file number `in`. A missing file, or one without 9999, gives the values it has.
// `direction` receives every value read. False when a write failed.
bool writePatternSection(TextFiles& files, int in, const std::string& patternFile, int out, long& direction);

// Reads the next section from file number `in`. The section ends at 88 (a 9999
// inside it is dropped), or for the last section at its first 9999. Nothing when
// the file ends first. `direction` receives every value read.
std::optional<std::vector<ReadValue>> readPatternSection(TextFiles& files, int in, bool last, long& direction);

// Replaces a pattern file by a section's values, each as it was read, and
// "9999,88", through file number `out`. The file is replaced whole or not at
// all (see FileMode::Output), so a failed write (a full disk) leaves the earlier
// file as it was. False when the file could not be written.
bool writePatternFile(TextFiles& files, int out, const std::string& patternFile,
                      const std::vector<ReadValue>& values);

}  // namespace tarnwick
