#include <QKeyEvent>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "platform/qt/key_codes.h"
#include "window_fixture.h"

namespace tarnwick::test {
namespace {

struct KeyCase {
    const char* what;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    int code;
};

const KeyCase keyCases[] = {
    {"left", Qt::Key_Left, Qt::NoModifier, 37},
    {"up", Qt::Key_Up, Qt::NoModifier, 38},
    {"right", Qt::Key_Right, Qt::NoModifier, 39},
    {"down", Qt::Key_Down, Qt::NoModifier, 40},
    {"keypad left, NumLock off", Qt::Key_Left, Qt::KeypadModifier, 37},
    {"keypad up, NumLock off", Qt::Key_Up, Qt::KeypadModifier, 38},
    {"keypad right, NumLock off", Qt::Key_Right, Qt::KeypadModifier, 39},
    {"keypad down, NumLock off", Qt::Key_Down, Qt::KeypadModifier, 40},
    {"keypad home, NumLock off", Qt::Key_Home, Qt::KeypadModifier, 36},
    {"keypad 0, NumLock on", Qt::Key_0, Qt::KeypadModifier, 96},
    {"keypad 6, NumLock on", Qt::Key_6, Qt::KeypadModifier, 102},
    {"keypad 9, NumLock on", Qt::Key_9, Qt::KeypadModifier, 105},
    {"keypad point, NumLock on", Qt::Key_Period, Qt::KeypadModifier, 110},
    {"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, 13},
    {"a", Qt::Key_A, Qt::NoModifier, 65},
    {"shift z", Qt::Key_Z, Qt::ShiftModifier, 90},
    {"digit 0", Qt::Key_0, Qt::NoModifier, 48},
    {"digit 9", Qt::Key_9, Qt::NoModifier, 57},
    {"shift 1", Qt::Key_Exclam, Qt::ShiftModifier, 49},
    {"comma", Qt::Key_Comma, Qt::NoModifier, 188},
    {"period", Qt::Key_Period, Qt::NoModifier, 190},
    {"slash", Qt::Key_Slash, Qt::NoModifier, 191},
    {"apostrophe", Qt::Key_Apostrophe, Qt::NoModifier, 222},
    {"shift period", Qt::Key_Greater, Qt::ShiftModifier, 190},
    {"enter", Qt::Key_Return, Qt::NoModifier, 13},
    {"escape", Qt::Key_Escape, Qt::NoModifier, 27},
    {"space", Qt::Key_Space, Qt::NoModifier, 32},
    {"backspace", Qt::Key_Backspace, Qt::NoModifier, 8},
    {"tab", Qt::Key_Tab, Qt::NoModifier, 9},
    {"delete", Qt::Key_Delete, Qt::NoModifier, 46},
    {"insert", Qt::Key_Insert, Qt::NoModifier, 45},
    {"F1", Qt::Key_F1, Qt::NoModifier, 112},
    {"F12", Qt::Key_F12, Qt::NoModifier, 123},
    {"minus", Qt::Key_Minus, Qt::NoModifier, 189},
    {"equal", Qt::Key_Equal, Qt::NoModifier, 187},
    {"semicolon", Qt::Key_Semicolon, Qt::NoModifier, 186},
    {"bracket left", Qt::Key_BracketLeft, Qt::NoModifier, 219},
    {"bracket right", Qt::Key_BracketRight, Qt::NoModifier, 221},
    {"backslash", Qt::Key_Backslash, Qt::NoModifier, 220},
    {"backquote", Qt::Key_QuoteLeft, Qt::NoModifier, 192},
    {"shift itself", Qt::Key_Shift, Qt::ShiftModifier, 16},
    {"no code", Qt::Key_Print, Qt::NoModifier, 0},
};

TEST(KeyCodes, QtKeysGiveTheProgramsCodes) {
    for (const KeyCase& k : keyCases) EXPECT_EQ(keyCodeFor(k.qtKey, k.modifiers), k.code) << k.what;
}

using WindowKeys = WindowTest;

TEST_F(WindowKeys, KeysAnywhereInTheWindowReachTheProgramInOrder) {
    ui.addControl("Command1", ControlKind::Button, "Go");
    platform.processEvents();
    QTest::keyClick(&platform.surface(), Qt::Key_Left);
    QTest::keyClick(&platform.surface(), Qt::Key_Up, Qt::KeypadModifier);
    // A button the user clicked must not take the window's keys (Space would click it).
    QTest::keyClick(&widget<QWidget>("Command1"), Qt::Key_Space);
    QTest::keyClick(&platform.window(), Qt::Key_G, Qt::ShiftModifier);  // Shift is a key too
    EXPECT_TRUE(sink.take().empty()) << "delivered before the program asked";
    platform.processEvents();
    EXPECT_EQ(sink.take(), (std::vector<std::string>{"key 37", "key 38", "key 32", "key 16", "key 71"}));
}

TEST_F(WindowKeys, KeysTypedIntoAFocusedEntryBoxGoToTheBox) {
    ui.addControl("Text1", ControlKind::EntryBox);
    ui.setFocus("Text1");
    platform.processEvents();
    auto& box = widget<QLineEdit>("Text1");
    ASSERT_TRUE(box.hasFocus() || platform.window().focusWidget() == &box);

    QTest::keyClicks(&box, "12");
    QTest::keyClick(&box, Qt::Key_Tab);
    QTest::keyClick(&box, Qt::Key_Return);
    platform.processEvents();
    EXPECT_EQ(sink.take(), (std::vector<std::string>{"entry Text1 49", "entry Text1 50", "entry Text1 9",
                                                     "entry Text1 13"}));
    EXPECT_EQ(ui.control("Text1").text, "12");
    EXPECT_EQ(box.text(), "12");
}

TEST_F(WindowKeys, AClickBesideTheFocusedBoxLeavesItTheKeys) {
    ui.addControl("Text1", ControlKind::EntryBox);
    ui.addControl("File1", ControlKind::FileList);
    ui.setControlGeometry("File1", 200, 0, 100, 100);
    ui.setFocus("Text1");
    platform.processEvents();
    QTest::mouseClick(&platform.surface(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    QTest::mouseClick(widget<QListWidget>("File1").viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Return);
    platform.processEvents();
    EXPECT_EQ(sink.take(), (std::vector<std::string>{"mouse 1", "entry Text1 13"}));
}

TEST_F(WindowKeys, TheProgramsTextReplacesTheBoxes) {
    ui.addControl("Text1", ControlKind::EntryBox);
    platform.processEvents();
    auto& box = widget<QLineEdit>("Text1");
    QTest::keyClicks(&box, "ab");
    platform.processEvents();
    ui.setControlText("Text1", "10");
    platform.processEvents();
    EXPECT_EQ(box.text(), "10");
}

// A box the program opens holding a value: the first typing replaces the value,
// the next adds to what was typed; the value the box opens with is selected
// again at every opening.
TEST_F(WindowKeys, TypingReplacesTheValueABoxOpensWith) {
    ui.addControl("Text7", ControlKind::EntryBox);
    ui.setControlMaxLength("Text7", 2);
    auto open = [&](const char* value) {
        ui.setControlText("Text7", value);
        ui.setControlVisible("Text7", true);
        ui.setFocus("Text7");
        platform.processEvents();
    };
    open("5");
    auto& box = widget<QLineEdit>("Text7");
    QTest::keyClicks(&box, "500");
    platform.processEvents();
    EXPECT_EQ(box.text(), "50");
    EXPECT_EQ(ui.control("Text7").text, "50");

    ui.setControlVisible("Text7", false);
    ui.setFocus("");
    platform.processEvents();
    open("50");
    QTest::keyClicks(&box, "7");
    QTest::keyClicks(&box, "1");
    platform.processEvents();
    EXPECT_EQ(ui.control("Text7").text, "71");
}

TEST_F(WindowKeys, MouseButtonsOnTheSurface) {
    QTest::mouseClick(&platform.surface(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QTest::mouseClick(&platform.surface(), Qt::RightButton, Qt::NoModifier, QPoint(60, 50));
    platform.processEvents();
    EXPECT_EQ(sink.take(), (std::vector<std::string>{"mouse 1", "mouse 2"}));
}

}  // namespace
}  // namespace tarnwick::test
