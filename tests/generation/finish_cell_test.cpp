// The passage into the finish: the walker is sent home from the finish, so the
// cells before it are never left the usual way, yet each keeps its own colour.
#include <sstream>

#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

struct CorridorCase {
    const char* name;
    long mazekind;  // 0 regular, 1 3d-pipe, 2 3d
    long filloption;
    unsigned seed;  // of the random directions
    Drawing drawing;  // one row, ending at the finish
    const char* row;  // the middle pixel row, one group of characters per drawing cell
};
void PrintTo(const CorridorCase& c, std::ostream* os) { *os << c.name; }

class PassageIntoTheFinish : public MakingTest, public ::testing::WithParamInterface<CorridorCase> {
protected:
    // 'a' and 'b' the passage colours of black ('.') and navy ('n').
    std::string middleRow() const {
        const Legend legend{{'.', form.palette[1]},      {'n', form.palette[2]},     {'G', form.palette[9]},
                            {'a', passageColourOf(1)}, {'b', passageColourOf(2)}};
        const CellRect start = box({0, 0});
        const int cells = static_cast<int>(drawing[0].size());
        const std::string pixels = artOf(form.canvas, wall, start.y1 + 3, cells * static_cast<int>(wall), 1, legend)[0];
        std::ostringstream row;
        for (int c = 0; c < cells; ++c) row << (c ? " " : "") << pixels.substr(static_cast<std::size_t>(c * wall), wall);
        return row.str();
    }
};

TEST_P(PassageIntoTheFinish, KeepsEveryCellInItsOwnColour) {
    const CorridorCase& c = GetParam();
    paintDrawing(c.drawing);
    form.mazekind = c.mazekind;
    form.gridstepx = form.gridstepy = c.mazekind == 1 ? 2 * wall : wall;
    form.scanx = form.wallsizex + 1 - form.gridstepx;
    form.scany = form.wallsizey + 1 - form.gridstepy;
    form.filloption = c.filloption;
    form.patternstate = 3;
    form.random.seed(c.seed);
    ASSERT_TRUE(makeMaze());
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(middleRow(), c.row);
}

// Each drawing takes the walker from black into navy and then onto the finish;
// the seeds make it step on without waiting where waiting would hide the fault.
INSTANTIATE_TEST_SUITE_P(
    Corridors, PassageIntoTheFinish,
    ::testing::Values(
        // The grid line into the finish is the navy cell's, not the black cell's before it.
        CorridorCase{"RegularMaze", 0, 0, 1, {"S...nF"},
                     ".aaaaaaaaa aaaaaaaaaa aaaaaaaaaa aaaaaaaaaa abbbbbbbbb baaaaaaaa."},
        // Filling stops at the finish; the navy cell before it keeps its own colour.
        CorridorCase{"RegularMazeFilledToTheFinish", 0, 1, 1, {"S...nF"},
                     ".aaaaaaaaa aaaaaaaaaa aaaaaaaaaa aaaaaaaaaa abbbbbbbbb baaaaaaaa."},
        CorridorCase{"ThreeDMaze", 2, 0, 1, {"S...nF"},
                     ".aaaaaaaaa aaaaaaaaaa aaaaaaaaaa aaaaaaaaaa abbbbbbbbb baaaaaaaa."},
        // The black middle cell before the finish is black's, not the navy cells' before it.
        CorridorCase{"PipeMaze", 1, 0, 1, {"S....nn.F"},
                     ".aaaaaaaaa aaaaaaaaaa aaaaaaaaaa aaaaaaaaaa aaaaaaaaaa abbbbbbbbb bbbbbbbbbb baaaaaaaaa "
                     "aaaaaaaaa."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
