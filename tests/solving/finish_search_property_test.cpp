// The finish search over mazes the program made itself: it always ends, the
// finish it keeps is a cell at the greatest distance from the start, and no
// trail is left on the maze. The distances come from a search of our own over
// the cells and underpasses that the maze's pixels show (a crossing adds
// nothing to the way, as the walker's count gives it under option 1).
#include <deque>
#include <map>

#include "core/colours.h"
#include "solving/maze_property.h"
#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

struct PropertyCase {
    const char* kind;  // the "New Tarnwick Drawing" item
    long wall;
    bool longunderpasses;
    double clock;  // the program seeds itself from it
};
std::string nameOf(const PropertyCase& c) {
    std::string kind = c.kind[0] == 'r' ? "regular" : c.kind[3] == 'p' ? (c.longunderpasses ? "pipeLong" : "pipeShort")
                                                                        : "maze3d";
    return kind + "Wall" + std::to_string(c.wall) + "Seed" + std::to_string(static_cast<long>(c.clock) % 1000);
}

std::string searchScript(const PropertyCase& c) {
    std::string s = "passes 3\nbutton \"Click to Begin\"\npasses 20\n"
                    "menu \"Options\" \"New Tarnwick Drawing\" \"" +
                    std::string(c.kind) +
                    "\"\npasses 5\nmenu \"Options\" \"Import Bitmap\"\ntype open\nkey Enter\npasses 5\n"
                    "menu \"Options\" \"Change wall size\"\npasses 2\ntype \"" +
                    std::to_string(c.wall) +
                    "\"\nkey Enter\npasses 5\n"
                    "menu \"Maze Settings\" \"Maze creation\" \"(2)-Computer creates maze\"\npasses 2\n";
    if (c.longunderpasses) s += "menu \"Maze Settings\" \"Length of underpasses\" \"Long\"\npasses 2\n";
    s += "menu \"Maze Options\" \"New maze \"\nuntil-mode 2 3000000\npasses 3\n"
         "menu \"Maze Settings\" \"End-point-options\" \"(1)-Computer finds largest solution from start\"\n"
         "passes 2\nexpect-caption \"The Quillary Tarnwick-(searching for finish)\"\nuntil-mode 2 3000000\n"
         "passes 3\nexpect-caption \"The Quillary Tarnwick-(placing start and finish)\"\n";
    return s;
}

class FinishSearchProperty : public ::testing::TestWithParam<PropertyCase> {
protected:
    struct Node {
        long x1 = 0, y1 = 0, lock = 0;
        auto operator<=>(const Node&) const = default;
    };

    bool open(long x, long y) const {
        if (x < 0 || y < 0 || x >= maze.width || y >= maze.height) return false;
        const long c = static_cast<long>(maze.at(static_cast<int>(x), static_cast<int>(y)));
        return isPassageColour(f(), c);
    }
    const Form57& f() const { return program.form; }
    // The side of the box at (x1, y1) facing (dx, dy) is an opening: both pixels of
    // the grid line across, read in the box's first row or column. A long
    // underpass's one-pixel mark fills only the first.
    bool side(long x1, long y1, long dx, long dy) const {
        const long w = f().wallsizex;
        const long x = dx > 0 ? x1 + w - 3 : x1, y = dy > 0 ? y1 + w - 3 : y1;
        return open(x + dx, y + dy) && open(x + 2 * dx, y + 2 * dy);
    }
    bool flanksClosed(long x1, long y1, long dx, long dy) const {
        return !side(x1, y1, dy, dx) && !side(x1, y1, -dy, -dx);
    }

    // Where an underpass from the box at (x1, y1) towards (dx, dy) comes up: the
    // box is walled ahead and on both flanks with a cell one further; under the
    // cells on, every cell walled on both flanks and on the side it is entered
    // by ends it, one also walled ahead being a closed box that locks the axis.
    std::optional<Node> underpassFrom(const Node& n, long dx, long dy) const {
        const long w = f().wallsizex;
        if (side(n.x1, n.y1, dx, dy) || !flanksClosed(n.x1, n.y1, dx, dy)) return std::nullopt;
        if (n.lock == (dx != 0 ? 2 : 1)) return std::nullopt;
        long depth = 1;
        for (long k = 1;; ++k) {
            const long x = n.x1 + k * dx * w, y = n.y1 + k * dy * w;
            if (!open(x, y)) return std::nullopt;
            if (!flanksClosed(x, y, dx, dy)) continue;
            const bool aheadClosed = !side(x, y, dx, dy), behindClosed = !side(x, y, -dx, -dy);
            if (aheadClosed && behindClosed) return Node{x, y, dx != 0 ? 1 : 2};
            if (aheadClosed) ++depth;
            if (behindClosed) --depth;
            if (depth < 1) return Node{x, y, 0};
        }
    }

    // Steps along openings count 1, crossings 0.
    long crossings = 0;  // underpass mouths met
    std::map<Node, long> distances(long sx, long sy) {
        const long w = f().wallsizex;
        std::map<Node, long> d{{{sx, sy, 0}, 0}};
        std::deque<Node> todo{{sx, sy, 0}};
        while (!todo.empty()) {
            const Node n = todo.front();
            todo.pop_front();
            for (auto [dx, dy] : {std::pair{1L, 0L}, {-1L, 0L}, {0L, 1L}, {0L, -1L}}) {
                if (side(n.x1, n.y1, dx, dy) && open(n.x1 + dx * w, n.y1 + dy * w)) {
                    const Node next{n.x1 + dx * w, n.y1 + dy * w, 0};
                    if (!d.count(next) || d[next] > d[n] + 1) d[next] = d[n] + 1, todo.push_back(next);
                } else if (f().mazekind != 0) {
                    const auto landing = underpassFrom(n, dx, dy);
                    if (landing) ++crossings;
                    if (landing && (!d.count(*landing) || d[*landing] > d[n]))
                        d[*landing] = d[n], todo.push_front(*landing);
                }
            }
        }
        return d;
    }

    TempWorkDir workDir;
    HeadlessProgram program{GetParam().wall >= 8 ? 240 : 160, GetParam().wall >= 8 ? 180 : 120, 8'000'000};
    Picture maze;
};

TEST_P(FinishSearchProperty, EndsOnTheFarthestCellAndLeavesNoTrail) {
    const PropertyCase& c = GetParam();
    writeOpenPicture();
    program.platform.setClock(c.clock);
    ASSERT_EQ(program.runScript(searchScript(c)), "");
    ASSERT_EQ(f().finishfound, 1);
    const auto made = program.platform.loadPicture("drawing3.bmp");
    ASSERT_TRUE(made.has_value());
    maze = *made;

    // The maze shows the squares and nothing of the search's trail.
    const long startColour = f().canvas.point(f().startx1, f().starty1);
    for (long y = 0; y < maze.height; ++y)
        for (long x = 0; x < maze.width; ++x) {
            const bool inStart = x >= f().startx1 && x <= f().startx2 && y >= f().starty1 && y <= f().starty2;
            if (inStart) continue;
            ASSERT_NE(f().canvas.point(x, y), startColour) << "trail left at (" << x << ", " << y << ")";
        }

    const auto d = distances(f().startx1, f().starty1);
    long farthest = 0, atFinish = -1;
    for (const auto& [node, length] : d) {
        farthest = std::max(farthest, length);
        if (node.x1 == f().finishx1 && node.y1 == f().finishy1) atFinish = std::max(atFinish, length);
    }
    EXPECT_GT(d.size(), 10u) << "the maze was hardly made";
    if (f().mazekind != 0) {
        EXPECT_GT(crossings, 0) << "no underpass in the maze";
    }
    EXPECT_EQ(atFinish, farthest) << "finish (" << f().finishx1 << ", " << f().finishy1 << ")";
    EXPECT_EQ(f().finishx2 - f().finishx1, f().wallsizex - 3);
}

std::vector<PropertyCase> propertyCases() {
    std::vector<PropertyCase> cases;
    for (long wall = 5; wall <= 10; ++wall) cases.push_back({"regular 2-d mazes", wall, false, 36000.0 + 37 * wall});
    for (double clock : {36100.0, 36211.0}) {
        cases.push_back({"3d-mazes", 10, false, clock});
        cases.push_back({"3d-pipe-mazes", 10, false, clock});
        cases.push_back({"3d-pipe-mazes", 10, true, clock});
    }
    cases.push_back({"3d-mazes", 6, false, 36323.0});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Mazes, FinishSearchProperty, ::testing::ValuesIn(propertyCases()),
                         [](const auto& info) { return nameOf(info.param); });

}  // namespace
}  // namespace tarnwick::test
