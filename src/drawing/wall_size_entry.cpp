#include "core/geometry.h"
#include "core/number_reader.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {
constexpr const char* entrybox = "wallsizebox";
constexpr const char* prompt = "wallsizelabel";
}  // namespace

void Form57::newwallsize_Click() {
    openwallsizepanel();
    newdrawing = 1;
}

void Form57::changewallsize_Click() { openwallsizepanel(); }

void Form57::openwallsizepanel() {
    panelopensteps();
    ui.setControlText(entrybox, "");
    ui.setControlVisible(entrybox, true);
    ui.setControlEnabled(entrybox, true);
    ui.setControlVisible(prompt, true);
    ui.setControlEnabled(prompt, true);
    ui.setFocus(entrybox);
}

void Form57::closewallsizepanel() {
    ui.setControlText(entrybox, "");
    ui.setControlVisible(entrybox, false);
    ui.setControlVisible(prompt, false);
    ui.setControlEnabled(prompt, false);
    ui.setFocus("");
}

// Enter takes the typed wall size (5 to 50; a fraction is cut off), Escape leaves everything as it was.
void Form57::setwallsize(int keyCode) {
    if (keyCode == 27) {
        paused = 0;
        panelopen = 0;
        panelclosedrestore();
        closewallsizepanel();
        panelopen = 0;
        newdrawing = 0;
        return;
    }
    if (keyCode != 13) return;

    paused = 0;
    panelopen = 0;
    panelclosedrestore();
    programmode = 0;
    if (newdrawing == 1) {
        fillblankdrawing();
        pencolor = canvas.backColour();
        nodrawing = 0;
        symmetrymode = 0;
        picturedrawing = 0;
        newdrawing = 0;
        examplepending = 0;  // the user's blank drawing is not replaced by an example's picture
    }
    if (picturedrawing != 1) {
        canvas.removeBackPicture();
        creationmode = -1;
    }
    const long w = clampToLong(readNumber(ui.control(entrybox).text), 5, 50);
    wallsizex = w;
    wallsizey = w;
    gridstepx = w;
    gridstepy = w;
    if (mazekind == 1) {
        gridstepx = 2 * w;
        gridstepy = 2 * w;
    }
    setCurrentCell(*this, drawingCell(w, w, w, w));
    setPreviousCell(*this, currentCell(*this));
    startx1 = 0;
    starty1 = 0;
    startx2 = -5;
    starty2 = -5;
    finishx1 = 0;
    finishy1 = 0;
    finishx2 = -3;
    finishy2 = -3;
    programmode = 0;
    gridchanged = 1;
    closewallsizepanel();
    cursorspanx = w - 1;
    cursorspany = w - 1;
    savedrawingsnapshots();
}

}  // namespace tarnwick
