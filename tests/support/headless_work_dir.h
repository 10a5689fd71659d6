#pragma once
#include <filesystem>

namespace tarnwick::test {

// Makes a new empty directory the current one for as long as it lives, since
// the program reads and writes its files in the current directory; then goes
// back and removes it.
class TempWorkDir {
public:
    TempWorkDir();
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// How many temporaries of unfinished saves lie in `dir`: a save writes its file
// under a hidden name beside the real one and renames it when it is complete.
int savingTemporariesIn(const std::filesystem::path& dir);

}  // namespace tarnwick::test
