#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string>

#include "core/colours.h"
#include "core/geometry.h"
#include "files/pattern_sections.h"
#include "files/settings_record.h"
#include "shell/form57.h"
#include "shell/menu_names.h"

namespace tarnwick {

namespace {

// One setting from the record into its target. A field the file did not reach,
// or a value the setting refuses, leaves the target as it was. An empty value
// reads as 0 and the field stays "never set", so a re-save writes it empty again.
void applySetting(Form57& f, const SettingsRecord& record, int k) {
    if (!record.has(k)) return;
    const SettingField& s = settingsTable()[k];
    const ReadValue& read = record.values[k];
    const std::optional<long> v = acceptedValue(s, read);
    if (!v) return;
    const Num value = read.empty ? Num() : Num(*v);
    switch (s.target) {
        case SettingTarget::Field: f.*s.field = value; break;
        case SettingTarget::PassageColour: f.passagecolors.set(s.index, value); break;
        case SettingTarget::WindowState: f.ui.setWindowState(static_cast<WindowState>(*v)); break;
        case SettingTarget::ClassBox: f.ui.setControlValue("Check" + std::to_string(s.index), static_cast<int>(*v)); break;
        case SettingTarget::BackColour: f.canvas.setBackColour(*v); break;
        default: break;  // the surface size is not read back; the window geometry goes as a whole
    }
}

void applySettings(Form57& f, const SettingsRecord& record, std::initializer_list<int> fields) {
    for (int k : fields) applySetting(f, record, k);
}

struct WallSet {
    long wall, step;
};

// Wall size and grid step only as a consistent set: equal wall sizes of 5 to 50
// and equal grid steps of one or two wall sizes. Anything else would break the lattice.
std::optional<WallSet> wallSetOf(const SettingsRecord& record) {
    long v[4];
    for (int i = 0; i < 4; ++i) {
        if (!record.has(16 + i)) return std::nullopt;
        const auto accepted = acceptedValue(settingsTable()[16 + i], record.values[16 + i]);
        if (!accepted) return std::nullopt;
        v[i] = *accepted;
    }
    const long w = v[0];
    if (v[1] != w || (v[2] != w && v[2] != 2 * w) || v[3] != v[2]) return std::nullopt;
    return WallSet{w, v[2]};
}

// A 3d-pipe maze's walker moves two wall sizes a step: on a grid step of one
// wall size it reaches only every other cell, and maze making would wait for
// the others for ever. The maze kind and the wall set are taken only when the
// outcome fits, else neither.
bool fitsMazeKind(long kind, WallSet walls) { return kind != 1 || walls.step == 2 * walls.wall; }

// A placed start or finish square (a box with two corners, which is how the
// stages leave one) must sit on a lattice cell: one placed elsewhere would start
// the walker, or wait for it, where no cell is, and maze making would never end.
// Such a square counts as not placed, and the program places it on a cell.
void keepSquareOnLattice(Num& x1, Num& y1, Num& x2, Num& y2, WallSet walls) {
    const bool placed = x1 != x2 && y1 != y2 && x1 >= 0 && y1 >= 0 && x2 >= 0 && y2 >= 0;
    if (!placed || walls.step <= 0) return;  // no lattice yet: nothing to place on
    const auto onLattice = [walls](long corner) {
        const long offset = corner - 1 - walls.wall;
        return offset >= 0 && offset % walls.step == 0;
    };
    if (onLattice(x1) && onLattice(y1)) return;
    x1 = 0, y1 = 0, x2 = 0, y2 = 0;
}

// Left, top, height and width; refused as a whole by the window unless it is in its normal state.
void applyWindowGeometry(Form57& f, const SettingsRecord& record) {
    const WindowProperties& w = f.ui.window();
    double left = w.left, top = w.top, height = w.height, width = w.width;
    bool any = false;
    for (auto [k, target] : {std::pair{34, &left}, {35, &top}, {36, &height}, {37, &width}}) {
        if (!record.has(k)) continue;
        if (const auto v = acceptedValue(settingsTable()[k], record.values[k])) {
            *target = static_cast<double>(*v);
            any = true;
        }
    }
    // No larger than the screens: a file may ask for a window of gigabytes.
    constexpr double twipsPerPixel = 15;
    width = std::min(width, f.canvas.widthLimit() * twipsPerPixel);
    height = std::min(height, f.canvas.heightLimit() * twipsPerPixel);
    if (any) f.ui.setWindowGeometry(left, top, width, height);
}

// The class a palette colour takes from its box once the drawing stage reads the
// boxes: unticked is border; a greyed box keeps the class it has.
bool borderAfterLoad(const Form57& f, long colour) {
    for (int k = 1; k <= 16; ++k) {
        if (f.palette[static_cast<std::size_t>(k)] != colour) continue;
        const int box = f.ui.control("Check" + std::to_string(k)).value;
        return box == 0 || (box == 2 && isBorderColour(f, colour));
    }
    return false;
}

// A passage colour that is also a colour of the walls, of the sky round the
// drawing or of a square makes them path: the solver would walk them for ever.
// Such a value is refused and the passage colour keeps the one it had. White,
// a border colour that every program starts its passage colours with, stays.
void keepPassageColoursOffWalls(Form57& f, const std::array<Num, 17>& before) {
    const long white = f.palette[16];
    for (std::size_t k = 1; k <= 16; ++k) {
        const long c = f.passagecolors[k];
        if (f.passagecolors[k] == before[k]) continue;
        const bool wall = (borderAfterLoad(f, c) && c != white) || c == f.canvas.backColour() ||
                          c == f.startcolor || c == f.finishcolor;
        if (wall) f.passagecolors.set(k, before[k]);
    }
}

}  // namespace

void Form57::applymazefile(MazefileReader reader, int example) {
    const SettingsRecord record = readSettingsRecord(files, 1);
    const std::array<Num, 17> passageColoursBefore = passagecolors.values();
    // Taken as read, without conversion.
    applySettings(*this, record, {21, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 86, 87});

    applySettings(*this, record, {84, 85, 75, 56, 76, 78, 77, 83, 79, 80, 81, 82});
    applySettings(*this, record, {55});
    applySettings(*this, record, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    if (reader == MazefileReader::LoadPanel) {
        keptstartcolor = startcolor;
        keptfinishcolor = finishcolor;
    }
    const std::optional<WallSet> fileWalls = wallSetOf(record);
    const WallSet walls = fileWalls.value_or(WallSet{wallsizex, gridstepx});
    const auto fileKind = record.has(20) ? acceptedValue(settingsTable()[20], record.values[20]) : std::nullopt;
    if (fitsMazeKind(fileKind.value_or(mazekind), walls)) {
        if (fileWalls) applySettings(*this, record, {16, 17, 18, 19});
        applySettings(*this, record, {20});
    }
    const WallSet lattice{wallsizex, gridstepx};
    keepSquareOnLattice(startx1, starty1, startx2, starty2, lattice);
    keepSquareOnLattice(finishx1, finishy1, finishx2, finishy2, lattice);
    applySettings(*this, record, {22, 23, 24, 25, 30, 73, 26, 27, 28, 29});
    if (reader == MazefileReader::ExampleCommand && example == 4) {
        areawidth = canvas.width();
        areaheight = canvas.height();
    }
    applyWindowGeometry(*this, record);
    if (reader == MazefileReader::FirstExample && example == 1) {
        // The temple always opens maximized, whatever its file says.
        if (ui.window().state != WindowState::Maximized) ui.setWindowState(WindowState::Maximized);
        ui.requestFocus();
        ui.bringToFront();
    } else {
        applySettings(*this, record, {33});
    }
    applySettings(*this, record, {38, 74});
    applySettings(*this, record, {39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54});
    keepPassageColoursOffWalls(*this, passageColoursBefore);

    // A pattern file is replaced only by a complete section: the section that
    // the file ends in, and every one after it, leave their pattern files as they were.
    // A failed write (a full disk) keeps the earlier pattern file whole; it is told once.
    bool written = true;
    for (int k = 1; k <= sectionCount; ++k) {
        const auto section = readPatternSection(files, 1, k == sectionCount, direction);
        if (!section) break;
        written = writePatternFile(files, 2, sectionPatternFile(k), *section) && written;
    }
    files.close(1);
    files.close(2);
    if (!written) platform.messageBox("Error: bad file name.");
}

void Form57::mazefileticks() {
    menus::tickOne(ui, {"aon", "aoff"}, autominimizeon == 1 ? 0 : 1);
    if (patternstate == 3) {
        menus::tickOne(ui, {"dontusepattern", "usepattern", "crnd1"}, 0);
        patternchoice = 3;
    }
    if (patternstate == 0 && randompatternmode != 5) {
        menus::tickOne(ui, {"dontusepattern", "usepattern", "crnd1"}, 1);
        patternchoice = 0;
    }
    if (randompatternmode == 5) {
        menus::tickOne(ui, {"dontusepattern", "usepattern", "crnd1"}, 2);
        patternchoice = 0;
    }
    if (playoption >= 0 && playoption <= 2)
        menus::tickOne(ui, {"playmodeoff", "easymode", "hardmode"}, playoption);
    if (randomanysize == 0 || randomanysize == 1) menus::tickOne(ui, {"maxrnd", "usernd"}, randomanysize);
    if (filloption == 0 || filloption == 1) menus::tickOne(ui, {"gofinish", "stopfinish"}, filloption);
    randomsizecaptions();
}

void Form57::afterloadsteps() {
    setPreviousCell(*this, currentCell(*this));
    gridchanged = 1;
    mazefileticks();
}

void Form57::finishexampleload(int example) {
    afterloadsteps();
    panelopen = 0;
    menus::tickOne(ui, {"usediamond", "usetree", "usetemple", "usespace"},
              example == 3 ? 0 : example == 4 ? 1 : example == 1 ? 2 : 3);
    programmode = 0;
    exampledrawing = example;
    homex1 = cellx1;
    homey1 = celly1;
    homex2 = cellx2;
    homey2 = celly2;
    keptstartcolor = startcolor;
    keptfinishcolor = finishcolor;
}

}  // namespace tarnwick
