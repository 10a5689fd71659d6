// The underpass search from a walker on (0, 2) moving right: the clean entry
// cell (1, 2) lies before the first passage to cross, (2, 2).
#include "core/colours.h"
#include "underpasses/corridor_arts.h"

namespace tarnwick::test {
namespace {

struct SearchCase {
    const char* name;
    CellArt art;
    std::vector<long> levelsAllowed;  // of 1 to 6
    Cell landing;                     // where the look cell stops when allowed
    long mazekind = 2;
    long shortunderpasses = 1;
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class UnderpassSearch : public CellArtTest, public ::testing::WithParamInterface<SearchCase> {
protected:
    void search(long level) {
        placeWalker({0, 2}, 2);
        form.carvemode = 1;
        form.difficultylevel = level;
        form.moveallowed = 1;
        form.underpasshits = 0;
        lookAhead(2);
        form.findunderpasses();
    }
};

TEST_P(UnderpassSearch, AllowsByTheRulesOfEachLevel) {
    const SearchCase& c = GetParam();
    form.mazekind = c.mazekind;
    form.shortunderpasses = c.shortunderpasses;
    paint(c.art);
    for (long level = 1; level <= 6; ++level) {
        search(level);
        const bool allowed = std::count(c.levelsAllowed.begin(), c.levelsAllowed.end(), level) != 0;
        EXPECT_EQ(form.moveallowed, allowed ? 1 : 0) << "level " << level;
        if (allowed) {
            EXPECT_EQ(lookCellNow(), c.landing) << "level " << level;
        }
    }
    EXPECT_EQ(read(), c.art) << "the search painted";
}

// A closed box with the marks of a long underpass above and below: one pixel
// out they read as openings, two pixels out they do not.
const CellArt markedBox = {". . . . . . . . .",
                           "                 ",
                           ". .-#-. . . . . .",
                           "    ^            ",
                           "# . # . . . . . .",
                           "    v            ",
                           ". .-#-. . . . . .",
                           "                 ",
                           ". . . . . . . . ."};

const CellArt twoCorridorsInARow = {". . # # . . . . .",
                                    "    | |          ",
                                    ". . # # . . . . .",
                                    "    | |          ",
                                    "# . # # . . . . .",
                                    "    | |          ",
                                    ". . # # . . . . .",
                                    "                 ",
                                    ". . . . . . . . ."};

const std::vector<long> everyLevel{1, 2, 3, 4, 5, 6};

INSTANTIATE_TEST_SUITE_P(
    Cases, UnderpassSearch,
    ::testing::Values(
        SearchCase{"UnderAVerticalCorridor",
                   corridorAhead,
                   everyLevel,
                   {3, 2}},
        SearchCase{"UnderADeadEndAlongTheMove",
                   {". . . . . . . . .",
                    "                 ",
                    ". . . . . . . . .",
                    "                 ",
                    "# . #-# . . . . .",
                    "      |          ",
                    ". . . # . . . . .",
                    "                 ",
                    ". . . . . . . . ."},
                   {},
                   {}},
        SearchCase{"UnderAClosedBox",
                   {". . . . . . . . .",
                    "                 ",
                    ". . . . . . . . .",
                    "                 ",
                    "# . # . . . . . .",
                    "                 ",
                    ". . . . . . . . ."},
                   {},
                   {}},
        SearchCase{"UnderTwoPassagesInARow",
                   twoCorridorsInARow,
                   {3, 4, 5, 6},
                   {4, 2}},
        SearchCase{"OverASingleFreeCellBetweenPassages",
                   oneFreeCellBetweenCorridors,
                   {2, 4, 6},
                   {5, 2}},
        SearchCase{"TwoFreeCellsBetweenPassagesAreCrossed",
                   twoFreeCellsBetweenCorridors,
                   everyLevel,
                   {6, 2}},
        // (3, 2) is the entry of an earlier underpass under the corridor (4, 2),
        // which surfaces in (5, 2).
        SearchCase{"UnderAnExistingUnderpass",
                   {". . . . # . . . .",
                    "        |        ",
                    ". . # . # . . . .",
                    "    |   |        ",
                    "# . #-# # #-# . .",
                    "        |   |    ",
                    ". . . . # . # . .",
                    "                 ",
                    ". . . . . . . . ."},
                   {5, 6},
                   {7, 2}},
        SearchCase{"FreeCellTouchingABorder",
                   {". . # . . . . . .",
                    "    |            ",
                    ". . # . . . . . .",
                    "    |            ",
                    "# . # . R . . . .",
                    "    |            ",
                    ". . # . . . . . .",
                    "                 ",
                    ". . . . . . . . ."},
                   {},
                   {}},
        SearchCase{"UnderAMarkedBoxWithShortUnderpasses",
                   markedBox,
                   everyLevel,
                   {3, 2},
                   1,
                   1},
        SearchCase{"UnderAMarkedBoxWithLongUnderpasses",
                   markedBox,
                   {},
                   {},
                   1,
                   0}),
    [](const auto& info) { return std::string(info.param.name); });

// A passage met on the way may touch a border; only a free cell may not.
TEST_F(UnderpassSearch, CrossesAPassageTouchingABorder) {
    paint(twoCorridorsInARow);
    form.canvas.pset(box({3, 2}).x2 + 1, box({3, 2}).y1, 0x0000FF);
    search(4);
    EXPECT_EQ(form.moveallowed, 1);
    EXPECT_EQ(lookCellNow(), (Cell{4, 2}));
}

// Without the region scans a look cell that has left the surface meets nothing
// that ends the search: it is refused there.
TEST_F(UnderpassSearch, EndsAtTheSurfaceEdgeWithoutRegionScans) {
    std::string corridors = "# . ", openings = "    ";
    for (long col = 2; col < 19; ++col) corridors += "# ", openings += "| ";
    paint({corridors, openings, corridors, openings, corridors, openings, corridors});
    form.canvas.fillBox(190, 0, 199, 159, 0x000000);  // the margin open too
    form.picturedrawing = 0;
    search(6);
    EXPECT_EQ(form.moveallowed, 0);
}

}  // namespace
}  // namespace tarnwick::test
