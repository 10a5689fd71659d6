// Pattern sets: the four patterns of the current maze kind saved under a name and
// loaded back, through the "Save pattern" and "Load pattern" panels.
#include <filesystem>
#include <string>
#include <system_error>

#include "directionpatterns/pattern_files.h"
#include "files/name_rule.h"
#include "files/pattern_sections.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

struct SetPanel {
    const char* prompt;
    const char* box;
    const char* list;
};
constexpr SetPanel savePanel{"Label8", "Text5", "savepatternlist"};
constexpr SetPanel loadPanel{"Label9", "Text6", "loadpatternlist"};

// The set file's extension by `mazekind`; a set is offered to its own kind only.
std::string setExtension(long mazekind) {
    switch (mazekind) {
        case 0: return ".pat";
        case 1: return ".3d-pipe-pat";
        case 2: return ".3d-pat";
        default: return "";
    }
}

// A set lives in the current directory: no path separator of any platform, no control character.
bool isSetName(const std::string& name) { return isPlainFileName(name) && name.find('\\') == std::string::npos; }

}  // namespace

std::string patternsetfilename(long mazekind, const std::string& name) {
    const std::string extension = setExtension(mazekind);
    return extension.empty() ? "" : name + extension;
}

void Form57::openpatternsetpanel(const char* prompt, const char* box, const char* list) {
    patternsetpanelopensteps();
    ui.setControlText(box, "");
    ui.setFileListFilter(list, "*" + setExtension(mazekind));
    ui.refreshFileList(list);
    for (const char* control : {box, prompt, list}) {
        ui.setControlEnabled(control, true);
        ui.setControlVisible(control, true);
    }
    ui.setFocus(box);  // so that typing goes to the name at once
}

// The menu upkeep first (the editor keeps its own while it runs), then the panel goes.
void Form57::closepatternsetpanel(const char* prompt, const char* box, const char* list) {
    patternsetpanelclosedrestore();
    ui.setControlText(box, "");
    for (const char* control : {box, list, prompt}) {
        ui.setControlEnabled(control, false);
        ui.setControlVisible(control, false);
    }
    if (ui.focus() == box) ui.setFocus("");
    panelopen = 0;
}

void Form57::savepatterns_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    openpatternsetpanel(savePanel.prompt, savePanel.box, savePanel.list);
    keptdrawingoff = nodrawing;
    nodrawing = 1;
}

void Form57::loadpatterns_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    openpatternsetpanel(loadPanel.prompt, loadPanel.box, loadPanel.list);
}

void Form57::picksavepatternfile(const std::string& entry) {
    ui.setControlText(savePanel.box, entry);
    ui.setFocus(savePanel.box);
}

void Form57::pickloadpatternfile(const std::string& entry) {
    ui.setControlText(loadPanel.box, entry);
    ui.setFocus(loadPanel.box);
}

// What an Enter does before it touches a set file: the pattern being recorded
// gets its end line and the editor starts over; maze making, whose pattern file
// is closed here, draws its pattern afresh.
static void leavepatternfiles(Form57& f) {
    if (f.editedpattern != 0) {
        f.files.writeLine(1, {movesend, sectionend});
        f.programmode = -2;
    }
    f.files.close(1);
    f.files.close(2);
    if (f.patternstate != 3) f.patternchoice = 0;
}

void Form57::Text5_KeyDown(int keyCode) {
    if (keyCode != 13 && keyCode != 27) return;
    if (keyCode == 13) {
        const std::string name = drawingName(ui.control(savePanel.box).text);
        leavepatternfiles(*this);
        if (!isSetName(name) || !savepatternset(patternsetfilename(mazekind, name))) {
            platform.messageBox("Error: bad file name.");
        } else {
            ui.refreshFileList(savePanel.list);
            ui.refreshFileList(loadPanel.list);
        }
    }
    closepatternsetpanel(savePanel.prompt, savePanel.box, savePanel.list);
    nodrawing = keptdrawingoff;
}

void Form57::Text6_KeyDown(int keyCode) {
    if (keyCode != 13 && keyCode != 27) return;
    if (keyCode == 13) {
        const std::string name = drawingName(ui.control(loadPanel.box).text);
        leavepatternfiles(*this);
        if (!isSetName(name) || !loadpatternset(patternsetfilename(mazekind, name))) {
            platform.messageBox("Error: can't find file.");
        } else {
            ui.refreshFileList(savePanel.list);
            ui.refreshFileList(loadPanel.list);
        }
    }
    closepatternsetpanel(loadPanel.prompt, loadPanel.box, loadPanel.list);
}

// A set that could not be written whole is removed, so that no damaged set is
// left to be loaded later.
bool Form57::savepatternset(const std::string& fileName) {
    if (fileName.empty() || !files.open(1, fileName, FileMode::Output)) return false;
    bool written = true;
    for (long pattern = 1; pattern <= 4; ++pattern)
        written = writePatternSection(files, static_cast<int>(pattern) + 1, patternfilename(mazekind, pattern), 1,
                                      direction) &&
                  written;
    for (int number = 1; number <= 5; ++number) files.close(number);
    if (!written) {
        std::error_code error;
        std::filesystem::remove(fileName, error);
    }
    return written;
}

// A pattern file is replaced only by a complete section: when the set ends
// early, the patterns from its cut-off section on stay as they were.
bool Form57::loadpatternset(const std::string& fileName) {
    if (fileName.empty() || !files.open(1, fileName, FileMode::Input)) return false;
    for (long pattern = 1; pattern <= 4; ++pattern) {
        const auto section = readPatternSection(files, 1, pattern == 4, direction);
        if (!section) break;
        writePatternFile(files, static_cast<int>(pattern) + 1, patternfilename(mazekind, pattern), *section);
    }
    for (int number = 1; number <= TextFiles::count; ++number) files.close(number);
    return true;
}

}  // namespace tarnwick
