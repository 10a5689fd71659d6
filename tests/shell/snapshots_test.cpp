#include <filesystem>
#include <set>

#include "frame_fixture.h"
#include "files/example_pictures.h"
#include "platform/picture_files.h"

namespace tarnwick::test {
namespace {

// A headless platform whose file system refuses the named pictures.
class FailingFiles : public HeadlessPlatform {
public:
    FailingFiles() : HeadlessPlatform(800, 600) {}
    std::set<std::string> unwritable, unreadable;
    bool failAllWrites = false;

    bool savePicture(const Picture& picture, const std::string& name) override {
        if (failAllWrites || unwritable.count(name)) return false;
        return HeadlessPlatform::savePicture(picture, name);
    }
    std::optional<Picture> loadPicture(const std::string& name) override {
        if (unreadable.count(name)) return std::nullopt;
        return HeadlessPlatform::loadPicture(name);
    }
};

class SnapshotTest : public ::testing::Test {
protected:
    TempWorkDir workDir;
    FailingFiles platform;
    Form57 form{platform};

    void paintMark(long colour) {
        form.canvas.setScreenOnly(false);
        form.canvas.fillBox(100, 100, 109, 109, colour);
    }
    long mark() const { return form.canvas.point(105, 105); }
};

constexpr long red = 0x0000FF, green = 0x008000, blue = 0xFF0000;

TEST_F(SnapshotTest, UnwritableSnapshotIsPaintedFromItsCopyAndReportedOnce) {
    platform.unwritable = {"drawing1.bmp", "drawing3.bmp"};
    paintMark(red);
    form.savesnapshot("drawing1.bmp");
    paintMark(green);
    form.savesnapshot("drawing3.bmp");
    EXPECT_EQ(platform.messages().size(), 1u);

    paintMark(blue);
    form.paintsnapshot("drawing1.bmp");
    EXPECT_EQ(mark(), red);
    form.paintsnapshot("drawing3.bmp");
    EXPECT_EQ(mark(), green);
    EXPECT_EQ(platform.messages().size(), 1u);
}

TEST_F(SnapshotTest, MissingOrUnreadableSnapshotIsPaintedFromItsCopy) {
    paintMark(red);
    form.savesnapshot("drawing1.bmp");
    form.savesnapshot("drawing2.bmp");
    std::filesystem::remove("drawing1.bmp");
    platform.unreadable = {"drawing2.bmp"};
    paintMark(blue);
    form.paintsnapshot("drawing1.bmp");
    EXPECT_EQ(mark(), red);
    paintMark(blue);
    form.paintsnapshot("drawing2.bmp");
    EXPECT_EQ(mark(), red);
    EXPECT_EQ(platform.messages().size(), 1u);
}

// An old file from an earlier run must not come back in place of the picture
// whose write just failed.
TEST_F(SnapshotTest, StaleFileLosesToTheNewerCopy) {
    ASSERT_TRUE(savePictureFile(Picture(800, 600, green), "drawing1b.bmp"));
    platform.unwritable = {"drawing1b.bmp"};
    paintMark(red);
    form.savesnapshot("drawing1b.bmp");
    paintMark(blue);
    form.paintsnapshot("drawing1b.bmp");
    EXPECT_EQ(mark(), red);
}

TEST_F(SnapshotTest, WrittenFileIsReadBack) {
    paintMark(red);
    form.savesnapshot("drawing4.bmp");
    // Another writer replaced the file: the file is what counts.
    ASSERT_TRUE(savePictureFile(Picture(800, 600, green), "drawing4.bmp"));
    form.paintsnapshot("drawing4.bmp");
    EXPECT_EQ(mark(), green);
    EXPECT_TRUE(platform.messages().empty());
}

// Where no picture can be written the program still starts, shows its title and
// reaches the drawing stage, telling the user once.
TEST_F(SnapshotTest, StartsWhenNoPictureCanBeWritten) {
    platform.failAllWrites = true;
    long drawingMode = -99;
    long titleShown = -1;
    form.workers.drawing = [&] {
        drawingMode = form.programmode;
        platform.requestEnd();
    };
    platform.setFeeder([&](HeadlessPlatform& p) {
        if (p.passes() != 2) return;
        titleShown = form.canvas.point(0, 0);
        p.pushButton("Command2");
    });
    form.run();
    EXPECT_EQ(titleShown, static_cast<long>(titlePicture().at(0, 0)));
    EXPECT_EQ(drawingMode, 0);
    EXPECT_EQ(platform.messages().size(), 1u);
}

// A pattern file that cannot be written is reported and the others are written.
TEST_F(SnapshotTest, UnwritablePatternFileIsReportedAndTheRestWritten) {
    std::filesystem::create_directory("up.pt");
    form.resetkindpatterns();
    EXPECT_EQ(fileBytes("Left.pt"), "1,9999,88\r\n");
    EXPECT_EQ(fileBytes("down.pt"), "4,9999,88\r\n");
    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_FALSE(form.files.isOpen(1));
}

}  // namespace
}  // namespace tarnwick::test
