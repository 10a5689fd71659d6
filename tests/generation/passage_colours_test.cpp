// The passage colour of one cell from its own pixel, its four side pixels and
// its neighbours, on a cell box at (21, 21)-(28, 28) with wall size 10.
#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

constexpr long A = 0xF0E001;  // passage colour of black
constexpr long B = 0xF0E002;  // passage colour of navy
constexpr long otherColour = 0x123456;
constexpr long unchanged = 0x777777;

struct CellPixels {
    long own, left, right, top, bottom;
    long leftNeighbour = -2, rightNeighbour = -2, upperNeighbour = -2, lowerNeighbour = -2;
};

struct ColourCase {
    const char* name;
    CellPixels cell;
    long passagecolor;
    long colorfound;
};

class PassageColour : public MakingTest, public ::testing::WithParamInterface<ColourCase> {
protected:
    void paintCell(const CellPixels& c) {
        paintDrawing({"..."}, 10);
        form.canvas.fillBox(21, 21, 28, 28, c.own);
        form.canvas.pset(20, 21, c.left);
        form.canvas.pset(29, 21, c.right);
        form.canvas.pset(21, 20, c.top);
        form.canvas.pset(21, 29, c.bottom);
        auto put = [this](long x, long y, long colour) {
            if (colour != -2) form.canvas.pset(x, y, colour);
        };
        put(11, 21, c.leftNeighbour);
        put(38, 21, c.rightNeighbour);
        put(21, 11, c.upperNeighbour);
        put(21, 38, c.lowerNeighbour);
        form.cellx1 = 21, form.celly1 = 21, form.cellx2 = 28, form.celly2 = 28;
        form.passagecolor = unchanged;
    }
};

TEST_P(PassageColour, OfTheCurrentCell) {
    const ColourCase& c = GetParam();
    paintCell(c.cell);
    form.colorfound = 1;
    form.mixcolors();
    EXPECT_EQ(form.passagecolor, c.passagecolor);
    EXPECT_EQ(form.colorfound, c.colorfound);
}

const long navy = 0x800000, green = 0x008000;

INSTANTIATE_TEST_SUITE_P(
    Cells, PassageColour,
    ::testing::Values(
        ColourCase{"DrawingColourDecidesAtOnce", {green, A, A, A, A}, passageColourOf(3), 1},
        ColourCase{"ColourOutsideThePaletteKeepsIt", {otherColour, A, A, A, A}, unchanged, 1},
        ColourCase{"OpenOnEverySideKeepsIt", {A, A, A, A, A}, unchanged, 0},
        ColourCase{"TopAndBottomShowTheDrawingColour", {A, A, A, navy, navy}, passageColourOf(2), 1},
        ColourCase{"NeighboursPassageColour", {A, B, B, A, A, -2, -2, B}, B, 0},
        ColourCase{"NeighboursPassageNeedsANeighbourShowingIt", {A, B, B, A, A}, unchanged, 0},
        ColourCase{"DrawingColourWinsOverANeighboursPassage", {A, B, B, green, green, -2, -2, B},
                   passageColourOf(3), 1},
        ColourCase{"ASideLikeTheCellNeverCounts", {A, A, navy, navy, A}, passageColourOf(2), 1},
        ColourCase{"LeftAgreesWithRight", {A, navy, navy, A, A}, passageColourOf(2), 1},
        ColourCase{"OneSideAloneFindsNothing", {A, navy, A, A, A}, unchanged, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The previous cell starts from the colour it showed on arrival, and a drawing
// colour that the walker's last choice found still decides.
TEST_F(MakingTest, PreviousCellStartsFromItsArrivalColour) {
    paintDrawing({"..."}, 10);
    form.canvas.fillBox(21, 21, 28, 28, A);
    form.prevcellx1 = 21, form.prevcelly1 = 21, form.prevcellx2 = 28, form.prevcelly2 = 28;
    form.passagecolor = unchanged;
    form.colorfound = 0;
    form.arrivalcolor = navy;
    form.mixcolors2();
    EXPECT_EQ(form.passagecolor, passageColourOf(2));

    form.canvas.fillBox(20, 20, 29, 29, A);
    form.arrivalcolor = A;
    form.colorfound = 1;
    form.foundcolor = green;
    form.passagecolor = unchanged;
    form.mixcolors2();
    EXPECT_EQ(form.passagecolor, passageColourOf(3));
}

}  // namespace
}  // namespace tarnwick::test
