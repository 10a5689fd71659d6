#pragma once
#include <filesystem>
#include <string>

#include "shell/form57.h"

namespace tarnwick::test {

// The settings that the four example files in data/ hold, put into a program so
// that the program's own writer produces the files.
void applyExampleSettings(Form57& form, int exampledrawing);

// "temple.maze", "space-station.maze", "diamond.maze", "christmas-tree.maze".
std::string exampleFileName(int exampledrawing);

// The repository's data/ folder, where the example files are committed.
std::filesystem::path dataDir();

// Reads a whole file as bytes; empty when it cannot be read.
std::string fileBytes(const std::filesystem::path& file);

}  // namespace tarnwick::test
