// When a making pass has nothing to do until an event comes.
#include "shell/form57.h"

namespace tarnwick {

// Between events the walker's picture settles one pass after its last move, and
// from then on every pass repeats the one before: the scan restarts at the
// same clean cell, or (the maze done) runs out, which ends making before the
// wait is reached. So a restart seen in a settled pass makes every later pass
// until the next event a repeat, as long as no direction can come but from
// the user.
bool Form57::walkeronlywaits() {
    WalkerWait& w = walkerwait;
    const bool quiet = eventsdelivered == w.events && !walkermoved();
    w.events = eventsdelivered;
    w.quietpasses = quiet ? w.quietpasses + 1 : 0;
    const bool advanced = scany > w.scany || (scany == w.scany && scanx > w.scanx);
    if (w.quietpasses == 0) w.scanround = false;
    else if (w.quietpasses >= 2 && !advanced) w.scanround = true;
    w.scanx = scanx;
    w.scany = scany;

    const bool heldByPanel = panelopen != 0;  // the walker takes no step while a panel is open
    const bool userSteers = creationmode == -1 && (patternstate == 0 || patternstate == 3) &&
                            patternresume != 2 && stuckflag != 1;
    return w.scanround && (heldByPanel || userSteers);
}

}  // namespace tarnwick
