// Pattern sets: the four patterns of the current maze kind saved under a name and
// loaded back, through the "Save pattern" and "Load pattern" panels.
#include <string>

#include "core/file_panel.h"
#include "directionpatterns/pattern_files.h"
#include "files/name_rule.h"
#include "files/pattern_sections.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

constexpr FilePanel savePanel{"Label8", "Text5", "savepatternlist"};
constexpr FilePanel loadPanel{"Label9", "Text6", "loadpatternlist"};

}  // namespace

std::string patternsetfilename(long mazekind, const std::string& name) {
    const std::string extension = std::string(patternSetExtension(mazekind));
    return extension.empty() ? "" : name + extension;
}

static void openpatternsetpanel(Form57& f, const FilePanel& panel) {
    f.patternsetpanelopensteps();
    showFilePanel(f.ui, panel, "*" + std::string(patternSetExtension(f.mazekind)));
}

void Form57::savepatterns_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    openpatternsetpanel(*this, savePanel);
    keptdrawingoff = nodrawing;
    nodrawing = 1;
}

void Form57::loadpatterns_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    openpatternsetpanel(*this, loadPanel);
}

void Form57::picksavepatternfile(const std::string& entry) { pickFilePanelEntry(ui, savePanel, entry); }
void Form57::pickloadpatternfile(const std::string& entry) { pickFilePanelEntry(ui, loadPanel, entry); }

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

// Enter runs the panel's job on the typed name, Escape only closes the panel.
// The menu upkeep comes first when it closes (the editor keeps its own while it runs).
static void patternsetkey(Form57& f, int keyCode, const FilePanel& panel,
                          bool (Form57::*job)(const std::string& fileName), const char* failure) {
    if (keyCode == 13) {
        const std::string name = drawingName(f.ui.control(panel.box).text);
        leavepatternfiles(f);
        // A set's own extension keeps it off the program's files: any name of the
        // program's may serve, as long as it stays in the directory.
        if (!isSetName(name) || !(f.*job)(patternsetfilename(f.mazekind, name))) {
            f.platform.messageBox(failure);
        } else {
            f.ui.refreshFileList(savePanel.list);
            f.ui.refreshFileList(loadPanel.list);
        }
    }
    f.patternsetpanelclosedrestore();
    hideFilePanel(f.ui, panel);
    f.panelopen = 0;
    // The first closing step offers "New maze " and the print items in every mode:
    // over the running editor they would end it without its exit, so the editor
    // gets its own menus back (a restart sets the same ones again).
    if (f.editedpattern != 0) f.editorstartmenus();
}

void Form57::Text5_KeyDown(int keyCode) {
    if (keyCode != 13 && keyCode != 27) return;
    patternsetkey(*this, keyCode, savePanel, &Form57::savepatternset, "Error: bad file name.");
    nodrawing = keptdrawingoff;
}

void Form57::Text6_KeyDown(int keyCode) {
    if (keyCode != 13 && keyCode != 27) return;
    patternsetkey(*this, keyCode, loadPanel, &Form57::loadpatternset, "Error: can't find file.");
}

// The set takes its name only when written whole: after a failure the set saved
// earlier under the name stays, and no damaged set is left to be loaded later.
bool Form57::savepatternset(const std::string& fileName) {
    if (fileName.empty() || !files.open(1, fileName, FileMode::Output)) return false;
    bool written = true;
    for (long pattern = 1; pattern <= 4; ++pattern)
        written = writePatternSection(files, static_cast<int>(pattern) + 1, patternfilename(mazekind, pattern), 1,
                                      direction) &&
                  written;
    written = files.close(1) && written;
    for (int number = 2; number <= 5; ++number) files.close(number);
    return written;
}

// A pattern file is replaced only by a complete section: when the set ends
// early, the patterns from its cut-off section on stay as they were. A pattern
// file that could not be replaced (a full disk) keeps its earlier content, and
// the user is told once a run, as of the other files the program writes for
// itself. A set without a single complete section cannot be used and fails as
// a missing one does.
bool Form57::loadpatternset(const std::string& fileName) {
    if (fileName.empty() || !files.open(1, fileName, FileMode::Input)) return false;
    std::string unwritten;
    long loaded = 0;
    for (long pattern = 1; pattern <= 4; ++pattern) {
        const auto section = readPatternSection(files, 1, pattern == 4, direction);
        if (!section) break;
        const std::string patternFile = patternfilename(mazekind, pattern);
        if (!writePatternFile(files, static_cast<int>(pattern) + 1, patternFile, *section) && unwritten.empty())
            unwritten = patternFile;
        ++loaded;
    }
    for (int number = 1; number <= TextFiles::count; ++number) files.close(number);
    if (!unwritten.empty()) reportfilefailure(unwritten);
    return loaded > 0;
}

}  // namespace tarnwick
