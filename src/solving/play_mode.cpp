#include "core/colours.h"
#include "shell/form57.h"
#include "shell/shell_values.h"

namespace tarnwick {

// Play or "Leave trail" switched during the walk, acted on once the finish is
// settled: with the trail switched off (or play switched on without it) the
// trail goes and the player stays, shown as a box; with the trail switched on
// the player starts again from the start square, where its new trail begins.
void Form57::playtrailchanges() {
    if (!finishsettled()) return;
    const bool trailtoggled = notrail != lastnotrail && playoption != 0;
    const bool onwithouttrail = notrail == 1 && playoption != 0 && lastplaymode == 0;
    if (!trailtoggled && !onwithouttrail) return;
    if (notrail == lastnotrail || notrail == 0) canvas.fillBox(cellx1, celly1, cellx2, celly2, passagecolor);
    if (notrail == 1) {
        placedmazeagain();
        const long under = canvas.point(cellx1, celly1);
        if (under != startcolor && under != finishcolor) startsample = under;
        canvas.fillBox(startx1, starty1, startx2, starty2, passagecolor);
    }
    if (notrail == 0) {
        // The probe first: a 3d start inside an underpass may set it its own way.
        probex = startx1 + 1;
        probey = starty1;
        stepx = 1;
        playerbacktostart();
    }
}

void Form57::playerbacktostart() {
    underpasslock = 0;
    if (mazekind == 2) firstnoxy();
    cellx1 = startx1, celly1 = starty1, cellx2 = startx2, celly2 = starty2;
    prevcellx1 = cellx1, prevcelly1 = celly1, prevcellx2 = cellx2, prevcelly2 = celly2;
}

// The player, once its key moves have run: the hard rule, then (without trail)
// the box that shows it, the cell it left given its own colour back.
void Form57::playerpass() {
    if (playoption == 2 && cellx1 == markx && celly1 == marky) {
        // Straight back onto the cell the last move started from: start again.
        placedmazeagain();
        playerbacktostart();
        markx = -1;
        marky = -1;
    }
    if (notrail != 0 || notrail != lastnotrail) {
        if (cellx1 != prevcellx1 || celly1 != prevcelly1) {
            if (isPassageColour(*this, startsample)) passagecolor = startsample;
            const long under = canvas.point(cellx1, celly1);
            if (under != startcolor && under != finishcolor) startsample = under;
            canvas.fillBox(prevcellx1, prevcelly1, prevcellx2, prevcelly2, passagecolor);
        }
        canvas.fillBox(cellx1, celly1, cellx2, celly2, startcolor);
        passagecolor = walkercellcolor;
    }
    // A blocked push lives for the one pass in which the crossings read it.
    probex = 0;
    probey = 0;
}

// The computer walks again: a player box left on the screen layer goes, and
// the start square shows in its colour.
void Form57::playswitchedoff() {
    canvas.clearScreenLayer();
    canvas.fillBox(startx1, starty1, startx2, starty2, startcolor);
}

// "Reset all maze settings" switches play off without putting the walker in
// place: its probe is still where play keeps it, off the cell, and the wall
// follower would lead it off the maze for ever. Before its first step it sets
// off as "(0)-off" sets it, from the start when the player kept no trail;
// after "(0)-off" itself nothing changes here.
void Form57::computerwalkerinplace() {
    if (playoption != 0 || solveplaymode == 0 || !finishsettled()) return;
    if (probex == cellx1 + 1 && probey == celly1 && stepx == 1 && stepy == 0) return;
    if (lastnotrail == 1) playerbacktostart();
    probex = cellx1 + 1;
    probey = celly1;
    stepx = 1;
    stepy = 0;
    ui.setWindowCaption(stagecaption("-(computer is solving maze)"));
}

}  // namespace tarnwick
