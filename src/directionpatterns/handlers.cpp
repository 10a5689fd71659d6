#include "shell/form57.h"

namespace tarnwick {

void Form57::registerPatternHandlers() {
    registerEditorHandlers();
}

// ---- The pattern editor's items ----
void Form57::registerEditorHandlers() {
    menuHandlers["editpatterns"] = [this] { editpatterns_Click(); };
    menuHandlers["rightpattern"] = [this] { rightpattern_Click(); };
    menuHandlers["uppattern"] = [this] { uppattern_Click(); };
    menuHandlers["downpattern"] = [this] { downpattern_Click(); };
    menuHandlers["exitpattern"] = [this] { exitpattern_Click(); };
    menuHandlers["crpattern"] = [this] { crpattern_Click(); };
}

}  // namespace tarnwick
