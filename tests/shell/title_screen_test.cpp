#include "files/example_pictures.h"
#include "frame_fixture.h"
#include "platform/picture_files.h"

namespace tarnwick::test {
namespace {

constexpr long red = 0x0000FF, blue = 0xFF0000;

class SlideShowTest : public FrameTest {
protected:
    void SetUp() override {
        // Only the third example slide and the second credit slide exist.
        ASSERT_TRUE(savePictureFile(Picture(20, 20, red), "example3.bmp"));
        ASSERT_TRUE(savePictureFile(Picture(20, 20, blue), "credit2.bmp"));
        titleColour = static_cast<long>(titlePicture().at(0, 0));
    }

    // Runs the title; at each pass the step of that number (from 2) runs first.
    void play(const std::vector<std::function<void()>>& steps) {
        runPasses([&](std::uint64_t pass) {
            if (pass >= 2 && pass - 2 < steps.size()) steps[pass - 2]();
            return pass < steps.size() + 2;
        });
    }

    bool buttonsShown() const {
        const Ui& ui = form.ui;
        return ui.control("Command2").visible && ui.control("Command3").visible && ui.control("Command7").visible &&
               ui.control("Command2").enabled && ui.control("Command3").enabled;
    }
    bool buttonsHidden() const {
        const Ui& ui = form.ui;
        return !ui.control("Command2").visible && !ui.control("Command3").visible &&
               !ui.control("Command7").visible && !ui.control("Command2").enabled && !ui.control("Command3").enabled;
    }
    bool showing() const { return form.ui.timer("Timer1").enabled && !form.ui.timer("Timer2").enabled; }
    long shown() const { return form.canvas.point(0, 0); }

    long titleColour = 0;
};

TEST_F(SlideShowTest, ShowsTheExistingSlidesThenReturnsToTheTitle) {
    std::vector<long> seen;
    auto look = [&] { seen.push_back(shown()); };
    play({
        [&] { platform.pushTick("Timer2"); },  // ten seconds on the title
        [&] {
            look();
            EXPECT_TRUE(showing());
            EXPECT_TRUE(buttonsHidden());
            platform.pushTick("Timer1");
        },
        [&] {
            look();
            EXPECT_EQ(form.slideindex, 3);
            platform.pushTick("Timer1");
        },
        [&] {
            look();
            EXPECT_EQ(form.slideindex, 13);
            platform.pushTick("Timer1");
        },
        [&] {
            look();
            EXPECT_FALSE(showing());
            EXPECT_TRUE(form.ui.timer("Timer2").enabled);
            EXPECT_TRUE(buttonsShown());
        },
    });
    EXPECT_EQ(seen, (std::vector<long>{titleColour, red, blue, titleColour}));
}

// The timers on the virtual clock, half a second a pass: what the title shows and
// when, in seconds from the start, with the "Click to ..." buttons.
class SlideShowOnTheClock : public SlideShowTest {
protected:
    std::vector<std::string> timeline(std::uint64_t passes, const std::function<void(double at)>& act = {}) {
        platform.setTimersOnClock(true);
        platform.setClockStep(0.5);
        std::vector<std::string> seen;
        std::string last;
        runPasses([&](std::uint64_t pass) {
            const double at = static_cast<double>(pass - 1) * 0.5;  // when the last pass ran
            const long colour = shown();
            const std::string now = std::string(colour == red ? "red" : colour == blue ? "blue" : "title") +
                                    (buttonsShown() ? " with buttons" : buttonsHidden() ? "" : " ?");
            if (now != last) seen.push_back(std::to_string(static_cast<int>(at * 2)) + ": " + now);
            last = now;
            if (act) act(at);
            return pass <= passes;
        });
        return seen;  // times in half seconds
    }
};

// Ten seconds on the title start the show; a slide every five seconds, the missing
// ones skipped at once; after the last the title comes back and ten seconds later
// the show starts again.
TEST_F(SlideShowOnTheClock, RunsOnItsTimers) {
    EXPECT_EQ(timeline(82), (std::vector<std::string>{"0: title with buttons", "20: title", "30: red", "40: blue",
                                                      "50: title with buttons", "70: title", "80: red"}));
}

// A right click 3.5 seconds into the show (its pass runs at 13.5 s) advances at
// once, and the next slide comes a full 5 seconds after the click.
TEST_F(SlideShowOnTheClock, RightClickRestartsTheCount) {
    bool clicked = false;
    const auto seen = timeline(60, [&](double at) {
        if (at >= 13 && !clicked) {
            platform.pushMouse(2);
            clicked = true;
        }
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"0: title with buttons", "20: title", "27: red", "37: blue",
                                              "47: title with buttons"}));
}

TEST_F(SlideShowTest, RightClickAdvancesAndRestartsTheCount) {
    std::uint64_t restarts = 0;
    play({
        [&] { platform.pushButton("Command3"); },
        [&] {
            restarts = form.ui.timer("Timer1").restartCount;
            platform.pushMouse(2);
        },
        [&] {
            EXPECT_EQ(shown(), red);
            EXPECT_GT(form.ui.timer("Timer1").restartCount, restarts);
            EXPECT_TRUE(showing());
        },
    });
}

TEST_F(SlideShowTest, LeftClickReturnsToTheTitle) {
    play({
        [&] { platform.pushButton("Command3"); },
        [&] { platform.pushTick("Timer1"); },
        [&] {
            EXPECT_EQ(shown(), red);
            platform.pushMouse(1);
        },
        [&] {
            EXPECT_EQ(shown(), titleColour);
            EXPECT_FALSE(showing());
            EXPECT_TRUE(buttonsShown());
        },
    });
}

TEST_F(SlideShowTest, ClicksOnTheTitleDoNothing) {
    play({
        [&] {
            platform.pushMouse(1);
            platform.pushMouse(2);
        },
        [&] {
            EXPECT_EQ(shown(), titleColour);
            EXPECT_TRUE(form.ui.timer("Timer2").enabled);
            EXPECT_FALSE(form.ui.timer("Timer1").enabled);
            EXPECT_TRUE(buttonsShown());
        },
    });
}

// A panel left open when the user quit to the title keeps the buttons hidden at
// the end of a show; a left click brings them back.
TEST_F(SlideShowTest, EndOfShowWithAPanelOpenKeepsTheButtonsHidden) {
    play({
        [&] {
            form.panelopen = 1;
            platform.pushButton("Command3");
        },
        [&] { platform.pushTick("Timer1"); },
        [&] { platform.pushTick("Timer1"); },
        [&] { platform.pushTick("Timer1"); },
        [&] {
            EXPECT_FALSE(showing());
            EXPECT_FALSE(form.ui.control("Command2").visible);
            EXPECT_TRUE(form.ui.control("Command2").enabled);
            platform.pushTick("Timer2");
        },
        [&] { platform.pushMouse(1); },
        [&] { EXPECT_TRUE(buttonsShown()); },
    });
}

TEST_F(SlideShowTest, WithNoSlidesTheShowEndsAtItsNextStep) {
    std::filesystem::remove("example3.bmp");
    std::filesystem::remove("credit2.bmp");
    play({
        [&] { platform.pushButton("Command3"); },
        [&] {
            EXPECT_TRUE(showing());
            platform.pushTick("Timer1");
        },
        [&] {
            EXPECT_FALSE(showing());
            EXPECT_TRUE(buttonsShown());
            EXPECT_EQ(shown(), titleColour);
        },
    });
}

TEST_F(FrameTest, QuitButtonEndsTheProgram) {
    runPasses([&](std::uint64_t pass) {
        if (pass == 2) platform.pushButton("Command7");
        return pass < 100;
    });
    EXPECT_EQ(platform.passes(), 2u);
}

}  // namespace
}  // namespace tarnwick::test
