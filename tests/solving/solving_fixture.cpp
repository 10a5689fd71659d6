#include "solving/solving_fixture.h"

#include <filesystem>
#include <map>
#include <queue>

#include "core/colours.h"

namespace tarnwick::test {

const MazeArt twisty = {
    "###########",
    "#S....#...#",
    "#.###.#.#.#",
    "#.#...#.#.#",
    "#.#.###.#.#",
    "#.#...#.#.#",
    "#.###.#.#.#",
    "#...#...#F#",
    "###########",
};

const MazeArt startInTheMiddle = {
    "###########",
    "#...#.....#",
    "#.#.#.###.#",
    "#.#...#S..#",
    "#.#####.###",
    "#.....#...#",
    "#####.###.#",
    "#F....#...#",
    "###########",
};

const MazeArt tee = {
    "#######",
    "#S....#",
    "###.###",
    "#F....#",
    "#######",
};

const MazeArt finishAbove = {
    "#########",
    "#F#.....#",
    "#.#.###.#",
    "#...#S..#",
    "#########",
};

void copyExampleSettings() {
    namespace fs = std::filesystem;
    const fs::path data = fs::path(TARNWICK_DATA_DIR);
    for (const auto& entry : fs::directory_iterator(data)) fs::copy_file(entry.path(), entry.path().filename());
}

void standardColours(State& s) {
    setStandardPalette(s);
    for (int k = 1; k <= 16; ++k) setColourClass(s, k, k <= 8);
    setExtraOpenColour(s);
    for (int k = 1; k <= 16; ++k) s.passagecolors.set(static_cast<std::size_t>(k), white);
    s.passagecolor = white;
    s.cursorcolor = s.palette[1] + 3;
    s.startcolor = startShifted;
    s.finishcolor = finishShifted;
    s.shortunderpasses = 1;
}

SolvingTest::SolvingTest(int width, int height)
    : program(width, height), form(program.form), platform(program.platform) {
    standardColours(form);
    form.programmode = 3;
}

CellRect SolvingTest::box(Cell cell) const {
    const long w = form.wallsizex;
    return cellBox(w + (cell.col / 2) * w, w + (cell.row / 2) * w, w, w);
}

Pixel SolvingTest::centre(Cell cell) const {
    const CellRect b = box(cell);
    return {b.x1 + form.wallsizex / 2 - 1, b.y1 + form.wallsizey / 2 - 1};
}

void SolvingTest::paintMaze(const MazeArt& art, long wall) {
    form.wallsizex = form.wallsizey = wall;
    form.gridstepx = form.gridstepy = wall;
    form.canvas.setBackColour(black);
    for (long r = 1; r < static_cast<long>(art.size()); r += 2)
        for (long c = 1; c < static_cast<long>(art[r].size()); c += 2) {
            if (art[r][c] == '#') continue;
            const CellRect b = box({r, c});
            form.canvas.fillBox(b.x1, b.y1, b.x2, b.y2, white);
            if (art[r][c] == 'S') startCell = {r, c};
            if (art[r][c] == 'F') finishCell = {r, c};
            if (c + 2 < static_cast<long>(art[r].size()) && art[r][c + 1] == '.')
                spanBox(form.canvas, b, box({r, c + 2}), white);
            if (r + 2 < static_cast<long>(art.size()) && art[r + 1][c] == '.')
                spanBox(form.canvas, b, box({r + 2, c}), white);
        }
    form.lastcolumnx = wall + (static_cast<long>(art[0].size()) / 2 - 1) * wall;
    form.lastrowy = wall + (static_cast<long>(art.size()) / 2 - 1) * wall;
    const CellRect s = box(startCell), f = box(finishCell);
    form.startx1 = s.x1, form.starty1 = s.y1, form.startx2 = s.x2, form.starty2 = s.y2;
    form.finishx1 = f.x1, form.finishy1 = f.y1, form.finishx2 = f.x2, form.finishy2 = f.y2;
    form.startunder = form.finishunder = white;
}

std::map<Cell, Cell> SolvingTest::searchFromStart(const MazeArt& art) const {
    std::map<Cell, Cell> cameFrom{{startCell, startCell}};
    std::queue<Cell> todo;
    todo.push(startCell);
    while (!todo.empty()) {
        const Cell at = todo.front();
        todo.pop();
        for (auto [dr, dc] : {std::pair{0, 1}, {0, -1}, {1, 0}, {-1, 0}}) {
            const Cell next{at.row + 2 * dr, at.col + 2 * dc};
            if (art[at.row + dr][at.col + dc] != '.' || cameFrom.count(next)) continue;
            cameFrom[next] = at;
            todo.push(next);
        }
    }
    return cameFrom;
}

std::map<Cell, long> SolvingTest::distancesFromStart(const MazeArt& art) const {
    const auto cameFrom = searchFromStart(art);
    std::map<Cell, long> d;
    for (const auto& [cell, from] : cameFrom) {
        long length = 0;
        for (Cell c = cell; !(c == startCell); c = cameFrom.at(c)) ++length;
        d[cell] = length;
    }
    return d;
}

std::vector<Cell> SolvingTest::pathFromStartToFinish(const MazeArt& art) const {
    const auto cameFrom = searchFromStart(art);
    std::vector<Cell> path{finishCell};
    while (!(path.back() == startCell)) path.push_back(cameFrom.at(path.back()));
    return {path.rbegin(), path.rend()};
}

std::set<std::pair<long, long>> SolvingTest::trailPixels(const std::vector<Cell>& path) const {
    std::set<std::pair<long, long>> pixels;
    const CellRect s = box(startCell);
    for (long y = s.y1; y <= s.y2; ++y)
        for (long x = s.x1; x <= s.x2; ++x) pixels.insert({x, y});
    for (std::size_t i = 1; i < path.size(); ++i) {
        const Pixel a = centre(path[i - 1]), b = centre(path[i]);
        for (long y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y)
            for (long x = std::min(a.x, b.x); x <= std::max(a.x, b.x); ++x) pixels.insert({x, y});
    }
    return pixels;
}

std::set<std::pair<long, long>> SolvingTest::pixelsOf(long colour) const {
    std::set<std::pair<long, long>> pixels;
    for (long y = 0; y < form.canvas.height(); ++y)
        for (long x = 0; x < form.canvas.width(); ++x)
            if (form.canvas.point(x, y) == colour) pixels.insert({x, y});
    return pixels;
}

void SolvingTest::expectOnlyTheTrailAdded(const MazeArt& art, const Picture& maze) {
    const auto expected = trailPixels(pathFromStartToFinish(art));
    EXPECT_EQ(pixelsOf(startShifted), expected);
    const CellRect f = box(finishCell);
    for (long y = 0; y < form.canvas.height(); ++y)
        for (long x = 0; x < form.canvas.width(); ++x) {
            if (expected.count({x, y})) continue;
            const bool inFinish = x >= f.x1 && x <= f.x2 && y >= f.y1 && y <= f.y2;
            const long want = inFinish ? finishShifted : static_cast<long>(maze.at(x, y));
            ASSERT_EQ(form.canvas.point(x, y), want) << "at (" << x << ", " << y << ")";
        }
}

void SolvingTest::solveToTheEnd(std::uint64_t passBudget) {
    platform.setPassBudget(passBudget);
    // Once solved, leave for the drawing stage, which paints nothing on the way out.
    platform.setFeeder([this](HeadlessPlatform&) {
        if (form.programmode == 4) form.programmode = 0;
    });
    try {
        form.solvestage();
    } catch (const ProgramEnd&) {
        ADD_FAILURE() << "the walker did not reach the finish within " << passBudget << " passes";
    }
    platform.setFeeder({});
}

}  // namespace tarnwick::test
