#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <fstream>

#include "support/headless_work_dir.h"
#include "window_fixture.h"

namespace tarnwick::test {
namespace {

using WindowControls = WindowTest;

TEST_F(WindowControls, SitOverTheSurfaceAsTheModelSays) {
    ui.addControl("Command1", ControlKind::Button, "Click to Begin");
    ui.addControl("Label1", ControlKind::Label, "Fish & chips");
    ui.setControlGeometry("Command1", 30, 40, 120, 25);
    ui.setControlBackColour("Label1", 0x0000FF);
    platform.processEvents();

    auto& button = widget<QPushButton>("Command1");
    EXPECT_EQ(button.parentWidget(), &platform.surface());
    EXPECT_EQ(button.geometry(), QRect(30, 40, 120, 25));
    EXPECT_EQ(button.text(), "Click to Begin");
    EXPECT_EQ(widget<QLabel>("Label1").text(), "Fish & chips");
    EXPECT_EQ(widget<QLabel>("Label1").palette().color(QPalette::Window), QColor(255, 0, 0));

    ui.setControlVisible("Command1", false);
    platform.processEvents();
    EXPECT_FALSE(button.isVisible());
}

TEST_F(WindowControls, CaptionsStayWholeAndReadableOnTheirColours) {
    ui.addControl("loadlabel", ControlKind::Label, "Please type in the name of the drawing to load:");
    ui.setControlGeometry("loadlabel", 0, 8, 233, 17);
    ui.addControl("Check2", ControlKind::CheckBox, "Border Color");
    ui.setControlGeometry("Check2", 104, 56, 81, 33);
    ui.setControlBackColour("Check2", 0x800000);  // navy
    ui.addControl("Check11", ControlKind::CheckBox, "Border Color");
    ui.setControlGeometry("Check11", 312, 120, 81, 33);
    ui.setControlBackColour("Check11", 0x00FF00);  // bright green
    platform.processEvents();
    for (const char* name : {"loadlabel", "Check2", "Check11"}) {
        const QWidget& w = widget<QWidget>(name);
        EXPECT_LE(w.sizeHint().width(), w.width()) << name << ": caption cut off";
    }
    EXPECT_EQ(widget<QCheckBox>("Check2").palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(widget<QCheckBox>("Check11").palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(WindowControls, AButtonClickReachesTheProgram) {
    ui.addControl("Command1", ControlKind::Button, "Go");
    platform.processEvents();
    QTest::mouseClick(&widget<QPushButton>("Command1"), Qt::LeftButton);
    platform.processEvents();
    EXPECT_EQ(sink.take(), std::vector<std::string>{"button Command1"});
}

TEST_F(WindowControls, ACheckBoxClickTogglesTheModelThenReports) {
    ui.addControl("Check1", ControlKind::CheckBox, "Background");
    platform.processEvents();
    auto& box = widget<QCheckBox>("Check1");
    const struct {
        int before, after;
        Qt::CheckState shown;
    } cases[] = {{0, 1, Qt::Checked}, {1, 0, Qt::Unchecked}, {2, 0, Qt::Unchecked}};
    for (const auto& c : cases) {
        ui.setControlValue("Check1", c.before);
        platform.processEvents();
        QTest::mouseClick(&box, Qt::LeftButton);
        EXPECT_EQ(ui.control("Check1").value, c.before) << "changed before the program took its events";
        platform.processEvents();
        EXPECT_EQ(ui.control("Check1").value, c.after) << "from " << c.before;
        EXPECT_EQ(box.checkState(), c.shown) << "from " << c.before;
        EXPECT_EQ(sink.take(), std::vector<std::string>{"check Check1"});
    }
    ui.setControlValue("Check1", 2);
    platform.processEvents();
    EXPECT_EQ(box.checkState(), Qt::PartiallyChecked);
}

TEST_F(WindowControls, AFileListShowsTheMatchingFilesAndReportsClicks) {
    TempWorkDir dir;
    for (const char* name : {"b.maze", "a.maze", "a.MAZE", "notes.txt"}) std::ofstream(name) << "x";
    ui.addControl("File1", ControlKind::FileList);
    ui.setFileListFilter("File1", "*.maze");
    platform.processEvents();
    auto& list = widget<QListWidget>("File1");
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(0)->text(), "a.maze");
    EXPECT_EQ(list.item(1)->text(), "b.maze");

    std::ofstream("c.maze") << "x";
    platform.processEvents();
    EXPECT_EQ(list.count(), 2) << "read again without being asked";
    ui.refreshFileList("File1");
    platform.processEvents();
    ASSERT_EQ(list.count(), 3);

    const QRect row = list.visualItemRect(list.item(1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    platform.processEvents();
    EXPECT_EQ(sink.take(), std::vector<std::string>{"file File1 b.maze"});
}

}  // namespace
}  // namespace tarnwick::test
