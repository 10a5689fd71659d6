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

constexpr long white = 0xFFFFFF;

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
        case SettingTarget::WindowState: f.ui.setWindowState(static_cast<WindowState>(*v)); break;
        case SettingTarget::ClassBox: f.ui.setControlValue("Check" + std::to_string(s.index), static_cast<int>(*v)); break;
        case SettingTarget::BackColour: f.canvas.setBackColour(*v); break;
        // The surface size is not read back; the window geometry goes as a whole,
        // the passage colours once the colour classes are known.
        default: break;
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

// The classes a colour will have once the drawing stage reads the class boxes
// (colorclasstables): ticked is open, unticked border; a greyed box, and the
// space station's unticked colour 2, keep the classes the colour has. Green's
// extra open colour goes with green.
struct ColourClassesAfterLoad {
    bool open = false, border = false;
};

ColourClassesAfterLoad classesAfterLoad(const Form57& f, long colour, int exampleAfterLoad) {
    for (int k = 1; k <= 16; ++k) {
        if (f.palette[static_cast<std::size_t>(k)] != colour) continue;
        const int box = f.ui.control("Check" + std::to_string(k)).value;
        if (box == 1) return {true, false};
        if (box == 0 && (k != 2 || exampleAfterLoad != 2)) return {false, true};
        return {isOpenColour(f, colour), isBorderColour(f, colour)};
    }
    if (colour == extraOpenGreen) return {classesAfterLoad(f, f.palette[3], exampleAfterLoad).open, false};
    return {};
}

// The passage colours as the record leaves them: the file's value where it gives
// one that the setting takes, else the one in force.
std::array<Num, 17> passageColoursOfRecord(const Form57& f, const SettingsRecord& record) {
    std::array<Num, 17> colours = f.passagecolors.values();
    for (int k = 57; k <= 72; ++k) {
        if (!record.has(k)) continue;
        const SettingField& s = settingsTable()[k];
        const ReadValue& read = record.values[k];
        if (const std::optional<long> v = acceptedValue(s, read))
            colours[static_cast<std::size_t>(s.index)] = read.empty ? Num() : Num(*v);
    }
    return colours;
}

// A passage colour that is also a colour of the picture's areas, of the sky
// round the drawing or of a square makes them path: maze making leaves such an
// area uncarved or waits for it for ever, and the solver walks the walls or
// finds no way. White stays, as an open or a border colour: every program
// starts its passage colours with it and every example keeps it.
bool isAreaColour(const Form57& f, long colour, int exampleAfterLoad) {
    const ColourClassesAfterLoad classes = classesAfterLoad(f, colour, exampleAfterLoad);
    return ((classes.open || classes.border) && colour != white) || colour == f.canvas.backColour() ||
           colour == f.startcolor || colour == f.finishcolor;
}

// Every passage colour is judged once the file's classes are known, also one
// that the file leaves as it was: new classes can make it wrong. A refused
// colour gives way to the one in force before the load, or to white when that
// one is refused as well. True when one was refused.
bool settlePassageColours(Form57& f, const SettingsRecord& record, const std::array<Num, 17>& before,
                          int exampleAfterLoad) {
    std::array<Num, 17> colours = passageColoursOfRecord(f, record);
    bool refused = false;
    for (std::size_t k = 1; k <= 16; ++k) {
        if (!isAreaColour(f, colours[k], exampleAfterLoad)) continue;
        const Num settled = isAreaColour(f, before[k], exampleAfterLoad) ? Num(white) : before[k];
        refused = refused || settled != colours[k];
        colours[k] = settled;
    }
    for (std::size_t k = 1; k <= 16; ++k) f.passagecolors.set(k, colours[k]);
    return refused;
}

}  // namespace

std::optional<SettingsRecord> Form57::readmazefilerecord() {
    SettingsRecord record = readSettingsRecord(files, 1);
    if (holdsAnyNumber(record) && propertiesHoldNumbers(record)) return record;
    // Not a settings file that can be used: refused as one that cannot be read.
    files.close(1);
    files.close(2);
    platform.messageBox("Error: can't find file.");
    return std::nullopt;
}

void Form57::applymazefile(const SettingsRecord& record, MazefileReader reader, int example) {
    const std::array<Num, 17> passageColoursBefore = passagecolors.values();
    // Taken as read, without conversion.
    applySettings(*this, record, {21, 86, 87});

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
    const int exampleAfterLoad = reader == MazefileReader::LoadPanel ? static_cast<int>(exampledrawing) : example;
    const bool refusedPassageColour = settlePassageColours(*this, record, passageColoursBefore, exampleAfterLoad);

    // A pattern file is replaced only by a complete section: the section that
    // the file ends in, and every one after it, leave their pattern files as they were.
    // A failed write (a full disk, a read-only directory) keeps the earlier pattern
    // file whole, and maze making goes on with the section kept in memory; it is
    // told as the program's other files are, once in a run.
    std::string unwritten;
    for (int k = 1; k <= sectionCount; ++k) {
        const auto section = readPatternSection(files, 1, k == sectionCount, direction);
        if (!section) break;
        if (!writePatternFile(files, 2, sectionPatternFile(k), *section) && unwritten.empty())
            unwritten = sectionPatternFile(k);
    }
    files.close(1);
    files.close(2);
    if (refusedPassageColour)
        platform.messageBox("Error: a maze color in the file is also a color of the drawing. "
                            "The program goes on with the maze color it had, or with white.");
    if (!unwritten.empty()) reportfilefailure(unwritten);
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
