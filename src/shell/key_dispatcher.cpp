#include <optional>

#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

// One key per event run: every key that finds the latch free takes it, also a key
// that no table of the current mode holds.
void Form57::Form_KeyDown(int keyCode) {
    if (commandtaken != 0) return;
    if (programmode == -1) {
        patterneditorkeys(keyCode);
    } else if (programmode == 0) {
        drawingkeys(keyCode);
    } else if (programmode == 1) {
        makingkeys(keyCode);
    } else if (programmode == 2) {
        placingkeys(keyCode);
    } else if (programmode == 3) {
        playkeys(keyCode);
    }
    commandtaken = 1;
}

namespace {

enum DrawingKey {
    arrowLeft = 37, arrowUp = 38, arrowRight = 39, arrowDown = 40,
    keyA = 65, keyC = 67, keyD = 68, keyF = 70, keyG = 71, keyH = 72, keyI = 73, keyJ = 74, keyK = 75,
    keyL = 76, keyM = 77, keyN = 78, keyS = 83, keyT = 84, keyW = 87, keyX = 88, keyZ = 90,
    keyComma = 188, keyPeriod = 190, keySlash = 191, keyApostrophe = 222,
};

// Where `colour` stands in a class table, searched from `from` towards `to`.
template <class Table>
std::optional<int> entryOf(const Table& table, long colour, int from, int to) {
    const int dir = from < to ? 1 : -1;
    for (int k = from; k != to + dir; k += dir)
        if (table[k] == colour) return k;
    return std::nullopt;
}

// The first usable entry after entry k, walking by dir to the table's end
// (16 or 1); markers and passage colours are passed over.
template <class Table>
std::optional<long> nextUsable(const State& state, const Table& table, int k, int dir) {
    const int end = dir > 0 ? 16 : 1;
    while (k != end) {
        k += dir;
        if (isUsableColour(state, table[k])) return table[k];
    }
    return std::nullopt;
}

// The colour walk of M, N, X and Z over one table: nothing when the colour is not
// among the searched entries or no usable colour lies ahead.
template <class Table>
std::optional<long> walkTable(const State& state, const Table& table, long colour, int dir) {
    const auto k = dir > 0 ? entryOf(table, colour, 1, 15) : entryOf(table, colour, 16, 2);
    if (!k) return std::nullopt;
    return nextUsable(state, table, *k, dir);
}

// X and Z: the pen walks within its own class (open first); the border table is
// searched only when the pen is in no searched entry of the open table.
void walkPen(Form57& f, int dir) {
    f.tempcolor = f.pencolor;
    const auto inOpen = dir > 0 ? entryOf(f.opencolors, f.pencolor, 1, 15) : entryOf(f.opencolors, f.pencolor, 16, 2);
    const auto colour =
        inOpen ? nextUsable(f, f.opencolors, *inOpen, dir) : walkTable(f, f.bordercolors, f.pencolor, dir);
    if (colour) f.pencolor = *colour;
}

// M and N: a changed window colour clears the window; a walk without result leaves it.
void walkWindowColour(Form57& f, int dir) {
    f.tempcolor = f.canvas.backColour();
    const auto colour = walkTable(f, f.bordercolors, f.canvas.backColour(), dir);
    if (!colour || *colour == f.canvas.backColour()) return;
    f.canvas.removeBackPicture();
    f.canvas.setBackColour(*colour);
}

// Moves the cursor's chosen edges on one axis by d and the mirror's opposite edges the other way.
void shiftX(Form57& f, long d, bool left, bool right) {
    if (left) { f.cellx1 += d; f.mirrorx2 -= d; }
    if (right) { f.cellx2 += d; f.mirrorx1 -= d; }
}

void shiftY(Form57& f, long d, bool top, bool bottom) {
    if (top) { f.celly1 += d; f.mirrory2 -= d; }
    if (bottom) { f.celly2 += d; f.mirrory1 -= d; }
}

// C: the cursor keeps its size; the next pass recomputes the mirror and paints no
// stroke for the jump. Drawing goes to the screen only while events run, so the
// box painted here is no part of the drawing.
void centreJump(Form57& f) {
    if (f.centerx + f.cursorspanx > f.areawidth - f.wallsizex ||
        f.centery + f.cursorspany > f.areaheight - f.wallsizey)
        return;
    f.canvas.fillBox(f.cellx1, f.celly1, f.cellx2, f.celly2, f.pencolor);
    f.cellx1 = f.centerx;
    f.celly1 = f.centery;
    f.cellx2 = f.cellx1 + f.cursorspanx;
    f.celly2 = f.celly1 + f.cursorspany;
    f.gridchanged = 1;
}

}  // namespace

void Form57::drawingkeys(int keyCode) {
    const long g = gridstepx;
    const long h = gridstepy;
    const long wx = wallsizex;
    const long wy = wallsizey;
    const long pipe = mazekind == 1;
    const long dx = cursorspanx + 1 + pipe * wx;  // an arrow moves by the cursor's own extent
    const long dy = cursorspany + 1 + pipe * wy;
    const long right = areawidth - wx;
    const long bottom = areaheight - wy;

    switch (keyCode) {
        case arrowLeft: if (cellx1 - dx > 0) shiftX(*this, -dx, true, true); break;
        case arrowRight: if (cellx2 + dx <= right) shiftX(*this, dx, true, true); break;
        case arrowUp: if (celly1 - dy > 0) shiftY(*this, -dy, true, true); break;
        case arrowDown: if (celly2 + dy <= bottom) shiftY(*this, dy, true, true); break;
        case keyJ: if (cellx1 - g > 0) shiftX(*this, -g, true, true); break;
        case keyL: if (cellx2 + g <= right) shiftX(*this, g, true, true); break;
        case keyI: if (celly1 - h > 0) shiftY(*this, -h, true, true); break;
        case keyK: if (celly2 + h <= bottom) shiftY(*this, h, true, true); break;
        case keyA: if (cellx1 - g > 0) shiftX(*this, -g, true, false); break;
        case keyD: if (cellx2 + g <= right) shiftX(*this, g, false, true); break;
        case keyW: if (celly1 - h > 0) shiftY(*this, -h, true, false); break;
        case keyS: if (celly2 + h <= bottom) shiftY(*this, h, false, true); break;
        case keyH: if (cellx1 + g < cellx2) shiftX(*this, g, true, false); break;
        case keyF: if (cellx2 - g > cellx1) shiftX(*this, -g, false, true); break;
        case keyG: if (celly1 + h < celly2) shiftY(*this, h, true, false); break;
        case keyT: if (celly2 - h > celly1) shiftY(*this, -h, false, true); break;
        case keyC: centreJump(*this); break;
        case keyM: walkWindowColour(*this, 1); break;
        case keyN: walkWindowColour(*this, -1); break;
        case keyX: walkPen(*this, 1); break;
        case keyZ: walkPen(*this, -1); break;
        case keyComma:
            if (isOpenColour(*this, pencolor) && !isPassageColour(*this, pencolor)) {
                openpencolor = pencolor;
                pencolor = borderpencolor;
            }
            break;
        case keyPeriod:
            if (isBorderColour(*this, pencolor) && !isPassageColour(*this, pencolor)) {
                borderpencolor = pencolor;
                pencolor = openpencolor;
            }
            break;
        case keySlash: nodrawing = nodrawing == 1 ? 0 : 1; break;
        case keyApostrophe: passagecolor = pencolor; break;
        default: break;
    }
}

}  // namespace tarnwick
