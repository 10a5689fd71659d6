#include "shell/form57.h"

namespace tarnwick {

void Form57::registerPatternHandlers() {
    // Pattern files, identical patterns, pattern settings and pattern sets.
    menuHandlers["resetpattern"] = [this] { resetpattern_Click(); };
    menuHandlers["resetpatterns"] = [this] { resetpatterns_Click(); };
    menuHandlers["makeidentical"] = [this] { makeidentical_Click(); };
    menuHandlers["usepattern"] = [this] { usepattern_Click(); };
    menuHandlers["dontusepattern"] = [this] { dontusepattern_Click(); };
    menuHandlers["crnd1"] = [this] { crnd1_Click(); };
    menuHandlers["maxrnd"] = [this] { maxrnd_Click(); };
    menuHandlers["usernd"] = [this] { usernd_Click(); };
    menuHandlers["srndpatterns"] = [this] { srndpatterns_Click(); };
    menuHandlers["savepatterns"] = [this] { savepatterns_Click(); };
    menuHandlers["loadpatterns"] = [this] { loadpatterns_Click(); };
    entryHandlers["Text5"] = [this](int keyCode) { Text5_KeyDown(keyCode); };
    entryHandlers["Text6"] = [this](int keyCode) { Text6_KeyDown(keyCode); };
    entryHandlers["Text7"] = [this](int keyCode) { Text7_KeyDown(keyCode); };
    fileListHandlers["savepatternlist"] = [this](const std::string& entry) { picksavepatternfile(entry); };
    fileListHandlers["loadpatternlist"] = [this](const std::string& entry) { pickloadpatternfile(entry); };

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
