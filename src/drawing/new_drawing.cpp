#include <string>

#include "core/geometry.h"
#include "shell/form57.h"
#include "shell/menu_names.h"
#include "shell/shell_values.h"

namespace tarnwick {

void Form57::rmazes_Click() { startnewdrawing(0); }
void Form57::mazes3d_Click() { startnewdrawing(1); }
void Form57::mazes3d1_Click() { startnewdrawing(2); }

// A blank drawing of one maze kind at the current wall size.
void Form57::startnewdrawing(long kind) {
    canvas.removeBackPicture();
    ui.setWindowCaption(drawingcaption(kind));
    mazekind = kind;
    menus::offerIf(ui, kind != 0, {"mazemode1"});
    menus::offerIf(ui, kind == 1, {"lthick"});
    fillblankdrawing();

    const long w = wallsizex;
    setCurrentCell(*this, drawingCell(w, w, w, w));
    gridstepx = kind == 1 ? 2 * w : w;
    gridstepy = kind == 1 ? 2 * w : w;
    setPreviousCell(*this, currentCell(*this));
    startx1 = starty1 = startx2 = starty2 = 0;
    finishx1 = finishy1 = finishx2 = finishy2 = 0;
    creationmode = -1;
    pencolor = canvas.backColour();
    symmetrymode = 0;
    nodrawing = 0;
    gridchanged = 1;
    cursorspanx = cellx2 - cellx1;
    cursorspany = celly2 - celly1;
    picturedrawing = 0;
    examplepending = 0;  // the user's blank drawing is not replaced by an example's picture
    if (kind != 0) {
        savedrawingsnapshots();
    }
}

// The whole surface in the window's colour, into the drawing; painting goes back to the screen layer.
void Form57::fillblankdrawing() {
    canvas.setScreenOnly(false);
    canvas.fillBox(0, 0, canvas.width() - 1, canvas.height() - 1, canvas.backColour());
    canvas.setScreenOnly(true);
}

void Form57::drawingon_Click() { nodrawing = 0; }
void Form57::drawingoff_Click() { nodrawing = 1; }
void Form57::turnsoff_Click() { symmetrymode = 0; }
void Form57::horizontal_Click() { symmetrymode = 1; }
void Form57::vertical_Click() { symmetrymode = 2; }
void Form57::way4_Click() { symmetrymode = 3; }

void Form57::backtodrawing_Click() {
    programmode = 0;
    ui.setEnabled("nrefresh", false);
}

}  // namespace tarnwick
