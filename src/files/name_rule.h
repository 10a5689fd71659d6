#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/typed_names.h"  // the typed-name rule, which the file lists share

namespace tarnwick {

// The files the program writes and reads for itself: pattern files and their
// copies, snapshots, start-up pictures, the examples' settings files and the
// slide pictures.
const std::vector<std::string>& programFileNames();

// True when `name` (a typed name without its extension) is the name of one of
// the program's own files: a user's file saved under it would be overwritten
// by the program, or overwrite what the program relies on.
bool isReservedName(std::string_view name);

}  // namespace tarnwick
