#pragma once
#include <filesystem>
#include <string>

#include "shell/form57.h"
#include "support/mazefile_text.h"

namespace tarnwick::test {

// The settings that the four example files in data/ hold, put into a program so
// that the program's own writer produces the files.
void applyExampleSettings(Form57& form, int exampledrawing);

// "temple.maze", "space-station.maze", "diamond.maze", "christmas-tree.maze".
std::string exampleFileName(int exampledrawing);

// The repository's data/ folder, where the example files are committed.
std::filesystem::path dataDir();


}  // namespace tarnwick::test
