#pragma once

#include "core/state.h"

namespace tarnwick {

// The geometry that the pattern editor and the random-pattern run borrow from
// the stage that called them, each field with its saved copy: fn(live, copy).
template <class Fn>
void eachPatternCopy(State& f, Fn&& fn) {
    fn(f.cellx1, f.patcellx1), fn(f.celly1, f.patcelly1), fn(f.cellx2, f.patcellx2), fn(f.celly2, f.patcelly2);
    fn(f.prevcellx1, f.patprevcellx1), fn(f.prevcelly1, f.patprevcelly1);
    fn(f.prevcellx2, f.patprevcellx2), fn(f.prevcelly2, f.patprevcelly2);
    fn(f.wallsizex, f.patwallsizex), fn(f.wallsizey, f.patwallsizey);
    fn(f.gridstepx, f.patgridstepx), fn(f.gridstepy, f.patgridstepy);
    fn(f.mirrorx1, f.patmirrorx1), fn(f.mirrory1, f.patmirrory1), fn(f.mirrorx2, f.patmirrorx2);
    fn(f.mirrory2, f.patmirrory2);
    fn(f.lastcolumnx, f.patlastcolumnx), fn(f.lastrowy, f.patlastrowy);
    fn(f.centerx, f.patcenterx), fn(f.centery, f.patcentery);
}

inline void savePatternCopies(State& f) {
    eachPatternCopy(f, [](auto& live, long& copy) { copy = live; });
}
inline void restorePatternCopies(State& f) {
    eachPatternCopy(f, [](auto& live, long copy) { live = copy; });
}

}  // namespace tarnwick
