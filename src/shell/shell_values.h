#pragma once
#include <string>
#include <string_view>

namespace tarnwick {

// Every window caption is the program title followed directly by a stage text.
inline constexpr std::string_view programtitle = "The Quillary Tarnwick";

// A value that matches no pixel: `opencolors`(17) while green is no open colour.
inline constexpr long nomatchcolor = 0xFFA74758L;

inline std::string stagecaption(std::string_view stageText) { return std::string(programtitle).append(stageText); }

}  // namespace tarnwick
