#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// The name of a drawing as typed into a file panel: leading blanks dropped,
// everything from the first "." on dropped; trailing blanks stay.
std::string drawingName(std::string_view typed);

// A name the panels may use: it names a file in the current directory only, so
// it holds no "/" and no control character, and a visible one, so it is neither
// empty nor dots alone.
bool isPlainFileName(std::string_view name);

// The files the program writes and reads for itself: pattern files and their
// copies, snapshots, start-up pictures, the examples' settings files and the
// slide pictures.
const std::vector<std::string>& programFileNames();

// True when `name` (a typed name without its extension) is the name of one of
// the program's own files: a user's file saved under it would be overwritten
// by the program, or overwrite what the program relies on.
bool isReservedName(std::string_view name);

}  // namespace tarnwick
