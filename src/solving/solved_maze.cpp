#include "core/colours.h"
#include "shell/form57.h"
#include "shell/shell_values.h"

namespace tarnwick {

void Form57::solvedmaze() {
    previouscellopensides();
    if (testcount == 0) closedcelllines(true);
    const bool computerSolved = ui.menu("playmodeoff").checked;
    ui.setWindowCaption(stagecaption(computerSolved ? "-(computer has solved maze)" : "-(user has solved maze)"));
    windowbackfromsolve();
    if (playoption != 0 && notrail == 1) canvas.fillBox(prevcellx1, prevcelly1, prevcellx2, prevcelly2, passagecolor);
    lastsegmentx = prevcellx1 != cellx1 ? centrex(prevcellx1) : centrex(cellx1);
    lastsegmenty = prevcelly1 != celly1 ? centrey(prevcelly1) : centrey(celly1);
    if ((playoption == 0 || notrail == 0) && testcount != 0)
        canvas.fillBox(lastsegmentx, lastsegmenty, centrex(cellx1), centrey(celly1), startcolor);
    canvas.fillBox(startx1, starty1, startx2, starty2, startcolor);
    programmode = 4;
}

// The walk is over: the window the solve minimized comes back, in front.
void Form57::windowbackfromsolve() {
    if (autominimizeon == 1) ui.setWindowState(WindowState::Maximized);
    ui.requestFocus();
    ui.bringToFront();
}

// The finish search is over: wipe the trail stubs that still leave the start
// cell and take the start square away. The gap is read on the box's first row or
// column, which no trail crosses (at wall size 5 the second one is the trail's).
void Form57::endsolution() {
    const long w = wallsizex, cx = centrex(startx1), cy = centrey(starty1);
    const auto side = [&](long gx, long gy, bool trailOk, long tox, long toy) {
        const long gap = canvas.point(gx, gy);
        if (!isPassageColour(*this, gap) || !trailOk) return;
        canvas.fillBox(cx, cy, tox, toy, gap);
    };
    side(startx1 - 1, starty1, canvas.point(startx1 - 3, cy) == startcolor, cx - w, cy);
    side(startx1 + w - 1, starty1, canvas.point(startx1 + w + 2, cy) == startcolor, cx + w, cy);
    side(startx1, starty1 - 1, canvas.point(cx, starty1 - 3) == startcolor, cx, cy - wallsizey);
    side(startx1, starty1 + wallsizey - 1, true, cx, cy + wallsizey);
    canvas.fillBox(startx1, starty1, startx2, starty2, startunder);
}

}  // namespace tarnwick
