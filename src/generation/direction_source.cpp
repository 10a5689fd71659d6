// Where the walker's directions come from: the pattern files, random draws or
// the user's arrow keys, and when a proposal is refused.
#include "directionpatterns/pattern_files.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {
long reverseOf(long direction) {
    switch (direction) {
        case 1: return 2;
        case 2: return 1;
        case 3: return 4;
        case 4: return 3;
        default: return -1;
    }
}
}  // namespace

// A walker that has just begun to travel while patterns are in use is steered at random.
void Form57::walktravelstart() {
    if (lastcarvemode == carvemode || carvemode != -1 || patternstate == 3) return;
    patternchoice = 3;
    patternresume = 1;
    patternstate = 3;
    files.close(1);
}

void Form57::walknextpattern() {
    if (dropblockedpattern == 1 && patternstate == 1 && !walkermoved() && direction != 5) patternstate = 0;
    if (patternstate == 0) {
        files.close(1);
        patternchoice = random.draw(4);
        if (carvemode == -1) {
            patternchoice = 3;
            patternstate = 3;
            patternresume = 1;
        }
    }
    prevdirection = direction;
    direction = 0;
}

void Form57::walkrandomdraw() {
    if (creationmode == -1 && patternstate == 0) patternchoice = 0;
    if (patternstate == 3) direction = walkerguide.on ? guideddirection() : random.draw(4);
    if (creationmode == -1) direction = 0;
}

void Form57::walkpatternopen() {
    if (patternstate == 0 && patternchoice >= 1 && patternchoice <= 4)
        files.open(1, patternfilename(mazekind, patternchoice), FileMode::Input);
    if (patternchoice != 0 && patternstate == 0) fallbackhere();
    if (patternstate == 0) patternstate = 1;
    if (patternchoice == 0 && patternstate != 3) {
        patternstate = 0;
        direction = 0;
    }
}

// A missing file or one that ends without 9999 reads as 9999 (readpatternentry),
// so every pattern ends.
Form57::WalkAt Form57::walkpatternread() {
    if (patternchoice == 0 || patternstate == 3) return WalkAt::Next;
    if (patternresume == 2) {
        if (mazekind == 0) readpatternentry();
        patternresume = 0;
    }
    if (panelopen == 0) {
        readpatternentry();
        if (patternentry == movesend) {
            patternstate = 0;
            patternchoice = 0;
            fallbackhere();
            return WalkAt::UnderCursor;
        }
    }
    direction = patternentry;
    return WalkAt::Next;
}

// A direction that has just failed, or the way back while carving, is passed over.
Form57::WalkAt Form57::walkreject() {
    if (stuckflag == 1) return WalkAt::Next;
    const bool rejected = (!walkermoved() && direction == prevdirection) ||
                          (carvemode == 1 && direction == reverseOf(prevdirection));
    if (!rejected) return WalkAt::Next;
    if (patternchoice != 0 && patternstate != 3 && panelopen == 0) return WalkAt::PatternRead;
    if (patternstate == 3) return WalkAt::RandomDraw;
    return WalkAt::Next;
}

// Travelling that began while patterns were in use ends: the pattern of the
// direction just taken is played from its start.
Form57::WalkAt Form57::resumepatterns() {
    patternresume = 0;
    patternstate = 0;
    files.close(1);
    patternchoice = direction;
    carvemode = 1;
    patternresume = 2;
    return WalkAt::CellLeft;
}

}  // namespace tarnwick
