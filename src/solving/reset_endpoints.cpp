#include <cstdint>

#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

// "Reset end-points": the start on the first carved lattice cell, the finish on
// the last one from the bottom-right. In the drawing stage and while solving it
// only clears the squares' fields.
void Form57::rfinish_Click() {
    if (commandtaken != 0) return;
    ui.setWindowState(WindowState::Maximized);
    commandtaken = 1;
    const bool screenOnly = canvas.screenOnly();
    canvas.setScreenOnly(false);
    stopmaking = 0;

    resetlatticecolumns();
    resetlatticerows();
    if (programmode == 2) {
        canvas.fillBox(startx1, starty1, startx2, starty2, startunder);
        canvas.fillBox(finishx1, finishy1, finishx2, finishy2, finishunder);
    }
    startx1 = starty1 = startx2 = starty2 = -1;
    finishx1 = finishy1 = finishx2 = finishy2 = -1;
    if (programmode == 1 || programmode == 2) {
        resetstartsearch();
        resetfinishsearch();
    }
    if (programmode == 2) {
        oldfinishx1 = finishx1, oldfinishy1 = finishy1, oldfinishx2 = finishx2;
        oldfinishy2 = static_cast<std::int16_t>(finishy2);
        prevcellx1 = startx1, prevcelly1 = starty1, prevcellx2 = startx2, prevcelly2 = starty2;
    }
    if (programmode >= 2) {
        const long underStart = canvas.point(startx1 + 1, starty1 + 1);
        if (onmaze(underStart)) startunder = underStart;
        const long underFinish = canvas.point(finishx1 + 1, finishy1 + 1);
        if (onmaze(underFinish)) finishunder = underFinish;
        canvas.fillBox(startx1, starty1, startx2, starty2, startcolor);
        canvas.fillBox(finishx1, finishy1, finishx2, finishy2, finishcolor);
        userfinishx1 = finishx1, userfinishy1 = finishy1, userfinishx2 = finishx2, userfinishy2 = finishy2;
    }
    if (programmode == 1 && cellx1 == finishx1 && celly1 == finishy1) resetmakingheadonfinish();
    canvas.setScreenOnly(screenOnly);
}

// The window may have changed size: the lattice columns, the centre and the
// mirror box follow the drawing surface.
void Form57::resetlatticecolumns() {
    const long width = canvas.width();
    if (width == areawidth && gridchanged != 1) return;
    lastcolumnx = wallsizex;
    gridcols = 1;
    commandtaken = 0;
    while (gridstepx > 0) {
        if (cellx1 == lastcolumnx) centerx = gridcols;
        if (lastcolumnx + gridstepx > width - gridstepx) break;
        ++gridcols;
        lastcolumnx += gridstepx;
    }
    mirrorx1 = lastcolumnx - centerx * gridstepx + wallsizex - cursorspanx - 1;
    if (mazekind == 1) mirrorx1 += gridstepx;
    mirrorx2 = mirrorx1 + cursorspanx;
    centerx = (gridcols - 1) / 2 * gridstepx - wallsizex;
}

void Form57::resetlatticerows() {
    const long height = canvas.height();
    if (height != areaheight || gridchanged == 1) {
        lastrowy = wallsizey;
        gridrows = 1;
        while (gridstepy > 0) {
            if (celly1 == lastrowy) centery = gridrows;
            if (lastrowy + gridstepy > height - gridstepy) break;
            ++gridrows;
            lastrowy += gridstepy;
        }
        if (wallsizey == 5) lastrowy += gridstepy;
        mirrory1 = lastrowy - centery * gridstepy + wallsizey - cursorspany - 1;
        if (mazekind == 1) mirrory1 += gridstepy;
        mirrory2 = mirrory1 + cursorspany;
        centery = (gridrows - 1) / 2 * gridstepy - wallsizey;
    }
    // The searches run over the rows of the surface as it is now.
    lastrowy = wallsizey;
    gridrows = 1;
    while (gridstepy > 0 && lastrowy + gridstepy <= height - gridstepy) {
        ++gridrows;
        lastrowy += gridstepy;
    }
}

void Form57::resetstartsearch() {
    const bool found = latticeraster([&](long x, long y) {
        if (!onmaze(canvas.point(x + 1, y + 1))) return false;
        if (!boxall(x + 1, y + 1, x + wallsizex - 3, y + wallsizey - 3, [&](long c) { return onmaze(c); }))
            return false;
        startx1 = x + 1, starty1 = y + 1;
        startx2 = startx1 + wallsizex - 3, starty2 = starty1 + wallsizey - 3;
        homex1 = startx1, homey1 = starty1, homex2 = startx2, homey2 = starty2;
        return true;
    });
    if (!found) startx1 = starty1 = startx2 = starty2 = -10;
}

void Form57::resetfinishsearch() {
    long x = 0, y = 0;
    const bool found = bottomrightsearch(
        [&](long cx, long cy) { return resetfinishcandidate(cx + wallsizex - 1, cy + wallsizey - 1); }, x, y);
    const long x2 = x + wallsizex - 1, y2 = y + wallsizey - 1;
    if (found) {
        finishx2 = x2 - 1, finishy2 = y2 - 1;
        finishx1 = finishx2 - wallsizex + 3, finishy1 = finishy2 - wallsizey + 3;
    } else {
        finishx2 = x2, finishy2 = y2;
    }
}

// A candidate named by its right and bottom pixel edges. While the maze is being
// made the finish may go on any cell of the maze area, carved or not.
bool Form57::resetfinishcandidate(long x2, long y2) {
    const auto mazearea = [&](long c) { return onmaze(c) || isOpenColour(*this, c); };
    if (!mazearea(canvas.point(x2 - 1, y2 - 1))) return false;
    if (programmode == 1) return boxall(x2 - wallsizex + 1, y2 - wallsizey + 1, x2, y2, mazearea);
    return boxall(x2 - wallsizex + 2, y2 - wallsizey + 2, x2 - 2, y2 - 2, [&](long c) { return onmaze(c); });
}

// The carving head stands on the new finish: open it, and either end making
// (when the maze is only made until both squares are reached) or send the head home.
void Form57::resetmakingheadonfinish() {
    if (carvemode == 1) {
        canvas.fillBox(prevcellx1, prevcelly1, cellx2, celly2, passagecolor);
        canvas.fillBox(cellx1, celly1, prevcellx2, prevcelly2, passagecolor);
    }
    mixcolors();
    canvas.fillBox(cellx1, celly1, cellx2, celly2, passagecolor);
    if (filloption == 1 && isPassageColour(*this, canvas.point(startx1, starty1)) &&
        isPassageColour(*this, canvas.point(finishx1, finishy1))) {
        canvas.fillBox(prevcellx1, prevcelly1, prevcellx2, prevcelly2, passagecolor);
        programmode = 2;
        stopmaking = 1;
        return;
    }
    cellx1 = homex1, celly1 = homey1, cellx2 = homex2, celly2 = homey2;
    carvemode = -1;
}

}  // namespace tarnwick
