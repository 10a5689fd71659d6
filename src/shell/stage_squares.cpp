#include <array>

#include "core/colours.h"
#include "shell/form57.h"
#include "shell/shell_values.h"

namespace tarnwick {

namespace {

// A square colour must never be an open or a passage colour (the solver would
// take the drawing for path); the finish must also differ from the start.
bool squareColourAccepted(const State& s, long colour, long differentFrom, bool checkOther) {
    return !isPassageColour(s, colour) && !isOpenColour(s, colour) && !isMarker(colour) &&
           !(checkOther && colour == differentFrom);
}

// When no border colour fits (every palette colour open, say), the square still
// must not be a passage colour: take the first palette colour that is none and,
// for the finish, is not the start colour; else any such number.
long lastResortSquareColour(const State& s, long differentFrom, bool checkOther) {
    for (int k = 1; k <= 16; ++k) {
        const long c = s.palette[static_cast<std::size_t>(k)];
        if (!isPassageColour(s, c) && !(checkOther && c == differentFrom)) return c;
    }
    long c = 1;
    while (isPassageColour(s, c) || (checkOther && c == differentFrom)) ++c;
    return c;
}

long usableSquareColour(const State& s, long colour, long differentFrom, bool checkOther) {
    if (!isPassageColour(s, colour) && !isOpenColour(s, colour)) return colour;
    for (int k = 1; k <= 16; ++k) {
        const long entry = s.bordercolors[static_cast<std::size_t>(k)];
        if (squareColourAccepted(s, entry, differentFrom, checkOther)) return entry;
    }
    return lastResortSquareColour(s, differentFrom, checkOther);
}

// Squares are held one off the palette while placing and solving.
long shiftedOffPalette(const State& s, long colour) {
    for (int k = 1; k <= 16; ++k)
        if (colour == s.palette[static_cast<std::size_t>(k)]) return k <= 12 ? colour + 1 : colour - 1;
    return colour;
}

long backOnPalette(const State& s, long colour) {
    for (int k = 1; k <= 12; ++k)
        if (colour == s.palette[static_cast<std::size_t>(k)] + 1) return colour - 1;
    for (int k = 13; k <= 16; ++k)
        if (colour == s.palette[static_cast<std::size_t>(k)] - 1) return colour + 1;
    return colour;
}

}  // namespace

void Form57::mazeentrysquarecolors() {
    startcolor = usableSquareColour(*this, startcolor, 0, false);
    finishcolor = usableSquareColour(*this, finishcolor, startcolor, true);
}

bool Form57::onmaze(long colour) const { return isPassageColour(*this, colour) || colour == cursorcolor; }

void Form57::repairsquarecorner(Num& x1, Num& y1, bool mirrored) {
    // In a 3d-maze a square that fell into an underpass usually has a maze cell
    // right beside it; the start tries them from the top-left, the finish from the bottom-right.
    const long w = wallsizex;
    static constexpr std::array<std::array<int, 2>, 8> finishOrder{
        {{1, 1}, {1, 0}, {1, -1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}}};
    const long ox = x1, oy = y1;
    for (std::size_t i = 0; i < finishOrder.size(); ++i) {
        const int sign = mirrored ? -1 : 1;
        x1 = ox + sign * finishOrder[i][0] * w;
        y1 = oy + sign * finishOrder[i][1] * wallsizey;
        if (i < finishOrder.size() - 1 && onmaze(canvas.point(x1, y1))) return;
    }
}

void Form57::repairfinish() {
    if (onmaze(canvas.point(finishx1, finishy1))) return;
    if (mazekind == 2) repairsquarecorner(finishx1, finishy1, false);
    finishx2 = finishx1 + wallsizex - 3;
    finishy2 = finishy1 + wallsizey - 3;
    if (onmaze(canvas.point(finishx1, finishy1))) return;
    const bool headUsable = creationmode == -1 && !(cellx1 == startx1 && celly1 == starty1);
    if (headUsable) {
        finishx1 = cellx1, finishy1 = celly1, finishx2 = cellx2, finishy2 = celly2;
    } else {
        finishx1 = fallbackx1, finishy1 = fallbacky1, finishx2 = fallbackx2, finishy2 = fallbacky2;
    }
    if (onmaze(canvas.point(finishx1, finishy1)) && !(finishx1 == startx1 && finishy1 == starty1)) return;
    const long w = wallsizex;
    const long h = wallsizey;
    long cx = 0, cy = 0;
    const bool found = bottomrightsearch(
        [&](long x, long y) {
            if (x + 1 == startx1 && y + 1 == starty1) return false;
            const long screen = canvas.point(x + w - 2, y + h - 2);
            if (!onmaze(screen) && !isOpenColour(*this, screen)) return false;
            return boxall(x + 1, y + 1, x + w - 3, y + h - 3, [&](long c) { return onmaze(c); });
        },
        cx, cy);
    if (found) {
        finishx1 = cx + 1, finishy1 = cy + 1, finishx2 = cx + w - 2, finishy2 = cy + h - 2;
        return;
    }
    // The maze has no cell but the start's. A fallback never recorded would leave
    // the finish a single pixel in the corner that no walk reaches; on the start's
    // own cell it is a whole box on the maze, and a solve ends where it begins.
    finishx1 = startx1, finishy1 = starty1, finishx2 = startx2, finishy2 = starty2;
}

void Form57::repairstart() {
    if (onmaze(canvas.point(startx1, starty1))) return;
    if (mazekind == 2) repairsquarecorner(startx1, starty1, true);
    startx2 = startx1 + wallsizex - 3;
    starty2 = starty1 + wallsizey - 3;
    if (onmaze(canvas.point(startx1, starty1))) return;
    startx1 = homex1, starty1 = homey1, startx2 = homex2, starty2 = homey2;
}

void Form57::placingentrysquares() {
    if (mazeprogress != 3) {
        repairfinish();
        repairstart();
    }
    mixcolors();
    canvas.fillBox(cellx1, celly1, cellx2, celly2, passagecolor);
    const long underStart = canvas.point(startx1, starty1);
    if (underStart != startcolor && isPassageColour(*this, underStart)) startsample = startunder = underStart;
    const long underFinish = canvas.point(finishx1, finishy1);
    if (underFinish != finishcolor && isPassageColour(*this, underFinish)) finishsample = finishunder = underFinish;
}

void Form57::restorekeptsquarecolors() {
    if (colorskept != 1) return;
    startcolor = keptstartcolor;
    finishcolor = keptfinishcolor;
}

void Form57::shiftsquarecolors() {
    startcolor = shiftedOffPalette(*this, startcolor);
    finishcolor = shiftedOffPalette(*this, finishcolor);
}

void Form57::unshiftsquarecolors() {
    startcolor = backOnPalette(*this, startcolor);
    finishcolor = backOnPalette(*this, finishcolor);
}

void Form57::solvestage() {
    canvas.fillBox(startx1, starty1, startx2, starty2, startcolor);
    canvas.fillBox(finishx1, finishy1, finishx2, finishy2, finishcolor);
    underpasslock = 0;
    cellx1 = startx1, celly1 = starty1, cellx2 = startx2, celly2 = starty2;
    prevcellx1 = cellx1, prevcelly1 = celly1, prevcellx2 = cellx2, prevcelly2 = celly2;
    probex = cellx1 + 1;
    probey = celly1;
    stepx = 1;
    stepy = 0;
    keptstartcolor = startcolor;
    keptfinishcolor = finishcolor;
    colorskept = 1;
    solveentrymenus();
    savesnapshot(snapshot::placedmaze);
    pathlength = 0;
    bestpathlength = 0;
    solveendpointoption = endpointoption;
    minimized = 0;
    const bool settled = endpointoption == 0 || finishfound == 1;
    const bool computerWalks = ui.menu("playmodeoff").checked;
    ui.setWindowCaption(stagecaption(!settled        ? "-(searching for finish)"
                                     : computerWalks ? "-(computer is solving maze)"
                                                     : "-(user is solving maze)"));
    solveplaymode = playoption;

    solvingmaze();

    if (mazeprogress != 4) mazeprogress = 3;
    ui.setEnabled("srndpatterns", true);
    unshiftsquarecolors();
    if (programmode == 2) {
        if (isPassageColour(*this, startunder)) canvas.fillBox(startx1, starty1, startx2, starty2, startunder);
        if (isPassageColour(*this, finishunder)) canvas.fillBox(finishx1, finishy1, finishx2, finishy2, finishunder);
    }
}

}  // namespace tarnwick
