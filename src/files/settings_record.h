#pragma once
#include <array>
#include <optional>
#include <vector>

#include "core/num.h"
#include "core/state.h"
#include "platform/textfiles.h"

namespace tarnwick {

class Form57;

// The settings record: the first line of a mazefile, 87 values in a fixed order.
// This one table drives the writer and the reader.
inline constexpr int settingsCount = 87;

enum class SettingTarget {
    Field,          // a Num field of the state
    PassageColour,  // passagecolors(index)
    SurfaceWidth,   // written for information, never read back
    SurfaceHeight,
    WindowState,
    WindowLeft,     // twips
    WindowTop,
    WindowHeight,
    WindowWidth,
    ClassBox,       // the value of Check<index>
    BackColour,
};

// Which values a setting accepts from a file. A value outside is refused and the
// target keeps its value: these are the values that would crash or hang a stage.
enum class SettingCheck {
    Whole,        // any whole number of 32 bits
    Short,        // 16 bits
    Coordinate,   // a pixel position on any real window
    Colour,       // 0..&HFFFFFF, not a marker value 300..400
    Range,        // lo..hi
    Creator,      // -1 the user, 1 the computer; 0 is taken as 1, as the menu ticks show it
    DrawingMode,  // programmode: only 0, the drawing stage, is taken from a file
    Twips,        // a window position
    TwipsSize,    // a window size, neither 0 nor huge
};

struct SettingField {
    SettingTarget target;
    Num State::*field = nullptr;
    int index = 0;
    SettingCheck check = SettingCheck::Whole;
    long lo = 0, hi = 0;
};

// Entry k holds field k; entry 0 is unused.
const std::array<SettingField, settingsCount + 1>& settingsTable();

// The record as one line of values, read from the program's state at this moment.
std::vector<FileValue> settingsRecordValues(const Form57& form);

// The whole number a file value gives a setting, or nothing when the setting refuses it.
// Numbers are taken to the nearest whole number, a half going to the even one.
std::optional<long> acceptedValue(const SettingField& setting, const ReadValue& value);

// The record as read: values 1..reached were read; a read at the end of the file
// ends the record, and the fields after it keep their values.
struct SettingsRecord {
    std::array<ReadValue, settingsCount + 1> values{};
    int reached = 0;
    bool has(int field) const { return field >= 1 && field <= reached; }
};

SettingsRecord readSettingsRecord(TextFiles& files, int fileNumber);

// False when no place of the record holds a number: an empty file, or one of
// blanks, commas or zero bytes (a sparse file), is no record: nothing in it can
// be taken as a setting.
bool holdsAnyNumber(const SettingsRecord& record);

// False when a place that the writer always fills, the window's and the class
// boxes' values, is empty: the values then stand in other places than the
// record's (a file with ",," between its values), and none of them can be taken.
// Only a setting that was never given a value leaves its place empty.
bool propertiesHoldNumbers(const SettingsRecord& record);

}  // namespace tarnwick
