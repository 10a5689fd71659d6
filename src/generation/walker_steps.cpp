// The walker's pass up to its event processing and the checks after it.
#include <array>

#include "core/colours.h"
#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

bool Form57::walkermoved() const { return cellx1 != prevcellx1 || celly1 != prevcelly1; }

void Form57::fallbackhere() {
    fallbackx1 = cellx1;
    fallbacky1 = celly1;
    fallbackx2 = cellx2;
    fallbacky2 = celly2;
}

void Form57::paintcellbox(long colour) { canvas.fillBox(cellx1, celly1, cellx2, celly2, colour); }
void Form57::paintprevcellbox(long colour) { canvas.fillBox(prevcellx1, prevcelly1, prevcellx2, prevcelly2, colour); }

// The menu states of a making pass depend only on these fields and on the menus
// themselves, so they are applied again only when one of them moved.
void Form57::walkmenus() {
    const std::array<long, 7> inputs{creationmode, mazekind,     difficultylevel, printmode,
                                     mazestoprint, mazesprinted, paused};
    if (inputs == walkmenuinputs && ui.version() == walkmenuversion) return;
    makingpassmenus();
    walkmenuinputs = inputs;
    walkmenuversion = ui.version();
}

void Form57::walkautominimize() {
    if (panelopen == 0 && autominimizeon == 1 && creationmode != -1 && minimized == 0) {
        ui.setWindowState(WindowState::Minimized);
        minimized = 1;
    }
    if (panelopen == 0 && autominimizeon == 1 && creationmode == -1) minimized = 0;
    if (panelopen != 1) canvas.setScreenOnly(false);
}

// The finish stays a dead end: the walker paints its way in and is sent home.
// Sent home, it never leaves the cell it came from, which is when that cell's
// colour would be chosen, so the passage in takes that colour here (and a pipe
// step's middle cell its own) rather than the colour of the cell before.
Form57::WalkAt Form57::walkfinishcell() {
    if (cellx1 != finishx1 || celly1 != finishy1) return WalkAt::Next;
    const bool moved = walkermoved();  // an underpass may have surfaced on the finish
    const Num entryColour = passagecolor;
    if (moved) {
        colorfound = 0;
        mixcolors2();
    }
    const long cameFromColour = passagecolor;
    if (carvemode == 1 && paused != 1) {
        spanBox(canvas, previousCell(*this), currentCell(*this), cameFromColour);
        walkpipemiddle();
    }
    passagecolor = entryColour;
    mixcolors();
    if (paused != 1) paintcellbox(passagecolor);
    if (filloption == 1 && isPassageColour(*this, canvas.point(startx1, starty1)) &&
        isPassageColour(*this, canvas.point(finishx1, finishy1))) {
        if (paused != 1 && moved) paintprevcellbox(cameFromColour);
        programmode = 2;
        return WalkAt::Leave;
    }
    cellx1 = homex1;
    celly1 = homey1;
    cellx2 = homex2;
    celly2 = homey2;
    carvemode = -1;
    return WalkAt::Next;
}

void Form57::walkcellleft() {
    colorfound = 0;
    if (creationmode == -1 && paused != 1) paintprevcellbox(passagecolor);
    mixcolors2();
    const bool entered = cellx1 == enteredcellx && celly1 == enteredcelly;
    arrivalcolor = entered ? enteredcellcolour : canvas.point(cellx1, celly1);
    enteredcellx = -1;
}

void Form57::walkpassage() {
    if (carvemode == 1 && walkermoved() && paused != 1)
        spanBox(canvas, previousCell(*this), currentCell(*this), passagecolor);
}

void Form57::walkcursor() {
    cursorcolor = palette[1] + 3;
    const bool moved = walkermoved();
    if ((moved && (carvemode != lastcarvemode || (creationmode == -1 && carvemode == -1))) ||
        creationmode != lastcreationmode)
        paintprevcellbox(colourofcellleft());
    if (moved) lastcarvemode = carvemode;
    const long here = canvas.point(cellx1, celly1);
    if (creationmode == -1 && moved && carvemode == -1 && here != cursorcolor) passagecolor = here;
    if (panelopen == 0) {
        walkundercursor();
        if (creationmode == -1) paintcellbox(cursorcolor);
    }
}

// The colour under the cursor becomes the passage colour of the cell it leaves.
void Form57::walkundercursor() {
    if (panelopen != 0 || !walkermoved()) return;
    if (isPassageColour(*this, undercursorcolor)) passagecolor = undercursorcolor;
    const long here = canvas.point(cellx1, celly1);
    if (here != cursorcolor) undercursorcolor = here;
}

Form57::WalkAt Form57::walkscan() {
    lastcreationmode = creationmode;
    finishmaking();
    advancescan();
    skipscanoutofreach();
    if (scany > areaheight && sweepmissedcell) {
        scanreset();
    } else if (scany > areaheight) {
        programmode = 2;
        return WalkAt::Leave;
    }
    return WalkAt::Next;
}

void Form57::walkevents() {
    commandtaken = 0;
    const long panelBefore = panelopen;
    const std::uint64_t picture = canvas.version();
    if (walkeronlywaits()) waitEvents();
    else doEvents();
    // A command that repainted the picture may have opened or closed regions.
    if (canvas.version() != picture) {
        walkerreach.stale = true;
        walkerwait.quietpasses = 0;
    }
    if (panelopen == 0 && panelBefore != 0 && creationmode == -1) paintcellbox(cursorcolor);
}

void Form57::walkidlecheck() {
    const bool idle = carvemode == 1 && creationmode == 1 && panelopen == 0 && paused == 0 &&
                      cellx1 == idlecellx && celly1 == idlecelly;
    idlecellx = cellx1;
    idlecelly = celly1;
    idlecarvingpasses = idle ? idlecarvingpasses + 1 : 0;
    if (idlecarvingpasses < idlecarvinglimit) return;
    idlecarvingpasses = 0;
    paintcellbox(passagecolor);
    carvemode = -1;
}

// The last dead end met while carving becomes the fallback finish.
void Form57::walkfallback() {
    if ((carvemode != 1 && fallbackrecorded != 0) || (cellx1 == startx1 && celly1 == starty1)) return;
    const bool deadEnd = carvemode == 1 && passagesides() == 1;  // the sides are read only while carving
    if (deadEnd || fallbackrecorded == 0) {
        if (carvemode == 1) fallbackrecorded = 1;
        fallbackhere();
    }
}

void Form57::walkcursorleft() {
    if (creationmode == 1 && canvas.point(cellx1 + 1, celly1 + 1) == cursorcolor) paintcellbox(passagecolor);
    if (creationmode == 1 && canvas.point(prevcellx1 + 1, prevcelly1 + 1) == cursorcolor)
        paintprevcellbox(passagecolor);
}

Form57::WalkAt Form57::walkmodechecks() {
    if (programmode == -6) return WalkAt::LeaveNow;
    if (editedpattern != 0) {
        editpat();
        walkerreach.stale = true;
        patterncarvedsides = 0;
        if (programmode == -6) return WalkAt::LeaveNow;
    }
    if (creationmode != lastcreationmode) paintprevcellbox(passagecolor);
    if (programmode == 0 || programmode == 2) return WalkAt::Leave;
    return WalkAt::Next;
}

}  // namespace tarnwick
