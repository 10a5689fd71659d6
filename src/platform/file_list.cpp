#include "platform/file_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/typed_names.h"

namespace tarnwick {

bool matchesFilter(std::string_view name, std::string_view pattern) {
    // Greedy match with backtracking to the last "*": linear in practice, never exponential.
    std::size_t n = 0, p = 0;
    std::size_t starAt = std::string_view::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<std::string> listFiles(const std::string& filter) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(fs::current_path(error), error);
    if (error) return names;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = it->path().filename().string();
        if (matchesFilter(name, filter) && isOfferedFileName(name, filter)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace tarnwick
