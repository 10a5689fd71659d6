#pragma once

namespace tarnwick {

// What each 3d-maze difficulty level lets a tunnel pass under; any level other
// than 1 to 5 acts as 6. Maze making and the pattern editor search by the same rules.
enum class FreeCellRule { Refuse, StepOver, Cross };

struct LevelRules {
    bool twoPassagesInARow;
    FreeCellRule singleFreeCell;  // one free cell with a passage before and after it
    bool existingUnderpasses;
};

constexpr LevelRules rulesOf(long level) {
    switch (level) {
        case 1: return {false, FreeCellRule::Refuse, false};
        case 2: return {false, FreeCellRule::StepOver, false};
        case 3: return {true, FreeCellRule::Refuse, false};
        case 4: return {true, FreeCellRule::StepOver, false};
        case 5: return {true, FreeCellRule::Refuse, true};
        default: return {true, FreeCellRule::Cross, true};
    }
}

}  // namespace tarnwick
