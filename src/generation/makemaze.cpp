#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::makemaze() {
    stopmaking = 0;
    makemaze2();
    if (programmode == -6 || programmode == 0) return;  // 0: no room for a maze, back to drawing
    WalkAt at = WalkAt::Pass;
    do at = walkpass(at);
    while (at != WalkAt::LeaveNow && at != WalkAt::Leave);
    endsteeringfallback();
    if (at == WalkAt::Leave) picturedrawing = savedpicturedrawing;
}

// One pass of the walker, entered at `from`; returns where the next pass begins,
// or how the walker leaves. The steps jump backwards and forwards (a pattern end
// goes back to step 9, a rejected entry to step 18, a resume to step 4), so the
// pass is a loop over its entry points.
Form57::WalkAt Form57::walkpass(WalkAt from) {
    bool resume = false;  // local to the pass: a pattern resume opens its file at once
    WalkAt at = from;
    for (;;) {
        switch (at) {
            case WalkAt::Pass:
                walkmenus();
                [[fallthrough]];
            case WalkAt::ShortPass:
                walkautominimize();
                if (walkfinishcell() == WalkAt::Leave) return WalkAt::Leave;
                [[fallthrough]];
            case WalkAt::CellLeft:
                walkcellleft();
                walkpassage();
                walkpipemiddle();
                walktravelstart();
                walkcursor();
                resume = patternresume == 2;
                [[fallthrough]];
            case WalkAt::UnderCursor:
                walkundercursor();
                if (resume) {
                    at = WalkAt::PatternOpen;
                    continue;
                }
                walknextpattern();
                [[fallthrough]];
            case WalkAt::RandomDraw: {
                walkrandomdraw();
                if (const WalkAt a = walkscan(); a != WalkAt::Next) return a;
                walkevents();
                if (stopmaking == 1) return WalkAt::Leave;
                walkidlecheck();
                walkcarvingcheck();
                walkfallback();
                walkcursorleft();
                if (const WalkAt a = walkmodechecks(); a != WalkAt::Next) return a;
                [[fallthrough]];
            }
            case WalkAt::PatternOpen:
                walkpatternopen();
                [[fallthrough]];
            case WalkAt::PatternRead: {
                if (const WalkAt a = walkpatternread(); a != WalkAt::Next) {
                    at = a;
                    continue;
                }
                if (const WalkAt a = walkreject(); a != WalkAt::Next) {
                    at = a;
                    continue;
                }
                walkstucktries();
                if (const WalkAt a = walkstepsetup(); a != WalkAt::Next) {
                    at = a;
                    continue;
                }
                if (stepx == 0 && stepy == 0 && direction != 5) return WalkAt::ShortPass;
                walkhop();
                walktraptest();
                if (const WalkAt a = walkpipetravelend(); a != WalkAt::Next) {
                    at = a;
                    continue;
                }
                return walkmove();
            }
            default:
                return at;
        }
    }
}

void Form57::makemaze1() {
    files.close(1);
    if (patternstate == 3 && patternresume != 0) patternstate = 0;
    if (patternstate != 3) patternchoice = 0;
    lastcreationmode = creationmode;
    patternresume = 0;
    colorfound = 0;
    if (patternstate != 3) patternstate = 0;
    editedpattern = 0;
    setPreviousCell(*this, currentCell(*this));
}

}  // namespace tarnwick
