#include <gtest/gtest.h>

#include <stdexcept>

#include "core/ui.h"

namespace tarnwick {
namespace {

// A small menu bar: "Options" > "Print" > "Now", and "Help".
class UiMenus : public ::testing::Test {
protected:
    void SetUp() override {
        ui.addMenu("options", "", "Options");
        ui.addMenu("print", "options", "Print ");
        ui.addMenu("now", "print", "Now");
        ui.addMenu("help", "", "Help");
    }
    Ui ui;
};

TEST_F(UiMenus, AvailableOnlyWhenTheItemAndEveryParentAreEnabledAndVisible) {
    EXPECT_TRUE(ui.menuAvailable("now"));
    for (const char* blocker : {"options", "print", "now"}) {
        ui.setEnabled(blocker, false);
        EXPECT_FALSE(ui.menuAvailable("now")) << blocker << " disabled";
        ui.setEnabled(blocker, true);
        ui.setVisible(blocker, false);
        EXPECT_FALSE(ui.menuAvailable("now")) << blocker << " hidden";
        ui.setVisible(blocker, true);
    }
    ui.setEnabled("options", false);
    EXPECT_TRUE(ui.menuAvailable("help"));  // another title is not affected
}

TEST_F(UiMenus, VersionMovesOnlyOnARealChange) {
    auto v = ui.version();
    ui.setEnabled("now", true);
    ui.setVisible("now", true);
    ui.setChecked("now", false);
    ui.setCaption("now", "Now");
    EXPECT_EQ(ui.version(), v);
    ui.setChecked("now", true);
    EXPECT_GT(ui.version(), v);
    v = ui.version();
    ui.setChecked("now", true);
    EXPECT_EQ(ui.version(), v);
    ui.setCaption("now", "Now ");
    EXPECT_GT(ui.version(), v);
}

// An item looked up once is the same item as by its name, changes bump the
// version alike, and a later item added does not move it.
TEST_F(UiMenus, ItemsByIdAreTheItemsByName) {
    const MenuId print = ui.menuId("print");
    ui.addMenu("later", "options", "Later");
    EXPECT_EQ(&ui.menu(print), &ui.menu("print"));
    auto v = ui.version();
    ui.setEnabled(print, true);
    ui.setVisible(print, true);
    ui.setChecked(print, false);
    EXPECT_EQ(ui.version(), v);
    ui.setEnabled(print, false);
    EXPECT_GT(ui.version(), v);
    EXPECT_FALSE(ui.menu("print").enabled);
    EXPECT_FALSE(ui.menuAvailable("now"));
    EXPECT_THROW(ui.menuId("nosuchitem"), std::out_of_range);
}

TEST_F(UiMenus, FindByCaptionsFollowsThePathExactly) {
    const MenuItem* found = ui.findMenuByCaptions({"Options", "Print ", "Now"});
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->name, "now");
    EXPECT_EQ(ui.findMenuByCaptions({"Options", "Print", "Now"}), nullptr);  // trailing blank counts
    EXPECT_EQ(ui.findMenuByCaptions({"Now"}), nullptr);                      // not a title
    EXPECT_EQ(ui.findMenuByCaptions({}), nullptr);
}

TEST_F(UiMenus, UnknownNamesThrowWithTheName) {
    try {
        ui.setEnabled("nosuchitem", false);
        FAIL() << "no exception";
    } catch (const std::out_of_range& e) {
        EXPECT_NE(std::string(e.what()).find("nosuchitem"), std::string::npos);
    }
    EXPECT_THROW(ui.menuAvailable("nosuchitem"), std::out_of_range);
    EXPECT_THROW(ui.control("nosuchcontrol"), std::out_of_range);
    EXPECT_THROW(ui.setTimerEnabled("nosuchtimer", true), std::out_of_range);
    EXPECT_FALSE(ui.hasMenu("nosuchitem"));
    EXPECT_TRUE(ui.hasMenu("now"));
}

TEST_F(UiMenus, ParentsComeFirstAndNamesAreUnique) {
    EXPECT_THROW(ui.addMenu("orphan", "later", "Orphan"), std::out_of_range);
    EXPECT_THROW(ui.addMenu("now", "help", "Again"), std::invalid_argument);
    EXPECT_FALSE(ui.hasMenu("orphan"));
    EXPECT_EQ(ui.menu("now").parent, "print");
}

TEST(UiControls, CheckBoxValueTakesOnlyZeroOneTwo) {
    Ui ui;
    ui.addControl("Check1", ControlKind::CheckBox, "Background");
    for (const int value : {0, 1, 2}) {
        ui.setControlValue("Check1", value);
        EXPECT_EQ(ui.control("Check1").value, value);
    }
    const auto v = ui.version();
    for (const int refused : {-1, 3, 255}) {
        ui.setControlValue("Check1", refused);
        EXPECT_EQ(ui.control("Check1").value, 2) << refused;
    }
    EXPECT_EQ(ui.version(), v);
}

TEST(UiControls, FocusMustNameAControl) {
    Ui ui;
    ui.addControl("Text1", ControlKind::EntryBox);
    ui.setFocus("Text1");
    EXPECT_EQ(ui.focus(), "Text1");
    ui.setFocus("");
    EXPECT_EQ(ui.focus(), "");
    EXPECT_THROW(ui.setFocus("Text9"), std::out_of_range);
}

TEST(UiTimers, ChangingIntervalOrEnablingRestartsTheCount) {
    Ui ui;
    ui.addTimer("Timer1");
    auto restarts = ui.timer("Timer1").restartCount;
    ui.setTimerEnabled("Timer1", true);
    EXPECT_EQ(ui.timer("Timer1").restartCount, ++restarts);
    ui.setTimerEnabled("Timer1", true);  // already running: the count goes on
    EXPECT_EQ(ui.timer("Timer1").restartCount, restarts);
    ui.setTimerInterval("Timer1", 3000);
    EXPECT_EQ(ui.timer("Timer1").restartCount, ++restarts);
    ui.setTimerInterval("Timer1", 3000);
    EXPECT_EQ(ui.timer("Timer1").restartCount, restarts);
    ui.setTimerEnabled("Timer1", false);
    EXPECT_EQ(ui.timer("Timer1").restartCount, restarts);
    ui.setTimerEnabled("Timer1", true);
    EXPECT_EQ(ui.timer("Timer1").restartCount, ++restarts);
}

TEST(UiWindow, GeometryRefusedUnlessNormal) {
    Ui ui;
    for (const WindowState state : {WindowState::Maximized, WindowState::Minimized}) {
        ui.setWindowState(state);
        EXPECT_FALSE(ui.setWindowGeometry(1, 2, 3, 4));
        EXPECT_EQ(ui.window().width, 12000);
    }
    ui.setWindowState(WindowState::Normal);
    EXPECT_TRUE(ui.setWindowGeometry(15, 30, 9000, 6000));
    EXPECT_EQ(ui.window().left, 15);
    EXPECT_EQ(ui.window().height, 6000);
}

}  // namespace
}  // namespace tarnwick
