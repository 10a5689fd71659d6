#pragma once
#include <string>

namespace tarnwick {

// The twelve pattern files and the editor's twelve copies, by maze kind
// (0 regular, 1 3d-pipe, 2 3d) and pattern (1 left, 2 right, 3 up, 4 down).
// These are the only names of these files; the file system may tell case apart.
// Empty for a kind or pattern out of range.
std::string patternfilename(long mazekind, long pattern);
std::string patterncopyname(long mazekind, long pattern);

// Direction codes as the files hold them.
inline constexpr long movesend = 9999;   // ends a pattern
inline constexpr long sectionend = 88;   // follows 9999 on its line

}  // namespace tarnwick
