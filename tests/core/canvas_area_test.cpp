// The box around what changed since the display last took it.
#include <functional>
#include <string>

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

TEST_P(ChangedArea, CoversWhatWasWritten) {
    Canvas canvas(40, 30);
    canvas.takeChangedArea();
    GetParam().write(canvas);
    const Canvas::Area area = canvas.takeChangedArea();
    const Canvas::Area& e = GetParam().expected;
    EXPECT_EQ((std::array{area.x1, area.y1, area.x2, area.y2}), (std::array{e.x1, e.y1, e.x2, e.y2}));
    EXPECT_TRUE(canvas.takeChangedArea().empty()) << "taken once";
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
