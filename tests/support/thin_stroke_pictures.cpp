#include "support/thin_stroke_pictures.h"

#include <random>
#include <vector>

#include "support/corridor_picture.h"

namespace tarnwick::test {

namespace {

struct Unit {
    long i = 0, j = 0;
    Unit operator+(Unit o) const { return {i + o.i, j + o.j}; }
    Unit operator-(Unit o) const { return {i - o.i, j - o.j}; }
    Unit operator*(long k) const { return {i * k, j * k}; }
    bool operator==(const Unit&) const = default;
};
constexpr Unit headings[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};  // each a right turn from the one before
Unit rightOf(Unit d) { return {-d.j, d.i}; }
Unit leftOf(Unit d) { return {d.j, -d.i}; }

// The engine's own output only: the library's distributions differ between
// implementations, and a drawing must be the same wherever it is made.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : engine_(seed) {}
    long below(long n) { return static_cast<long>(engine_() % static_cast<std::uint64_t>(n)); }
    bool oneIn(long n) { return below(n) == 0; }

private:
    std::mt19937_64 engine_;
};

class Pen {
public:
    explicit Pen(UnitLattice& lattice) : lattice_(lattice) {}
    bool open(Unit u) const { return lattice_.inside(u.i, u.j) && lattice_.isOpen(u.i, u.j); }
    bool free(Unit u) const { return lattice_.inside(u.i, u.j) && !lattice_.isOpen(u.i, u.j); }
    void line(Unit from, Unit to) { lattice_.open(from.i, from.j, to.i, to.j); }

private:
    UnitLattice& lattice_;
};

// Depth first from the top left corner over every second unit, each step
// opening the unit between: every corridor and every wall is one unit wide.
void mazeTree(UnitLattice& lattice, Dice& dice) {
    const long cols = (lattice.across() + 1) / 2, rows = (lattice.down() + 1) / 2;
    std::vector<bool> seen(static_cast<std::size_t>(cols * rows), false);
    auto at = [&](Unit n) { return seen[static_cast<std::size_t>(n.j * cols + n.i)]; };
    std::vector<Unit> stack{{0, 0}};
    seen[0] = true;
    lattice.open(0, 0);
    while (!stack.empty()) {
        const Unit here = stack.back();
        std::vector<Unit> next;
        for (const Unit d : headings) {
            const Unit n = here + d;
            if (n.i >= 0 && n.j >= 0 && n.i < cols && n.j < rows && !at(n)) next.push_back(n);
        }
        if (next.empty()) {
            stack.pop_back();
            continue;
        }
        const Unit n = next[static_cast<std::size_t>(dice.below(static_cast<long>(next.size())))];
        seen[static_cast<std::size_t>(n.j * cols + n.i)] = true;
        lattice.open(2 * here.i, 2 * here.j, 2 * n.i, 2 * n.j);
        stack.push_back(n);
    }
}

// One stroke from `from` heading `d`: it bends now and then, and never runs
// beside another line, so it stays one unit wide. Where it meets a line head
// on it crosses it when the far side is free and otherwise ends against it.
void stroke(Pen& pen, Dice& dice, Unit from, Unit d, std::vector<Unit>& drawn) {
    const long length = 20 + dice.below(200);
    Unit here = from;
    // A unit the stroke may enter: free with its sides free.
    auto clear = [&](Unit u, Unit heading) {
        return pen.free(u) && !pen.open(u + rightOf(heading)) && !pen.open(u - rightOf(heading));
    };
    for (long step = 0; step < length; ++step) {
        if (dice.oneIn(5)) d = dice.oneIn(2) ? rightOf(d) : leftOf(d);
        const Unit ahead = here + d;
        if (pen.open(ahead) && pen.open(ahead + rightOf(d)) && pen.open(ahead - rightOf(d)) &&
            clear(ahead + d, d) && !pen.open(ahead + d * 2)) {
            pen.line(here, ahead + d);  // across a line that runs the other way
            here = ahead + d;
        } else if (clear(ahead, d) && pen.open(ahead + d)) {
            pen.line(here, ahead + d);  // touches the line ahead, and ends
            return;
        } else if (clear(ahead, d) && !pen.open(ahead + d)) {
            pen.line(here, ahead);
            here = ahead;
        } else {
            return;
        }
        drawn.push_back(here);
    }
}

// Strokes that set off from the ones before until about a quarter of the
// units are drawn, so the drawing hangs together like a written line.
void handwriting(UnitLattice& lattice, Dice& dice) {
    Pen pen(lattice);
    const Unit first{dice.below(lattice.across()), dice.below(lattice.down())};
    lattice.open(first.i, first.j);
    std::vector<Unit> drawn{first};
    const long units = lattice.across() * lattice.down();
    for (long tries = 0; tries < units / 4 && static_cast<long>(drawn.size()) < units / 4; ++tries) {
        const Unit from = drawn[static_cast<std::size_t>(dice.below(static_cast<long>(drawn.size())))];
        stroke(pen, dice, from, headings[dice.below(4)], drawn);
    }
}

// Anticlockwise from the bottom right, turning where going on would come
// beside the turn before. The outer end lies where the program looks first for
// a finish of its own (the last row, one unit in from the last column), so the
// finish ends the spiral instead of cutting it in two.
void spiral(UnitLattice& lattice) {
    Pen pen(lattice);
    const long right = lattice.across() - 2;
    Unit here{right, lattice.down() - 1}, d = headings[3];
    lattice.open(here.i, here.j);
    for (int turns = 0; turns < 2;) {
        const Unit ahead = here + d;
        if (ahead.i <= right && pen.free(ahead) && !pen.open(ahead + d)) {
            pen.line(here, ahead);
            here = ahead;
            turns = 0;
        } else {
            d = leftOf(d);
            ++turns;
        }
    }
}

// A serpentine over the upper third, rows two units apart, then down into a
// block over the lower half.
void corridorIntoBlock(UnitLattice& lattice) {
    const long last = lattice.across() - 1, blockTop = lattice.down() / 2;
    long j = 0;
    for (bool eastward = true;; eastward = !eastward) {
        lattice.open(0, j, last, j);
        const long end = eastward ? last : 0;
        if (j + 2 > lattice.down() / 3) {
            lattice.open(end, j, end, blockTop);
            break;
        }
        lattice.open(end, j, end, j + 2);
        j += 2;
    }
    lattice.open(0, blockTop, last, lattice.down() - 1);
}

}  // namespace

const char* thinStrokeName(ThinStroke drawing) {
    switch (drawing) {
        case ThinStroke::Maze: return "maze";
        case ThinStroke::Strokes: return "strokes";
        case ThinStroke::Spiral: return "spiral";
        case ThinStroke::Corridors: return "corridors";
        case ThinStroke::CorridorIntoBlock: return "corridor-into-block";
    }
    return "";
}

CellPicture thinStrokePicture(ThinStroke drawing, int width, int height, std::uint64_t seed, int wall, int stride) {
    if (drawing == ThinStroke::Corridors) return corridorPicture(width, height, wall, stride);
    UnitLattice lattice(width, height, wall, stride);
    Dice dice(seed);
    switch (drawing) {
        case ThinStroke::Maze: mazeTree(lattice, dice); break;
        case ThinStroke::Strokes: handwriting(lattice, dice); break;
        case ThinStroke::Spiral: spiral(lattice); break;
        case ThinStroke::CorridorIntoBlock: corridorIntoBlock(lattice); break;
        case ThinStroke::Corridors: break;
    }
    return lattice.draw();
}

}  // namespace tarnwick::test
