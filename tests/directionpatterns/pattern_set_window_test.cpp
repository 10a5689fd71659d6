// A pattern set through the program's own menus and panels, from the title on.
#include <string>

#include "directionpatterns/pattern_lines.h"
#include "shell/frame_fixture.h"

namespace tarnwick::test {
namespace {


TEST_F(HeadlessProgramTest, ASetLoadedFromTheListAndSavedAgainKeepsItsBytes) {
    const std::string set = lines({"1", "1", "3", "5", "9999,88", "2", "4", "9999,88", "3", "9999,88", "4", "1", "9999,88"});
    writeBytes("spiral.pat", set);
    writeBytes("spiral.3d-pat", lines({"2", "9999,88", "2", "9999,88", "2", "9999,88", "2", "9999,88"}));
    const std::string failures = program.runScript(R"(
passes 3
button "Click to Begin"
passes 5
menu "Options" "New Tarnwick Drawing" "regular 2-d mazes"
passes 3
menu "Patterns" "Load pattern"
file-list "spiral.pat"
key Enter
passes 2
menu "Patterns" "Save pattern"
type "copy"
key Enter
passes 2
)");
    EXPECT_EQ(failures, "");
    EXPECT_EQ(fileBytes("Left.pt"), lines({"1", "1", "3", "5", "9999,88"}));
    EXPECT_EQ(fileBytes("Right.pt"), lines({"2", "4", "9999,88"}));
    EXPECT_EQ(fileBytes("up.pt"), lines({"3", "9999,88"}));
    EXPECT_EQ(fileBytes("down.pt"), lines({"4", "1", "9999,88"}));
    EXPECT_EQ(fileBytes("3dLeft.pt"), "1,9999,88\r\n") << "the 3d set is not the regular maze's";
    EXPECT_EQ(fileBytes("copy.pat"), set);
    EXPECT_TRUE(program.platform.messages().empty());
}

}  // namespace
}  // namespace tarnwick::test

namespace tarnwick::test {
namespace {

// The maximum-size box opens with the maximum in force and takes two characters at most.
TEST_F(HeadlessProgramTest, TheMaximumSizeBoxTakesTwoCharacters) {
    const std::string failures = program.runScript(R"(
passes 3
button "Click to Begin"
passes 5
menu "Maze Settings" "Change maximum size of random patterns"
type "234"
key Enter
passes 2
)");
    EXPECT_EQ(failures, "");
    // The box's "5" is replaced by the typing, which stops at two characters.
    EXPECT_EQ(program.form.maxrandomsize, 23);
    EXPECT_EQ(program.form.ui.menu("maxrnd").caption, "Random patterns are allways size \"23\"");
    EXPECT_EQ(program.form.ui.menu("usernd").caption, "Random patterns are any size from \"1\" to \"23\"");
}

}  // namespace
}  // namespace tarnwick::test

namespace tarnwick::test {
namespace {

// The box opens with the maximum in force, selected: what the user types
// replaces it, at every opening, and the typing after the first adds to it.
TEST_F(HeadlessProgramTest, TypingReplacesTheMaximumTheBoxOpensWith) {
    const std::string failures = program.runScript(R"(
passes 3
button "Click to Begin"
passes 5
menu "Maze Settings" "Change maximum size of random patterns"
type "500"
key Enter
passes 2
menu "Maze Settings" "Change maximum size of random patterns"
type "7"
type "1"
key Enter
passes 2
)");
    EXPECT_EQ(failures, "");
    EXPECT_EQ(program.form.maxrandomsize, 71);
    EXPECT_EQ(program.platform.messages(), std::vector<std::string>{});
}

}  // namespace
}  // namespace tarnwick::test
