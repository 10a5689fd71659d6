// The solver walks a small hand-drawn 3d maze whose only way from the start to
// the finish passes under a corridor, with dead ends on both sides.
#include "underpasses/crossing_fixture.h"

namespace tarnwick::test {
namespace {

// S (0, 2) opens to the dead end (0, 1) and to the entry cell (1, 2); the
// corridor of column 2 runs over the underpass to the landing cell (3, 2),
// from where the way goes on to F (6, 2). The corridor's lower end (2, 4) and
// the branch (4, 3)-(4, 4) are dead ends beyond the underpass.
struct SolvedCase {
    const char* name;
    long mazekind, shortunderpasses;
    CellArt art;
};
void PrintTo(const SolvedCase& c, std::ostream* os) { *os << c.name; }

CellArt art(const char* middleRow) {
    return {". . #-#-# . .",
            "    |   |    ",
            "# . # . # . .",
            "|   |   |    ",
            middleRow,
            "    |   |    ",
            ". . # . # . .",
            "    |   |    ",
            ". . # . # . ."};
}

class SolvedUnderpass : public CrossingTest, public ::testing::WithParamInterface<SolvedCase> {
protected:
    void solve() {
        const CellRect s = box({0, 2}), f = box({6, 2});
        form.startx1 = s.x1, form.starty1 = s.y1, form.startx2 = s.x2, form.starty2 = s.y2;
        form.finishx1 = f.x1, form.finishy1 = f.y1, form.finishx2 = f.x2, form.finishy2 = f.y2;
        form.programmode = 3;
        program.platform.setPassBudget(100'000);
        program.platform.setFeeder([this](HeadlessPlatform&) {
            if (form.programmode == 4) form.programmode = 0;
        });
        try {
            form.solvestage();
        } catch (const ProgramEnd&) {
            ADD_FAILURE() << "the walker did not reach the finish";
        }
        program.platform.setFeeder({});
    }
};

TEST_P(SolvedUnderpass, TrailDisappearsUnderTheCorridorAndDeadEndsAreWiped) {
    const SolvedCase& c = GetParam();
    form.mazekind = c.mazekind;
    form.shortunderpasses = c.shortunderpasses;
    paint(c.art);
    const Picture maze = form.canvas.image();
    solve();
    EXPECT_EQ(form.pathunderpasses, 1);

    // The start square, the way to the entry cell and across it, then from the
    // landing cell to the finish; long underpasses' trail reaches over their lines.
    const long e = 1 - c.shortunderpasses;
    const CellRect s = box({0, 2});
    const long y = cy({0, 2});
    const Pixels expected = segment(s.x1, s.y1, s.x2, s.y2) | segment(cx({0, 2}), y, box({1, 2}).x2 + e, y) |
                            segment(box({3, 2}).x1 - e, y, cx({6, 2}), y);
    EXPECT_EQ(trail(), expected);
    const CellRect f = box({6, 2});
    Pixels changed = expected | segment(f.x1, f.y1, f.x2, f.y2);
    expectUnchangedBut(maze, changed);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SolvedUnderpass,
                         ::testing::Values(SolvedCase{"Maze3d", 2, 1, art("#-# # #-#-#-#")},
                                           SolvedCase{"PipeShort", 1, 1, art("#-# # #-#-#-#")},
                                           SolvedCase{"PipeLong", 1, 0, art("#-#>#<#-#-#-#")}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
