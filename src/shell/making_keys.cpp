// The key tables of the pattern editor, of maze making and of placing start and finish.
#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

enum Key { keyLeft = 37, keyUp = 38, keyRight = 39, keyDownArrow = 40, keyG = 71, keyI = 73, keyJ = 74, keyK = 75,
           keyL = 76, keyM = 77, keyN = 78, keyX = 88, keyZ = 90 };

// The direction code of an arrow key, 0 for any other key.
long arrowDirection(int keyCode) {
    switch (keyCode) {
        case keyLeft: return 1;
        case keyUp: return 3;
        case keyRight: return 2;
        case keyDownArrow: return 4;
        default: return 0;
    }
}

}  // namespace

void Form57::patterneditorkeys(int keyCode) {
    if (const long d = arrowDirection(keyCode)) {
        direction = d;
    } else if (keyCode == keyG && carvemode == 1) {
        direction = 5;
        carvemode = -1;
    }
}

void Form57::makingkeys(int keyCode) {
    if (const long d = arrowDirection(keyCode)) {
        if (creationmode == -1 && patternstate == 0) patternchoice = d;
        if (creationmode == -1 && patternstate == 3) direction = d;
    } else if (keyCode == keyG) {
        carvemode = -1;
    } else if (keyCode == keyJ) {
        creationmode = -creationmode;
        if (creationmode == -1 && passagesides() >= 2) carvemode = -1;
        creationmodeticks();
    }
}

namespace {

// One square on the move: its box, its sample field, and the other square's colour.
struct SquareMove {
    Num &x1, &y1, &x2, &y2;
    long& sample;
    long otherColour;
    long otherX1, otherY1;
};

}  // namespace

// A square moves onto the neighbouring maze cell, or hops over the cell between.
static void moveSquare(Form57& f, SquareMove q, long dx, long dy) {
    const long g = dx != 0 ? f.gridstepx : f.gridstepy;
    const long w = dx != 0 ? f.wallsizex : f.wallsizey;
    const Canvas& c = f.canvas;
    auto shift = [&](long by) {
        q.x1 += dx * by, q.x2 += dx * by;
        q.y1 += dy * by, q.y2 += dy * by;
    };
    // Up tests from the bottom edge, the other moves from the top-left corner.
    const long testY = dy < 0 ? q.y2 - g : q.y1 + dy * g;
    const long test = c.point(q.x1 + dx * g, testY);
    if (isPassageColour(f, test)) {
        q.sample = c.point(q.x1 + dx * g, q.y1 + dy * g);
        shift(g);
        return;
    }
    if (f.mazekind == 0 || f.mazekind == 2) {
        const long hopY = dy < 0 ? q.y2 - 2 * w : q.y1 + dy * 2 * w;
        const long hop = c.point(q.x1 + dx * 2 * w, hopY);
        if (isPassageColour(f, hop)) {
            q.sample = hop;
            shift(2 * w);
        }
        return;
    }
    if (f.mazekind == 1) {
        const long nx = q.x1 + dx * g, ny = q.y1 + dy * g;
        if (c.point(nx, ny) != q.otherColour || q.otherX1 != nx || q.otherY1 != ny) return;
        const long beyond = c.point(q.x1 + dx * 2 * g, q.y1 + dy * 2 * g);
        if (isPassageColour(f, beyond)) {
            q.sample = beyond;
            shift(2 * g);
        }
    }
}

// The walk of a square colour over the border colours, skipping those that are
// open or passage colours or markers; the colour is held shifted off the palette.
static void walkSquareColour(Form57& f, Num& colour, long& changed, int dir) {
    changed = 1;
    f.tempcolor = colour;
    long c = colour;
    long base = c;
    for (int k = 1; k <= 12; ++k)
        if (c == f.palette[k] + 1) { base = c - 1; break; }
    if (base == c)
        for (int k = 13; k <= 16; ++k)
            if (c == f.palette[k] - 1) { base = c + 1; break; }
    const int first = dir > 0 ? 1 : 16, last = dir > 0 ? 15 : 2, end = dir > 0 ? 16 : 1;
    for (int walked = 0; walked < 16; ++walked) {  // each round moves one entry on
        int k = 0;
        for (int i = first; dir > 0 ? i <= last : i >= last; i += dir)
            if (f.bordercolors[i] == base) { k = i; break; }
        if (k == 0) break;
        const int j = k + dir;
        base = f.bordercolors[j];
        c = j <= 12 ? base + 1 : base - 1;
        const bool unusable = isPassageColour(f, base) || isOpenColour(f, base);
        if (j == end && (unusable || (c >= 299 && c <= 400))) {
            c = f.tempcolor;
            break;
        }
        if (!unusable && (c < 299 || c > 401)) break;
    }
    colour = c;
}

void Form57::placingkeys(int keyCode) {
    SquareMove finish{finishx1, finishy1, finishx2, finishy2, finishsample, startcolor, startx1, starty1};
    SquareMove start{startx1, starty1, startx2, starty2, startsample, finishcolor, finishx1, finishy1};
    switch (keyCode) {
        case keyLeft: moveSquare(*this, finish, -1, 0); break;
        case keyRight: moveSquare(*this, finish, 1, 0); break;
        case keyUp: moveSquare(*this, finish, 0, -1); break;
        case keyDownArrow: moveSquare(*this, finish, 0, 1); break;
        case keyJ: moveSquare(*this, start, -1, 0); break;
        case keyL: moveSquare(*this, start, 1, 0); break;
        case keyI: moveSquare(*this, start, 0, -1); break;
        case keyK: moveSquare(*this, start, 0, 1); break;
        case keyX: walkSquareColour(*this, startcolor, startcolorchanged, 1); break;
        case keyZ: walkSquareColour(*this, startcolor, startcolorchanged, -1); break;
        case keyM: walkSquareColour(*this, finishcolor, finishcolorchanged, 1); break;
        case keyN: walkSquareColour(*this, finishcolor, finishcolorchanged, -1); break;
        default: break;
    }
}

}  // namespace tarnwick
