#include <filesystem>

#include "frame_fixture.h"
#include "files/example_pictures.h"
#include "platform/picture_files.h"
#include "core/colours.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

using StartupTest = FrameTest;

TEST_F(StartupTest, WritesThePicturesAndShowsTheTitle) {
    runPasses([](std::uint64_t pass) { return pass < 3; });

    for (const char* name : {"temple.bmp", "space-station.bmp", "diamond.bmp", "christmas-tree.bmp"}) {
        auto picture = loadPictureFile(name);
        ASSERT_TRUE(picture) << name;
        EXPECT_EQ(picture->width, 800) << name;
        EXPECT_EQ(picture->height, 600) << name;
    }
    const auto title = loadPictureFile("title.bmp");
    ASSERT_TRUE(title);
    const Picture art = titlePicture();
    EXPECT_EQ(title->width, 800);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{400, 300}, std::pair{799, 599}}) {
        if (x < art.width && y < art.height) {
            EXPECT_EQ(title->at(x, y), art.at(x, y)) << "the title art at " << x;
        }
    }
    EXPECT_EQ(fileBytes("Left.pt"), "1,9999,88\r\n");
    EXPECT_EQ(fileBytes("Right.pt"), "2,9999,88\r\n");
    EXPECT_EQ(fileBytes("up.pt"), "3,9999,88\r\n");
    EXPECT_EQ(fileBytes("down.pt"), "4,9999,88\r\n");
    EXPECT_FALSE(fs::exists("3dLeft.pt")) << "the title resets only the current kind's four files";

    EXPECT_EQ(form.ui.window().caption, "The Quillary Tarnwick-by Ivo Pellik");
    for (const auto& item : form.ui.menus()) {
        if (item.parent.empty()) {
            EXPECT_FALSE(item.visible) << "no menu title shows: " << item.name;
        }
    }
    // Caption and place (pixels, from the window's twips at 15 a pixel) of each title button.
    const struct {
        const char* name;
        const char* caption;
        int left, top, width, height;
    } buttons[] = {{"Command2", "Click to Begin", 16, 32, 113, 33},
                   {"Command3", "Click to see examples and credits", 16, 104, 177, 33},
                   {"Command7", "Click to Quit Program", 16, 176, 113, 33}};
    for (const auto& b : buttons) {
        const Control& c = form.ui.control(b.name);
        EXPECT_TRUE(c.visible && c.enabled) << b.name;
        EXPECT_EQ(c.caption, b.caption);
        EXPECT_EQ((std::array<int, 4>{c.left, c.top, c.width, c.height}),
                  (std::array<int, 4>{b.left, b.top, b.width, b.height}))
            << b.name;
    }
    EXPECT_EQ(form.programmode, -5);
    EXPECT_EQ(form.startcolor, 0xFF00FF);
    EXPECT_TRUE(form.ui.timer("Timer2").enabled);
    EXPECT_FALSE(form.ui.timer("Timer1").enabled);
}

TEST_F(StartupTest, ClickToBeginLeavesTheTitleWithTheStartValues) {
    // A pattern edited before must not survive leaving the title.
    writeBytes("3dpipeup.pt", "1\r\n1\r\n9999,88\r\n");
    workerModes = {};
    begin();

    ASSERT_EQ(workerNames(), std::vector<std::string>{"drawing"});
    const char* files[] = {"Left.pt", "Right.pt", "up.pt", "down.pt", "3dLeft.pt", "3dRight.pt",
                           "3dup.pt", "3ddown.pt", "3dpipeleft.pt", "3dpiperight.pt", "3dpipeup.pt",
                           "3dpipedown.pt"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(fileBytes(files[i]), std::to_string(i % 4 + 1) + ",9999,88\r\n") << files[i];

    const long palette[17] = {0,        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                              0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF,
                              0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int k = 1; k <= 16; ++k) {
        EXPECT_EQ(form.palette[k], palette[k]) << k;
        EXPECT_EQ(form.opencolors[k], k <= 8 ? palette[k] : 301 + 2 * (k - 1)) << k;
        EXPECT_EQ(form.bordercolors[k], k <= 8 ? 300 + 2 * (k - 1) : palette[k]) << k;
        EXPECT_EQ(form.passagecolors[k], 0xFFFFFF) << k;
        EXPECT_EQ(form.ui.control("Check" + std::to_string(k)).backColour, palette[k]) << k;
        EXPECT_EQ(form.ui.control("Check" + std::to_string(k + 16)).backColour, palette[k]) << k;
    }
    // The drawing-stage entry hands over `basepassagecolor`, still 0 before any maze.
    EXPECT_EQ(form.passagecolor, 0);
    EXPECT_EQ(form.pencolor, 0x00FFFF);
    EXPECT_EQ(form.openpencolor, 0x800000);
    EXPECT_EQ(form.borderpencolor, 0x00FFFF);
    EXPECT_EQ(form.mazekind, 0);
    EXPECT_EQ(form.difficultylevel, 4);
    EXPECT_EQ(form.creationmode, -1);
    EXPECT_EQ(form.carvemode, 1);
    EXPECT_EQ(form.wallsizex, 10);
    EXPECT_EQ(form.gridstepx, 10);
    EXPECT_EQ((std::array<long, 4>{form.cellx1, form.celly1, form.cellx2, form.celly2}),
              (std::array<long, 4>{10, 10, 19, 19}));
    EXPECT_EQ(form.loadexample, 1);
    EXPECT_NE(form.exampledrawing, 3);
    EXPECT_EQ(form.opencolors[17], noPixelColour);
    EXPECT_FALSE(form.canvas.hasBackPicture());
    EXPECT_FALSE(form.ui.timer("Timer1").enabled);
    EXPECT_FALSE(form.ui.timer("Timer2").enabled);
    for (const char* button : {"Command2", "Command3", "Command7"}) EXPECT_FALSE(form.ui.control(button).visible);
}

// The first example drawing is drawn from 1 to 4 again while the draw is 3.
TEST_F(StartupTest, TheFirstExampleIsNeverTheDiamond) {
    std::deque<double> draws = {0.5, 0.6, 0.74, 0.1};  // 3, 3, 3, 1
    form.random.inject([&draws] {
        const double u = draws.front();
        draws.pop_front();
        return u;
    });
    form.Command2_Click();
    EXPECT_EQ(form.exampledrawing, 1);
    EXPECT_TRUE(draws.empty());
    EXPECT_EQ(form.programmode, 0);
    for (const char* item : {"usetemple", "usespace", "usediamond", "usetree"}) {
        EXPECT_TRUE(form.ui.menu(item).enabled) << item;
        EXPECT_FALSE(form.ui.menu(item).checked) << item;
    }
}

}  // namespace
}  // namespace tarnwick::test
