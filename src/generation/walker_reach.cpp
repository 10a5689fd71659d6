// The cells the walker can still get to. It moves one cell at a time into cells
// that are clean or already passage, hops over one cell onto a passage, digs
// straight tunnels through open and passage cells (3d kinds), keeps to the rows
// and columns of its lattice (3d-pipe), and is sent home from the finish (nor
// does a pipe tunnel run on under the finish along its way in). The set
// computed here holds every cell it can still paint (it may hold more), so a
// clean cell outside it stays clean for the rest of the maze.
#include <algorithm>
#include <array>
#include <deque>
#include <utility>

#include "core/colours.h"
#include "core/geometry.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {
long floorMod(long a, long m) { return ((a % m) + m) % m; }
}  // namespace

bool Form57::walkercanreach(long x, long y) {
    WalkerReach& r = walkerreach;
    // Asked on most passes: the colour tables are read only when they may have changed.
    const std::array<long, 12> settings{wallsizex, wallsizey,      gridstepx,       mazekind,
                                        homex1,    homey1,         finishx1,        finishy1,
                                        palette[1], shortunderpasses, canvas.width(), canvas.height()};
    bool changed = r.stale || settings != r.settings;
    if (ColourTableWrites::now() != r.tablewrites) {
        std::array<long, 17> open;
        std::array<long, 16> passage;
        std::copy(opencolors.begin() + 1, opencolors.end(), open.begin());
        std::copy(passagecolors.begin() + 1, passagecolors.end(), passage.begin());
        changed = changed || open != r.opencolours || passage != r.passagecolours;
        r.opencolours = open;
        r.passagecolours = passage;
        r.tablewrites = ColourTableWrites::now();
    }
    if (changed) {
        r.settings = settings;
        recomputewalkerreach();
    }
    if (!r.filtering) return true;
    const long i = (x - r.originx) / r.step, j = (y - r.originy) / r.step;
    if (floorMod(x - r.originx, r.step) != 0 || floorMod(y - r.originy, r.step) != 0) return true;
    if (i < 0 || j < 0 || i >= r.cols || j >= r.rows) return true;
    return r.cells[static_cast<std::size_t>(j * r.cols + i)] != 0;
}

void Form57::recomputewalkerreach() {
    WalkerReach& r = walkerreach;
    r.stale = false;
    r.step = wallsizex;
    r.originx = floorMod(homex1, std::max(r.step, 1L));
    r.originy = floorMod(homey1, std::max(r.step, 1L));
    // The scan tests cells one pixel inside the lattice points; a walker on
    // another lattice would carve cells the scan never sees whole.
    r.filtering = r.step >= 3 && wallsizey == r.step && r.originx == 1 % r.step && r.originy == 1 % r.step &&
                  floorMod(cellx1 - r.originx, r.step) == 0 && floorMod(celly1 - r.originy, r.step) == 0;
    if (!r.filtering) return;
    const long w = r.step;
    r.cols = (canvas.width() - r.originx + w - 1) / w;
    r.rows = (canvas.height() - r.originy + w - 1) / w;
    if (r.cols <= 0 || r.rows <= 0) {
        r.filtering = false;
        return;
    }
    const std::size_t count = static_cast<std::size_t>(r.cols * r.rows);
    const std::vector<std::uint8_t> kind = walkercellkinds();
    walkerguide.on = false;
    nocarvablecellnear = false;
    walkerguide.givenup.assign(count, GivenUp::No);
    walkerguide.givenupnow.clear();
    r.cells.assign(count, 0);
    r.reached = 0;
    std::deque<std::pair<long, long>> todo;
    auto reach = [&](long i, long j) {
        if (i < 0 || j < 0 || i >= r.cols || j >= r.rows) return;
        auto& cell = r.cells[static_cast<std::size_t>(j * r.cols + i)];
        if (cell) return;
        cell = 1;
        ++r.reached;
        todo.emplace_back(i, j);
    };
    auto reached = [&](long i, long j) { return r.cells[static_cast<std::size_t>(j * r.cols + i)] != 0; };
    auto cellOf = [&](long x, long y) -> std::pair<long, long> { return {(x - r.originx) / w, (y - r.originy) / w}; };
    const auto home = cellOf(homex1, homey1);
    // A 3d-pipe walker stands on lattice cells and moves along their rows and
    // columns, so it never enters a cell between four of them.
    auto pipeCorner = [&](long i, long j) {
        return mazekind == 1 && (i - home.first) % 2 != 0 && (j - home.second) % 2 != 0;
    };
    auto kindAt = [&](long i, long j) -> int {
        if (i < 0 || j < 0 || i >= r.cols || j >= r.rows || pipeCorner(i, j)) return 0;
        return kind[static_cast<std::size_t>(j * r.cols + i)];
    };
    const auto finish = cellOf(finishx1, finishy1);
    const bool finishOnLattice = floorMod(finishx1 - r.originx, w) == 0 && floorMod(finishy1 - r.originy, w) == 0;
    const auto here = cellOf(cellx1, celly1);
    // The walker never moves on from the finish: it is sent home.
    auto stopsAt = [&](long i, long j) {
        return finishOnLattice && i == finish.first && j == finish.second && finish != home;
    };
    static constexpr long dirs[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    // A crossed passage closed across the tunnel needs passages on both sides
    // along it, and the pipe finish, a dead end, has one: a pipe tunnel passes
    // under it only across its way in (along it only onto a passage just
    // behind it, where the jump over the finish lands too). A finish entered
    // shows its way in; a clean one may yet be entered from any open side.
    auto pipeTunnelPassesFinish = [&](long fi, long fj, const long* d) {
        if (mazekind != 1) return true;
        const int across = kindAt(fi, fj) == 2 ? 2 : 1;
        return kindAt(fi + d[1], fj + d[0]) >= across || kindAt(fi - d[1], fj - d[0]) >= across;
    };
    // Onto the passage two cells on: a 2-d walker hops only over a cell outside
    // every maze colour (never over the finish); the 3d kinds jump over any cell.
    auto jumps = [&](long i, long j, const long* d) {
        if (kindAt(i + 2 * d[0], j + 2 * d[1]) != 2) return false;
        if (mazekind != 0) return true;
        const long over = canvas.point(r.originx + (i + d[0]) * w, r.originy + (j + d[1]) * w);
        return !isOpenColour(*this, over) && !isPassageColour(*this, over);
    };
    // A walker with no first move stays where it is and paints nothing until the
    // picture is repainted, so it reaches nothing, not even its own cell. Only
    // from the finish does it go on (home).
    auto canLeave = [&] {
        for (const auto& d : dirs) {
            auto passage = [&](long k) { return kindAt(here.first + k * d[0], here.second + k * d[1]) == 2; };
            auto clean = [&](long k) {
                return kindAt(here.first + k * d[0], here.second + k * d[1]) == 1 &&
                       ringScanPasses(*this, canvas, offsetCell(currentCell(*this), k * d[0] * w, k * d[1] * w));
            };
            // A pipe step carves two clean cells or travels onto a passage two on.
            if (jumps(here.first, here.second, d) || (mazekind == 1 ? clean(1) && clean(2) : passage(1) || clean(1)))
                return true;
        }
        return false;
    };
    if (!(finishOnLattice && here == finish) && !canLeave()) return;
    reach(home.first, home.second);
    reach(here.first, here.second);
    while (!todo.empty()) {
        const auto [i, j] = todo.front();
        todo.pop_front();
        if (stopsAt(i, j)) continue;
        for (const auto& d : dirs) {
            if (jumps(i, j, d)) reach(i + 2 * d[0], j + 2 * d[1]);
            if (mazekind == 0) {
                if (kindAt(i + d[0], j + d[1]) != 0) reach(i + d[0], j + d[1]);
                continue;
            }
            // Tunnels run straight on under passages. A cell reached before runs
            // the rest of this tunnel itself when its turn comes (but the finish,
            // which goes on to nothing).
            for (long k = 1; kindAt(i + k * d[0], j + k * d[1]) != 0; ++k) {
                const long ti = i + k * d[0], tj = j + k * d[1];
                if (reached(ti, tj) && !stopsAt(ti, tj)) break;
                reach(ti, tj);
                if (stopsAt(ti, tj) && !pipeTunnelPassesFinish(ti, tj, d)) break;
            }
        }
    }
}

// Per cell of the reach's lattice: 1 permeable (open or passage: it may be
// entered or tunnelled through), 2 a passage now (a hop or jump may land on it).
std::uint8_t Form57::walkercellkind(long i, long j) const {
    const WalkerReach& r = walkerreach;
    const long w = r.step;
    const long cursor = palette[1] + 3;
    auto mazeColour = [this](long c) { return isOpenColour(*this, c) || isPassageColour(*this, c); };
    const long x1 = r.originx + i * w, y1 = r.originy + j * w;
    const long tl = canvas.point(x1, y1);
    const bool passage = isPassageColour(*this, tl) || tl == cursor ||
                         isPassageColour(*this, canvas.point(x1 + w - 3, y1)) ||
                         isPassageColour(*this, canvas.point(x1, y1 + w - 3));
    if (passage) return 2;
    // Cells larger than the picture's features: an open corner is not
    // enough. The walker carves, tunnels through or surfaces in a cell
    // that is no passage yet only where its own scan passes: every pixel
    // of the box and its ring, or a long underpass's every second pixel
    // of the box and two rings. Neither may meet a colour outside the
    // maze colours now (clean ones turn to passage as the maze grows).
    const bool longUnderpasses = mazekind == 1 && shortunderpasses == 0;
    const CellRect cell{x1, y1, x1 + w - 3, y1 + w - 3};
    const bool permeable = isOpenColour(*this, tl) && (regionScanPasses(canvas, cell, 1, 1, mazeColour) ||
                                                       (longUnderpasses && regionScanPasses(canvas, cell, 2, 2, mazeColour)));
    return permeable ? 1 : 0;
}

std::vector<std::uint8_t> Form57::walkercellkinds() const {
    const WalkerReach& r = walkerreach;
    std::vector<std::uint8_t> kind(static_cast<std::size_t>(r.cols * r.rows), 0);
    for (long j = 0; j < r.rows; ++j)
        for (long i = 0; i < r.cols; ++i) kind[static_cast<std::size_t>(j * r.cols + i)] = walkercellkind(i, j);
    return kind;
}

}  // namespace tarnwick
