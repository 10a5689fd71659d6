#pragma once
#include <string>
#include <string_view>

namespace tarnwick {

// Every window caption is the program title followed directly by a stage text.
inline constexpr std::string_view programtitle = "The Quillary Tarnwick";

inline std::string stagecaption(std::string_view stageText) { return std::string(programtitle).append(stageText); }

// The drawing and maze-making captions by maze kind (0 regular, 1 3d-pipe, 2 3d);
// empty for another kind.
inline std::string drawingcaption(long mazekind) {
    static constexpr std::string_view texts[] = {"-(drawing picture for 'Regular mazes')",
                                                 "-(drawing picture for '3d-pipe-mazes')",
                                                 "-(drawing picture for '3d-mazes')"};
    return mazekind >= 0 && mazekind <= 2 ? stagecaption(texts[mazekind]) : std::string();
}

inline std::string makingcaption(long mazekind) {
    static constexpr std::string_view texts[] = {"-(creating 2d-maze)", "-(creating 3d-pipe-maze)",
                                                 "-(creating 3d-maze)"};
    return mazekind >= 0 && mazekind <= 2 ? stagecaption(texts[mazekind]) : std::string();
}

// The pattern editor's caption by the kind of the patterns it edits.
inline std::string editorcaption(long mazekind) {
    static constexpr std::string_view texts[] = {"-(Editing '2d-maze' patterns)", "-(Editing '3d-pipe-maze' patterns)",
                                                 "-(Editing '3d-maze' patterns)"};
    return mazekind >= 0 && mazekind <= 2 ? stagecaption(texts[mazekind]) : std::string();
}

}  // namespace tarnwick
