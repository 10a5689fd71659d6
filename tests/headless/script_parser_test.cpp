#include <gtest/gtest.h>

#include "platform/headless/script.h"

namespace tarnwick {
namespace {

using Kind = ScriptStep::Kind;

struct GoodLine {
    const char* line;
    Kind kind;
    std::vector<std::string> texts;
    std::vector<long> numbers;
};

class ParsesLine : public ::testing::TestWithParam<GoodLine> {};

TEST_P(ParsesLine, IntoOneStep) {
    const GoodLine& good = GetParam();
    const ParsedScript parsed = parseScript(good.line);
    ASSERT_TRUE(parsed.errors.empty()) << parsed.errors[0].why;
    ASSERT_EQ(parsed.steps.size(), 1u);
    EXPECT_EQ(parsed.steps[0].kind, good.kind);
    EXPECT_EQ(parsed.steps[0].texts, good.texts);
    EXPECT_EQ(parsed.steps[0].numbers, good.numbers);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ParsesLine,
    ::testing::Values(
        GoodLine{R"(button "Click to Begin")", Kind::Button, {"Click to Begin"}, {}},
        // Captions keep their blanks exactly, trailing ones included.
        GoodLine{R"(menu "Maze Options" "New maze ")", Kind::Menu, {"Maze Options", "New maze "}, {}},
        GoodLine{R"(menu "Patterns" "Pattern settings" "Use patterns")", Kind::Menu,
                 {"Patterns", "Pattern settings", "Use patterns"}, {}},
        GoodLine{"check 16", Kind::Check, {}, {16}},
        GoodLine{"key Left", Kind::Key, {}, {37}},
        GoodLine{"key down", Kind::Key, {}, {40}},
        GoodLine{"key c", Kind::Key, {}, {67}},
        GoodLine{"key Z", Kind::Key, {}, {90}},
        GoodLine{"key Quote", Kind::Key, {}, {222}},
        GoodLine{"key Escape", Kind::Key, {}, {27}},
        GoodLine{"key 105", Kind::Key, {}, {105}},
        GoodLine{R"(type "  12.5")", Kind::Type, {"  12.5"}, {}},
        GoodLine{R"(type "")", Kind::Type, {""}, {}},
        GoodLine{"mouse right", Kind::Mouse, {}, {2}},
        GoodLine{"tick Timer2", Kind::Tick, {"Timer2"}, {}},
        GoodLine{R"(file-list "temple.maze")", Kind::FileList, {"temple.maze"}, {}},
        GoodLine{"passes 0", Kind::Passes, {}, {0}},
        GoodLine{"until-mode -5", Kind::UntilMode, {}, {-5, 10'000'000}},
        GoodLine{"until-mode 2 500", Kind::UntilMode, {}, {2, 500}},
        GoodLine{"save after.bmp", Kind::Save, {"after.bmp"}, {}},
        GoodLine{R"(expect-caption "The Quillary Tarnwick-by Ivo Pellik")", Kind::ExpectCaption,
                 {"The Quillary Tarnwick-by Ivo Pellik"}, {}},
        GoodLine{"expect-mode -6", Kind::ExpectMode, {}, {-6}},
        GoodLine{R"(expect-message "Error: can't find file.")", Kind::ExpectMessage, {"Error: can't find file."}, {}},
        GoodLine{"expect-messages 2", Kind::ExpectMessages, {}, {2}},
        GoodLine{"expect-file drawing1.bmp", Kind::ExpectFile, {"drawing1.bmp"}, {}},
        GoodLine{"expect-pixel 10 20 &HFFFFFF", Kind::ExpectPixel, {}, {10, 20, 0xFFFFFF}},
        GoodLine{"expect-pixel 0 0 &h8000", Kind::ExpectPixel, {}, {0, 0, 0x8000}},
        GoodLine{"expect-pixel 3 4 255", Kind::ExpectPixel, {}, {3, 4, 255}},
        GoodLine{"expect-pages 4", Kind::ExpectPages, {}, {4}},
        // A comment may follow a command; "#" inside quotes is text.
        GoodLine{R"(expect-message "file #2"   # the second)", Kind::ExpectMessage, {"file #2"}, {}}));

struct BadLine {
    const char* line;
    const char* why;
};

class RefusesLine : public ::testing::TestWithParam<BadLine> {};

TEST_P(RefusesLine, WithItsReason) {
    const ParsedScript parsed = parseScript(GetParam().line);
    ASSERT_EQ(parsed.errors.size(), 1u);
    EXPECT_EQ(parsed.errors[0].line, 1);
    EXPECT_EQ(parsed.errors[0].why, GetParam().why);
    EXPECT_TRUE(parsed.steps.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, RefusesLine,
    ::testing::Values(BadLine{"klick 3", R"(unknown command "klick")"},
                      BadLine{R"("button" "Click to Begin")", R"(unknown command "button")"},
                      BadLine{R"(button "Click to Begin)", "missing closing quote"},
                      BadLine{"button", "button takes 1 argument, not 0"},
                      BadLine{R"(menu "Options")", "menu takes 2 to 4 arguments, not 1"},
                      BadLine{"until-mode 1 2 3", "until-mode takes 1 to 2 arguments, not 3"},
                      BadLine{"passes many", R"(not a number: "many")"},
                      BadLine{R"(passes "3")", R"(not a number: "3")"},
                      BadLine{"passes -1", "a number of passes cannot be negative"},
                      BadLine{"expect-pixel 1 2 &HGG", R"(not a number: "&HGG")"},
                      BadLine{"expect-pixel 1 2 12abc", R"(not a number: "12abc")"},
                      BadLine{"check 0", "check boxes are numbered from 1"},
                      BadLine{"key Space", R"(unknown key "Space")"},
                      BadLine{R"(key "A")", R"(unknown key "A")"},
                      BadLine{"mouse middle", R"(mouse takes left or right, not "middle")"}));

TEST(ParseScript, NumbersLinesAcrossCommentsBlanksAndCrLf) {
    const ParsedScript parsed = parseScript("# a comment\r\n\r\n  passes 2\r\nbogus\r\n\tkey Up # up\r\n");
    ASSERT_EQ(parsed.errors.size(), 1u);
    EXPECT_EQ(parsed.errors[0].line, 4);
    ASSERT_EQ(parsed.steps.size(), 2u);
    EXPECT_EQ(parsed.steps[0].line, 3);
    EXPECT_EQ(parsed.steps[1].line, 5);
    EXPECT_EQ(parsed.steps[1].numbers, std::vector<long>{38});
}

TEST(ParseScript, ReportsEveryBadLineNotJustTheFirst) {
    const ParsedScript parsed = parseScript("passes x\npasses 1\nkey Nothing\n");
    ASSERT_EQ(parsed.errors.size(), 2u);
    EXPECT_EQ(parsed.errors[0].line, 1);
    EXPECT_EQ(parsed.errors[1].line, 3);
}

TEST(ParseScript, EmptyTextHasNoSteps) {
    const ParsedScript parsed = parseScript("");
    EXPECT_TRUE(parsed.steps.empty());
    EXPECT_TRUE(parsed.errors.empty());
}

}  // namespace
}  // namespace tarnwick
