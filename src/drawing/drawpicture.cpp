#include "core/geometry.h"
#include "files/example_pictures.h"
#include "shell/form57.h"
#include "shell/shell_values.h"

namespace tarnwick {

// The drawing stage's worker. Keys and commands only change fields; every pass
// here paints what changed since the last painting step as one stroke.
void Form57::drawpicture() {
    // The first pass paints the cursor in the pen, into the drawing while drawing
    // is on, unless the picture under it is no longer the one it painted on.
    lastpaintpen = picturereplaced == 1 ? static_cast<long>(pencolor) : 0;
    // "Click to Begin" is the only way in with loadexample set: the example it
    // chose is pending until this stage ends or the user replaces the drawing.
    if (loadexample == 1) examplepending = 1;
    for (;;) {
        drawingloopstartmenus();
        drawingpasses();
        if (programmode != 1) return;  // -6: back to the title at once

        const bool exampleshown = examplepending == 1;
        if (exampleshown) {
            drawingstageendmenus();
            if (exampledrawing >= 1 && exampledrawing <= 4) {
                canvas.setBackPicture(builtinPicture(static_cast<int>(exampledrawing)));
                picturereplaced = 1;
            }
        }
        examplepending = 0;
        if (loadexample != 1) return;
        loadexample = 0;
        // A drawing the user made since "Click to Begin" is not replaced by the example's settings.
        if (!exampleshown) return;
        makefirstdemo();
        examplepending = 0;
        // The stage starts again on the example, whose settings may name another maze kind.
        if (mazekind >= 0 && mazekind <= 2) ui.setWindowCaption(drawingcaption(mazekind));
    }
}

bool Form57::drawingeventrun(bool waitForOne) {
    commandtaken = 0;
    if (waitForOne) waitEvents();
    else doEvents();
    return programmode != 1 && programmode != -6;
}

void Form57::drawingpasses() {
    // Only an event changes what a pass paints: once a whole pass has run without
    // one, the end of the next quiet pass sleeps until one comes. The first pass
    // never counts as quiet: its stroke may paint over the cursor's outline, which
    // only the pass after it shows again.
    std::uint64_t eventsAtLastPass = eventsdelivered;
    for (bool firstPass = true;; firstPass = false) {
        const bool lastPassQuiet = !firstPass && eventsdelivered == eventsAtLastPass;
        eventsAtLastPass = eventsdelivered;
        drawingpassmenus();
        rememberpen();
        cursorspanx = cellx2 - cellx1;
        cursorspany = celly2 - celly1;
        passstartpen = pencolor;
        if (!drawingeventrun()) return;

        drawingpassaftermenus();
        repairpen();
        captionclassboxes();
        colorclasstables();
        if (!updatelattice()) return;

        recordmoves = 0;
        if (editedpattern != 0) {
            editpat();
            if (programmode == -6) return;
        }

        canvas.setScreenOnly(true);
        canvas.box(cellx1, celly1, cellx2, celly2, cursoroutlinecolour);
        if (nodrawing != 1) canvas.setScreenOnly(false);
        paintstroke();
        finishpaintingstep();

        if (programmode == 1) return;
        const bool passQuiet = eventsdelivered == eventsAtLastPass;
        if (!drawingeventrun(lastPassQuiet && passQuiet)) return;
    }
}

void Form57::finishpaintingstep() {
    gridchanged = 0;
    canvas.setScreenOnly(true);
    lastpaintpen = pencolor;
    setPreviousCell(*this, currentCell(*this));
    oldmirrorx1 = mirrorx1;
    oldmirrory1 = mirrory1;
    oldmirrorx2 = mirrorx2;
    oldmirrory2 = mirrory2;
}

}  // namespace tarnwick
