#include "support/headless_work_dir.h"

#include <random>
#include <string>
#include <system_error>

namespace tarnwick::test {

TempWorkDir::TempWorkDir() : previous_(std::filesystem::current_path()) {
    std::random_device entropy;
    const auto base = std::filesystem::temp_directory_path();
    do {
        path_ = base / ("tarnwick-test-" + std::to_string(entropy()));
    } while (!std::filesystem::create_directory(path_));
    std::filesystem::current_path(path_);
}

TempWorkDir::~TempWorkDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

int savingTemporariesIn(const std::filesystem::path& dir) {
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        n += entry.path().filename().string().rfind(".tarnwick-", 0) == 0;
    return n;
}

}  // namespace tarnwick::test
