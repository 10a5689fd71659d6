#pragma once
#include <string>
#include <vector>

#include "platform/textfiles.h"

namespace tarnwick {

// The twelve pattern files and the editor's twelve copies, by maze kind
// (0 regular, 1 3d-pipe, 2 3d) and pattern (1 left, 2 right, 3 up, 4 down).
// These are the only names of these files; the file system may tell case apart.
// Empty for a kind or pattern out of range.
std::string patternfilename(long mazekind, long pattern);
std::string patterncopyname(long mazekind, long pattern);

// A pattern set's file: the name followed by the extension of the maze kind
// (".pat", ".3d-pipe-pat", ".3d-pat"). Empty for a kind out of range.
std::string patternsetfilename(long mazekind, const std::string& name);

// Direction codes as the files hold them.
inline constexpr long movesend = 9999;   // ends a pattern
inline constexpr long sectionend = 88;   // follows 9999 on its line

// What a pattern file holds after a reset: one step in its own direction.
std::vector<FileValue> defaultpatternline(long pattern);

// The twelve pattern files are read from memory (see TextFiles); one that
// cannot be read serves its reset content.
void servePatternFiles(TextFiles& files);

// A value of a pattern file as its readers take it: the end of the file ends the
// pattern as 9999 does; a value that is no whole number is no move (0).
long patternValue(const ReadValue& v);

// The move `code` of the source pattern (1 to 4) as the target pattern takes it
// when made identical: turned so that the source's direction becomes the target's;
// 5 (stop carving) stays 5.
long turnedMove(long source, long target, long code);

}  // namespace tarnwick
