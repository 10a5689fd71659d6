// The editor's underpass: a carving cursor on (1, 2) moves right, facing a free
// cell and then the pattern's own path; by the difficulty level the tunnel is
// drawn (the cursor ends beyond the crossed path) or refused (nothing changes).
#include <algorithm>

#include "patterneditor/editor_art.h"

namespace tarnwick::test {
namespace {

struct UnderpassCase {
    const char* name;
    long mazekind;
    EditorArt before;
    std::vector<long> levelsAllowed;
    EditorArt after;  // when allowed
    EditorCell cursorAfter;
};

void PrintTo(const UnderpassCase& c, std::ostream* os) { *os << c.name; }

class EditorUnderpass : public EditorArtTest, public ::testing::WithParamInterface<UnderpassCase> {};

TEST_P(EditorUnderpass, ByTheRulesOfEachLevel) {
    const UnderpassCase& c = GetParam();
    for (long level = 1; level <= 6; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        form.mazekind = c.mazekind;
        form.difficultylevel = level;
        form.stuckflag = 0;
        form.randomsteps = 0;
        paint(c.before);
        place({1, 2});
        form.carvemode = 1;
        const std::string before = recorded();
        live(2);
        const bool allowed = std::count(c.levelsAllowed.begin(), c.levelsAllowed.end(), level) != 0;
        if (allowed) {
            EXPECT_EQ(read(), c.after);
            EXPECT_EQ(cursor(), c.cursorAfter);
            EXPECT_EQ(recorded(), before + "2 ");
            EXPECT_EQ(static_cast<long>(form.randomsteps), 1);
            EXPECT_EQ(form.stuckflag, 0);
        } else {
            EXPECT_EQ(read(), c.before);
            EXPECT_EQ(cursor(), (EditorCell{1, 2}));
            EXPECT_EQ(recorded(), before);
            EXPECT_EQ(static_cast<long>(form.randomsteps), 0);
            EXPECT_EQ(form.stuckflag, 1) << "a refused underpass starts the stuck tries";
        }
    }
}

const std::vector<long> everyLevel{1, 2, 3, 4, 5, 6};

// Start C0, free C1, crossed C2 of a straight passage, free C3 and C4: the
// cursor ends on C4 with the sides of C2 left closed.
const EditorArt onePassage = {"Y Y Y Y Y Y Y Y",
                              "               ",
                              "Y n n W n n n Y",
                              "      |        ",
                              "Y B n W n n n Y",
                              "      |        ",
                              "Y n n W n n n Y",
                              "               ",
                              "Y Y Y Y Y Y Y Y"};
// A path cell ahead without any opening.
const EditorArt isolatedCell = {"Y Y Y Y Y Y Y Y",
                                "               ",
                                "Y n n n n n n Y",
                                "               ",
                                "Y B n W n n n Y",
                                "               ",
                                "Y n n n n n n Y",
                                "               ",
                                "Y Y Y Y Y Y Y Y"};
// Two vertical passages side by side, crossed the same way.
const EditorArt sideBySide = {"Y Y Y Y Y Y Y Y Y",
                              "                 ",
                              "Y n n W W n n n Y",
                              "      | |        ",
                              "Y B n W W n n n Y",
                              "      | |        ",
                              "Y n n W W n n n Y",
                              "                 ",
                              "Y Y Y Y Y Y Y Y Y"};
const EditorArt sideBySideCrossed = {"Y Y Y Y Y Y Y Y Y",
                                     "                 ",
                                     "Y n n W W n n n Y",
                                     "      | |        ",
                                     "Y W-W W W W-B n Y",
                                     "      | |        ",
                                     "Y n n W W n n n Y",
                                     "                 ",
                                     "Y Y Y Y Y Y Y Y Y"};
// The second passage's cell on the cursor's row closed by the trap test.
EditorArt withTrappedCell(EditorArt art) {
    art[4][8] = 'B';
    return art;
}

const EditorArt onePassageCrossed = {"Y Y Y Y Y Y Y Y",
                                     "               ",
                                     "Y n n W n n n Y",
                                     "      |        ",
                                     "Y W-W W W-B n Y",
                                     "      |        ",
                                     "Y n n W n n n Y",
                                     "               ",
                                     "Y Y Y Y Y Y Y Y"};

INSTANTIATE_TEST_SUITE_P(
    Cases, EditorUnderpass,
    ::testing::Values(
        UnderpassCase{"UnderOnePassage", 2,
                      onePassage,
                      everyLevel,
                      onePassageCrossed,
                      {5, 2}},
        // Two passages with one free cell between: the cell is painted but joined to neither.
        UnderpassCase{"UnderTwoPassagesWithAFreeCellBetween", 2,
                      {"Y Y Y Y Y Y Y Y Y Y",
                       "                   ",
                       "Y n n W n W n n n Y",
                       "      |   |        ",
                       "Y B n W n W n n n Y",
                       "      |   |        ",
                       "Y n n W n W n n n Y",
                       "                   ",
                       "Y Y Y Y Y Y Y Y Y Y"},
                      {2, 4, 6},
                      {"Y Y Y Y Y Y Y Y Y Y",
                       "                   ",
                       "Y n n W n W n n n Y",
                       "      |   |        ",
                       "Y W-W W W W W-B n Y",
                       "      |   |        ",
                       "Y n n W n W n n n Y",
                       "                   ",
                       "Y Y Y Y Y Y Y Y Y Y"},
                      {7, 2}},
        UnderpassCase{"UnderTwoPassagesSideBySide", 2,
                      sideBySide,
                      {3, 4, 5, 6},
                      sideBySideCrossed,
                      {6, 2}},
        // The look cell meets the mouth of an underpass drawn before along the same line.
        UnderpassCase{"IntoTheMouthOfAnEarlierUnderpass", 2,
                      {"Y Y Y Y Y Y Y Y Y Y Y",
                       "                     ",
                       "Y n n W n n W n n n Y",
                       "      |     |        ",
                       "Y B n W-W W-W n n n Y",
                       "      |     |        ",
                       "Y n n W n n W n n n Y",
                       "                     ",
                       "Y Y Y Y Y Y Y Y Y Y Y"},
                      {5, 6},
                      {"Y Y Y Y Y Y Y Y Y Y Y",
                       "                     ",
                       "Y n n W n n W n n n Y",
                       "      |     |        ",
                       "Y W-W W-W W-W W-B n Y",
                       "      |     |        ",
                       "Y n n W n n W n n n Y",
                       "                     ",
                       "Y Y Y Y Y Y Y Y Y Y Y"},
                      {8, 2}},
        UnderpassCase{"AnIsolatedPathCellAhead", 2,
                      isolatedCell,
                      {}, {}, {}},
        UnderpassCase{"NoLandingBeforeTheYellow", 2,
                      {"Y Y Y Y Y Y",
                       "           ",
                       "Y n n W n Y",
                       "      |    ",
                       "Y B n W n Y",
                       "      |    ",
                       "Y n n W n Y",
                       "           ",
                       "Y Y Y Y Y Y"},
                      {}, {}, {}},
        // A cell closed by the trap test is crossed like path and painted white.
        // (A 3d search would stop at the guard, which sees no passage colour in black.)
        UnderpassCase{"AcrossATrappedCell", 1,
                      withTrappedCell(sideBySide),
                      {3, 4, 5, 6},
                      sideBySideCrossed,
                      {6, 2}},
        // 3d-pipe: no 3d-only checks; the look cell walks one wall size at a time.
        UnderpassCase{"PipeUnderOnePassage", 1,
                      onePassage,
                      everyLevel,
                      onePassageCrossed,
                      {5, 2}},
        // A crossed cell closed across the move needs path on both sides along it.
        UnderpassCase{"PipeUnderAClosedCell", 1,
                      isolatedCell,
                      {}, {}, {}}));

// The guard of a 3d search looks for passage colours: when none of them is
// white, the editor's white path never makes it refuse.
TEST_F(EditorArtTest, GuardIgnoresThePathWhenNoPassageColourIsWhite) {
    const EditorArt before = {"Y Y Y Y Y Y Y Y",
                              "               ",
                              "Y n n W W n n Y",
                              "      |        ",
                              "Y B n W n n n Y",
                              "      |        ",
                              "Y n n W n n n Y",
                              "               ",
                              "Y Y Y Y Y Y Y Y"};
    form.mazekind = 2;
    form.difficultylevel = 6;
    paint(before);
    place({1, 2});
    live(2);
    EXPECT_EQ(cursor(), (EditorCell{1, 2})) << "the closed cell (4, 1) beside the next cell is guarded";

    for (int k = 1; k <= 16; ++k) form.passagecolors.set(static_cast<std::size_t>(k), 0xF0E000 + k);
    form.stuckflag = 0;
    paint(before);
    place({1, 2});
    live(2);
    EXPECT_EQ(cursor(), (EditorCell{5, 2}));
}

// A field larger than the surface: the look cell leaves the surface without
// meeting yellow, and the search ends with a refusal.
TEST_F(EditorArtTest, SearchEndsWhenTheLookCellLeavesTheSurface) {
    form.mazekind = 1;
    Canvas& canvas = form.canvas;
    canvas.fillBox(0, 0, canvas.width() - 1, canvas.height() - 1, navy);
    place({1, 2});
    // A white band from the cell two ahead to the right edge.
    canvas.fillBox(box({3, 2}).x1, 0, canvas.width() - 1, canvas.height() - 1, white);
    form.carvemode = 1;
    live(2);
    EXPECT_EQ(cursor(), (EditorCell{1, 2}));
    EXPECT_EQ(form.stuckflag, 1);
    EXPECT_EQ(recorded(), "");
}

}  // namespace
}  // namespace tarnwick::test
