#include "core/typed_names.h"

namespace tarnwick {

std::string drawingName(std::string_view typed) {
    const std::size_t first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    typed.remove_prefix(first);
    return std::string(typed.substr(0, typed.find('.')));
}

bool isPlainFileName(std::string_view name) {
    // A stem of dots alone, or none, makes a hidden file of the extension alone.
    if (name.find_first_not_of('.') == std::string_view::npos) return false;
    for (unsigned char c : name)
        if (c == '/' || c < 0x20 || c == 0x7F) return false;
    return true;
}

std::string_view patternSetExtension(long mazekind) {
    switch (mazekind) {
        case 0: return ".pat";
        case 1: return ".3d-pipe-pat";
        case 2: return ".3d-pat";
        default: return "";
    }
}

bool isSetName(std::string_view name) { return isPlainFileName(name) && name.find('\\') == std::string_view::npos; }

bool isOfferedFileName(std::string_view fileName, std::string_view filter) {
    const std::string_view extension = filter.substr(filter.starts_with('*') ? 1 : 0);
    const std::string name = drawingName(fileName);
    if (!isPlainFileName(name) || fileName != name + std::string(extension)) return false;
    for (long kind = 0; kind <= 2; ++kind)
        if (extension == patternSetExtension(kind)) return isSetName(name);
    return true;
}

}  // namespace tarnwick
