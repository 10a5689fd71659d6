#include <functional>
#include <vector>

#include "files/example_pictures.h"
#include "platform/picture_files.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

constexpr long red = 0x0000FF, blue = 0xFF0000, yellow = 0x00FFFF;

// A window larger than the slides: 820 by 640.
class SlideMargins : public ::testing::Test {
protected:
    void SetUp() override {
        // A red slide whose bottom-right corner is blue.
        Picture slide(20, 20, red);
        slide.at(19, 19) = blue;
        ASSERT_TRUE(savePictureFile(slide, "example1.bmp"));
    }

    // Runs the title; at each pass from the second the next step runs first.
    void play(const std::vector<std::function<void()>>& steps) {
        program.run([&](HeadlessPlatform& p, std::uint64_t pass) {
            if (pass >= 2 && pass - 2 < steps.size()) steps[pass - 2]();
            if (pass >= steps.size() + 2) p.requestEnd();
        });
    }

    long farCorner() const { return program.form.canvas.point(819, 639); }

    TempWorkDir workDir;
    HeadlessProgram program{820, 640};
    Form57& form = program.form;
};

// Beyond a slide the window takes the slide's corner colour, so no strip of the
// title's yellow runs beside it; the title then fills the window again.
TEST_F(SlideMargins, ASlideRunsOnInItsCornerColourAndTheTitleFillsTheWindow) {
    const Picture title = titlePicture(820, 640);
    std::vector<long> corners;
    play({
        [&] { corners.push_back(farCorner()); },
        [&] { program.platform.pushButton("Command3"); },
        [&] {
            corners.push_back(farCorner());
            program.platform.pushMouse(1);
        },
        [&] { corners.push_back(farCorner()); },
    });
    EXPECT_EQ(corners, (std::vector<long>{static_cast<long>(title.at(819, 639)), blue,
                                          static_cast<long>(title.at(819, 639))}));
    EXPECT_EQ(form.canvas.backColour(), yellow);
}

}  // namespace
}  // namespace tarnwick::test
