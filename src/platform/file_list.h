#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// True when `name` matches `pattern`: "*" any run of characters, "?" one
// character, everything else itself (case-sensitive).
bool matchesFilter(std::string_view name, std::string_view pattern);

// Names of the regular files in the current directory that match `filter` and
// that a file panel with the filter may offer (isOfferedFileName), sorted;
// empty when the directory cannot be read.
std::vector<std::string> listFiles(const std::string& filter);

}  // namespace tarnwick
