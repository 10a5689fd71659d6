// The stage entries of the main loop: what each stage is handed before its
// worker runs, and where the loop goes when the worker returns.
#include "core/colours.h"
#include "core/geometry.h"
#include "shell/form57.h"
#include "shell/shell_values.h"

namespace tarnwick {

using namespace snapshot;

LoopStage Form57::drawingstage() {
    waitwhilepaused();
    // Whatever stage came before, its caption no longer says what the window does.
    if (mazekind >= 0 && mazekind <= 2) ui.setWindowCaption(drawingcaption(mazekind));
    drawingentrymenus();
    files.close(1);
    passagecolor = basepassagecolor;
    mazemerged = 0;
    if (cleandrawingsaved == 1) paintsnapshot(cleandrawing);
    cleandrawingsaved = 0;
    canvas.setScreenOnly(true);
    if (drawnbefore == 0) picturereplaced = 0;  // no cursor kept from before
    if (drawnbefore != 0 && drawcellx1 != drawcellx2 && drawcelly1 != drawcelly2) {
        cellx1 = drawcellx1;
        celly1 = drawcelly1;
        cellx2 = drawcellx2;
        celly2 = drawcelly2;
        pencolor = drawpencolor;
    }
    drawnbefore = 1;
    setPreviousCell(*this, currentCell(*this));

    workers.drawing();

    files.close(1);
    files.close(2);
    patternchoice = 0;
    mazeprogress = 0;
    setExtraOpenColour(*this);
    if (programmode == -6) return LoopStage::Title;
    drawingendmenus();
    // With drawing off the cursor goes into the drawing now, unless the picture
    // was replaced under it.
    if (nodrawing != 0 && picturereplaced == 0) {
        canvas.setScreenOnly(false);
        canvas.fillBox(cellx1, celly1, cellx2, celly2, pencolor);
    } else {
        canvas.setScreenOnly(true);
        canvas.clearScreenLayer();
    }
    canvas.setScreenOnly(true);
    // The command that ended the stage may have come in the event run that changed
    // the wall size or loaded a drawing, before a pass recomputed the lattice: the
    // default squares must be searched on the lattice of the drawing as it is.
    if (gridchanged == 1 || canvas.width() != areawidth || canvas.height() != areaheight) {
        recomputelattice();
        gridchanged = 0;
    }
    defaultsquares();
    canvas.setScreenOnly(false);
    savedrawingsnapshots();
    cleandrawingsaved = 1;
    drawcellx1 = cellx1;
    drawcelly1 = celly1;
    drawcellx2 = cellx2;
    drawcelly2 = celly2;
    drawpencolor = pencolor;
    return LoopStage::Maze;
}

LoopStage Form57::mazestage() {
    waitwhilepaused();
    direction = 0;
    patternchoice = 0;
    makingentrymenus();
    basepassagecolor = passagecolor;
    mazeentrysquarecolors();
    ui.setEnabled("mpdrawing", true);
    if (mazekind >= 0 && mazekind <= 2) ui.setWindowCaption(makingcaption(mazekind));
    minimized = 0;
    makingentrymenus2();
    if (mazesprinted >= mazestoprint) endprintrun();
    programmode = 1;
    canvas.setScreenOnly(false);
    if (resumemaze != 1 && keeppicture == 0) paintsnapshot(basepicture);
    testcount = isPassageColour(*this, canvas.point(startx1, starty1)) ? 1 : 0;
    if (mazemerged != 1 || testcount == 1) {
        homex1 = startx1;
        homey1 = starty1;
        homex2 = startx2;
        homey2 = starty2;
    }
    cellx1 = homex1;
    celly1 = homey1;
    cellx2 = homex2;
    celly2 = homey2;
    if (resumemaze == 1) {
        cellx1 = resumecellx1;
        celly1 = resumecelly1;
        cellx2 = resumecellx2;
        celly2 = resumecelly2;
        carvemode = resumecarvemode;
    }
    setPreviousCell(*this, currentCell(*this));
    if (resumemaze != 1) {
        scanx = wallsizex + 1 - gridstepx;
        scany = wallsizey + 1 - gridstepy;
    }
    resumemaze = 0;
    programmode = 1;

    workers.making();

    mazeprogress = 1;
    if (programmode == -6) return LoopStage::Title;
    if (programmode == 0) return LoopStage::Drawing;
    canvas.fillBox(cellx1, celly1, cellx2, celly2, passagecolor);
    if (canvas.point(prevcellx1 + 1, prevcelly1 + 1) == cursorcolor)
        canvas.fillBox(prevcellx1, prevcelly1, prevcellx2, prevcelly2, passagecolor);
    savesnapshot(finishedmaze);
    resumecellx1 = cellx1;
    resumecelly1 = celly1;
    resumecellx2 = cellx2;
    resumecelly2 = celly2;
    resumecarvemode = carvemode;
    finishfound = 0;
    savedplaymode = 0;
    return LoopStage::Placing;
}

LoopStage Form57::placingstage() {
    waitwhilepaused();
    placingentrymenus();
    placingentrysquares();
    ui.setEnabled("mpdrawing", false);
    ui.setWindowCaption(stagecaption("-(placing start and finish)"));
    if (autominimizeon == 1) ui.setWindowState(WindowState::Maximized);
    ui.requestFocus();
    ui.bringToFront();
    placingentrymenus2();
    restorekeptsquarecolors();
    canvas.setScreenOnly(false);
    if (mazeprogress >= 2 && mazeprogress <= 4) paintsnapshot(placedmaze);
    shiftsquarecolors();

    workers.placing();

    mazeprogress = 2;
    savedstartsample = startsample;
    savedfinishsample = finishsample;
    savedstartunder = startunder;
    savedfinishunder = finishunder;
    if (programmode < 2) unshiftsquarecolors();
    if (programmode == -6) return LoopStage::Title;
    if (programmode == 0) return LoopStage::Drawing;
    if (programmode == 1) return LoopStage::Maze;
    canvas.setScreenOnly(false);
    return LoopStage::Solve;
}

// The solver returns with 0, 1, 2 or -6 only; any other mode goes back to placing
// rather than running the same solve again without a pause.
LoopStage Form57::solvestagehandover() {
    workers.solving();
    switch (programmode) {
        case -6: return LoopStage::Title;
        case 0: return LoopStage::Drawing;
        case 1: return LoopStage::Maze;
        default: return LoopStage::Placing;
    }
}

}  // namespace tarnwick
