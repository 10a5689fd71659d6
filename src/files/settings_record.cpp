#include "files/settings_record.h"

#include <cmath>
#include <string>

#include "shell/form57.h"

namespace tarnwick {

namespace {

using T = SettingTarget;
using C = SettingCheck;

constexpr SettingField field(Num State::*f, C check = C::Whole, long lo = 0, long hi = 0) {
    return {T::Field, f, 0, check, lo, hi};
}
constexpr SettingField range(Num State::*f, long lo, long hi) { return field(f, C::Range, lo, hi); }
constexpr SettingField window(T target, C check) { return {target, nullptr, 0, check, 0, 0}; }

std::array<SettingField, settingsCount + 1> buildTable() {
    std::array<SettingField, settingsCount + 1> t{};
    const auto coordinate = [](Num State::*f) { return field(f, C::Coordinate); };
    const auto colour = [](Num State::*f) { return field(f, C::Colour); };
    t[1] = coordinate(&State::cellx1);
    t[2] = coordinate(&State::celly1);
    t[3] = coordinate(&State::cellx2);
    t[4] = coordinate(&State::celly2);
    t[5] = colour(&State::pencolor);
    t[6] = coordinate(&State::startx1);
    t[7] = coordinate(&State::starty1);
    t[8] = coordinate(&State::startx2);
    t[9] = coordinate(&State::starty2);
    t[10] = colour(&State::startcolor);
    t[11] = coordinate(&State::finishx1);
    t[12] = coordinate(&State::finishy1);
    t[13] = coordinate(&State::finishx2);
    t[14] = coordinate(&State::finishy2);
    t[15] = colour(&State::finishcolor);
    // The wall size and grid step are also checked together when they are applied.
    t[16] = range(&State::wallsizex, 5, 50);
    t[17] = range(&State::wallsizey, 5, 50);
    t[18] = range(&State::gridstepx, 5, 100);
    t[19] = range(&State::gridstepy, 5, 100);
    t[20] = range(&State::mazekind, 0, 2);
    t[21] = range(&State::difficultylevel, 1, 6);
    t[22] = field(&State::programmode, C::DrawingMode);
    t[23] = range(&State::nodrawing, 0, 1);
    t[24] = colour(&State::passagecolor);
    t[25] = range(&State::playoption, 0, 2);
    t[26] = range(&State::endpointoption, 0, 3);
    t[27] = field(&State::notrail, C::Short);
    t[28] = field(&State::creationmode, C::Creator);
    t[29] = range(&State::pathsize, 1, 2);
    t[30] = field(&State::autominimizeon);
    t[31] = window(T::SurfaceWidth, C::Whole);
    t[32] = window(T::SurfaceHeight, C::Whole);
    t[33] = {T::WindowState, nullptr, 0, C::Range, 0, 2};
    t[34] = window(T::WindowLeft, C::Twips);
    t[35] = window(T::WindowTop, C::Twips);
    t[36] = window(T::WindowHeight, C::TwipsSize);
    t[37] = window(T::WindowWidth, C::TwipsSize);
    t[38] = range(&State::symmetrymode, 0, 3);
    for (int k = 1; k <= 16; ++k) t[38 + k] = {T::ClassBox, nullptr, k, C::Range, 0, 2};
    t[55] = window(T::BackColour, C::Colour);
    t[56] = field(&State::unusedsetting);
    for (int k = 1; k <= 16; ++k) t[56 + k] = {T::PassageColour, nullptr, k, C::Colour, 0, 0};
    t[73] = range(&State::patternstate, 0, 3);
    t[74] = field(&State::filloption);
    t[75] = field(&State::dropblockedpattern);
    t[76] = range(&State::maxrandomsize, 2, 99);
    t[77] = field(&State::randomsteps);
    t[78] = field(&State::randompatternmode);
    t[79] = field(&State::randomleft);
    t[80] = field(&State::randomright);
    t[81] = field(&State::randomup);
    t[82] = field(&State::randomdown);
    t[83] = field(&State::randomanysize);
    t[84] = field(&State::randomgmoves);
    t[85] = field(&State::picturedrawing);
    t[86] = colour(&State::openpencolor);
    t[87] = colour(&State::borderpencolor);
    return t;
}

// Values written "as single-precision numbers" by the record.
FileValue single(double v) { return static_cast<double>(static_cast<float>(v)); }

std::string classBoxName(int k) { return "Check" + std::to_string(k); }

}  // namespace

const std::array<SettingField, settingsCount + 1>& settingsTable() {
    static const auto table = buildTable();
    return table;
}

std::vector<FileValue> settingsRecordValues(const Form57& form) {
    std::vector<FileValue> values;
    values.reserve(settingsCount);
    const WindowProperties& w = form.ui.window();
    for (int k = 1; k <= settingsCount; ++k) {
        const SettingField& s = settingsTable()[k];
        switch (s.target) {
            case T::Field: values.emplace_back(form.*s.field); break;
            case T::PassageColour: values.emplace_back(form.passagecolors[s.index]); break;
            case T::SurfaceWidth: values.push_back(single(form.canvas.width())); break;
            case T::SurfaceHeight: values.push_back(single(form.canvas.height())); break;
            case T::WindowState: values.emplace_back(static_cast<int>(w.state)); break;
            case T::WindowLeft: values.push_back(single(w.left)); break;
            case T::WindowTop: values.push_back(single(w.top)); break;
            case T::WindowHeight: values.push_back(single(w.height)); break;
            case T::WindowWidth: values.push_back(single(w.width)); break;
            case T::ClassBox: {
                const std::string name = classBoxName(s.index);
                values.emplace_back(form.ui.hasControl(name) ? form.ui.control(name).value : 0);
                break;
            }
            case T::BackColour: values.emplace_back(form.canvas.backColour()); break;
        }
    }
    return values;
}

std::optional<long> acceptedValue(const SettingField& setting, const ReadValue& value) {
    if (value.atEnd || !std::isfinite(value.value)) return std::nullopt;
    const double v = std::nearbyint(value.value);  // the default rounding takes a half to the even neighbour
    const auto within = [v](double lo, double hi) { return v >= lo && v <= hi; };
    bool ok = false;
    switch (setting.check) {
        case C::Whole: ok = within(-2147483648.0, 2147483647.0); break;
        case C::Short: ok = within(-32768, 32767); break;
        case C::Coordinate: ok = within(-20000, 20000); break;
        case C::Colour: ok = within(0, 0xFFFFFF) && !within(300, 400); break;
        case C::Range: ok = within(setting.lo, setting.hi); break;
        case C::Creator:
            // Neither the user nor the computer would make the maze with 0; the
            // menu ticks already show the computer for it.
            ok = within(-1, 1);
            if (ok && v == 0) return 1L;
            break;
        case C::DrawingMode: ok = v == 0; break;
        case C::Twips: ok = within(-150000, 150000); break;
        case C::TwipsSize: ok = within(1500, 150000); break;
    }
    if (!ok) return std::nullopt;
    return static_cast<long>(v);
}

SettingsRecord readSettingsRecord(TextFiles& files, int fileNumber) {
    SettingsRecord record;
    for (int k = 1; k <= settingsCount; ++k) {
        record.values[k] = files.read(fileNumber);
        if (record.values[k].atEnd) break;
        record.reached = k;
    }
    return record;
}

bool holdsAnyNumber(const SettingsRecord& record) {
    for (int k = 1; k <= record.reached; ++k)
        if (record.values[k].number) return true;
    return false;
}

bool propertiesHoldNumbers(const SettingsRecord& record) {
    for (int k = 1; k <= record.reached; ++k) {
        const SettingTarget target = settingsTable()[k].target;
        const bool setting = target == T::Field || target == T::PassageColour;
        if (!setting && record.values[k].empty) return false;
    }
    return true;
}

}  // namespace tarnwick
