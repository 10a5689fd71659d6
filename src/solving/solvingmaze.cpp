#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

// The solve stage: one pixel of the computer's wall follower per pass (or the
// player's key moves), the trail drawn and wiped behind it, until the finish is
// reached or a command leaves the stage.
void Form57::solvingmaze() {
    solverunstart();
    while (!solverpass()) {
    }
}

void Form57::solverunstart() {
    trailunder.clear();
    pathunderpasses = 0;
    bestunderpasses = 0;
    startpasses = 0;
    markx = -1;
    marky = -1;
    ui.setEnabled("srndpatterns", false);
    underpasslock = 0;
    if (mazekind == 2) firstnoxy();
    thisa47();
    finishsearchstart();
    solvewatching = false;
}

bool Form57::solverpass() {
    playtrailchanges();
    lastplaymode = playoption;
    if (panelopen == 0 && autominimizeon == 1 && playoption == 0 && minimized == 0) {
        ui.setWindowState(WindowState::Minimized);
        minimized = 1;
    }
    if (notrail != 0 && playoption != 0) canvas.setScreenOnly(true);
    if ((notrail == 0 || playoption == 0) && panelopen != 1) canvas.setScreenOnly(false);
    solverupkeepmenus();
    if (endpointoption != solveendpointoption) {
        endpointchanged();
        return true;
    }
    solveendpointoption = endpointoption;
    if (finishsearchpass()) return true;
    if (cellx1 == finishx1 && celly1 == finishy1 && finishsettled()) {
        finishreached();
        return true;
    }
    if (solvewalkrepeats()) {
        solvewalkstopped();
        return true;
    }
    previouscellopensides();
    tempcolor = startcolor;
    if (notrail == 0 || playoption == 0) {
        solutiontrail();
        finishsearchcandidate();
    }
    if (playoption != 0) playerpass();
    if (playoption == 0 && playoption != solveplaymode) playswitchedoff();
    solveplaymode = playoption;
    lastnotrail = notrail;
    const bool moved = cellx1 != prevcellx1 || celly1 != prevcelly1;
    if (moved) markx = prevcellx1, marky = prevcelly1;
    prevcellx1 = cellx1, prevcelly1 = celly1, prevcellx2 = cellx2, prevcelly2 = celly2;
    startsquareupkeep();
    commandtaken = 0;
    // The computer walks on by itself; a player who did not move waits for a key.
    if (playoption != 0 && !moved) waitEvents();
    else doEvents();
    return solverpassend();
}

void Form57::solverupkeepmenus() {
    const MenuUpkeep<2>::Inputs inputs{mazekind, difficultylevel};
    if (!solvermenuupkeep.due(ui, inputs)) return;
    solvingpassmenus();
    solvermenuupkeep.applied(ui, inputs);
}

bool Form57::solverpassend() {
    walkercellupkeep();
    panelopen = 0;
    const bool leaving = programmode == -6 || programmode == 0 || programmode == 1 || programmode == 2;
    if (endpointoption != 0 && finishfound == 0 && leaving) playoption = savedplaymode;
    mazeprogress = 3;
    if (programmode == -6) return true;
    if (programmode == 2) restoreplacingcolors();
    if (leaving) return true;
    computerwalkerinplace();
    if (playoption == 0) wallfollowerstep();
    crossunderpasses();
    return false;
}

// The walker stands on the start square, or a wipe went back into it: keep it whole.
void Form57::startsquareupkeep() {
    if (canvas.point(cellx1, celly1) == startcolor)
        canvas.fillBox(startx1, starty1, startx2, starty2, startcolor);
    if (cellx1 == startx1 && celly1 == starty1 && canvas.point(centrex(cellx1), centrey(celly1)) != startcolor)
        canvas.fillBox(startx1, starty1, startx2, starty2, startcolor);
    // A walker coming back through an underpass that ends at the start must find
    // the start's centre in the trail colour, or it counts the way back as one
    // more underpass: whatever painted over the centre, the square is made whole.
    if (canvas.point(centrex(startx1), centrey(starty1)) != startcolor)
        canvas.fillBox(startx1, starty1, startx2, starty2, startcolor);
}

// A player without trail: the colour under its cell, before the player box covers it.
void Form57::walkercellupkeep() {
    const long under = canvas.point(cellx1, celly1);
    if (notrail == 1 && finishsettled() && isPassageColour(*this, under)) walkercellcolor = under;
}

void Form57::restoreplacingcolors() {
    startsample = savedstartsample;
    finishsample = savedfinishsample;
    startunder = savedstartunder;
    finishunder = savedfinishunder;
}

// The walk is watched only while nothing but its own steps moves it: a player's
// move, or the walker put in place, starts the watch afresh.
bool Form57::solvewalkrepeats() {
    if (playoption != 0 || !finishsettled()) {
        solvewatching = false;
        return false;
    }
    const WalkerState now = walkerstate();
    if (!solvewatching) solvewatch.restart(now);
    solvewatching = true;
    return solvewatch.repeats(now);
}

// The walk that can never reach the finish: back to placing on the clean maze,
// where the squares can be moved.
void Form57::solvewalkstopped() {
    placedmazeagain();
    programmode = 2;
    restoreplacingcolors();
    windowbackfromsolve();  // the box must not open in a minimized window
    platform.messageBox("Solving stopped: the walk from the start goes round without reaching the finish.");
}

// A new end-point option abandons the walk: back to placing on the clean maze.
void Form57::endpointchanged() {
    placedmazeagain();
    programmode = 2;
    if (endpointoption == 0) {
        finishx1 = userfinishx1, finishy1 = userfinishy1, finishx2 = userfinishx2, finishy2 = userfinishy2;
        const long under = canvas.point(finishx1, finishy1);
        if (isPassageColour(*this, under)) finishsample = finishunder = under;
        playoption = savedplaymode;
    } else {
        finishfound = 0;
    }
    // In a picture of several passage colours the walker's colour may belong elsewhere.
    long erase = passagecolor;
    if (isPassageColour(*this, finishunder)) erase = finishunder;
    canvas.fillBox(finishx1, finishy1, finishx2, finishy2, erase);
}

void Form57::finishreached() {
    if (cellx1 != prevcellx1 || celly1 != prevcelly1)
        canvas.fillBox(finishx1, finishy1, finishx2, finishy2, finishcolor);
    finishfound = 0;
    solvedmaze();
    if (notrail == 0 || playoption == 0) {
        // The trail goes on from the finish's centre to the side it came in by.
        const long cx = centrex(cellx1), cy = centrey(celly1);
        const long e = 1 - shortunderpasses;
        if (prevcellx1 > cellx1) canvas.fillBox(cx, cy, cellx2 + e, cy, startcolor);
        if (prevcellx1 < cellx1) canvas.fillBox(cx, cy, cellx1 - e, cy, startcolor);
        if (prevcelly1 > celly1) canvas.fillBox(cx, cy, cx, celly2 + e, startcolor);
        if (prevcelly1 < celly1) canvas.fillBox(cx, cy, cx, celly1 - e, startcolor);
    }
    if (answerpage()) return;
    while (!solvedwaitstep()) {
    }
}

// The solved maze stays until a command leaves it; nothing moves meanwhile.
bool Form57::solvedwaitstep() {
    if (canvas.point(prevcellx1, prevcelly1) == startcolor)
        canvas.fillBox(startx1, starty1, startx2, starty2, startcolor);
    commandtaken = 0;
    waitEvents();
    walkercellupkeep();
    panelopen = 0;
    if (programmode == 2) restoreplacingcolors();
    if (programmode == -6) return true;
    mazeprogress = 3;
    return programmode == 0 || programmode == 1 || programmode == 2;
}

}  // namespace tarnwick
