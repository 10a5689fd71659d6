#include "shell/form57.h"

namespace tarnwick {

// "Make current maze part of every maze": the maze as carved so far becomes the
// base picture that every further maze starts from.
void Form57::mpdrawing_Click() {
    if (commandtaken != 0) return;
    nrefreshallowed = 1;
    commandtaken = 1;
    const bool screenonly = canvas.screenOnly();
    if (paused == 1) canvas.setScreenOnly(false);
    mazemerged = 1;
    // The head of the walk (or the user's cursor cell) is saved as a plain passage cell.
    canvas.fillBox(cellx1, celly1, cellx2, celly2, passagecolor);
    savesnapshot(snapshot::basepicture);
    if (paused != 1) ui.setEnabled("nrefresh", true);
    if (creationmode == -1) canvas.fillBox(cellx1, celly1, cellx2, celly2, cursorcolor);
    if (paused == 1) canvas.setScreenOnly(screenonly);
    savedfallbackx1 = fallbackx1;
    savedfallbacky1 = fallbacky1;
    savedfallbackx2 = fallbackx2;
    savedfallbacky2 = static_cast<short>(fallbacky2);
}

}  // namespace tarnwick
