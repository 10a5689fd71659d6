// The way out of a make whose patterns never carve where it needs to.
#include <algorithm>
#include <array>

#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {
constexpr unsigned allSides = 0b11110;
}

std::uint64_t Form57::latticecells() const {
    const auto across = [](long size, long step) {
        return static_cast<std::uint64_t>(std::max(size / std::max(step, 1L), 1L));
    };
    const std::array<long, 4> inputs{canvas.width(), canvas.height(), wallsizex, wallsizey};
    if (inputs != latticecellsmemo.inputs)
        latticecellsmemo = {inputs, across(canvas.width(), wallsizex) * across(canvas.height(), wallsizey)};
    return latticecellsmemo.cells;
}

// Without a lattice of the walker's own to measure ways on (walkstretchcheck),
// a stretch without carving is measured against the window's lattice: the
// walker may travel all of it in search of its last clean cells.
std::uint64_t Form57::carvingfallbackbound() const {
    const std::uint64_t perCell = steeringfallbackused             ? carvingfallbackagainpassespercell
                                  : patterncarvedsides != allSides ? carvingfallbackmissingpassespercell
                                                                   : carvingfallbackpassespercell;
    return perCell * latticecells();
}

std::uint64_t Form57::carvinglastresortbound() const { return carvinglastresortpassespercell * latticecells(); }

void Form57::restartcarvingwatch() {
    passeswithoutcarving = 0;
    passespastfallback = 0;
    wandercredit = 0;
    cellscarved = 0;
    nocarvablecellnear = false;
    carvinggivenup = false;
    givenupeverywhere = false;
    walkerguide.on = false;
    std::fill(walkerguide.givenup.begin(), walkerguide.givenup.end(), GivenUp::No);
    walkerguide.givenupnow.clear();
    patterncarvedsides = 0;
    steeringfallbackused = false;
}

// Once the fallback has been needed, every carve sends the completion scan back
// to its start: a sweep that a carve overtook could pass a cell that the carve
// made ready, and end making with it clean.
void Form57::walkcarved() {
    if (mazekind == 2 && readiesapassedcell()) sweepmissedcell = true;
    spendwandercredit();
    ++cellscarved;
    passeswithoutcarving = 0;
    passespastfallback = 0;
    nocarvablecellnear = false;
    carvinggivenup = false;
    givenupeverywhere = false;
    guideaftercarve();
    if (steeringfallbackused) scanreset();
    // Stuck tries run through every direction: only the patterns' own moves count.
    if (!steeringfallback && patternstate != 3 && stuckflag != 1 && direction >= 1 && direction <= 4)
        patterncarvedsides |= 1U << direction;
    endsteeringfallback();
}

// A 3d scan passes over clean cells that no passage borders yet. A carve beside
// one the sweep has passed may have made it ready, and a sweep that ended on
// that would end making with the walker still at work beside it.
bool Form57::readiesapassedcell() const {
    static constexpr long sides[4][2] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
    for (const auto& s : sides) {
        const long x = cellx1 + s[0] * wallsizex, y = celly1 + s[1] * wallsizey;
        const bool passed = y < scany || (y == scany && x < scanx);
        if (passed && isCleanColour(*this, canvas.point(x, y))) return true;
    }
    return false;
}

// Counts only while the computer creates: the user steering, or a pause, is no
// stall.
void Form57::walkcarvingcheck() {
    if (creationmode == -1 || panelopen != 0 || paused != 0) return;
    if (walkerreach.filtering) return walkstretchcheck();
    // Random steering (the user's choice) is all the fallback would add, so
    // there only the last resort is left.
    const auto lastResort = [this] {
        if (++passespastfallback >= carvinglastresortbound()) carvinggivenup = givenupeverywhere = true;
    };
    if (steeringfallback) return lastResort();
    if (++passeswithoutcarving < carvingfallbackbound()) return;
    if (patternstate == 3 && patternresume == 0) return lastResort();
    startsteeringfallback();
}

// The stretch may last a few passes for each step of the way to the nearest
// cell the scan waits on, plus the credit earlier carves put by; then the
// guide takes the walker there. In the sweep's runs a carved cell costs at
// most about 100 passes to placing, in every kind and window size.
void Form57::walkstretchcheck() {
    if (++passeswithoutcarving < stretchlookpasses) return;
    if (passeswithoutcarving == stretchlookpasses) {
        walkerguide.on = false;
        nocarvablecellnear = !walkerguidepath();
        const std::uint64_t steps = nocarvablecellnear ? static_cast<std::uint64_t>(walkerguide.searched)
                                                       : walkerguide.path.size() - 1;
        stretchallowance = stretchlookpasses + stretchpassesperstep * steps;
    }
    if (passeswithoutcarving < stretchallowance + wandercredit) return;
    ++passespastfallback;
    if (nocarvablecellnear) return giveupscancell();
    // Random steering the user chose is left as it is: the guide steers it.
    if (!steeringfallback && !(patternstate == 3 && patternresume == 0)) startsteeringfallback();
    steerbyguide();
}

// What a stretch wandered past its own allowance comes out of the credit.
void Form57::spendwandercredit() {
    const std::uint64_t over = passeswithoutcarving >= stretchlookpasses && passeswithoutcarving > stretchallowance
                                   ? passeswithoutcarving - stretchallowance
                                   : 0;
    wandercredit = (wandercredit > over ? wandercredit - over : 0) + wanderpassespercarve;
}

// Patterns stop until the next carve, so that the guide's directions are taken.
void Form57::startsteeringfallback() {
    steeringfallback = true;
    steeringfallbackused = true;
    files.close(1);
    patternstate = 3;
    patternchoice = 3;
    patternresume = 0;
}

// Patterns take over again from a fresh choice, unless a command changed the
// steering in the meantime.
void Form57::endsteeringfallback() {
    if (!steeringfallback) return;
    steeringfallback = false;
    if (patternstate != 3 || patternresume != 0) return;
    patternstate = 0;
    patternchoice = 0;
}

}  // namespace tarnwick
