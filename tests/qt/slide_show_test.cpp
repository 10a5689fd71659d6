#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/example_pictures.h"
#include "platform/picture_files.h"
#include "shell/form57.h"
#include "support/headless_work_dir.h"
#include "window_fixture.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The slides the build made, beside the test programs.
const fs::path buildDir = fs::current_path();

std::vector<std::string> slideNames() {
    std::vector<std::string> names;
    for (int n = 1; n <= 11; ++n) names.push_back("example" + std::to_string(n) + ".bmp");
    names.push_back("credit1.bmp");
    names.push_back("credit2.bmp");
    return names;
}

// The whole program in the real window, offscreen, in a directory of its own
// that holds the slides, as the build directory does for a user.
class SlideShowWindow : public ::testing::Test {
protected:
    void SetUp() override {
        for (const std::string& name : slideNames()) {
            ASSERT_TRUE(fs::exists(buildDir / name)) << name << " was not made by the build";
            fs::copy_file(buildDir / name, dir.path() / name);
            auto slide = loadPictureFile(name);
            ASSERT_TRUE(slide) << name;
            slides.push_back(*slide);
        }
    }

    // The window shows the slide at its top-left, and its corner colour beyond it.
    bool shows(const Picture& slide) {
        const QImage shown = platform.surface().grab().toImage();
        if (shown.width() < 1 || shown.height() < 1) return false;
        const std::uint32_t beyond = slide.at(slide.width - 1, slide.height - 1);
        for (int y = 0; y < shown.height(); y += 3)
            for (int x = 0; x < shown.width(); x += 3) {
                const std::uint32_t want = x < slide.width && y < slide.height ? slide.at(x, y) : beyond;
                if (rgbToBgr(shown.pixel(x, y) & 0xFFFFFFu) != want) return false;
            }
        return true;
    }

    QPushButton* button(const QString& caption) {
        for (QPushButton* b : platform.surface().findChildren<QPushButton*>())
            if (b->text() == caption && b->isVisible()) return b;
        return nullptr;
    }

    TempWorkDir dir;
    std::vector<Picture> slides;
    QtPlatform platform{*qApp};
    Form57 form{platform};
};

// "Click to see examples and credits" starts the show; a right click brings the
// next slide at once, and after the thirteenth the title comes back.
TEST_F(SlideShowWindow, ShowsEachSlideInTurnThenTheTitle) {
    std::size_t seen = 0;
    bool started = false, titleBack = false;
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (!started) {
            if (QPushButton* show = button(QStringLiteral("Click to see examples and credits"))) {
                QTest::mouseClick(show, Qt::LeftButton);
                started = true;
            }
        } else if (seen < slides.size()) {
            if (shows(slides[seen])) {
                ++seen;
                QTest::mouseClick(&platform.surface(), Qt::RightButton);
            }
        } else {
            titleBack = button(QStringLiteral("Click to Begin")) != nullptr;
        }
        if (titleBack || std::chrono::steady_clock::now() > deadline) {
            user.stop();
            platform.window().close();
        }
    });
    user.start(10);
    form.run();
    EXPECT_EQ(seen, slides.size()) << "the show stopped before " << (seen < 11 ? "example" : "credit")
                                   << (seen < 11 ? seen + 1 : seen - 10) << ".bmp";
    EXPECT_TRUE(titleBack);
}

// The title fills the window it is shown in, at the window's first size and
// after the window grew: its picture as laid out for that size everywhere but
// under the three buttons.
TEST_F(SlideShowWindow, TitleFillsTheWindowAtEachSize) {
    auto titleShown = [&] {
        const QImage shown = platform.surface().grab().toImage();
        const Picture want = titlePicture(shown.width(), shown.height());
        for (int y = 0; y < shown.height(); y += 2)
            for (int x = 0; x < shown.width(); x += 2) {
                bool underAButton = false;
                for (QPushButton* b : platform.surface().findChildren<QPushButton*>())
                    underAButton = underAButton || (b->isVisible() && b->geometry().contains(x, y));
                if (!underAButton && rgbToBgr(shown.pixel(x, y) & 0xFFFFFFu) != want.at(x, y)) return false;
            }
        return true;
    };
    std::vector<QSize> filled;
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (button(QStringLiteral("Click to Begin")) && titleShown()) {
            filled.push_back(platform.surface().size());
            if (filled.size() == 1) platform.window().resize(1100, 900);
        }
        if (filled.size() == 2 || std::chrono::steady_clock::now() > deadline) {
            user.stop();
            platform.window().close();
        }
    });
    user.start(10);
    form.run();
    ASSERT_EQ(filled.size(), 2u) << "the title did not fill the window";
    EXPECT_NE(filled[0], filled[1]);
}

// The slides are the program's own pictures at the size of its built-in ones.
TEST_F(SlideShowWindow, SlidesAreFullSizeAndAllDifferent) {
    for (std::size_t i = 0; i < slides.size(); ++i) {
        EXPECT_EQ(slides[i].width, 800) << slideNames()[i];
        EXPECT_EQ(slides[i].height, 600) << slideNames()[i];
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(slides[i], slides[j]) << slideNames()[i] << slideNames()[j];
    }
}

}  // namespace
}  // namespace tarnwick::test
