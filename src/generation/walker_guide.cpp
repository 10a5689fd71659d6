// The guide: a random walk along a long corridor needs passes that grow with
// the square of its length to come back to a far clean cell. Once a stretch
// without carving has gone past the guide's bound, the walker is steered along
// a shortest way over the passages to the clean cell the completion scan waits
// on, so the stretch is bounded by the length of that way.
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
// makes there, to a move that carves the target.
bool Form57::walkerguidepath() {
    WalkerGuide& g = walkerguide;
    const WalkerReach& r = walkerreach;
    g.path.clear();
    g.at = 0;
    const long from = walkerguidecell(cellx1, celly1), target = walkerguidecell(g.targetx, g.targety);
    if (from < 0 || target < 0) return false;
    const std::vector<std::uint8_t> kind = walkercellkinds();
    const long finish = walkerguidecell(finishx1, finishy1);
    auto kindAt = [&](long i, long j) -> int {
        if (i < 0 || j < 0 || i >= r.cols || j >= r.rows) return 0;
        return kind[static_cast<std::size_t>(j * r.cols + i)];
    };
    auto standsOn = [&](long i, long j) { return kindAt(i, j) == 2 && j * r.cols + i != finish; };
    auto isTarget = [&](long i, long j) { return j * r.cols + i == target && kindAt(i, j) == 1; };
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
                return isTarget(i1, j1) ? cell(i1, j1) : -1;
            default:
                if (kindAt(i2, j2) == 2) return standsOn(i2, j2) ? cell(i2, j2) : -1;
                return isTarget(i2, j2) && kindAt(i1, j1) == 1 ? cell(i2, j2) : -1;
        }
    };
    static constexpr long dirs[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    std::vector<long> parent(kind.size(), -2);
    std::deque<long> todo{from};
    parent[static_cast<std::size_t>(from)] = -1;
    while (!todo.empty() && parent[static_cast<std::size_t>(target)] == -2) {
        const long c = todo.front();
        todo.pop_front();
        for (const auto& d : dirs) {
            const long next = landing(c % r.cols, c / r.cols, d);
            if (next < 0 || parent[static_cast<std::size_t>(next)] != -2) continue;
            parent[static_cast<std::size_t>(next)] = c;
            if (next != target) todo.push_back(next);
        }
    }
    if (parent[static_cast<std::size_t>(target)] == -2) return false;
    for (long c = target; c != -1; c = parent[static_cast<std::size_t>(c)]) g.path.insert(g.path.begin(), c);
    return true;
}

// Starts the guide on the cell the scan waits on, or gives that cell up: no way
// leads to it, or the guided walker has had passes enough for its way and more.
void Form57::walkguidecheck() {
    WalkerGuide& g = walkerguide;
    // No cell to guide to, or one given up that the scan has yet to pass.
    if (walkerguidecell(scanwaitx, scanwaity) < 0 || givenupon(scanwaitx, scanwaity)) return;
    if (!g.on || g.targetx != scanwaitx || g.targety != scanwaity) {
        g.targetx = scanwaitx;
        g.targety = scanwaity;
        g.passes = 0;
        g.on = walkerguidepath();
        g.bound = guidepassesperstep * g.path.size() + guidepassesaside;
        if (!g.on) return giveupcell();
    }
    if (++g.passes > g.bound) giveupcell();
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

bool Form57::givenupbefore(long x, long y) const {
    const long cell = walkerguidecell(x, y);
    return cell >= 0 && walkerguide.givenup[static_cast<std::size_t>(cell)] == GivenUp::Before;
}

// A carve may open a way to the cells given up so far: the scan waits on them
// again, and the guide takes the walker there at once.
void Form57::guideaftercarve() {
    walkerguide.on = false;
    for (const std::size_t cell : walkerguide.givenupnow) walkerguide.givenup[cell] = GivenUp::Before;
    walkerguide.givenupnow.clear();
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
