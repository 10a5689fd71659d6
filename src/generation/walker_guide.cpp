// The guide: a random walk along a long corridor needs passes that grow with
// the square of its length to come back to a far clean cell. Once a stretch
// without carving has gone past its bound, the walker is steered along a
// shortest way over the passages to the nearest clean cell that making still
// waits on, so the stretch costs about the length of that way.
#include <algorithm>
#include <deque>

#include "core/colours.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {
long reverseOf(long direction) { return direction + (direction % 2 == 1 ? 1 : -1); }
}  // namespace

long Form57::walkerguidecell(long x, long y) const {
    const WalkerReach& r = walkerreach;
    if (!r.filtering || x < r.originx || y < r.originy || (x - r.originx) % r.step != 0 ||
        (y - r.originy) % r.step != 0)
        return -1;
    const long i = (x - r.originx) / r.step, j = (y - r.originy) / r.step;
    return i < r.cols && j < r.rows ? j * r.cols + i : -1;
}

// Breadth first from the walker's cell over the cells it stands on while it
// travels (passages, not the finish, which sends it home), by the moves it
// makes there, to the nearest move that carves a cell the completion scan
// would wait on. The search reads only the cells it meets, so a near cell
// costs little on a large lattice; `searched` counts the cells it stood on.
bool Form57::walkerguidepath() {
    WalkerGuide& g = walkerguide;
    const WalkerReach& r = walkerreach;
    walkercanreach(cellx1, celly1);  // the reach up to date before its lattice is read
    g.path.clear();
    g.at = 0;
    g.searched = 0;
    const long from = walkerguidecell(cellx1, celly1);
    if (from < 0) return false;
    // The search's marks live beside the guide and hold only for the search
    // that wrote them, so a near cell costs no pass over the whole lattice.
    const std::size_t count = static_cast<std::size_t>(r.cols * r.rows);
    if (g.marks.size() != count || ++g.search == 0) {
        g.marks.assign(count, {});
        g.search = 1;
    }
    auto mark = [&](std::size_t at) -> GuideMark& {
        GuideMark& m = g.marks[at];
        if (m.search != g.search) m = {g.search, -1, -2};
        return m;
    };
    const long finish = walkerguidecell(finishx1, finishy1);
    auto kindAt = [&](long i, long j) -> int {
        if (i < 0 || j < 0 || i >= r.cols || j >= r.rows) return 0;
        GuideMark& m = mark(static_cast<std::size_t>(j * r.cols + i));
        if (m.kind < 0) m.kind = static_cast<std::int8_t>(walkercellkind(i, j));
        return m.kind;
    };
    auto standsOn = [&](long i, long j) { return kindAt(i, j) == 2 && j * r.cols + i != finish; };
    const long keptcount = testcount;
    auto isTarget = [&](long i, long j) {
        return kindAt(i, j) == 1 && scanwaitson(r.originx + i * r.step, r.originy + j * r.step);
    };
    // Where a travelling walker lands from (i, j) in direction d, or -1.
    auto landing = [&](long i, long j, const long* d) -> long {
        const long i1 = i + d[0], j1 = j + d[1], i2 = i + 2 * d[0], j2 = j + 2 * d[1];
        auto cell = [&](long a, long b) { return b * r.cols + a; };
        switch (mazekind) {
            case 0: {
                const long over = canvas.point(r.originx + i1 * r.step, r.originy + j1 * r.step);
                if (!isOpenColour(*this, over) && !isPassageColour(*this, over) && standsOn(i2, j2)) return cell(i2, j2);
                return standsOn(i1, j1) || isTarget(i1, j1) ? cell(i1, j1) : -1;
            }
            case 2:
                if (kindAt(i1, j1) == 2) return standsOn(i1, j1) ? cell(i1, j1) : -1;
                if (kindAt(i2, j2) == 2) return standsOn(i2, j2) ? cell(i2, j2) : -1;
                // A cell the scan waits on may be open to an entry from one side only.
                return isTarget(i1, j1) && entersfrom(r.originx + i1 * r.step, r.originy + j1 * r.step, -d[0], -d[1])
                           ? cell(i1, j1)
                           : -1;
            default:
                if (kindAt(i2, j2) == 2) return standsOn(i2, j2) ? cell(i2, j2) : -1;
                return isTarget(i2, j2) && kindAt(i1, j1) == 1 ? cell(i2, j2) : -1;
        }
    };
    static constexpr long dirs[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    std::deque<long> todo{from};
    auto parent = [&](long cell) -> long& { return mark(static_cast<std::size_t>(cell)).parent; };
    parent(from) = -1;
    long found = -1;
    while (!todo.empty() && found < 0) {
        const long c = todo.front();
        todo.pop_front();
        ++g.searched;
        for (const auto& d : dirs) {
            const long next = landing(c % r.cols, c / r.cols, d);
            if (next < 0 || parent(next) != -2) continue;
            parent(next) = c;
            if (!standsOn(next % r.cols, next / r.cols)) {
                found = next;
                break;
            }
            todo.push_back(next);
        }
    }
    testcount = keptcount;
    if (found < 0) return false;
    for (long c = found; c != -1; c = parent(c)) g.path.push_back(c);
    std::reverse(g.path.begin(), g.path.end());
    g.targetx = r.originx + found % r.cols * r.step;
    g.targety = r.originy + found / r.cols * r.step;
    return true;
}

void Form57::giveupcell() {
    WalkerGuide& g = walkerguide;
    const long cell = walkerguidecell(g.targetx, g.targety);
    if (cell >= 0 && g.givenup[static_cast<std::size_t>(cell)] != GivenUp::Now) {
        g.givenup[static_cast<std::size_t>(cell)] = GivenUp::Now;
        g.givenupnow.push_back(static_cast<std::size_t>(cell));
    }
    g.on = false;
    carvinggivenup = true;
}

bool Form57::givenupon(long x, long y) const {
    const long cell = walkerguidecell(x, y);
    return cell >= 0 && walkerguide.givenup[static_cast<std::size_t>(cell)] == GivenUp::Now;
}

// A carve may open a way to the cells given up so far: they are waited on again.
void Form57::guideaftercarve() {
    walkerguide.on = false;
    for (const std::size_t cell : walkerguide.givenupnow) walkerguide.givenup[cell] = GivenUp::No;
    walkerguide.givenupnow.clear();
}

// Past the stretch's bound: guided to the nearest cell making waits on. A
// guided walk that does not carve within passes that grow with its way gives
// its cell up, and the next nearest is guided to.
void Form57::steerbyguide() {
    WalkerGuide& g = walkerguide;
    if (!g.on) {
        g.passes = 0;
        g.on = walkerguidepath();
        g.bound = guidepassesperstep * g.path.size() + guidepassesaside;
        if (!g.on) {
            nocarvablecellnear = true;
            return;
        }
    }
    if (++g.passes > g.bound) giveupcell();
}

// With no way to any cell making waits on, the one the scan waits on is given
// up, so that the scan passes it.
void Form57::giveupscancell() {
    if (walkerguidecell(scanwaitx, scanwaity) < 0 || !scanwaitson(scanwaitx, scanwaity)) return;
    walkerguide.targetx = scanwaitx;
    walkerguide.targety = scanwaity;
    giveupcell();
}

// The next step of the way; a random one where the pass would refuse it (a
// repeat of a step that did not move the walker, or a carving walker's way
// back), or when the walker has left the way and none leads on from there.
long Form57::guideddirection() {
    WalkerGuide& g = walkerguide;
    const long here = walkerguidecell(cellx1, celly1);
    if (g.at >= g.path.size() || g.path[g.at] != here) {
        const auto on = std::find(g.path.begin(), g.path.end(), here);
        if (on != g.path.end()) g.at = static_cast<std::size_t>(on - g.path.begin());
        else if (!walkerguidepath()) return random.draw(4);
    }
    if (g.at + 1 >= g.path.size()) return random.draw(4);
    const long next = g.path[g.at + 1], cols = walkerreach.cols;
    const long di = next % cols - here % cols, dj = next / cols - here / cols;
    const long d = di < 0 ? 1 : di > 0 ? 2 : dj < 0 ? 3 : 4;
    if ((!walkermoved() && d == prevdirection) || (carvemode == 1 && d == reverseOf(prevdirection)))
        return random.draw(4);
    return d;
}

}  // namespace tarnwick
