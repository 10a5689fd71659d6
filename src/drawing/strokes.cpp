#include "core/colours.h"
#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

// One stroke covers every change of the cursor and the pen since the last painting
// step; the mirror images follow the mirror rectangle the same way. Cursor moves at
// right angles (right and up, left and down) give a two-pixel cross, not a rectangle.
void Form57::paintstroke() {
    if (gridchanged == 1) return;
    const CellRect now = currentCell(*this);
    const CellRect before = previousCell(*this);
    if (now == before && pencolor == lastpaintpen) return;
    // The pen repair found no usable colour: painting would put a passage colour or
    // a marker into the drawing.
    if (!isUsableColour(*this, pencolor)) return;
    picturereplaced = 0;  // the cursor has painted on the picture as it is now

    spanBox(canvas, before, now, pencolor);
    const CellRect mirror{mirrorx1, mirrory1, mirrorx2, mirrory2};
    const CellRect oldmirror{oldmirrorx1, oldmirrory1, oldmirrorx2, oldmirrory2};
    if (symmetrymode == 1 || symmetrymode == 3)
        spanBox(canvas, {oldmirror.x1, before.y1, oldmirror.x2, before.y2}, {mirror.x1, now.y1, mirror.x2, now.y2},
                pencolor);
    if (symmetrymode == 2 || symmetrymode == 3)
        spanBox(canvas, {before.x1, oldmirror.y1, before.x2, oldmirror.y2}, {now.x1, mirror.y1, now.x2, mirror.y2},
                pencolor);
    if (symmetrymode == 3) spanBox(canvas, oldmirror, mirror, pencolor);
}

}  // namespace tarnwick
