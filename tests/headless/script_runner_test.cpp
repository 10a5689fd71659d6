#include <gtest/gtest.h>

#include "fake_program.h"
#include "platform/headless/script_runner.h"
#include "support/headless_work_dir.h"

namespace tarnwick::test {
namespace {

using Log = std::vector<std::string>;

// Plays the script into the fake program; returns the failures as "LINE: why".
std::string play(FakeProgram& program, std::string_view script) {
    ParsedScript parsed = parseScript(script);
    EXPECT_TRUE(parsed.errors.empty()) << parsed.errors[0].why;
    return formatErrors(playScript(std::move(parsed.steps), program.platform, program.state, [&] { program.run(); }));
}

TEST(ScriptRunner, GivesEveryEventLineAPassOfItsOwn) {
    FakeProgram program;
    EXPECT_EQ(play(program, "key Left\nkey Right\nmouse left\npasses 3\ncheck 1\n"), "");
    EXPECT_EQ(program.log, (Log{"key 37 @1", "key 39 @2", "mouse 1 @3", "check Check1=1 @7"}));
    EXPECT_TRUE(program.platform.endRequested());
}

TEST(ScriptRunner, FindsButtonsAndMenuItemsByCaption) {
    FakeProgram program;
    EXPECT_EQ(play(program, R"(
        button "Click to Begin"
        menu "Options" "Settings" "Place start and finish"
        menu "Options" "New maze "
    )"), "");
    EXPECT_EQ(program.log, (Log{"button Command2 @1", "menu sandf @2", "menu newmaze @3"}));
}

TEST(ScriptRunner, EnterAndEscapeGoToTheFocusedEntryBoxOtherKeysToTheWindow) {
    FakeProgram program;
    EXPECT_EQ(play(program, "key Enter\n"), "");
    FakeProgram typing;
    typing.ui.setFocus("Text1");
    EXPECT_EQ(play(typing, "type \"ab\"\ntype \"c\"\nkey A\nkey Escape\n"), "");
    EXPECT_EQ(program.log, Log{"key 13 @1"});
    EXPECT_EQ(typing.log, (Log{"key 65 @3", "entry Text1 27 abc @4"}));
}

TEST(ScriptRunner, WaitsUntilTheModeIsReached) {
    FakeProgram program;
    EXPECT_EQ(play(program, "expect-mode -5\nbutton \"Click to Begin\"\nuntil-mode 0 5\nexpect-mode 0\n"), "");
}

TEST(ScriptRunner, ReportsTheFirstFailingLineAndStopsThere) {
    struct Case {
        const char* script;
        const char* report;
    };
    const Case cases[] = {
        {"passes 1\nexpect-mode 2\nkey A\n", "2: mode is -5, expected 2\n"},
        {"until-mode 3 10\n", "1: mode 3 not reached in 10 passes (mode is -5)\n"},
        {"expect-caption \"Title\"\n", "1: caption is \"\", expected \"Title\"\n"},
        {"expect-message \"Error: can't find file.\"\n",
         "1: no message \"Error: can't find file.\" was shown (none was)\n"},
        {"expect-messages 1\n", "1: 0 messages shown, expected 1\n"},
        {"expect-file nothing.bmp\n", "1: no file nothing.bmp\n"},
        {"expect-pixel 1 1 &HFF\n", "1: pixel (1, 1) is &H000000, expected &H0000FF\n"},
        {"expect-pixel 40 0 0\n", "1: pixel (40, 0) is -1, expected &H000000\n"},
        {"expect-pages 1\n", "1: 0 pages printed, expected 1\n"},
        {"button \"Start\"\n", "1: no button \"Start\"\n"},
        {"menu \"Options\" \"Open\"\n", "1: no menu item \"Options\" > \"Open\"\n"},
        {"tick Timer1\nkey A\n", "1: refused: timer Timer1: not running\n"},
        {"check 7\n", "1: refused: check box Check7: no such control\n"},
        {"type \"x\"\n", "1: refused: typing: no entry box has the focus\n"},
        {"file-list \"a.maze\"\n", "1: refused: file list File1: no entry a.maze\n"},
    };
    for (const Case& c : cases) {
        TempWorkDir dir;
        FakeProgram program;
        EXPECT_EQ(play(program, c.script), c.report) << c.script;
        EXPECT_TRUE(program.log.empty()) << c.script << "ran past its failure";
    }
}

TEST(ScriptRunner, RefusedMenuClickFailsAtItsLine) {
    FakeProgram program;
    program.ui.setEnabled("settings", false);
    EXPECT_EQ(play(program, "passes 2\nmenu \"Options\" \"Settings\" \"Place start and finish\"\npasses 2\n"),
              "2: refused: menu sandf: the item or one above it is disabled or hidden\n");
}

TEST(ScriptRunner, FailsWhenTheProgramEndsBeforeTheScript) {
    FakeProgram program;
    EXPECT_EQ(play(program, "button \"Click to Quit Program\"\npasses 1\n"),
              "2: the program ended before this line ran\n");
    FakeProgram quitting;
    EXPECT_EQ(play(quitting, "button \"Click to Quit Program\"\n"), "") << "quitting on the last line is fine";
}

TEST(ScriptRunner, ReportsARunOutPassBudget) {
    FakeProgram program;
    program.platform.setPassBudget(20);
    EXPECT_EQ(play(program, "passes 5\nuntil-mode 1\n"), "2: the pass budget ran out (20 passes)\n");
}

TEST(ScriptRunner, SavesTheWindowImageAndChecksPixelsAndMessages) {
    TempWorkDir dir;
    FakeProgram program;
    program.canvas.fillBox(2, 3, 4, 5, 0x00FF00);
    program.platform.messageBox("Error: bad file name.");
    program.platform.printPage(program.canvas.image());
    EXPECT_EQ(play(program, R"(
        expect-pages 1
        save shot.bmp
        expect-file shot.bmp
        expect-pixel 3 4 &H00FF00
        expect-pixel 5 5 0
        expect-message "Error: bad file name."
    )"), "");
    EXPECT_EQ(program.platform.loadPicture("shot.bmp"), program.canvas.image());
}

}  // namespace
}  // namespace tarnwick::test
