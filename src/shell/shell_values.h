#pragma once
#include <string>
#include <string_view>

namespace tarnwick {

// Every window caption is the program title followed directly by a stage text.
inline constexpr std::string_view programtitle = "The Quillary Tarnwick";

inline std::string stagecaption(std::string_view stageText) { return std::string(programtitle).append(stageText); }

}  // namespace tarnwick
