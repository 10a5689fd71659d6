// Identical patterns: the four patterns of a maze kind as one shape turned four ways.
#include <array>
#include <vector>

#include "directionpatterns/pattern_files.h"
#include "files/pattern_sections.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

// A turn of the direction codes 1 to 4 (left, right, up, down); entry 0 unused.
using Turn = std::array<long, 5>;
constexpr Turn halfTurn{0, 2, 1, 4, 3};
constexpr Turn quarterClockwise{0, 3, 4, 2, 1};
constexpr Turn quarterCounterClockwise{0, 4, 3, 1, 2};

// The turn that carries the source pattern's own direction onto the target's.
const Turn& turnBetween(long source, long target) {
    for (const Turn* turn : {&halfTurn, &quarterClockwise})
        if ((*turn)[source] == target) return *turn;
    return quarterCounterClockwise;
}

bool isMove(long code) { return code >= 1 && code <= 5; }

}  // namespace

long turnedMove(long source, long target, long code) {
    return code == 5 ? 5 : turnBetween(source, target)[code];
}

// The source is read whole before any target is touched, so a source that cannot
// be opened leaves the other three patterns as they were. Values that are no move
// are dropped; the end of the file ends the source as 9999 does.
void Form57::rotatepattern(long source) {
    for (int number = 1; number <= 4; ++number) files.close(number);
    if (source < 1 || source > 4 || !files.open(static_cast<int>(source), patternfilename(mazekind, source),
                                                FileMode::Input))
        return;
    std::vector<long> moves;
    for (;;) {
        direction = patternValue(files.read(static_cast<int>(source)));
        if (direction == movesend) break;
        if (isMove(direction)) moves.push_back(direction);
    }
    files.close(static_cast<int>(source));
    for (long target = 1; target <= 4; ++target) {
        if (target == source) continue;
        std::vector<ReadValue> turned;
        for (long code : moves) turned.push_back({.value = static_cast<double>(turnedMove(source, target, code))});
        writePatternFile(files, static_cast<int>(target), patternfilename(mazekind, target), turned);
    }
}

void Form57::mkidentical() {
    for (int number = 1; number <= 4; ++number) files.close(number);
    if (editedpattern == 1) rotatepattern(1);
}

void Form57::makeidentical_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    if (editedpattern != 0) {
        // The recording ends here; the editor starts over on the same pattern.
        files.writeLine(1, {movesend, sectionend});
        programmode = -2;
    }
    files.close(1);
    files.close(2);
    if (editedpattern >= 1 && editedpattern <= 4) rotatepattern(editedpattern);
}

}  // namespace tarnwick
