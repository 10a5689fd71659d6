#include <map>
#include <queue>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/colours.h"
#include "core/geometry.h"
#include "solving/solving_fixture.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

// The whole program makes a maze and solves it; the picture saved before the
// solve ("drawing2.bmp") is the maze, read back cell by cell.
struct GeneratedCase {
    const char* name;
    int width, height;
    std::string script;  // ends with the maze solved
};
void PrintTo(const GeneratedCase& c, std::ostream* os) { *os << c.name; }

std::string exampleAsRegularMaze(const char* item) {
    return std::string("passes 3\nbutton \"Click to Begin\"\npasses 5\nmenu \"Maze Picture\" \"") + item +
           "\"\npasses 5\nmenu \"Maze Options\" \"New maze \"\npasses 20\nexpect-mode 0\n"
           "menu \"Options\" \"Create regular 2-d mazes inside drawing\"\nuntil-mode 2 3000000\n"
           "passes 3\nmenu \"Maze Options\" \"Solve maze\"\nuntil-mode 4 3000000\n";
}

// A blank drawing at wall size 5, one navy block of 34 by 23 cells, a maze made
// by the computer.
std::string drawnBlockAtWallSize5() {
    std::string s =
        "passes 3\nbutton \"Click to Begin\"\npasses 20\n"
        "menu \"Options\" \"New Tarnwick Drawing\" \"New drawing and new wall size(in pixels)\"\n"
        "type \"5\"\nkey Enter\npasses 5\nkey Period\npasses 2\n";
    for (int i = 0; i < 33; ++i) s += "key D\npasses 1\n";
    for (int i = 0; i < 22; ++i) s += "key S\npasses 1\n";
    s += "menu \"Maze Options\" \"New maze \"\npasses 5\n"
         "menu \"Maze Settings\" \"Maze creation\" \"(2)-Computer creates maze\"\nuntil-mode 2 3000000\n"
         "passes 3\nmenu \"Maze Options\" \"Solve maze\"\nuntil-mode 4 3000000\n";
    return s;
}

using PixelSet = std::set<std::pair<long, long>>;

class GeneratedMaze : public ::testing::TestWithParam<GeneratedCase> {
protected:
    struct LatticeCell {
        long col = 0, row = 0;
        auto operator<=>(const LatticeCell&) const = default;
    };

    void SetUp() override { copyExampleSettings(); }

    long x1Of(LatticeCell c) const { return wall + c.col * wall + 1; }
    long y1Of(LatticeCell c) const { return wall + c.row * wall + 1; }
    Pixel centreOf(LatticeCell c) const { return {x1Of(c) + wall / 2 - 1, y1Of(c) + wall / 2 - 1}; }
    LatticeCell cellAt(long x1, long y1) const { return {(x1 - 1 - wall) / wall, (y1 - 1 - wall) / wall}; }

    bool open(long x, long y) const {
        if (x < 0 || y < 0 || x >= maze.width || y >= maze.height) return false;
        const long c = maze.at(static_cast<int>(x), static_cast<int>(y));
        return isPassageColour(program.form, c) || c == startColour || c == finishColour;
    }

    // The cells and openings of the maze as its pixels show them. Every opening
    // is a grid line painted across, read on the box's first row or column.
    std::map<LatticeCell, std::vector<LatticeCell>> readMaze() const {
        std::map<LatticeCell, std::vector<LatticeCell>> links;
        for (long row = 0; wall + (row + 1) * wall <= maze.height; ++row)
            for (long col = 0; wall + (col + 1) * wall <= maze.width; ++col) {
                const LatticeCell c{col, row};
                if (!open(x1Of(c), y1Of(c))) continue;
                links[c];
                const LatticeCell right{col + 1, row}, down{col, row + 1};
                if (open(x1Of(c) + wall - 2, y1Of(c)) && open(x1Of(right), y1Of(right))) {
                    links[c].push_back(right);
                    links[right].push_back(c);
                }
                if (open(x1Of(c), y1Of(c) + wall - 2) && open(x1Of(down), y1Of(down))) {
                    links[c].push_back(down);
                    links[down].push_back(c);
                }
            }
        return links;
    }

    TempWorkDir workDir;
    HeadlessProgram program{GetParam().width, GetParam().height, 4'000'000};
    Picture maze;
    long wall = 10;
    long startColour = -1, finishColour = -1;
};

// The trail on the solved maze is exactly the one way from the start to the
// finish: every dead end the walker went into is wiped again, in the colours of
// the passages it crossed, and every other pixel shows the maze as it was.
TEST_P(GeneratedMaze, TrailIsTheUniquePathFromStartToFinish) {
    ASSERT_EQ(program.runScript(GetParam().script), "");
    const Form57& f = program.form;
    ASSERT_EQ(f.programmode, 4);
    const auto placed = program.platform.loadPicture("drawing2.bmp");
    ASSERT_TRUE(placed.has_value());
    maze = *placed;
    wall = f.wallsizex;
    startColour = maze.at(static_cast<int>(f.startx1), static_cast<int>(f.starty1));
    finishColour = maze.at(static_cast<int>(f.finishx1), static_cast<int>(f.finishy1));
    ASSERT_NE(startColour, finishColour);

    const auto links = readMaze();
    const LatticeCell start = cellAt(f.startx1, f.starty1), finish = cellAt(f.finishx1, f.finishy1);
    ASSERT_TRUE(links.count(start) && links.count(finish));
    std::map<LatticeCell, LatticeCell> cameFrom{{start, start}};
    std::queue<LatticeCell> todo;
    todo.push(start);
    std::size_t ends = 0;
    while (!todo.empty()) {
        const LatticeCell at = todo.front();
        todo.pop();
        for (const LatticeCell next : links.at(at)) {
            ++ends;
            if (cameFrom.emplace(next, at).second) todo.push(next);
        }
    }
    // A tree: one way between any two cells.
    ASSERT_EQ(ends / 2, cameFrom.size() - 1) << "the maze has a loop";
    ASSERT_TRUE(cameFrom.count(finish));

    PixelSet expected;
    for (long y = f.starty1; y <= f.starty2; ++y)
        for (long x = f.startx1; x <= f.startx2; ++x) expected.insert({x, y});
    for (LatticeCell c = finish; !(c == start); c = cameFrom.at(c)) {
        const Pixel a = centreOf(c), b = centreOf(cameFrom.at(c));
        for (long y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y)
            for (long x = std::min(a.x, b.x); x <= std::max(a.x, b.x); ++x) expected.insert({x, y});
    }
    PixelSet trail;
    for (long y = 0; y < maze.height; ++y)
        for (long x = 0; x < maze.width; ++x) {
            const long shown = f.canvas.point(x, y);
            if (shown == startColour) {
                trail.insert({x, y});
                continue;
            }
            ASSERT_EQ(shown, static_cast<long>(maze.at(static_cast<int>(x), static_cast<int>(y))))
                << "off the trail at (" << x << ", " << y << ")";
        }
    EXPECT_EQ(trail.size(), expected.size());
    EXPECT_TRUE(trail == expected) << "the trail is not the way from start to finish";
}

INSTANTIATE_TEST_SUITE_P(
    Mazes, GeneratedMaze,
    ::testing::Values(
        GeneratedCase{"temple", 800, 600,
                      "passes 3\nbutton \"Click to Begin\"\npasses 5\nmenu \"Maze Picture\" \"temple.maze\"\n"
                      "passes 5\nmenu \"Maze Options\" \"New maze \"\npasses 20\nexpect-mode 0\n"
                      "menu \"Maze Options\" \"New maze \"\nuntil-mode 2 3000000\npasses 3\n"
                      "menu \"Maze Options\" \"Solve maze\"\nuntil-mode 4 3000000\n"},
        GeneratedCase{"christmasTreeAsRegular", 800, 600, exampleAsRegularMaze("Christmas-tree.maze")},
        GeneratedCase{"spaceStationAsRegular", 800, 600, exampleAsRegularMaze("space-station.maze")},
        GeneratedCase{"drawnBlockWall5", 200, 150, drawnBlockAtWallSize5()}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
