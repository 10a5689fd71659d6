#include <cstdint>

#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

// The placing stage: the key handler moves the squares' fields, and each pass
// erases a moved square with the colour that was under it and paints it anew.
void Form57::placesandf() {
    placingentry();
    for (bool firstpass = true;; firstpass = false) {
        if (placingpass(firstpass)) return;
        if (programmode == -6 || programmode == 0 || programmode == 1 || programmode == 3) return;
    }
}

void Form57::placingentry() {
    if (saveuserfinish == 1) {
        userfinishx1 = finishx1, userfinishy1 = finishy1, userfinishx2 = finishx2, userfinishy2 = finishy2;
    }
    saveuserfinish = 0;
    ui.setEnabled("rfinish", true);
    canvas.setScreenOnly(false);
    prevcellx1 = startx1, prevcelly1 = starty1, prevcellx2 = startx2, prevcelly2 = starty2;
    oldfinishx1 = finishx1, oldfinishy1 = finishy1, oldfinishx2 = finishx2;
    oldfinishy2 = static_cast<std::int16_t>(finishy2);
}

bool Form57::placingpass(bool firstpass) {
    placingpassmenus();
    bool painted = false;
    if (panelopen != 1) {
        const bool startmoved = prevcellx1 != startx1 || prevcelly1 != starty1;
        const bool finishmoved = oldfinishx1 != finishx1 || oldfinishy1 != finishy1;
        if (startmoved) {
            canvas.fillBox(prevcellx1, prevcelly1, prevcellx2, prevcelly2, startunder);
            if (isPassageColour(*this, startsample)) startunder = startsample;
        }
        if (finishmoved) {
            canvas.fillBox(oldfinishx1, oldfinishy1, oldfinishx2, oldfinishy2, finishunder);
            if (isPassageColour(*this, finishsample)) finishunder = finishsample;
        }
        startsample = canvas.point(startx1, starty1);
        finishsample = canvas.point(finishx1, finishy1);
        const bool repaint = startmoved || finishmoved || firstpass;
        if (repaint || startcolorchanged == 1) {
            canvas.fillBox(startx1, starty1, startx2, starty2, startcolor);
            painted = true;
        }
        const bool finishshown = endpointoption == 0 || finishfound != 0;
        if (finishshown && (repaint || finishcolorchanged == 1)) {
            canvas.fillBox(finishx1, finishy1, finishx2, finishy2, finishcolor);
            userfinishx1 = finishx1, userfinishy1 = finishy1, userfinishx2 = finishx2, userfinishy2 = finishy2;
            painted = true;
        }
        if (endpointoption != 0 && finishfound != 0 && savedplaymode != 0) playoption = savedplaymode;
        if (!finishshown) {
            // The computer is to find the finish: hide it where the walker cannot reach it.
            if (finishmoved) canvas.fillBox(finishx1, finishy1, finishx2, finishy2, finishsample);
            finishx1 = finishy1 = finishx2 = finishy2 = -100;
            programmode = 3;
            return true;
        }
        if (printmode != 0) {
            if (placingprintstep()) return true;
            painted = true;
        }
        prevcellx1 = startx1, prevcelly1 = starty1, prevcellx2 = startx2, prevcelly2 = starty2;
        oldfinishx1 = finishx1, oldfinishy1 = finishy1, oldfinishx2 = finishx2;
        oldfinishy2 = static_cast<std::int16_t>(finishy2);
    }
    printupkeepcountzero();
    finishcolorchanged = 0;
    startcolorchanged = 0;
    commandtaken = 0;
    // Nothing changes here but through an event: a pass that painted nothing waits for one.
    if (painted) doEvents();
    else waitEvents();
    return false;
}

bool Form57::placingprintstep() {
    canvas.fillBox(startx1, starty1, startx2, starty2, startcolor);
    canvas.fillBox(finishx1, finishy1, finishx2, finishy2, finishcolor);
    userfinishx1 = finishx1, userfinishy1 = finishy1, userfinishx2 = finishx2, userfinishy2 = finishy2;
    printwindowpage();
    if (printmode == 1) {
        answerpagedue = 1;
        programmode = 3;
        return true;
    }
    if (printmode == 2) {
        programmode = 1;
        if (mazesprinted < mazestoprint) ++mazesprinted;
    }
    return false;
}

}  // namespace tarnwick
