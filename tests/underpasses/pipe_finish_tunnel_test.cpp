// A pipe walker heading for the finish along a corridor walled in red: where
// its step takes it, and whether the reach counts the corridor's far end. The finish is
// a dead end, so a tunnel passes under it only across its way in; along its way
// in the walker never gets past it, and the reach must not wait on what lies
// behind it.
#include "underpasses/cell_art.h"

namespace tarnwick::test {
namespace {

struct FinishCase {
    const char* name;
    CellArt art;
    Cell finish, landing, behind;
    bool behindReached;
};

void PrintTo(const FinishCase& c, std::ostream* os) { *os << c.name; }

class PipeFinishReach : public CellArtTest, public ::testing::WithParamInterface<FinishCase> {};

TEST_P(PipeFinishReach, TheReachAgreesWithTheWalker) {
    const FinishCase& c = GetParam();
    for (const long shortunderpasses : {1L, 0L}) {
        SCOPED_TRACE(shortunderpasses == 1 ? "short underpasses" : "long underpasses");
        paint(c.art);
        form.mazekind = 1;
        form.gridstepx = form.gridstepy = 2 * wall;
        form.difficultylevel = 6;  // every underpass rule allows
        form.shortunderpasses = shortunderpasses;
        const CellRect finish = box(c.finish), behind = box(c.behind);
        form.finishx1 = finish.x1, form.finishy1 = finish.y1;
        placeWalker({0, 2}, 2);
        form.homex1 = form.cellx1, form.homey1 = form.celly1;
        form.carvemode = 1;
        form.passagecolor = blackPassage;
        form.arrivalcolor = 0x000000;
        form.walkerreach.stale = true;
        EXPECT_EQ(form.walkercanreach(behind.x1, behind.y1), c.behindReached);
        form.walk3dstep();
        EXPECT_EQ(walkerCell(), c.landing);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PipeFinishReach,
    ::testing::Values(
        // Entered from above: the walker digs under it and surfaces beyond.
        FinishCase{"UnderTheFinishAcrossItsWayIn",
                   {". R # R R R R",
                    "    |        ",
                    ". . # . . . .",
                    "    |        ",
                    "# . # . . . .",
                    "             ",
                    ". . . . . . .",
                    "             ",
                    ". R R R R R R"},
                   {2, 2}, {4, 2}, {4, 2}, true},
        // Entered from the left: the tunnel under the passages before it is
        // refused at the finish, and the cells behind it stay clean for good.
        FinishCase{"AlongItsWayIn",
                   {". R # R R R R",
                    "    |        ",
                    ". R # R R R R",
                    "    |        ",
                    "# . #-#-# . .",
                    "             ",
                    ". R R R R R R",
                    "             ",
                    ". R R R R R R"},
                   {4, 2}, {0, 2}, {6, 2}, false},
        // A passage just behind it (a picture edited while making) lets the
        // tunnel on under it along its way in too, onto the cells behind.
        FinishCase{"AlongItsWayInOntoAPassageBehind",
                   {". R # R R R # R R R",
                    "    |       |      ",
                    ". R # R R R # . . .",
                    "    |       |      ",
                    "# . #-#-# #-# . . .",
                    "                   ",
                    ". R R R R R R . . .",
                    "                   ",
                    ". R R R R R R R R R"},
                   {4, 2}, {8, 2}, {8, 2}, true},
        // Still clean: the walker carves into it, and is sent home from there.
        FinishCase{"IntoACleanFinish",
                   {". R R R R R R",
                    "             ",
                    ". R R R R R R",
                    "             ",
                    "# . . . . . .",
                    "             ",
                    ". R R R R R R",
                    "             ",
                    ". R R R R R R"},
                   {2, 2}, {2, 2}, {4, 2}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
