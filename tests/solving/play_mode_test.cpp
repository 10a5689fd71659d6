#include <functional>
#include <map>
#include <string>

#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

constexpr long red = 0x0000FF;

// The user walks the maze: keys and commands go into the solve stage one a
// pass, and the picture is looked at once the pass after each has drawn it.
class PlayMode : public SolvingTest {
protected:
    void SetUp() override { paintMaze(tee, 10); }
    // A fresh maze for another round of one test.
    void again() {
        standardColours(form);
        form.notrail = 0;
        form.ui.setChecked("leavetrail", true);
        paintMaze(tee, 10);
    }
    // The maze with its squares as the run began.
    Picture placedMaze() { return platform.loadPicture("drawing2.bmp").value(); }

    // Starts a solve run with the play option and trail chosen by their commands.
    void choose(const char* play, bool trail) {
        form.commandtaken = 0;
        form.menuClick(play);
        if (!trail) {
            form.commandtaken = 0;
            form.menuClick("leavetrail");
        }
        form.programmode = 3;
    }

    // Each step is an arrow ("L", "R", "U", "D") or a menu item's name. `after`
    // looks at step i once the next pass has drawn it. After the last step the
    // run is left for the drawing stage, once solved when `solve` asks for it.
    void play(const std::vector<std::string>& steps, const std::function<void(std::size_t)>& after = {},
              bool solve = false) {
        static const std::map<std::string, int> arrows{{"L", 37}, {"U", 38}, {"R", 39}, {"D", 40}};
        std::size_t next = 0;
        platform.setPassBudget(platform.passes() + 100'000);
        platform.setFeeder([&](HeadlessPlatform& p) {
            if (next > 0 && next <= steps.size() && after) after(next - 1);
            if (next < steps.size()) {
                const auto arrow = arrows.find(steps[next]);
                if (arrow != arrows.end()) p.pushKey(arrow->second);
                else p.pushMenu(steps[next]);
            } else if (form.programmode == 4 || !solve) {
                form.programmode = 0;
            }
            ++next;
        });
        try {
            form.solvestage();
        } catch (const ProgramEnd&) {
            ADD_FAILURE() << "the run did not end";
        }
        platform.setFeeder({});
    }

    CellRect cell() const { return {form.cellx1, form.celly1, form.cellx2, form.celly2}; }
    std::set<std::pair<long, long>> boxPixels(Cell c) const {
        std::set<std::pair<long, long>> pixels;
        const CellRect b = box(c);
        for (long y = b.y1; y <= b.y2; ++y)
            for (long x = b.x1; x <= b.x2; ++x) pixels.insert({x, y});
        return pixels;
    }
    std::set<std::pair<long, long>> unite(std::set<std::pair<long, long>> a, const std::set<std::pair<long, long>>& b) {
        a.insert(b.begin(), b.end());
        return a;
    }
};

TEST_F(PlayMode, WalkingToTheFinishSolvesTheMaze) {
    for (const bool trail : {true, false}) {
        again();
        choose("easymode", trail);
        const Picture maze = form.canvas.image();
        play({"R", "D", "L", "R"});  // the last arrow comes after the finish: it does nothing
        SCOPED_TRACE(trail ? "with trail" : "without trail");
        EXPECT_EQ(form.programmode, 0);
        EXPECT_EQ(form.mazeprogress, 3);
        EXPECT_EQ(cell(), box(finishCell));
        EXPECT_EQ(platform.captions().back(), "The Quillary Tarnwick-(user has solved maze)");
        if (trail) {
            expectOnlyTheTrailAdded(tee, maze);
        } else {
            // Nothing of the way stays: the start and the finish in their colours.
            EXPECT_EQ(pixelsOf(startShifted), boxPixels(startCell));
            EXPECT_EQ(pixelsOf(finishShifted), boxPixels(finishCell));
        }
    }
}

// The caption of the run follows the tick of the play items.
TEST_F(PlayMode, TheRunsCaptionNamesTheUser) {
    choose("hardmode", true);
    play({});
    EXPECT_NE(std::find(platform.captions().begin(), platform.captions().end(),
                        "The Quillary Tarnwick-(user is solving maze)"),
              platform.captions().end());
}

// Hard mode: straight back onto the cell the last move started from sends the
// player to the start on the clean maze; a blocked key changes nothing.
TEST_F(PlayMode, HardModeStepBackStartsAgain) {
    choose("hardmode", true);
    std::map<std::size_t, CellRect> at;
    play({"R", "D", "D", "U", "R", "R", "L"}, [&](std::size_t i) { at[i] = cell(); });
    EXPECT_EQ(at[1], box({3, 3}));
    EXPECT_EQ(at[2], box({3, 3}));  // blocked: the mark stays on (1, 3)
    EXPECT_EQ(at[3], box(startCell));
    EXPECT_EQ(at[5], box({1, 5}));
    EXPECT_EQ(at[6], box(startCell));  // A to B to C and back to B
    EXPECT_EQ(form.markx, -1);
    EXPECT_TRUE(form.canvas.image() == placedMaze());
}

// Easy mode allows the step back; the trail's last segment is wiped as the
// computer walker wipes it.
TEST_F(PlayMode, EasyModeStepBackWipesTheSegment) {
    choose("easymode", true);
    std::set<std::pair<long, long>> afterOne;
    play({"R", "R", "L"}, [&](std::size_t i) {
        if (i == 0) afterOne = pixelsOf(startShifted);
    });
    EXPECT_EQ(cell(), box({1, 3}));
    EXPECT_EQ(afterOne, trailPixels({startCell, {1, 3}}));
    // The wipe ends on the centre point it comes back to, as the computer's does;
    // the next segment from there draws it again.
    auto wiped = afterOne;
    wiped.erase({centre({1, 3}).x, centre({1, 3}).y});
    EXPECT_EQ(pixelsOf(startShifted), wiped);
}

// Without the trail the player is a box in the start colour; each cell it
// leaves shows its own passage colour again.
TEST_F(PlayMode, WithoutTrailEachCellLeftGetsItsColourBack) {
    form.passagecolors.set(2, red);
    const CellRect redCell = box({1, 3});
    form.canvas.fillBox(redCell.x1, redCell.y1, redCell.x2, redCell.y2, red);
    choose("easymode", false);
    std::map<std::size_t, std::set<std::pair<long, long>>> seen;
    play({"R", "R", "L", "L"}, [&](std::size_t i) { seen[i] = pixelsOf(startShifted); });
    const Picture maze = placedMaze();
    const auto start = boxPixels(startCell);
    EXPECT_EQ(seen[0], unite(start, boxPixels({1, 3})));
    EXPECT_EQ(seen[1], unite(start, boxPixels({1, 5})));
    EXPECT_EQ(seen[2], unite(start, boxPixels({1, 3})));
    EXPECT_EQ(seen[3], start);
    // Back on the start: every other pixel shows the maze as it was, red cell included.
    for (long y = 0; y < form.canvas.height(); ++y)
        for (long x = 0; x < form.canvas.width(); ++x) {
            if (start.count({x, y})) continue;
            ASSERT_EQ(form.canvas.point(x, y), static_cast<long>(maze.at(x, y))) << x << "," << y;
        }
}

// Unticking "Leave trail" while playing: the trail goes and the player stays as
// a box. Ticking it again: the player starts over from the start square.
TEST_F(PlayMode, TrailToggledMidRun) {
    choose("easymode", true);
    const auto start = boxPixels(startCell);
    std::map<std::size_t, std::set<std::pair<long, long>>> seen;
    std::map<std::size_t, CellRect> at;
    play({"R", "R", "leavetrail", "L", "leavetrail", "R"}, [&](std::size_t i) {
        seen[i] = pixelsOf(startShifted);
        at[i] = cell();
    });
    EXPECT_EQ(seen[1], trailPixels({startCell, {1, 3}, {1, 5}}));
    EXPECT_EQ(seen[2], unite(start, boxPixels({1, 5})));
    EXPECT_EQ(at[2], box({1, 5}));
    EXPECT_EQ(seen[3], unite(start, boxPixels({1, 3})));
    EXPECT_EQ(at[4], box(startCell));
    EXPECT_EQ(seen[4], start);
    EXPECT_EQ(seen[5], trailPixels({startCell, {1, 3}}));
}

// "(0)-off" while playing: with the trail the computer goes on from the
// player's cell and its trail, without it from the start square; either way
// the solved maze shows only the way from start to finish. "Reset all maze
// settings" switches play off too, though it puts no walker in place: the
// solver does, as "(0)-off" would have.
TEST_F(PlayMode, SwitchingPlayOffHandsTheWalkToTheComputer) {
    for (const char* command : {"playmodeoff", "resetsettings"}) {
        for (const bool trail : {true, false}) {
            again();
            choose("easymode", trail);
            const Picture maze = form.canvas.image();
            CellRect handedOver{};
            std::string caption;
            play({"R", "R", command}, [&](std::size_t i) {
                if (i == 2) handedOver = cell(), caption = platform.captions().back();
            }, true);
            SCOPED_TRACE(std::string(command) + (trail ? ", with trail" : ", without trail"));
            EXPECT_EQ(handedOver, trail ? box({1, 5}) : box(startCell));
            EXPECT_EQ(caption, "The Quillary Tarnwick-(computer is solving maze)");
            EXPECT_EQ(platform.captions().back(), "The Quillary Tarnwick-(computer has solved maze)");
            EXPECT_EQ(cell(), box(finishCell));
            expectOnlyTheTrailAdded(tee, maze);
        }
    }
}

// No way leads to the finish. A player who goes back and forth meets the same
// state again and again and is never stopped; the computer walker that takes
// over goes round and stops, back in placing, told once.
TEST_F(PlayMode, OnlyTheComputerWalkThatGoesRoundStops) {
    const MazeArt cutOff = {
        "#########",
        "#S....#F#",
        "#.###.###",
        "#.......#",
        "#########",
    };
    paintMaze(cutOff, 10);
    choose("easymode", true);
    std::vector<long> modes;
    play({"R", "L", "R", "L", "R", "L", "R", "L", "playmodeoff"}, [&](std::size_t) { modes.push_back(form.programmode); },
         true);
    EXPECT_EQ(modes, std::vector<long>(9, 3));
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(pixelsOf(startShifted), boxPixels(startCell));
}

// Play switched on without trail while the computer walks: its trail goes and
// the player carries on from the walker's cell.
TEST_F(PlayMode, PlaySwitchedOnWithoutTrailTakesOverTheWalker) {
    form.notrail = 1;
    form.ui.setChecked("leavetrail", false);
    form.programmode = 3;
    CellRect walker{};
    std::set<std::pair<long, long>> shown;
    std::size_t pass = 0;
    platform.setPassBudget(10'000);
    platform.setFeeder([&](HeadlessPlatform& p) {
        ++pass;
        if (pass == 30) {
            p.pushMenu("easymode");
            walker = cell();
        }
        if (pass == 31) shown = pixelsOf(startShifted);
        if (pass == 32) form.programmode = 0;
    });
    form.solvestage();
    ASSERT_FALSE(walker == box(startCell));
    EXPECT_EQ(cell(), walker);
    EXPECT_EQ(shown, unite(boxPixels(startCell), boxPixels({walker.y1 / 10 * 2 - 1, walker.x1 / 10 * 2 - 1})));
}

// In a 3d-maze a push against the wall at an underpass mouth carries the
// player under the corridor in the same pass; the way on leads to the finish.
TEST_F(PlayMode, APushAtAnUnderpassMouthCrossesIt) {
    const MazeArt underCorridor = {
        "###########",
        "#F#...#...#",
        "#.###.###.#",
        "#...#.#S..#",
        "#####.###.#",
        "#.........#",
        "###########",
    };
    for (const bool trail : {true, false}) {
        standardColours(form);
        form.notrail = 0;
        form.ui.setChecked("leavetrail", true);
        paintMaze(underCorridor, 10);
        form.mazekind = 2;
        choose("easymode", trail);
        std::map<std::size_t, CellRect> at;
        play({"L", "L", "U"}, [&](std::size_t i) { at[i] = cell(); });
        SCOPED_TRACE(trail ? "with trail" : "without trail");
        EXPECT_EQ(at[0], box({3, 3}));
        EXPECT_EQ(at[1], box({3, 1}));
        EXPECT_EQ(cell(), box(finishCell));
        EXPECT_EQ(platform.captions().back(), "The Quillary Tarnwick-(user has solved maze)");
        if (trail) {
            // The trail leaves the start to the left, runs under the corridor and on to the finish.
            const long y = centre(startCell).y;
            EXPECT_EQ(form.canvas.point(box(startCell).x1, y), startShifted);
            EXPECT_EQ(form.canvas.point(centre({3, 5}).x, y), white) << "the trail was drawn over the corridor";
            EXPECT_EQ(form.canvas.point(centre({3, 3}).x, y), startShifted);
            EXPECT_EQ(form.canvas.point(centre({3, 1}).x, box({3, 1}).y1 - 1), startShifted);
        }
    }
}

}  // namespace
}  // namespace tarnwick::test
