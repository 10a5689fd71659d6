#include <string>
#include <utility>

#include "files/example_pictures.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

constexpr std::uint32_t yellow = 0x00FFFF, white = 0xFFFFFF;

class TitleLayout : public HeadlessProgramTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

// The title's letters never stand under its three buttons (nor within a few
// pixels of them), at the window's first size and at larger ones.
TEST_P(TitleLayout, LettersStayClearOfTheButtons) {
    const auto [width, height] = GetParam();
    const Picture title = titlePicture(width, height);
    ASSERT_EQ(title.width, width);
    ASSERT_EQ(title.height, height);
    constexpr int margin = 4;
    for (const char* name : {"Command2", "Command3", "Command7"}) {
        const Control& b = program.form.ui.control(name);
        for (int y = b.top - margin; y < b.top + b.height + margin; ++y)
            for (int x = b.left - margin; x < b.left + b.width + margin; ++x) {
                const std::uint32_t c = title.at(x, y);
                ASSERT_TRUE(c != yellow && c != white) << name << " covers a letter at " << x << "," << y;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, TitleLayout,
                         ::testing::Values(std::pair{800, 600}, std::pair{800, 619}, std::pair{1280, 1000},
                                           std::pair{1920, 1140}));

// A title laid out for a larger window runs to its edges: the frame's outer band
// at the far corner, not the window's yellow.
TEST(TitlePicture, FillsTheSizeItIsDrawnFor) {
    for (auto [width, height] : {std::pair{800, 600}, std::pair{1280, 1000}}) {
        const Picture title = titlePicture(width, height);
        EXPECT_EQ(title.at(width - 1, height - 1), title.at(0, 0));
        EXPECT_EQ(title.at(width - 25, height - 25), title.at(25, 25)) << "the frame follows the edges";
    }
}

}  // namespace
}  // namespace tarnwick::test
