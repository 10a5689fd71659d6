#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {
template <class Field>
void makeCellBox(long x1, long y1, Field& x2, Field& y2, long w, long h) {
    x2 = x1 + w - 3;
    y2 = y1 + h - 3;
}

// The geometry that the random-pattern generator borrows, each with its copy.
template <class Fn>
void eachPatternRunCopy(Form57& f, Fn&& fn) {
    fn(f.cellx1, f.patcellx1), fn(f.celly1, f.patcelly1), fn(f.cellx2, f.patcellx2), fn(f.celly2, f.patcelly2);
    fn(f.prevcellx1, f.patprevcellx1), fn(f.prevcelly1, f.patprevcelly1);
    fn(f.prevcellx2, f.patprevcellx2), fn(f.prevcelly2, f.patprevcelly2);
    fn(f.wallsizex, f.patwallsizex), fn(f.wallsizey, f.patwallsizey);
    fn(f.gridstepx, f.patgridstepx), fn(f.gridstepy, f.patgridstepy);
    fn(f.mirrorx1, f.patmirrorx1), fn(f.mirrory1, f.patmirrory1), fn(f.mirrorx2, f.patmirrorx2);
    fn(f.mirrory2, f.patmirrory2);
    fn(f.lastcolumnx, f.patlastcolumnx), fn(f.lastrowy, f.patlastrowy);
    fn(f.centerx, f.patcenterx), fn(f.centery, f.patcentery);
}
}  // namespace

void Form57::makemaze2() {
    fallbackrecorded = 1;
    undercursorcolor = -20;
    scanreset();
    saveuserfinish = 1;
    finishfound = 0;
    ui.setEnabled("rfinish", true);
    if (keepunderpasslength != 1 && !ui.menu("nrefresh").enabled) shortunderpassesfromticks();
    keepunderpasslength = 0;
    files.close(1);
    files.close(2);
    if (programmode != 0 && keeppicture == 0) {
        paintsnapshot(snapshot::basepicture);
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
        eachPatternRunCopy(*this, [](auto& live, long& copy) { copy = live; });
        makerandomidenticalpatterns();
        if (programmode == -6) return;
        eachPatternRunCopy(*this, [](auto& live, long copy) { live = copy; });
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

void Form57::shortunderpassesfromticks() {
    shortunderpasses = 1;
    if (ui.menu("pthin").checked && mazekind == 1) shortunderpasses = 0;
}

}  // namespace tarnwick
