#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// One line of a test script: an event to deliver, a number of passes to wait,
// or an expectation to check between passes. tests/scripts/README.md gives the
// language.
struct ScriptStep {
    enum class Kind {
        Button,         // texts: caption
        Menu,           // texts: captions from the menu bar down
        Check,          // numbers: check box number
        Key,            // numbers: key code
        Type,           // texts: text
        Mouse,          // numbers: button (1 left, 2 right)
        Tick,           // texts: timer
        FileList,       // texts: entry of the shown file list
        Passes,         // numbers: count
        UntilMode,      // numbers: mode, most passes
        Save,           // texts: file name
        ExpectCaption,  // texts: caption
        ExpectMode,     // numbers: mode
        ExpectMessage,  // texts: message
        ExpectMessages, // numbers: message boxes shown so far
        ExpectFile,     // texts: file name
        ExpectPixel,    // numbers: x, y, colour
        ExpectPages,    // numbers: pages printed so far
    };

    Kind kind;
    int line = 0;
    std::vector<std::string> texts;
    std::vector<long> numbers;

    bool isEvent() const;
};

struct ScriptError {
    int line = 0;  // 0: not tied to a line
    std::string why;
};

struct ParsedScript {
    std::vector<ScriptStep> steps;
    std::vector<ScriptError> errors;  // one for each line that could not be read
};

ParsedScript parseScript(std::string_view text);

// One "PREFIXLINE: why" line for each error.
std::string formatErrors(const std::vector<ScriptError>& errors, std::string_view prefix = {});

// Key names the scripts use: "Left", "A", "Enter" ... or a decimal code. -1 when unknown.
int keyCodeByName(std::string_view name);

// A decimal number or, with the prefix "&H", a hexadecimal one. False when it is neither.
bool parseScriptNumber(std::string_view text, long& value);

}  // namespace tarnwick
