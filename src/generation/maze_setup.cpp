#include "core/geometry.h"
#include "core/pattern_copies.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {
template <class Field>
void makeCellBox(long x1, long y1, Field& x2, Field& y2, long w, long h) {
    x2 = x1 + w - 3;
    y2 = y1 + h - 3;
}

}  // namespace

void Form57::makemaze2() {
    fallbackrecorded = 1;
    undercursorcolor = -20;
    scanreset();
    saveuserfinish = 1;
    finishfound = 0;
    ui.setEnabled("rfinish", true);
    if (keepunderpasslength != 1 && !ui.menu("nrefresh").enabled) shortunderpassesfromticks(mazekind);
    keepunderpasslength = 0;
    files.close(1);
    files.close(2);
    if (programmode != 0 && keeppicture == 0) {
        paintsnapshot(snapshot::basepicture);
        if (!homewithroom()) return;
        cellx1 = homex1;
        celly1 = homey1;
        cellx2 = homex2;
        celly2 = homey2;
        if (creationmode == -1 && panelopen == 0) {
            cursorcolor = palette[1] + 3;
            canvas.fillBox(cellx1, celly1, cellx2, celly2, cursorcolor);
        }
    }
    keeppicture = 0;
    lastcarvemode = -9;
    colorfound = 0;
    mixcolors();
    if (randompatternmode == 5 && keeprandompatterns != 1) {
        savePatternCopies(*this);
        makerandomidenticalpatterns();
        if (programmode == -6) return;
        restorePatternCopies(*this);
    }
    editedpattern = 0;
    keeprandompatterns = 0;
    if (patternstate == 3 && patternresume != 0) patternstate = 0;
    if (patternstate != 3) {
        patternstate = 0;
        patternchoice = 0;
    }
    patternresume = 0;
    programmode = 1;
    savedpicturedrawing = picturedrawing;
    picturedrawing = 1;
    makemaze1();
    const long w = wallsizex, h = wallsizey;
    makeCellBox(startx1, starty1, startx2, starty2, w, h);
    makeCellBox(homex1, homey1, homex2, homey2, w, h);
    makeCellBox(finishx1, finishy1, finishx2, finishy2, w, h);
    makeCellBox(cellx1, celly1, cellx2, celly2, w, h);
    keeppicture = 0;
    carvemode = -1;
    // The walker's own bookkeeping starts afresh with every maze.
    walkerreach.stale = true;
    idlecarvingpasses = 0;
    restartcarvingwatch();
    walkmenuversion = 0;
}

// The random-pattern generator for the left pattern and every other direction
// asked for, then the three turned from the left one.
void Form57::makerandomidenticalpatterns() {
    editedpattern = 1;
    editrandompat();
    const long asked[3] = {randomright, randomup, randomdown};
    for (long pattern = 2; pattern <= 4; ++pattern) {
        if (asked[pattern - 2] != 1) continue;
        editedpattern = pattern;
        editrandompat();
    }
    editedpattern = 1;
    mkidentical();
    editedpattern = 0;
}

void Form57::shortunderpassesfromticks(long kind) {
    shortunderpasses = 1;
    if (ui.menu("pthin").checked && kind == 1) shortunderpasses = 0;
}

}  // namespace tarnwick
