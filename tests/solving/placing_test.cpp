#include <functional>
#include <map>

#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

constexpr long red = 0x0000FF;
constexpr int keyL = 76, keyJ = 74, keyX = 88, keyRight = 39;

class Placing : public SolvingTest {
protected:
    const MazeArt maze = {
        "#######",
        "#S....#",
        "#.###.#",
        "#.#F..#",
        "#######",
    };
    void SetUp() override {
        paintMaze(maze, 10);
        form.passagecolors.set(2, red);
        const CellRect r = box({1, 3});
        form.canvas.fillBox(r.x1, r.y1, r.x2, r.y2, red);
        form.programmode = 2;
        form.ui.setEnabled("solvemaze", true);
    }
    // Runs the placing stage; `atPass` runs at the start of each event run with
    // its number (from 1), after that pass has drawn.
    void place(const std::function<void(HeadlessPlatform&, std::uint64_t)>& atPass) {
        platform.setPassBudget(1000);
        platform.setFeeder([&](HeadlessPlatform& p) { atPass(p, p.passes()); });
        form.placesandf();
        platform.setFeeder({});
    }
    long at(Cell cell) const { return form.canvas.point(box(cell).x1, box(cell).y1); }
};

TEST_F(Placing, FirstPassPaintsBothSquares) {
    form.saveuserfinish = 1;
    place([&](HeadlessPlatform&, std::uint64_t) { form.programmode = 0; });
    EXPECT_EQ(at({1, 1}), startShifted);
    EXPECT_EQ(at({3, 3}), finishShifted);
    EXPECT_EQ(form.userfinishx1, box({3, 3}).x1);
    EXPECT_EQ(form.saveuserfinish, 0);
    EXPECT_TRUE(form.ui.menu("rfinish").enabled);
    EXPECT_TRUE(form.ui.menu("ksandf").enabled);
    EXPECT_FALSE(form.ui.menu("keysanswer").enabled);
}

// The keys move the fields; the loop erases the old box with the colour that was
// under it and takes the colour under the new place as the next erase colour.
TEST_F(Placing, MovingAwayAndBackRestoresThePassageColours) {
    std::map<std::uint64_t, std::pair<long, long>> seen;  // pass -> (cell (1,1), cell (1,3))
    place([&](HeadlessPlatform& p, std::uint64_t pass) {
        seen[pass] = {at({1, 1}), at({1, 3})};
        if (pass == 1) p.pushKey(keyL);
        if (pass == 2) p.pushKey(keyJ);
        if (pass == 3) form.programmode = 0;
    });
    EXPECT_EQ(seen[2], std::pair(white, startShifted));
    EXPECT_EQ(seen[3], std::pair(startShifted, red));
    EXPECT_EQ(form.startunder, white);
    EXPECT_EQ(at({3, 3}), finishShifted);
}

TEST_F(Placing, ColourKeyRepaintsOnlyThatSquare) {
    long finishBefore = 0;
    place([&](HeadlessPlatform& p, std::uint64_t pass) {
        if (pass == 1) {
            p.pushKey(keyX);
            // Paint over the finish: a repaint would show.
            const CellRect f = box({3, 3});
            form.canvas.fillBox(f.x1, f.y1, f.x2, f.y2, white);
            finishBefore = at({3, 3});
        }
        if (pass == 2) form.programmode = 0;
    });
    EXPECT_NE(form.startcolor, startShifted);
    EXPECT_EQ(at({1, 1}), form.startcolor);
    EXPECT_EQ(at({3, 3}), finishBefore);
    EXPECT_EQ(form.startcolorchanged, 0);
}

// The computer is to find the finish: the start shows for one pass, the finish
// is hidden off the surface and the solver takes over before any event runs.
TEST_F(Placing, PendingFinishSearchHandsOverAtOnce) {
    form.endpointoption = 1;
    form.finishfound = 0;
    const CellRect f = box({3, 3});
    place([&](HeadlessPlatform&, std::uint64_t) { ADD_FAILURE() << "no event run expected"; });
    EXPECT_EQ(form.programmode, 3);
    EXPECT_EQ(finishSquare(form), (CellRect{-100, -100, -100, -100}));
    EXPECT_EQ(at({1, 1}), startShifted);
    EXPECT_EQ(form.canvas.point(f.x1, f.y1), white);
    EXPECT_EQ(platform.passes(), 0u);
}

TEST_F(Placing, ComputedFinishGivesThePlayOptionBack) {
    form.endpointoption = 1;
    form.finishfound = 1;
    form.savedplaymode = 2;
    place([&](HeadlessPlatform&, std::uint64_t) { form.programmode = 0; });
    EXPECT_EQ(form.playoption, 2);
    EXPECT_EQ(at({3, 3}), finishShifted);
}

TEST_F(Placing, SolveMazeLeavesForTheSolver) {
    place([&](HeadlessPlatform& p, std::uint64_t pass) {
        if (pass == 1) p.pushMenu("solvemaze");
    });
    EXPECT_EQ(form.programmode, 3);
}

TEST_F(Placing, OpenPanelDrawsNothing) {
    form.panelopen = 1;
    const Picture before = form.canvas.image();
    place([&](HeadlessPlatform& p, std::uint64_t pass) {
        if (pass == 1) p.pushKey(keyRight);
        if (pass == 2) form.programmode = 0;
    });
    EXPECT_TRUE(form.canvas.image() == before);
}

// A print run prints each placed maze; without answers it goes on to the next
// maze, with answers to the solver at once. No printer is needed for either.
TEST_F(Placing, PrintRunWithoutAnswersPrintsAndMakesTheNextMaze) {
    form.printmode = 2;
    form.mazestoprint = 3;
    form.mazesprinted = 0;
    place([&](HeadlessPlatform&, std::uint64_t) {});
    EXPECT_EQ(form.programmode, 1);
    EXPECT_EQ(form.mazesprinted, 1);
    ASSERT_EQ(platform.printedPages().size(), 1u);
    const Picture& page = platform.printedPages()[0];
    EXPECT_EQ(static_cast<long>(page.at(box({1, 1}).x1, box({1, 1}).y1)), startShifted);
    EXPECT_EQ(static_cast<long>(page.at(box({3, 3}).x1, box({3, 3}).y1)), finishShifted);
    EXPECT_EQ(form.ui.menu("printing").caption,
              " 3 mazes left to print out of  3 - last page printed to headless page 1");
}

TEST_F(Placing, PrintRunWithAnswersHandsTheMazeToTheSolver) {
    form.printmode = 1;
    form.mazestoprint = 2;
    place([&](HeadlessPlatform&, std::uint64_t) { ADD_FAILURE() << "no event run expected"; });
    EXPECT_EQ(form.programmode, 3);
    EXPECT_EQ(platform.printedPages().size(), 1u);
    EXPECT_EQ(form.mazesprinted, 0);
    EXPECT_EQ(form.answerpagedue, 1);
}

// "Place start and finish" during making needs three full cells; the carving
// head's cell counts whatever it shows.
TEST_F(SolvingTest, PlaceStartAndFinishDuringMakingNeedsThreeFullCells) {
    const MazeArt maze = {
        "#######",
        "#S..###",
        "#######",
    };
    paintMaze(maze, 10);
    form.programmode = 1;
    form.cellx1 = 11, form.celly1 = 11;  // the head on a full cell
    form.commandtaken = 0;
    form.sandf_Click();
    EXPECT_EQ(form.programmode, 1) << "two full cells only";
    form.cellx1 = 31;  // the head on the uncarved third cell
    form.commandtaken = 0;
    form.sandf_Click();
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(form.mazeprogress, 1);
    EXPECT_FALSE(form.canvas.screenOnly());
}

TEST_F(SolvingTest, PlaceStartAndFinishFromTheSolvedMaze) {
    form.programmode = 4;
    form.commandtaken = 0;
    form.sandf_Click();
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(form.mazeprogress, 4);
}

}  // namespace
}  // namespace tarnwick::test
