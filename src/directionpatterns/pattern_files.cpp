// The pattern files: names, their default content, the resets and the reading of
// one entry as maze making and the editor read it.
#include "directionpatterns/pattern_files.h"

#include <cmath>

#include "shell/form57.h"

namespace tarnwick {

namespace {

constexpr const char* fileNames[3][4] = {
    {"Left.pt", "Right.pt", "up.pt", "down.pt"},
    {"3dpipeleft.pt", "3dpiperight.pt", "3dpipeup.pt", "3dpipedown.pt"},
    {"3dLeft.pt", "3dRight.pt", "3dup.pt", "3ddown.pt"},
};
constexpr const char* copyNames[3][4] = {
    {"left2.pt", "right2.pt", "up2.pt", "down2.pt"},
    {"3dpipeleft2.pt", "3dpiperight2.pt", "3dpipeup2.pt", "3dpipedown2.pt"},
    {"3dleft2.pt", "3dright2.pt", "3dup2.pt", "3ddown2.pt"},
};

bool inRange(long mazekind, long pattern) { return mazekind >= 0 && mazekind <= 2 && pattern >= 1 && pattern <= 4; }

}  // namespace

std::string patternfilename(long mazekind, long pattern) {
    return inRange(mazekind, pattern) ? fileNames[mazekind][pattern - 1] : "";
}

std::string patterncopyname(long mazekind, long pattern) {
    return inRange(mazekind, pattern) ? copyNames[mazekind][pattern - 1] : "";
}

std::vector<FileValue> defaultpatternline(long pattern) { return {pattern, movesend, sectionend}; }

void servePatternFiles(TextFiles& files) {
    for (long kind = 0; kind <= 2; ++kind)
        for (long pattern = 1; pattern <= 4; ++pattern)
            files.serveFromMemory(patternfilename(kind, pattern), formatLine(defaultpatternline(pattern)));
}

void Form57::resetpatternfile(long kind, long pattern) {
    const std::string name = patternfilename(kind, pattern);
    if (name.empty()) return;
    // Written even when the file cannot be opened: the copy in memory takes it.
    const bool opened = files.open(1, name, FileMode::Output);
    bool written = files.writeLine(1, defaultpatternline(pattern)) && opened;
    written = files.close(1) && written;
    if (!written) reportfilefailure(name);
}

void Form57::resetkindpatterns() {
    for (long pattern = 1; pattern <= 4; ++pattern) resetpatternfile(mazekind, pattern);
}

void Form57::resetallpatternfiles() {
    for (long kind : {0, 2, 1})
        for (long pattern = 1; pattern <= 4; ++pattern) resetpatternfile(kind, pattern);
}

long patternValue(const ReadValue& v) {
    if (v.atEnd) return movesend;
    if (v.value == std::floor(v.value) && std::abs(v.value) < 1e9) return static_cast<long>(v.value);
    return 0;
}

// A file that is not open (missing) reads as its end.
void Form57::readpatternentry() { patternentry = patternValue(files.read(1)); }

void Form57::resetpattern_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    patternchoice = 0;
    files.close(1);
    files.close(2);
    programmode = -2;
    resetpatternfile(mazekind, editedpattern);
}

void Form57::resetpatterns_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    patternchoice = 0;
    files.close(1);
    files.close(2);
    if (editedpattern != 0) programmode = -2;
    resetkindpatterns();
}

}  // namespace tarnwick
