#include "solving/maze_property.h"

#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "core/colours.h"
#include "core/maze_room.h"
#include "platform/headless/headless_platform.h"
#include "platform/picture_files.h"
#include "shell/form57.h"

namespace tarnwick::test {

std::string describe(const MazeRecipe& r) {
    if (r.example != nullptr)
        return std::string(r.example) + (r.wall != 10 ? " wall " + std::to_string(r.wall) : "") + " seed " +
               std::to_string(r.seed);
    std::string kind = r.mazekind == 0   ? "regular"
                       : r.mazekind == 2 ? "3d"
                       : r.longunderpasses ? "3d-pipe-long"
                                           : "3d-pipe-short";
    return kind + " level " + std::to_string(r.level) + " wall " + std::to_string(r.wall) + " seed " +
           std::to_string(r.seed) + " " + std::to_string(r.width) + "x" + std::to_string(r.height) +
           (std::string(r.picture) != "open" ? std::string(" ") + r.picture : "");
}

namespace {
bool toldNoRoom(const std::string& message) {
    return message == noRoomMessage || message == blankDrawingMessage || message == noAreaColourMessage;
}
}  // namespace

void writeOpenPicture() { savePictureFile(Picture(800, 600, 0x000000), "open.bmp"); }

SolvedMaze makeAndSolve(const MazeRecipe& recipe, std::uint64_t passBudget) {
    HeadlessPlatform platform(recipe.width, recipe.height);
    // The most cells a lattice can have: wall size 5.
    const std::uint64_t mostCells = static_cast<std::uint64_t>(recipe.width) * recipe.height / 25;
    platform.setPassBudget(3 * (passBudget + recipe.passesPerCell * mostCells) + 1000);
    Form57 form(platform);
    SolvedMaze result;
    std::uint64_t bound = passBudget;
    const auto newMaze = [&] {
        form.random.seed(recipe.seed);
        result.cells = form.latticecells();
        bound = passBudget + recipe.passesPerCell * result.cells;
        platform.pushMenu("newmaze");
    };
    // The user's moves, each a few passes after the one before; the last starts the maze.
    const std::string wall = std::to_string(recipe.wall);
    std::vector<std::function<void()>> moves{
        [&] { platform.pushButton("Command2"); },
        [&] { platform.pushMenu(recipe.mazekind == 0 ? "rmazes" : recipe.mazekind == 2 ? "mazes3d1" : "mazes3d"); },
        [&] { platform.pushMenu("importdrawing"); },
        [&] { platform.pushText(recipe.picture), platform.pushEntryKey(13); },
        [&] { platform.pushMenu("changewallsize"); },
        [&] { platform.pushText(wall), platform.pushEntryKey(13); },
        [&] { platform.pushMenu("cgenerate"); },
        [&] {
            form.difficultylevel = recipe.level;
            form.ui.setChecked("pthin", recipe.longunderpasses);
            form.ui.setChecked("pthick", !recipe.longunderpasses);
            newMaze();
        },
    };
    if (recipe.example != nullptr) {
        // The first "New maze " brings the example's settings, the second makes its maze.
        moves = {[&] { platform.pushButton("Command2"); }, [&] { platform.pushMenu(recipe.example); },
                 [&] { platform.pushMenu("newmaze"); }, [&] { platform.pushMenu("cgenerate"); }, newMaze};
        if (recipe.pipeKind) {
            moves.insert(moves.end() - 1, [&] {
                if ((form.mazekind == 1) == *recipe.pipeKind) return;
                const char* item = *recipe.pipeKind ? "create3dpipe" : "create3d";
                if (!form.ui.menuAvailable(item)) {
                    result.kindChosen = false;
                    platform.requestEnd();
                    return;
                }
                platform.pushMenu(item);
            });
        }
        if (recipe.wall != 10 || recipe.enterWall) {
            // The example's settings came with the first "New maze "; its picture takes the new wall size.
            const auto at = moves.begin() + 3;
            moves.insert(at, {[&] { platform.pushMenu("changewallsize"); },
                              [&] { platform.pushText(wall), platform.pushEntryKey(13); }});
        }
    }
    std::size_t next = 0;
    std::uint64_t stageStart = 0;
    enum class Stage { Moves, Making, Placing, Solving } stage = Stage::Moves;
    bool solving = false;  // the solve stage has begun
    platform.setFeeder([&](HeadlessPlatform& p) {
        const std::uint64_t pass = p.passes();
        switch (stage) {
            case Stage::Moves:
                if (pass % 20 != 0) return;
                moves[next++]();
                if (next == moves.size()) stage = Stage::Making, stageStart = pass;
                return;
            case Stage::Making:
                if (form.passespastfallback > result.passesPastFallback)
                    result.passesPastFallback = form.passespastfallback;
                result.makingPasses = pass - stageStart;
                if (form.programmode == 0 && !p.messages().empty() && toldNoRoom(p.messages().back())) {
                    result.noRoom = true;
                    p.requestEnd();
                } else if (form.programmode == 2) {
                    result.made = true;
                    result.carvingGivenUp = form.carvinggivenup;
                    result.madePicture = form.windowpicture();
                    stage = Stage::Placing, stageStart = pass;
                } else if (pass - stageStart > bound) {
                    p.requestEnd();
                }
                return;
            case Stage::Placing:
                if (pass - stageStart == 2 && recipe.computerSolves) p.pushMenu("playmodeoff");
                if (pass - stageStart == 3) {
                    p.pushMenu("solvemaze");
                    stage = Stage::Solving, stageStart = pass;
                }
                return;
            case Stage::Solving:
                if (form.programmode == 3) solving = true;
                result.solvingPasses = pass - stageStart;
                if (form.programmode == 4) {
                    result.solved = true;
                    p.requestEnd();
                } else if (solving && form.programmode == 2) {
                    result.stopped = true;
                    p.requestEnd();
                } else if (pass - stageStart > bound) {
                    p.requestEnd();
                }
                return;
        }
    });
    form.run();
    if (result.made) {
        if (auto placed = platform.loadPicture("drawing2.bmp")) result.placed = *placed;
    }
    result.shown = form.canvas.image();
    result.state = form;
    return result;
}

namespace {

using PixelSet = std::set<std::pair<long, long>>;

class TrailReader {
public:
    explicit TrailReader(const SolvedMaze& m)
        : maze_(m), s_(m.state), w_(m.state.wallsizex),
          start_(startSquare(m.state)), finish_(finishSquare(m.state)),
          startColour_(at(m.placed, start_.x1, start_.y1)), finishColour_(at(m.placed, finish_.x1, finish_.y1)),
          reach_(m.state.mazekind == 1 && m.state.shortunderpasses == 0 ? 1 : 0) {}

    TrailReading read() {
        TrailReading reading;
        if (maze_.placed.empty()) return {"no placed maze"};
        reading.fault = pixelsChanged();
        if (!reading.fault.empty()) return reading;
        reading.fault = linkTheCells(reading);
        return reading;
    }

private:
    static long at(const Picture& p, long x, long y) {
        if (x < 0 || y < 0 || x >= p.width || y >= p.height) return -1;
        return static_cast<long>(p.at(static_cast<int>(x), static_cast<int>(y)));
    }
    bool trail(long x, long y) const { return at(maze_.shown, x, y) == startColour_; }
    bool open(long x, long y) const {
        const long c = at(maze_.placed, x, y);
        return isPassageColour(s_, c) || c == startColour_ || c == finishColour_;
    }
    std::string where(long x, long y) const { return " at (" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

    std::string pixelsChanged() {
        for (long y = 0; y < maze_.placed.height; ++y)
            for (long x = 0; x < maze_.placed.width; ++x) {
                if (at(maze_.shown, x, y) == at(maze_.placed, x, y)) continue;
                if (!trail(x, y)) return "a pixel changed to another colour than the trail's" + where(x, y);
                if (!open(x, y)) return "the trail runs over a wall" + where(x, y);
                trailPixels_.insert({x, y});
            }
        return {};
    }

    CellRect cellAt(long col, long row) const { return cellBox(w_ + col * w_, w_ + row * w_, w_, w_); }
    long cx(const CellRect& c) const { return c.x1 + w_ / 2 - 1; }
    long cy(const CellRect& c) const { return c.y1 + w_ / 2 - 1; }
    bool centreTrail(const CellRect& c) const { return trail(cx(c), cy(c)); }

    // The pixels from the centre to the box's edge in direction (dx, dy), and one
    // further where a long underpass's line lies; empty when one is not trail.
    PixelSet arm(const CellRect& c, long dx, long dy) const {
        PixelSet pixels;
        long x = cx(c), y = cy(c);
        const long edge = dx < 0 ? c.x1 : dx > 0 ? c.x2 : dy < 0 ? c.y1 : c.y2;
        for (;; x += dx, y += dy) {
            if (!trail(x, y)) return {};
            pixels.insert({x, y});
            if ((dx != 0 ? x : y) == edge) break;
        }
        if (reach_ != 0 && trail(x + dx, y + dy)) pixels.insert({x + dx, y + dy});
        return pixels;
    }

    // The trail as a graph of cells: a link across each grid line the trail
    // covers, and one for each underpass, from an arm that stops at its cell's
    // edge to an arm facing it that stops likewise, under passage cells only.
    // Trails may lie on top of each other (an underpass can run along under a
    // corridor that the way also takes), so the links come from the arms
    // alone, never from following the way.
    std::string linkTheCells(TrailReading& reading) {
        static constexpr long dirs[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        using CellKey = std::pair<long, long>;
        const long cols = maze_.placed.width / w_, rows = maze_.placed.height / w_;
        const auto colOf = [&](long x1) { return (x1 - 1 - w_) / w_; };
        const auto rowOf = [&](long y1) { return (y1 - 1 - w_) / w_; };
        const CellKey start{colOf(start_.x1), rowOf(start_.y1)}, finish{colOf(finish_.x1), rowOf(finish_.y1)};
        const auto box = [&](CellKey k) { return cellAt(k.first, k.second); };
        // An arm that stops at the box's edge: the trail goes no further that way.
        const auto openEnded = [&](const CellRect& c, long dx, long dy) {
            if (arm(c, dx, dy).empty()) return false;
            const long ex = dx < 0 ? c.x1 : dx > 0 ? c.x2 : cx(c);
            const long ey = dy < 0 ? c.y1 : dy > 0 ? c.y2 : cy(c);
            return !trail(ex + (1 + reach_) * dx, ey + (1 + reach_) * dy);
        };

        std::set<CellKey> cells;
        // An underpass may come up in the margin, one cell before the lattice.
        for (long row = -1; row < rows; ++row)
            for (long col = -1; col < cols; ++col)
                if (centreTrail(cellAt(col, row))) cells.insert({col, row});
        if (!cells.count(start) || !cells.count(finish)) return "the trail misses the start or the finish";

        PixelSet explained;
        for (long y = start_.y1; y <= start_.y2; ++y)
            for (long x = start_.x1; x <= start_.x2; ++x) explained.insert({x, y});
        std::map<CellKey, std::set<CellKey>> links;
        for (const CellKey& k : cells) {
            const CellRect c = box(k);
            links[k];
            for (const auto& d : dirs) {
                const PixelSet a = arm(c, d[0], d[1]);
                explained.insert(a.begin(), a.end());
                if (a.empty()) continue;
                const CellKey next{k.first + d[0], k.second + d[1]};
                const long gx = d[0] < 0 ? c.x1 - 1 : d[0] > 0 ? c.x2 + 1 : cx(c);
                const long gy = d[1] < 0 ? c.y1 - 1 : d[1] > 0 ? c.y2 + 1 : cy(c);
                if (trail(gx, gy) && trail(gx + d[0], gy + d[1]) && cells.count(next) &&
                    !arm(box(next), -d[0], -d[1]).empty()) {
                    explained.insert({gx, gy});
                    explained.insert({gx + d[0], gy + d[1]});
                    links[k].insert(next);
                    continue;
                }
                if (k == start || !openEnded(c, d[0], d[1])) continue;
                // The other end lies on this line beyond passage cells; where
                // trails lie on top of each other more than one arm may face
                // this one, and each is taken as a possible end.
                bool otherEnd = false;
                for (long n = 1;; ++n) {
                    const CellKey t{k.first + n * d[0], k.second + n * d[1]};
                    const CellRect tb = box(t);
                    // The start square is trail all over: next to this cell it is a crossed cell.
                    if (cells.count(t) && openEnded(tb, -d[0], -d[1]) && !(t == start && n == 1)) {
                        if (n == 1) return "the trail jumps through a wall" + where(c.x1, c.y1);
                        otherEnd = true;
                        links[k].insert(t);
                        links[t].insert(k);
                    }
                    if (!open(tb.x1, tb.y1)) break;
                }
                if (!otherEnd) return "the trail ends at an underpass without another end" + where(c.x1, c.y1);
            }
        }
        for (const auto& p : trailPixels_)
            if (!explained.count(p)) return "a piece of trail off the way" + where(p.first, p.second);

        // Every cell of the way has two arms, the finish one: a cell with one arm
        // more or less is a dead end or a branch left on the trail.
        for (const CellKey& k : cells) {
            if (k == start) continue;
            const CellRect c = box(k);
            long arms = 0;
            for (const auto& d : dirs) arms += arm(c, d[0], d[1]).empty() ? 0 : 1;
            const long want = k == finish ? 1 : 2;
            if (arms != want) return (arms > want ? "the trail branches" : "the trail ends") + where(c.x1, c.y1);
        }
        std::set<CellKey> reached{start};
        std::vector<CellKey> todo{start};
        while (!todo.empty()) {
            const CellKey k = todo.back();
            todo.pop_back();
            for (const CellKey& n : links[k])
                if (reached.insert(n).second) todo.push_back(n);
        }
        if (!reached.count(finish)) return "the trail does not lead from the start to the finish";
        for (const CellKey& k : cells)
            if (!reached.count(k)) return "trail off the way from the start" + where(box(k).x1, box(k).y1);
        reading.cells = static_cast<long>(cells.size());
        for (const auto& [k, to] : links)
            for (const CellKey& n : to)
                if (k < n && std::abs(n.first - k.first) + std::abs(n.second - k.second) > 1) ++reading.underpasses;
        return {};
    }

    const SolvedMaze& maze_;
    const State& s_;
    long w_;
    CellRect start_, finish_;
    long startColour_, finishColour_;
    long reach_;
    PixelSet trailPixels_;
};

}  // namespace

TrailReading readTrail(const SolvedMaze& maze) { return TrailReader(maze).read(); }

}  // namespace tarnwick::test
