// "Create ... inside drawing", "New maze ", "New maze and refresh picture" and
// "Go back to Maze".
#include "core/colours.h"
#include "core/geometry.h"
#include "shell/form57.h"
#include "shell/shell_values.h"

namespace tarnwick {

void Form57::playrestore() {
    if (programmode >= 3 && playoption != 0 && notrail == 1 &&
        (programmode == 4 || finishfound == 1 || endpointoption == 0))
        canvas.setScreenOnly(false);
}

// While the computer walks the maze to find the finish, the user's finish comes back.
void Form57::userfinishback() {
    if (programmode != 3 || endpointoption == 0 || finishfound != 0) return;
    const long c = canvas.point(userfinishx1, userfinishy1);
    if (!isPassageColour(*this, c) && !isOpenColour(*this, c)) return;
    finishx1 = userfinishx1;
    finishy1 = userfinishy1;
    finishx2 = userfinishx2;
    finishy2 = userfinishy2;
}

void Form57::scanreset() {
    scanx = wallsizex + 1 - gridstepx;
    scany = wallsizey + 1 - gridstepy;
    sweepmissedcell = false;
}

// The random identical patterns of a command: the generator takes the window and
// the lattice for a while; the command's own mode and lattice come back.
void Form57::commandrandompatterns() {
    const long mode = programmode;
    keptwallsizex = wallsizex;
    keptgridstepx = gridstepx;
    makerandomidenticalpatterns();
    programmode = mode;
    randompatternmode = 5;
    wallsizex = keptwallsizex;
    wallsizey = keptwallsizex;
    gridstepx = keptgridstepx;
    gridstepy = keptgridstepx;
}

void Form57::cleanrestart() {
    if (programmode == 0) return;
    paintsnapshot(snapshot::cleandrawing);
    underpasslock = 0;
    cellx1 = startx1, celly1 = starty1, cellx2 = startx2, celly2 = starty2;
    homex1 = startx1, homey1 = starty1, homex2 = startx2, homey2 = starty2;
    walkerreach.stale = true;
}

void Form57::cursorbox() {
    if (programmode == 0 || creationmode != -1 || panelopen != 0) return;
    cursorcolor = palette[1] + 3;
    paintcellbox(cursorcolor);
}

void Form57::createreg_Click() { createmaze(0); }
void Form57::create3d_Click() { createmaze(2); }
void Form57::create3dpipe_Click() { createmaze(1); }

void Form57::createmaze(long kind) {
    if (commandtaken != 0) return;
    commandtaken = 1;
    static constexpr const char* items[3] = {"createreg", "create3dpipe", "create3d"};
    if (ui.menu(items[kind]).checked) return;
    playrestore();
    userfinishback();
    ui.setEnabled("nrefresh", false);
    shortunderpassesfromticks(kind);
    patternchoice = 0;
    direction = 0;
    auto tickKind = [this, kind] {
        for (long k = 0; k < 3; ++k) ui.setChecked(items[k], k == kind);
    };
    if (kind != 1) {
        if (kind == 0 && endpointoption != 0) {
            endpointoption = 1;
            ui.setChecked("largestsolution", true);
            for (const char* item : {"userplace", "includeunderpasses", "mostunderpasses"}) ui.setChecked(item, false);
        }
        ui.setWindowCaption(makingcaption(kind));
        if (mazekind == 1) {
            gridchanged = 1;
            pipestartx1 = startx1, pipestarty1 = starty1, pipestartx2 = startx2, pipestarty2 = starty2;
            pipefinishx1 = finishx1, pipefinishy1 = finishy1, pipefinishx2 = finishx2, pipefinishy2 = finishy2;
        }
        mazekind = kind;
        tickKind();
        gridstepy = wallsizey;
        gridstepx = wallsizex;
    } else {
        if (pipestartx1 != 0) {
            startx1 = pipestartx1, starty1 = pipestarty1, startx2 = pipestartx2, starty2 = pipestarty2;
            homex1 = startx1, homey1 = starty1, homex2 = startx2, homey2 = starty2;
            finishx1 = pipefinishx1, finishy1 = pipefinishy1, finishx2 = pipefinishx2, finishy2 = pipefinishy2;
        }
        gridstepx = 2 * wallsizex;
        gridstepy = 2 * wallsizey;
        lastcolumnx = wallsizex;
        while (lastcolumnx + gridstepx <= canvas.width() - gridstepx) lastcolumnx += gridstepx;
        lastrowy = wallsizey;
        while (lastrowy + gridstepy <= canvas.height() - gridstepy) lastrowy += gridstepy;
        ui.setWindowCaption(makingcaption(kind));
        if (mazekind != 1) {
            cellx1 = wallsizex, celly1 = wallsizey, cellx2 = 2 * wallsizex - 1, celly2 = 2 * wallsizey - 1;
            gridchanged = 1;
        }
        mazekind = 1;
        tickKind();
    }
    scanreset();
    if (randompatternmode == 5) commandrandompatterns();
    scanreset();
    cleanrestart();
    // Another kind may need more room than the maze being made had.
    if (programmode == 1 && !homewithroom()) return;
    savesnapshot(snapshot::basepicture);
    cursorbox();
    programmode = 1;
}

void Form57::newmaze_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    scanreset();
    userfinishback();
    fallbackrecorded = 0;
    direction = 0;
    patternchoice = 0;
    if (!ui.menu("nrefresh").enabled) shortunderpassesfromticks(mazekind);
    if (randompatternmode == 5 && programmode == 1) commandrandompatterns();
    scanreset();
    if (programmode == 1) {
        paintsnapshot(snapshot::basepicture);
        cellx1 = homex1, celly1 = homey1, cellx2 = homex2, celly2 = homey2;
        walkerreach.stale = true;
        cursorbox();
    }
    programmode = 1;
    if (ui.menu("nrefresh").enabled) {
        fallbackx1 = savedfallbackx1, fallbacky1 = savedfallbacky1;
        fallbackx2 = savedfallbackx2, fallbacky2 = savedfallbacky2;
        fallbackrecorded = 1;
        carvemode = -1;
    }
}

void Form57::nrefresh_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    scanreset();
    userfinishback();
    playrestore();
    fallbackrecorded = 0;
    direction = 0;
    patternchoice = 0;
    shortunderpassesfromticks(mazekind);
    if (randompatternmode == 5 && programmode == 1) commandrandompatterns();
    scanreset();
    mazemerged = 0;
    cleanrestart();
    savesnapshot(snapshot::basepicture);
    cursorbox();
    programmode = 1;
    ui.setEnabled("nrefresh", false);
}

void Form57::backtomaze_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    keepunderpasslength = 1;
    userfinishback();
    keeprandompatterns = 1;
    keeppicture = 1;
    playrestore();
    paintsnapshot(snapshot::finishedmaze);
    mazeprogress = programmode;
    programmode = 1;
    resumemaze = 1;
    carvemode = -1;
    fallbackrecorded = 1;
}

}  // namespace tarnwick
