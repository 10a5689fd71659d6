#include <filesystem>
#include <functional>
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

// The copy is what the program wrote: whatever became of the file since, the
// copy is painted and the file is not consulted.
TEST_F(SnapshotTest, SnapshotIsPaintedFromItsCopyWhateverBecameOfTheFile) {
    paintMark(red);
    for (const char* name : {"drawing1.bmp", "drawing2.bmp", "drawing4.bmp"}) form.savesnapshot(name);
    std::filesystem::remove("drawing1.bmp");
    platform.unreadable = {"drawing2.bmp"};
    ASSERT_TRUE(savePictureFile(Picture(800, 600, green), "drawing4.bmp"));  // another writer
    for (const char* name : {"drawing1.bmp", "drawing2.bmp", "drawing4.bmp"}) {
        paintMark(blue);
        form.paintsnapshot(name);
        EXPECT_EQ(mark(), red) << name;
        EXPECT_EQ(form.loadwrittenpicture(name), form.canvas.image()) << name;
    }
    EXPECT_TRUE(platform.messages().empty());
}

// A stale file from an earlier run must not come back in place of the picture
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

// A name not written in this run is read from its file, as one of an earlier run.
TEST_F(SnapshotTest, NameNotWrittenInThisRunIsReadFromItsFile) {
    ASSERT_TRUE(savePictureFile(Picture(800, 600, green), "drawing3.bmp"));
    paintMark(blue);
    form.paintsnapshot("drawing3.bmp");
    EXPECT_EQ(mark(), green);
    EXPECT_EQ(form.loadwrittenpicture("drawing3.bmp"), Picture(800, 600, green));
    EXPECT_FALSE(form.loadwrittenpicture("drawing4.bmp"));
}

// The built-in drawings are read by name like a user's file: the file on disk
// counts, and the program keeps no copy of them.
TEST_F(SnapshotTest, BuiltInDrawingsAreReadFromTheirFiles) {
    form.savepicturefile(Picture(8, 6, red), "temple.bmp");
    EXPECT_FALSE(form.snapshots.copy("temple.bmp"));
    ASSERT_TRUE(savePictureFile(Picture(8, 6, green), "temple.bmp"));
    EXPECT_EQ(form.loadwrittenpicture("temple.bmp"), Picture(8, 6, green));
}

// Snapshots of an unchanged canvas share one picture; any change of the
// persistent image in between gives the next snapshot a picture of its own,
// and leaves the earlier one as it was.
TEST_F(SnapshotTest, SnapshotsShareAPictureOnlyWhileTheCanvasIsUnchanged) {
    form.savedrawingsnapshots();
    EXPECT_EQ(form.snapshots.copy("drawing1.bmp"), form.snapshots.copy("drawing1b.bmp"));

    Canvas& c = form.canvas;
    const struct {
        const char* change;
        std::function<void()> make;
    } changes[] = {
        {"fillBox", [&] { c.fillBox(3, 3, 9, 9, red); }},
        {"box", [&] { c.box(20, 20, 30, 30, green); }},
        {"line", [&] { c.line(0, 50, 60, 70, blue); }},
        {"pset", [&] { c.pset(5, 5, green); }},
        {"paintPicture", [&] { c.paintPicture(Picture(4, 4, blue), 40, 40); }},
        {"setBackColour", [&] { c.setBackColour(green); }},
        {"setBackPicture", [&] { c.setBackPicture(Picture(30, 30, red)); }},
        {"removeBackPicture", [&] { c.removeBackPicture(); }},
        {"resize", [&] { c.resize(700, 500); }},
    };
    for (const auto& change : changes) {
        form.savesnapshot("drawing2.bmp");
        const Picture before = *form.snapshots.copy("drawing2.bmp");
        change.make();
        form.savesnapshot("drawing3.bmp");
        EXPECT_EQ(*form.snapshots.copy("drawing3.bmp"), c.image()) << change.change;
        EXPECT_EQ(*form.snapshots.copy("drawing2.bmp"), before) << change.change;
        EXPECT_EQ(loadPictureFile("drawing3.bmp"), c.image()) << change.change;
    }
}

// Where no picture can be written the program still starts, shows its title and
// reaches the drawing stage, telling the user once.
TEST_F(SnapshotTest, StartsWhenNoPictureCanBeWritten) {
    platform.failAllWrites = true;
    long drawingMode = -99;
    long titleShown = -1;
    // Like the real drawing stage, the stand-in ends in the event run it asked the end in.
    form.workers.drawing = [&] {
        drawingMode = form.programmode;
        platform.requestEnd();
        form.doEvents();
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
