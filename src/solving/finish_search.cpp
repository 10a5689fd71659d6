#include "shell/form57.h"

namespace tarnwick {

Form57::WalkerState Form57::walkerstate() const {
    return {probex, probey, stepx, stepy, cellx1, celly1, underpasslock, trailunder.openedWalls()};
}

// Taken once the run's start (and a 3d start inside an underpass) has set the walker up.
void Form57::finishsearchstart() {
    searchorigin = walkerstate();
    searchpasses = 0;
    searchwatch.restart(searchorigin);
}

// While the finish is still to be found the computer walks, whatever the play
// option: the user's choice waits in savedplaymode. The walk has toured the
// maze when its probe is back on the start square's top-left pixel heading
// right, or there for the second time.
bool Form57::finishsearchpass() {
    if (finishsettled()) return false;
    if (playoption != 0) {
        savedplaymode = playoption;
        playoption = 0;
    }
    const bool onstartpixel = probex == startx1 && probey == starty1;
    if (onstartpixel) ++startpasses;
    ++searchpasses;
    if (onstartpixel && (stepx == 1 || startpasses == 2)) {
        endfinishsearch();
        return true;
    }
    // A walk that crosses an underpass as it reaches the start pixel never stands
    // on it: back in the very state it set off in, it has toured the maze all the same.
    const WalkerState now = walkerstate();
    if (searchpasses > 1 && now == searchorigin) {
        endfinishsearch();
        return true;
    }
    // The walker's next state follows from this one alone (it holds the walls
    // the trail opened), so a state met twice means the walk goes round
    // for ever, every cell it can reach already seen. It may stand anywhere: the
    // clean maze comes back before the usual end. Last resort: a cap of passes.
    if (searchwatch.repeats(now) || searchpasses > finishsearchcap()) {
        placedmazeagain();
        endfinishsearch();
        return true;
    }
    return false;
}

// A tour never holds one probe pixel with one heading twice, so it takes fewer
// passes than four for each pixel of the surface; the cap allows two such tours.
std::uint64_t Form57::finishsearchcap() const {
    return 8ULL * static_cast<std::uint64_t>(canvas.width()) * static_cast<std::uint64_t>(canvas.height());
}

void Form57::endfinishsearch() {
    endsolution();
    nofinishbeyondstart();
    finishsample = canvas.point(finishx1, finishy1);
    finishunder = finishsample;
    playoption = savedplaymode;
    finishfound = 1;
    programmode = 2;
}

// No cell beat the start: it has no way out, or the maze has no second cell.
// The finish would stay off the window where nothing can reach or move it; it
// goes on the start's own cell instead, the farthest cell there is, so a solve
// ends at once and the placing keys can still take the finish elsewhere.
void Form57::nofinishbeyondstart() {
    if (finishx1 != -100 || finishy1 != -100) return;
    finishx1 = startx1, finishy1 = starty1, finishx2 = startx2, finishy2 = starty2;
}

// Options 1 and 2 take a strictly longer way; option 3 strictly more
// underpasses, or as many on a strictly longer way. Ties keep the first cell.
void Form57::finishsearchcandidate() {
    if (finishsettled()) return;
    const long l = pathlength, b = bestpathlength, u = pathunderpasses, v = bestunderpasses;
    if (!((l > b && (endpointoption < 3 || u >= v)) || ((endpointoption == 3 || l > b) && u > v))) return;
    bestunderpasses = u;
    bestpathlength = l;
    finishx1 = cellx1, finishy1 = celly1, finishx2 = cellx2, finishy2 = celly2;
}

}  // namespace tarnwick
