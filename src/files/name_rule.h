#pragma once
#include <string>
#include <string_view>

namespace tarnwick {

// The name of a drawing as typed into a file panel: leading blanks dropped,
// everything from the first "." on dropped; trailing blanks stay.
std::string drawingName(std::string_view typed);

// A name the panels may use: it names a file in the current directory only, so
// it holds no "/" and no control character.
bool isPlainFileName(std::string_view name);

}  // namespace tarnwick
