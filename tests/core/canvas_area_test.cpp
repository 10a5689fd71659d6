// What changed since the display last took it: a box in each band of rows.
#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/canvas.h"

namespace tarnwick::test {
namespace {

struct AreaCase {
    const char* name;
    std::function<void(Canvas&)> write;
    Canvas::Area expected;
};

class ChangedArea : public ::testing::TestWithParam<AreaCase> {};

// The boxes as one, to compare with the box around the writes.
Canvas::Area boxAround(const std::vector<Canvas::Area>& areas) {
    Canvas::Area box;
    for (const Canvas::Area& a : areas) {
        EXPECT_FALSE(a.empty());
        box = box.empty() ? a
                          : Canvas::Area{std::min(box.x1, a.x1), std::min(box.y1, a.y1), std::max(box.x2, a.x2),
                                         std::max(box.y2, a.y2)};
    }
    return box;
}

std::array<int, 4> corners(const Canvas::Area& a) { return {a.x1, a.y1, a.x2, a.y2}; }

// The surface is one band high: the areas are the box around the writes.
TEST_P(ChangedArea, CoversWhatWasWritten) {
    Canvas canvas(40, 30);
    canvas.takeChangedAreas();
    GetParam().write(canvas);
    EXPECT_EQ(corners(boxAround(canvas.takeChangedAreas())), corners(GetParam().expected));
    EXPECT_TRUE(canvas.takeChangedAreas().empty()) << "taken once";
}

// Writes far apart make boxes of their own; a write across bands is cut at their edges.
TEST(ChangedAreas, BandsOfRowsKeepTheirOwnBoxes) {
    Canvas canvas(40, 100);
    canvas.takeChangedAreas();
    canvas.fillBox(2, 2, 3, 3, 1);
    canvas.fillBox(30, 70, 31, 72, 1);
    canvas.fillBox(10, 20, 12, 40, 1);
    std::vector<std::array<int, 4>> taken;
    for (const Canvas::Area& a : canvas.takeChangedAreas()) taken.push_back(corners(a));
    EXPECT_EQ(taken, (std::vector<std::array<int, 4>>{{2, 2, 12, 31}, {10, 32, 12, 40}, {30, 70, 31, 72}}));
}

const Canvas::Area whole{0, 0, 39, 29};

INSTANTIATE_TEST_SUITE_P(
    Writes, ChangedArea,
    ::testing::Values(
        AreaCase{"Box", [](Canvas& c) { c.fillBox(12, 8, 5, 3, 1); }, {5, 3, 12, 8}},
        AreaCase{"BoxesTogether", [](Canvas& c) { c.fillBox(2, 2, 3, 3, 1), c.fillBox(30, 20, 31, 25, 1); },
                 {2, 2, 31, 25}},
        AreaCase{"ClippedToTheSurface", [](Canvas& c) { c.fillBox(-5, 25, 100, 100, 1); }, {0, 25, 39, 29}},
        AreaCase{"OffTheSurface", [](Canvas& c) { c.fillBox(50, 50, 60, 60, 1); }, {}},
        AreaCase{"Line", [](Canvas& c) { c.line(30, 2, 10, 12, 1); }, {11, 2, 30, 12}},
        AreaCase{"Point", [](Canvas& c) { c.pset(7, 9, 1); }, {7, 9, 7, 9}},
        AreaCase{"ScreenLayer", [](Canvas& c) { c.setScreenOnly(true), c.fillBox(1, 1, 2, 2, 1); }, {1, 1, 2, 2}},
        AreaCase{"Picture", [](Canvas& c) { c.paintPicture(Picture(5, 4, 1), 36, 1); }, {36, 1, 39, 4}},
        AreaCase{"BackColour", [](Canvas& c) { c.setBackColour(3); }, whole},
        AreaCase{"BackPicture", [](Canvas& c) { c.setBackPicture(Picture(4, 4, 2)); }, whole},
        AreaCase{"Resize", [](Canvas& c) { c.resize(20, 10); }, {0, 0, 19, 9}},
        AreaCase{"ShrunkAfterAWrite", [](Canvas& c) { c.fillBox(0, 0, 39, 29, 1), c.resize(20, 10); },
                 {0, 0, 19, 9}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
