#include "mazefile_helpers.h"


#include <gtest/gtest.h>

#include "files/settings_record.h"

namespace tarnwick::test {

namespace {

long distinctValue(int k, const SettingField& s) {
    if (k == 16 || k == 17) return 12;
    if (k == 18 || k == 19) return 24;
    // The start and finish squares on cells of that lattice, as the stages place them.
    if (k == 6 || k == 7 || k == 11 || k == 12) return 1 + 12 + 24 * k;
    if (k == 8 || k == 9 || k == 13 || k == 14) return 1 + 12 + 24 * (k - 2) + 12 - 3;
    switch (s.check) {
        case SettingCheck::Coordinate: return 100 + k;
        case SettingCheck::Colour: return 0x10000 + k;
        case SettingCheck::Range: return s.lo < 0 ? s.lo : s.hi;
        case SettingCheck::DrawingMode: return 0;
        case SettingCheck::Creator: return 1;  // a new program starts at -1
        case SettingCheck::Twips: return 1500 + 15 * k;
        case SettingCheck::TwipsSize: return 3000 + 15 * k;
        default: return 1000 + k;
    }
}

}  // namespace

void setEverySetting(Form57& f) {
    const auto& table = settingsTable();
    for (int k = 1; k <= settingsCount; ++k) {
        const SettingField& s = table[k];
        const long v = distinctValue(k, s);
        switch (s.target) {
            case SettingTarget::Field: f.*s.field = v; break;
            case SettingTarget::PassageColour: f.passagecolors.set(s.index, v); break;
            case SettingTarget::ClassBox: f.ui.setControlValue("Check" + std::to_string(s.index), static_cast<int>(v)); break;
            case SettingTarget::BackColour: f.canvas.setBackColour(v); break;
            default: break;
        }
    }
    f.ui.setWindowGeometry(distinctValue(34, table[34]), distinctValue(35, table[35]), distinctValue(37, table[37]),
                           distinctValue(36, table[36]));
    f.ui.setWindowState(WindowState::Maximized);
}

std::vector<std::string> recordTexts(const Form57& form) {
    std::vector<std::string> texts;
    for (const FileValue& v : settingsRecordValues(form)) texts.push_back(v.number ? formatNumber(*v.number) : "");
    return texts;
}

std::string plainSections(long code) {
    std::string text;
    for (int k = 1; k <= 12; ++k) text += std::to_string(code ? code : (k - 1) % 4 + 1) + "\r\n9999,88\r\n";
    return text;
}

void applyMazefile(Form57& form, const std::string& name) {
    ASSERT_TRUE(form.files.open(1, name, FileMode::Input));
    if (const auto record = form.readmazefilerecord()) form.applymazefile(*record, Form57::MazefileReader::LoadPanel, 0);
}

}  // namespace tarnwick::test
