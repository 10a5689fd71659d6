#include "core/trap_geometry.h"

namespace tarnwick {

TrapSide trapSide(int side, const CellRect& b, long w, long h) {
    const long x1 = b.x1, y1 = b.y1, x2 = b.x2, y2 = b.y2;
    switch (side) {
        case 0:  // left
            return {-1, 0, {x1 - w, y1}, {x1 - w - 1, y1}, {x1 - 1, y1}, {x1 - w, y1 - 1}, {x1 - w, y2 + 1},
                    {{x1 - w, y1 - h}, {x1 - w - 1, y1 - h}, {x2 - w + 1, y1 - h}},
                    {{x1 - w, y2 + h}, {x1 - w - 1, y2 + h}, {x2 - w + 1, y2 + h}}};
        case 1:  // right
            return {1, 0, {x2 + w, y1}, {x2 + w + 1, y1}, {x1 + w - 1, y1}, {x2 + w, y1 - 1}, {x2 + w, y2 + 1},
                    {{x2 + w, y1 - h}, {x1 + w - 1, y1 - h}, {x2 + w + 1, y1 - h}},
                    {{x2 + w, y2 + h}, {x1 + w - 1, y2 + h}, {x2 + w + 1, y2 + h}}};
        case 2:  // up
            return {0, -1, {x1, y1 - h}, {x1, y1 - h - 1}, {x1, y1 - 1}, {x1 - 1, y1 - h}, {x2 + 1, y1 - h},
                    {{x1 - w, y1 - h}, {x1 - w, y1 - h - 1}, {x1 - w, y2 - h + 1}},
                    {{x2 + w, y1 - h}, {x2 + w, y1 - h - 1}, {x2 + w, y2 - h + 1}}};
        default:  // down
            return {0, 1, {x1, y2 + h}, {x1, y2 + h + 1}, {x1, y2 + 1}, {x1 - 1, y2 + h}, {x2 + 1, y2 + h},
                    {{x1 - w, y2 + h}, {x1 - w, y1 + h - 1}, {x1 - w, y2 + h + 1}},
                    {{x2 + w, y2 + h}, {x2 + w, y1 + h - 1}, {x2 + w, y2 + h + 1}}};
    }
}

}  // namespace tarnwick
