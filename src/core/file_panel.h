#pragma once
#include <string_view>

#include "core/ui.h"

namespace tarnwick {

// A file panel's controls: a prompt, a name box and a list of the current
// directory's files that match the panel's filter.
struct FilePanel {
    std::string_view prompt;
    std::string_view box;
    std::string_view list;
};

// Shows the panel with an empty box and a fresh list; typing goes to the box at once.
void showFilePanel(Ui& ui, const FilePanel& panel, std::string_view filter);

// Hides the panel and empties its box; the window takes the keys again.
void hideFilePanel(Ui& ui, const FilePanel& panel);

// A click on a list entry puts the file's name into the box, ready for Enter.
void pickFilePanelEntry(Ui& ui, const FilePanel& panel, std::string_view entry);

}  // namespace tarnwick
