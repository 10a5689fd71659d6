#include "files/name_rule.h"

namespace tarnwick {

std::string drawingName(std::string_view typed) {
    const std::size_t first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    typed.remove_prefix(first);
    return std::string(typed.substr(0, typed.find('.')));
}

bool isPlainFileName(std::string_view name) {
    for (unsigned char c : name)
        if (c == '/' || c < 0x20 || c == 0x7F) return false;
    return true;
}

}  // namespace tarnwick
