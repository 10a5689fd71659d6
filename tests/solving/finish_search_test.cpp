#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

// The finish search on small mazes: the computer walks the whole maze from the
// start and keeps the farthest cell as the finish.
class FinishSearch : public SolvingTest {
protected:
    // The placing stage hands over with the finish hidden off the window.
    void searchFrom(const MazeArt& art, long wall, long option = 1) {
        paintMaze(art, wall);
        clean = form.canvas.image();
        form.endpointoption = option;
        form.finishfound = 0;
        form.programmode = 3;
        form.finishx1 = form.finishy1 = form.finishx2 = form.finishy2 = -100;
    }
    // Runs the solve stage until it returns; `atPass` looks in at each event run.
    void run(const std::function<void(std::uint64_t)>& atPass = {}) {
        platform.setPassBudget(platform.passes() + 200'000);
        platform.setFeeder([&](HeadlessPlatform& p) {
            if (atPass) atPass(p.passes());
        });
        try {
            form.solvestage();
        } catch (const ProgramEnd&) {
            ADD_FAILURE() << "the search did not end";
        }
        platform.setFeeder({});
    }
    CellRect finish() const { return {form.finishx1, form.finishy1, form.finishx2, form.finishy2}; }
    Picture clean;
};

struct SearchCase {
    const char* name;
    const MazeArt* maze;
    long wall;
};

class FarthestCell : public FinishSearch, public ::testing::WithParamInterface<SearchCase> {};

// The search ends back at the start with the finish on a cell at the greatest
// path length, and leaves the maze clean: no trail, no start square.
TEST_P(FarthestCell, EndsOnACellAtTheGreatestPathLength) {
    const SearchCase& c = GetParam();
    searchFrom(*c.maze, c.wall);
    run();
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(form.finishfound, 1);
    long farthest = 0;
    Cell found{-1, -1};
    for (const auto& [cell, d] : distancesFromStart(*c.maze)) {
        farthest = std::max(farthest, d);
        if (box(cell) == finish()) found = cell;
    }
    ASSERT_NE(found.row, -1) << "the finish is on no cell";
    EXPECT_EQ(distancesFromStart(*c.maze).at(found), farthest);
    EXPECT_EQ(form.bestpathlength, farthest);
    EXPECT_TRUE(form.canvas.image() == clean) << "the search left pixels behind";
    EXPECT_EQ(form.finishsample, white);
    EXPECT_EQ(form.finishunder, white);
}

INSTANTIATE_TEST_SUITE_P(Mazes, FarthestCell,
                         ::testing::Values(SearchCase{"twisty10", &twisty, 10}, SearchCase{"twisty5", &twisty, 5},
                                           SearchCase{"middle10", &startInTheMiddle, 10},
                                           SearchCase{"middle5", &startInTheMiddle, 5},
                                           SearchCase{"above7", &finishAbove, 7}),
                         [](const auto& info) { return std::string(info.param.name); });

// Two arms of the same length: the one the left-hand walk reaches first keeps
// the finish (the walk sets off heading right). In a maze without underpasses
// all three options choose the same cell.
TEST_F(FinishSearch, TiesKeepTheCellFoundFirst) {
    const MazeArt arms = {"###########", "#....S....#", "###########"};
    for (const long option : {1L, 2L, 3L}) {
        standardColours(form);
        searchFrom(arms, 10, option);
        run();
        EXPECT_EQ(finish(), box({1, 9})) << "option " << option;
    }
}

// A play option chosen before the search waits while the computer walks, and
// comes back when the finish is found.
TEST_F(FinishSearch, ThePlayOptionWaitsForTheSearch) {
    searchFrom(twisty, 10);
    form.playoption = 2;
    std::set<long> during;
    run([&](std::uint64_t) { during.insert(form.playoption); });
    EXPECT_EQ(during, std::set<long>{0});
    EXPECT_EQ(form.playoption, 2);
    EXPECT_EQ(form.savedplaymode, 2);
    EXPECT_EQ(form.finishfound, 1);
}

// "Place start and finish" during the search: the option comes back and the
// next placing stage searches again; a second search ends as the first did.
TEST_F(FinishSearch, LeftEarlyItStartsAgain) {
    searchFrom(twisty, 10);
    form.playoption = 1;
    form.ui.setEnabled("sandf", true);
    run([&](std::uint64_t pass) {
        if (pass == 50) platform.pushMenu("sandf");
    });
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(form.finishfound, 0);
    EXPECT_EQ(form.playoption, 1);

    for (int round = 0; round < 2; ++round) {
        standardColours(form);
        searchFrom(twisty, 10);
        run();
        EXPECT_EQ(form.finishfound, 1) << "round " << round;
        EXPECT_EQ(finish(), box({7, 9})) << "round " << round;
    }
}

// "Reset all maze settings" switches play off for good, during the search and
// after it: neither the search's end nor a search started later brings back
// the option chosen before, which the "off" tick would no longer show.
TEST_F(FinishSearch, AResetLeavesPlayOffDuringTheSearchAndAfterIt) {
    searchFrom(twisty, 10);
    form.playoption = 1;
    run([&](std::uint64_t pass) {
        if (pass == 50) platform.pushMenu("resetsettings");
    });
    EXPECT_EQ(form.programmode, 2) << "the reset changes the end-point option: back to placing";
    EXPECT_EQ(form.playoption, 0) << "during";
    EXPECT_EQ(form.savedplaymode, 0) << "during";

    standardColours(form);
    searchFrom(twisty, 10);
    form.playoption = 1;
    run();
    ASSERT_EQ(form.playoption, 1);
    form.commandtaken = 0;
    platform.pushMenu("resetsettings");
    form.doEvents();
    standardColours(form);
    searchFrom(twisty, 10);
    run();
    EXPECT_EQ(form.finishfound, 1);
    EXPECT_EQ(form.playoption, 0) << "after";
    EXPECT_EQ(form.savedplaymode, 0) << "after";
}

// A start with no way out: no cell beats it, so the finish goes on the start's
// own cell, where the placing keys can take it and a solve ends at once.
TEST_F(FinishSearch, AStartWithNoWayOutKeepsTheFinishOnTheMaze) {
    const MazeArt shut = {"#########", "#S#.....#", "#########"};
    searchFrom(shut, 10);
    run();
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(form.finishfound, 1);
    EXPECT_EQ(finish(), box(startCell));
    EXPECT_EQ(form.finishunder, white);

    form.programmode = 3;
    form.ui.setChecked("playmodeoff", true);
    solveToTheEnd(1000);
    EXPECT_EQ(platform.captions().back(), "The Quillary Tarnwick-(computer has solved maze)");
}

}  // namespace
}  // namespace tarnwick::test
