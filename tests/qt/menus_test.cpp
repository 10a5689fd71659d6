#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "window_fixture.h"

namespace tarnwick::test {
namespace {

// A bar title with a submenu and two commands, one of them ticked.
class WindowMenus : public WindowTest {
protected:
    WindowMenus() {
        ui.addMenu("options", "", "Options");
        ui.addMenu("sandf", "options", "Place start & finish");
        ui.addMenu("settings", "options", "Settings");
        ui.addMenu("aon", "settings", "on");
        ui.setChecked("aon", true);
        ui.addMenu("quit", "", "Quit");  // a bar title with no menu of its own
        platform.processEvents();
    }
    QAction& action(const char* name) { return widget<QAction>(name); }
};

TEST_F(WindowMenus, ShowTheModelInAMenuBarInsideTheWindow) {
    QMenuBar* bar = platform.window().menuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isNativeMenuBar());
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->text(), "Options");
    EXPECT_EQ(action("sandf").text(), "Place start && finish");  // shown as given, no mnemonic
    EXPECT_TRUE(action("aon").isChecked());
    EXPECT_FALSE(action("sandf").isChecked());
    ASSERT_NE(action("settings").menu(), nullptr);
    EXPECT_EQ(action("settings").menu()->actions().value(0), &action("aon"));

    ui.setCaption("sandf", "Moved");
    ui.setVisible("quit", false);
    platform.processEvents();
    EXPECT_EQ(action("sandf").text(), "Moved");
    EXPECT_FALSE(action("quit").isVisible());
}

TEST_F(WindowMenus, ClicksReachTheProgramByName) {
    action("sandf").trigger();
    action("quit").trigger();
    EXPECT_TRUE(sink.take().empty()) << "delivered before the program asked";
    platform.processEvents();
    EXPECT_EQ(sink.take(), (std::vector<std::string>{"menu sandf", "menu quit"}));
}

TEST_F(WindowMenus, TicksAreTheProgramsAlone) {
    action("aon").trigger();
    action("sandf").trigger();
    EXPECT_TRUE(action("aon").isChecked());
    EXPECT_FALSE(action("sandf").isChecked());
    platform.processEvents();
    EXPECT_EQ(sink.take(), (std::vector<std::string>{"menu aon", "menu sandf"}));
    EXPECT_TRUE(ui.menu("aon").checked);

    ui.setChecked("aon", false);
    ui.setChecked("sandf", true);
    platform.processEvents();
    EXPECT_FALSE(action("aon").isChecked());
    EXPECT_TRUE(action("sandf").isChecked());
}

TEST_F(WindowMenus, UnavailableItemsCannotBeClicked) {
    struct Case {
        const char* what;
        void (Ui::*set)(std::string_view, bool);
        const char* changed;
    };
    const Case cases[] = {
        {"item disabled", &Ui::setEnabled, "aon"},
        {"item hidden", &Ui::setVisible, "aon"},
        {"submenu disabled", &Ui::setEnabled, "settings"},
        {"bar title hidden", &Ui::setVisible, "options"},
    };
    for (const Case& c : cases) {
        (ui.*c.set)(c.changed, false);
        platform.processEvents();
        action("aon").trigger();
        platform.processEvents();
        EXPECT_TRUE(sink.take().empty()) << c.what;
        (ui.*c.set)(c.changed, true);
        platform.processEvents();
    }
    EXPECT_TRUE(action("aon").isChecked());
}

TEST_F(WindowMenus, AClickWaitingWhenTheItemIsDisabledIsDropped) {
    action("sandf").trigger();
    ui.setEnabled("sandf", false);  // the program's step, before it takes its events
    platform.processEvents();
    EXPECT_TRUE(sink.take().empty());
}

TEST_F(WindowMenus, ItemsAddedLaterJoinTheBar) {
    ui.addMenu("help", "", "Key Help");
    ui.addMenu("keys", "help", "Arrows");
    platform.processEvents();
    EXPECT_EQ(platform.window().menuBar()->actions().size(), 3);
    action("keys").trigger();
    action("sandf").trigger();
    platform.processEvents();
    EXPECT_EQ(sink.take(), (std::vector<std::string>{"menu keys", "menu sandf"}));
}

}  // namespace
}  // namespace tarnwick::test
