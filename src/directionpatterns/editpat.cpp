// The pattern editor: the user draws one direction pattern with the arrow keys
// on a navy field of 5-pixel cells; every accepted move is appended to the
// pattern file, and the stage that called the editor gets its window back.
#include <algorithm>
#include <optional>
#include <vector>

#include "core/geometry.h"
#include "core/pattern_copies.h"
#include "directionpatterns/editor_colours.h"
#include "directionpatterns/pattern_files.h"
#include "shell/form57.h"
#include "shell/menu_names.h"
#include "shell/shell_values.h"

namespace tarnwick {

void Form57::editpatterns_Click() { editpatternitem(1); }
void Form57::rightpattern_Click() { editpatternitem(2); }
void Form57::uppattern_Click() { editpatternitem(3); }
void Form57::downpattern_Click() { editpatternitem(4); }

void Form57::editpatternitem(long pattern) {
    if (commandtaken != 0) return;
    ui.setWindowState(WindowState::Maximized);
    commandtaken = 1;
    patternmenumode = programmode;
    if (editedpattern == 0) savedautoredraw = canvas.screenOnly() ? 0 : 1;
    editedpattern = pattern;
    paused = 1;
    patterneditoropensteps();
}

void Form57::exitpattern_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    menus::set(ui, menus::Op::Enable, menus::mazepictureitems);
    menus::set(ui, menus::Op::Enable, menus::createitems);
    editorpaintbackdrop();
    patternmenumode = -10;
    programmode = editorreturnmode;
    editedpattern = 0;
    if (!ui.control("Text5").visible && !ui.control("Text6").visible) exitpatternrestore();
}

// The canvas keeps what a smaller window hides. The editor reaches it by widening
// the surface for a moment, between two event runs, so that the field it painted
// before the window shrank never comes back when the window grows again.
template <class Fn>
static void onwidenedcanvas(Canvas& canvas, int width, int height, Fn&& paint) {
    const int shownwidth = canvas.width(), shownheight = canvas.height();
    canvas.resize(std::max(shownwidth, width), std::max(shownheight, height));
    paint();
    canvas.resize(shownwidth, shownheight);
}

// The backdrop goes into the persistent image whatever the drawing target is:
// it holds the drawing or the maze that the stage goes on with.
void Form57::editorpaintbackdrop() {
    const std::optional<Picture> backdrop = loadwrittenpicture(snapshot::editorbackdrop);
    if (!backdrop) return;
    const bool screenOnly = canvas.screenOnly();
    canvas.setScreenOnly(false);
    onwidenedcanvas(canvas, backdrop->width, backdrop->height, [&] { canvas.paintPicture(*backdrop, 0, 0); });
    canvas.setScreenOnly(screenOnly);
}

// The editor paints only the surface it has: the area a growing window uncovers
// still shows the stage, and joins the backdrop before the field is laid out
// again, so that leaving gives it back as well.
void Form57::editorwidenbackdrop() {
    const std::optional<Picture> before = loadwrittenpicture(snapshot::editorbackdrop);
    if (!before) return;
    Picture joined;
    onwidenedcanvas(canvas, before->width, before->height, [&] { joined = canvas.image(); });
    for (int y = 0; y < before->height; ++y)
        for (int x = 0; x < before->width; ++x) joined.at(x, y) = before->at(x, y);
    savepicturefile(joined, snapshot::editorbackdrop);
}

void Form57::fillunfinished() {
    if (randomfill == 0) return;
    randomfill = 0;
    maxrandomsize = savedmaxrandomsize;
}

void Form57::editpat() {
    editorentry();
    int fieldwidth = 0, fieldheight = 0;
    for (;;) {
        // A surface that changed under a running fill gets the field laid out
        // again, and the replay redraws steps the fill has counted already.
        const bool laidoutagain = randomfill != 0 && programmode == -1 &&
                                  (canvas.width() != fieldwidth || canvas.height() != fieldheight);
        const long filledsteps = randomsteps;
        if (!editorsetup(false)) return;
        fieldwidth = canvas.width(), fieldheight = canvas.height();
        openpatternforreplay();
        editorreplay();
        if (laidoutagain) randomsteps = filledsteps;
        if (editorlivepasses()) {
            editorleave();
            return;
        }
        if (programmode != -2 && (editedpattern == 0 || programmode == -6)) return;
    }
}

void Form57::editorentry() {
    savesnapshot(snapshot::editorbackdrop);
    randomgmoves = 0;
    randomfill = 0;
    patternsreplaced = 0;
    patcarvemode = carvemode;
    editorreturnmode = programmode;
    savePatternCopies(*this);
}

bool Form57::editorsetup(bool randomrun) {
    recordmoves = 0;
    if (editedpattern == 0) return false;
    canvas.setScreenOnly(false);
    if (!randomrun) ui.setEnabled("keyspattern", true);
    patdifficultylevel = difficultylevel;
    if (!randomrun) ui.setWindowCaption(editorcaption(mazekind));
    files.close(1);
    files.close(2);
    if (!randomrun) editorstartmenus();
    programmode = -1;

    const EditorColours colour(*this);
    const long outerw = std::max<long>(canvas.width(), static_cast<long>(ui.window().width / 15));
    const long outerh = std::max<long>(canvas.height(), static_cast<long>(ui.window().height / 15));
    canvas.fillBox(-10, -10, outerw + 10, outerh + 10, colour.yellow);

    wallsizex = 5;
    wallsizey = 5;
    gridstepx = wallsizex;
    gridstepy = wallsizey;
    if (mazekind == 1) {
        gridstepx = 2 * gridstepx;
        gridstepy = 2 * gridstepy;
    }
    if (!randomrun) commandtaken = 0;
    lastcolumnx = lastLatticePoint(wallsizex, gridstepx, canvas.width());
    gridcols = latticeCount(wallsizex, gridstepx, lastcolumnx);
    centerx = gridstepx * ((gridcols - 1) / 2) - wallsizex;
    lastrowy = lastLatticePoint(wallsizey, gridstepy, canvas.height());
    gridrows = latticeCount(wallsizey, gridstepy, lastrowy);
    centery = gridstepy * ((gridrows - 1) / 2) - wallsizey;

    if (mazekind == 1)
        canvas.fillBox(centerx - 24 * gridstepx, centery - 24 * gridstepy, centerx + 25 * gridstepx - wallsizex,
                       centery + 25 * gridstepy - wallsizey, colour.navy);
    else
        canvas.fillBox(centerx - 50 * wallsizex, centery - 50 * wallsizey, centerx + 50 * wallsizex + gridstepx,
                       centery + 50 * wallsizey + gridstepy, colour.navy);

    cellx1 = centerx + 1;
    celly1 = centery + 1;
    cellx2 = cellx1 + wallsizex - 2;
    celly2 = celly1 + wallsizey - 2;
    return true;
}

void Form57::openpatternforreplay() {
    files.close(1);
    files.close(2);
    files.open(1, patternfilename(mazekind, editedpattern), FileMode::Input);
    files.open(2, patterncopyname(mazekind, editedpattern), FileMode::Output);
}

// The stored moves are kept in memory as they are replayed: the pattern file is
// re-created from them, so a copy that cannot be written loses nothing.
void Form57::editorreplay() {
    std::vector<FileValue> stored;
    for (;;) {
        editorlive = 0;
        // A value is kept as it was read (2.5 stays 2.5), though it plays as the move it reads as.
        const ReadValue entry = files.read(1);
        patternentry = patternValue(entry);
        direction = patternentry;
        if (direction == movesend) break;
        stored.push_back(keptValue(entry));
        files.writeLine(2, {stored.back()});
        setPreviousCell(*this, currentCell(*this));
        replaymovestep();
    }
    files.writeLine(2, {movesend, sectionend});
    files.close(1);
    files.close(2);
    const std::string name = patternfilename(mazekind, editedpattern);
    bool written = files.open(1, name, FileMode::Output);
    for (const FileValue& value : stored) written = files.writeLine(1, {value}) && written;
    written = files.close(1) && written;
    if (!written) reportfilefailure(name);
    // The recording adds to the file: the moves take its name when the editor
    // leaves or starts over, and the file is replaced whole, as every file is.
    files.open(1, name, FileMode::Append);
    files.open(2, patterncopyname(mazekind, editedpattern), FileMode::Input);
    editorlive = 1;
}

// One live pass after another; true when "Exit pattern editor" asks to leave
// with restore, false for a restart or a way out without restore.
bool Form57::editorlivepasses() {
    // The edit items maximize the window; the surface may grow only after the
    // set-up. The field is then laid out again around the new centre, and the
    // moves recorded so far come back with the replay.
    const int width = canvas.width(), height = canvas.height();
    std::uint64_t eventsAtLastPass = eventsdelivered;
    bool lastPassQuiet = false;
    for (;;) {
        recordmoves = 1;
        setPreviousCell(*this, currentCell(*this));
        direction = 0;
        lasteditedpattern = editedpattern;
        commandtaken = 0;
        // Nothing moves without a key or a command unless a fill or the stuck
        // tries are running: then a quiet editor sleeps until an event comes.
        if (lastPassQuiet && randomfill == 0 && stuckflag != 1) waitEvents();
        else doEvents();
        lastPassQuiet = eventsdelivered == eventsAtLastPass;
        eventsAtLastPass = eventsdelivered;

        if (patternsreplaced == 1) {
            editedpattern = 0;
            files.close(1);
            fillunfinished();
            return false;
        }
        if (programmode == -6) {
            fillunfinished();
            return false;
        }
        if (randomfill != 0 && randomstoprule()) {
            randomfill = 0;
            maxrandomsize = savedmaxrandomsize;
        }
        if (programmode == -2) return false;
        if (programmode == -1 && (canvas.width() != width || canvas.height() != height)) {
            editorwidenbackdrop();
            return false;
        }
        if (editedpattern != 0 && editedpattern != lasteditedpattern) {
            files.writeLine(1, {movesend, sectionend});
            return false;
        }
        if (randomfill != 0) randomdraw();
        if (stuckflag == 1) stuckrecovery();
        if (programmode == 0 || programmode == 1) return true;
        livemovestep(true);
    }
}

void Form57::editorleave() {
    files.writeLine(1, {movesend, sectionend});
    files.close(1);
    files.close(2);
    fillunfinished();
    canvas.setScreenOnly(savedautoredraw == 0);
    ui.setEnabled("keyspattern", false);
    difficultylevel = patdifficultylevel;
    restorePatternCopies(*this);
    editorpaintbackdrop();
    ui.setWindowCaption(programmode == 0 ? drawingcaption(mazekind) : makingcaption(mazekind));
    editorendmenus();
    if (patternstate != 3) {
        patternstate = 0;
        patternchoice = 0;
    }
    carvemode = patcarvemode;
}

}  // namespace tarnwick
