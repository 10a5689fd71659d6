#include <string>

#include "files/settings_record.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

struct Example {
    const char* item;      // its "Maze Picture" item
    const char* mazefile;  // its settings file in the current directory
};

// By `exampledrawing`: 1 temple, 2 space station, 3 diamond, 4 christmas tree.
constexpr Example examples[5] = {
    {"", ""},
    {"usetemple", "temple.maze"},
    {"usespace", "space-station.maze"},
    {"usediamond", "diamond.maze"},
    {"usetree", "christmas-tree.maze"},
};

}  // namespace

void Form57::usetemple_Click() { useexample(1); }
void Form57::usespace_Click() { useexample(2); }
void Form57::usediamond_Click() { useexample(3); }
void Form57::usetree_Click() { useexample(4); }

void Form57::useexample(int number) {
    if (commandtaken != 0) return;
    commandtaken = 1;
    const Example& example = examples[number];
    if (ui.menu(example.item).checked) return;
    patternsreplaced = 1;
    files.close(1);
    files.close(2);
    if (!files.open(1, example.mazefile, FileMode::Input)) {
        platform.messageBox("Error: can't find file.");
        return;
    }
    const std::optional<SettingsRecord> record = readmazefilerecord();
    if (!record) return;
    examplerestore();
    ui.setEnabled("nrefresh", false);
    applymazefile(*record, MazefileReader::ExampleCommand, number);
    finishexampleload(number);
    // The example's picture goes on the window when this drawing stage ends.
    examplepending = 1;
}

void Form57::makefirstdemo() {
    const int number = static_cast<int>(exampledrawing);
    if (number < 1 || number > 4) return;
    patternsreplaced = 1;
    files.close(1);
    files.close(2);
    if (!files.open(1, examples[number].mazefile, FileMode::Input)) {
        platform.messageBox("Error: can't find file.");
        return;
    }
    const std::optional<SettingsRecord> record = readmazefilerecord();
    if (!record) return;
    examplerestore();
    applymazefile(*record, MazefileReader::FirstExample, number);
    finishexampleload(number);
}

}  // namespace tarnwick
