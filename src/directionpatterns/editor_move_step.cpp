// One step of the pattern editor's cursor: the decoding of the direction code,
// the trap test and the 3d moves (makeunderpasses), then the completion that
// makes the 2-d move, records the code and paints the path.
#include "core/geometry.h"
#include "core/trap_geometry.h"
#include "directionpatterns/editor_colours.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::decodedirection() {
    stepx = 0;
    stepy = 0;
    switch (direction) {
        case 1: stepx = -wallsizex; break;
        case 2: stepx = wallsizex; break;
        case 3: stepy = -wallsizey; break;
        case 4: stepy = wallsizey; break;
        case 5: carvemode = -1; break;
        default: break;
    }
}

void Form57::livemovestep(bool editor) {
    decodedirection();
    makeunderpasses();
    livecompletion(editor);
}

void Form57::replaymovestep() {
    decodedirection();
    makeunderpasses();
    replaycompletion();
}

void Form57::makeunderpasses() {
    editortraptest();
    const EditorColours colour(*this);
    if (mazekind == 1 && carvemode == -1 && canvas.point(cellx1 + 2 * stepx, celly1 + 2 * stepy) == colour.navy)
        carvemode = 1;
    if (mazekind == 1 || mazekind == 2) editor3dmove();
}

// A carving cursor with all four sides closed is closed itself and travels on.
void Form57::editortraptest() {
    if (carvemode != 1) return;
    const EditorColours colour(*this);
    auto at = [this](Pixel p) { return canvas.point(p.x, p.y); };
    const long w = wallsizex;
    testcount = 0;
    for (int side = 0; side < 4; ++side) {
        const TrapSide s = trapSide(side, currentCell(*this), w, w);
        bool blocked = colour.blocked(at(s.corner)) || colour.blocked(at(s.far)) || colour.blocked(at(s.near)) ||
                       colour.blocked(at(s.flankA)) || colour.blocked(at(s.flankB));
        if (!blocked && mazekind == 2) {
            auto closedPath = [&](const TrapDiagonal& d) {
                return colour.path(at(d.test)) && !colour.path(at(d.sideA)) && !colour.path(at(d.sideB));
            };
            blocked = closedPath(s.first) || closedPath(s.second);
        }
        if (blocked) ++testcount;
    }
    if (testcount > 3) {
        canvas.fillBox(cellx1, celly1, cellx2, celly2, colour.black);
        carvemode = -1;
        if (editorlive == 1) files.writeLine(1, {5L});
    }
}

void Form57::editor3dmove() {
    const EditorColours colour(*this);
    auto point = [this](long k) { return canvas.point(cellx1 + k * stepx, celly1 + k * stepy); };
    testcount = 0;
    moveallowed = 1;
    underpasstry = 1;
    const long p2 = point(2), p1 = point(1);
    const long far = p2 == colour.white ? 1 : p2 == colour.navy ? 0 : mazekind == 2 ? 0 : 3;
    const long near = p1 == colour.white ? 1 : p1 == colour.navy ? 0 : 3;
    crossingkind = 0;
    if (mazekind == 2) editorcrossingprecheck();
    if (far == 0 && near == 0 && crossingkind != 1) {
        carvemode = 1;
        randomsteps = randomsteps + 1;
        setCurrentCell(*this, offsetCell(currentCell(*this), stepx, stepy));
        if (mazekind == 1) setCurrentCell(*this, offsetCell(currentCell(*this), stepx, stepy));
        canvas.fillBox(cellx1, celly1, prevcellx2, prevcelly2, colour.white);
        underpasstry = 0;
        moveallowed = 0;
    }
    crossingkind = 0;
    if (colour.path(point(2))) crossingkind = 2;
    if (mazekind == 2 && colour.path(point(1))) crossingkind = 1;
    if (moveallowed == 1 && carvemode == -1 && (crossingkind == 1 || crossingkind == 2)) {
        const long steps = mazekind == 1 || crossingkind == 2 ? 2 : 1;
        setCurrentCell(*this, offsetCell(currentCell(*this), steps * stepx, steps * stepy));
        underpasstry = 0;
    }
    crossingkind = 0;
    testcount = 0;
    if (carvemode == 1 && far == 1 && near == 0 && underpasstry != 0) editorunderpass();
    if (underpasstry != 0 && moveallowed == 0 && stuckflag != 1) {
        stuckflag = 1;
        stucktries = 0;
        markx = cellx1;
        marky = celly1;
    }
}

// A path cell beside the cell ahead, closed along the move, would be taken for
// an underpass; so would one beside a travelling cursor's own closed cell.
void Form57::editorcrossingprecheck() {
    const EditorColours colour(*this);
    auto pt = [this](long x, long y) { return canvas.point(x, y); };
    const long x1 = cellx1, y1 = celly1, x2 = cellx2, y2 = celly2, w = wallsizex, sx = stepx, sy = stepy;
    const bool travelling = carvemode == -1;
    // Q is path and every pixel of `others` differs from it.
    auto closedBeside = [&](long qx, long qy, std::initializer_list<Pixel> others) {
        const long q = pt(qx, qy);
        if (!colour.path(q)) return false;
        for (const Pixel p : others)
            if (pt(p.x, p.y) == q) return false;
        return true;
    };
    // Q is path and its two gap pixels along the move are alike and differ from it.
    auto closedAlong = [&](long qx, long qy, Pixel g1, Pixel g2) {
        const long q = pt(qx, qy), a = pt(g1.x, g1.y);
        return colour.path(q) && a == pt(g2.x, g2.y) && a != q;
    };
    bool veto = false;
    if (direction == 1 || direction == 2) {
        veto |= travelling && closedBeside(x1, y2 + w, {{x1 - 1, y1}, {x2 + 1, y1}, {x1, y2 + 1}});
        veto |= travelling && closedBeside(x1, y1 - w, {{x1 - 1, y1}, {x2 + 1, y1}, {x1, y1 - 1}});
        veto |= closedAlong(x1 + sx, y1 - w, {x1 + sx - 1, y1 - w}, {x2 + sx + 1, y1 - w});
        veto |= closedAlong(x1 + sx, y2 + w, {x1 + sx - 1, y2 + w}, {x2 + sx + 1, y2 + w});
    } else if (direction == 3 || direction == 4) {
        veto |= travelling && closedBeside(x2 + w, y1, {{x1, y1 - 1}, {x1, y2 + 1}, {x2 + 1, y1}});
        veto |= travelling && closedBeside(x1 - w, y1, {{x1, y1 - 1}, {x1, y2 + 1}, {x1 - 1, y1}});
        veto |= closedAlong(x1 - w, y1 + sy, {x1 - w, y1 + sy - 1}, {x1 - w, y2 + sy + 1});
        veto |= closedAlong(x2 + w, y1 + sy, {x2 + w, y1 + sy - 1}, {x2 + w, y2 + sy + 1});
    }
    if (veto) crossingkind = 1;
}

void Form57::livecompletion(bool editor) {
    const EditorColours colour(*this);
    if (mazekind == 0) {
        const long t = canvas.point(cellx1 + stepx, celly1 + stepy);
        if (t == colour.navy) carvemode = 1;
        if (t == colour.navy || (t == colour.white && carvemode == -1)) {
            setCurrentCell(*this, offsetCell(currentCell(*this), stepx, stepy));
            if (carvemode == 1) randomsteps = randomsteps + 1;
        }
    }
    const bool moved = cellx1 != prevcellx1 || celly1 != prevcelly1;
    if (direction == 5 || moved) files.writeLine(1, {direction});
    if (moved) canvas.fillBox(prevcellx1, prevcelly1, prevcellx2, prevcelly2, colour.white);
    if (panelopen == 0 && moved && (canvas.point(cellx1, celly1) == colour.navy || carvemode == 1))
        spanBox(canvas, currentCell(*this), previousCell(*this), colour.white);
    if (panelopen == 0) canvas.fillBox(cellx1, celly1, cellx2, celly2, colour.black);
    if (editor) canvas.setScreenOnly(panelopen != 0);
}

// A replayed code is shown as stored: a 2-d code moves the cursor whatever lies there.
void Form57::replaycompletion() {
    const EditorColours colour(*this);
    if (mazekind == 0) {
        if (canvas.point(cellx1, celly1) == colour.navy) carvemode = 1;
        setCurrentCell(*this, offsetCell(currentCell(*this), stepx, stepy));
    }
    if (canvas.point(cellx1, celly1) == colour.navy || carvemode == 1)
        spanBox(canvas, currentCell(*this), previousCell(*this), colour.white);
}

// After a refused underpass the next passes try the codes 1 to 5 on the same cell.
void Form57::stuckrecovery() {
    if (stuckflag != 1) return;
    if (panelopen == 0) stucktries = stucktries + 1;
    if (stucktries > 5 || cellx1 != markx || celly1 != marky) stuckflag = 0;
    if (stucktries > 5) {
        carvemode = -1;
        files.writeLine(1, {5L});
    }
    if (stuckflag != 0) direction = stucktries;
}

}  // namespace tarnwick
