#include <initializer_list>
#include <string>

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
        case SettingTarget::PassageColour: f.passagecolors[s.index] = value; break;
        case SettingTarget::WindowState: f.ui.setWindowState(static_cast<WindowState>(*v)); break;
        case SettingTarget::ClassBox: f.ui.setControlValue("Check" + std::to_string(s.index), static_cast<int>(*v)); break;
        case SettingTarget::BackColour: f.canvas.setBackColour(*v); break;
        default: break;  // the surface size is not read back; the window geometry goes as a whole
    }
}

void applySettings(Form57& f, const SettingsRecord& record, std::initializer_list<int> fields) {
    for (int k : fields) applySetting(f, record, k);
}

// Wall size and grid step only as a consistent set: equal wall sizes of 5 to 50
// and equal grid steps of one or two wall sizes. Anything else would break the lattice.
void applyWallSizes(Form57& f, const SettingsRecord& record) {
    long v[4];
    for (int i = 0; i < 4; ++i) {
        if (!record.has(16 + i)) return;
        const auto accepted = acceptedValue(settingsTable()[16 + i], record.values[16 + i]);
        if (!accepted) return;
        v[i] = *accepted;
    }
    const long w = v[0];
    if (v[1] != w || (v[2] != w && v[2] != 2 * w) || v[3] != v[2]) return;
    applySettings(f, record, {16, 17, 18, 19});
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
    if (any) f.ui.setWindowGeometry(left, top, width, height);
}

}  // namespace

void Form57::applymazefile(MazefileReader reader, int example) {
    const SettingsRecord record = readSettingsRecord(files, 1);
    // Taken as read, without conversion.
    applySettings(*this, record, {21, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 86, 87});

    applySettings(*this, record, {84, 85, 75, 56, 76, 78, 77, 83, 79, 80, 81, 82});
    applySettings(*this, record, {55});
    applySettings(*this, record, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    if (reader == MazefileReader::LoadPanel) {
        keptstartcolor = startcolor;
        keptfinishcolor = finishcolor;
    }
    applyWallSizes(*this, record);
    applySettings(*this, record, {20, 22, 23, 24, 25, 30, 73, 26, 27, 28, 29});
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

    // A pattern file is replaced only by a complete section: the section that
    // the file ends in, and every one after it, leave their pattern files as they were.
    for (int k = 1; k <= sectionCount; ++k) {
        const auto section = readPatternSection(files, 1, k == sectionCount, direction);
        if (!section) break;
        writePatternFile(files, 2, sectionPatternFile(k), *section);
    }
    files.close(1);
    files.close(2);
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
