// The drawing cursor kept for the next visit to the drawing: coming back paints
// it in the pen into the user's own drawing, never into a picture that replaced
// that drawing meanwhile (an example's or an imported one), however often the
// user comes back.
#include <filesystem>
#include <string>

#include "files/example_pictures.h"
#include "platform/picture_files.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

// A drawing of the user's own: the navy pen, a cursor of 40 by 40 pixels moved
// once to the right, and the computer to make the mazes.
const std::string ownDrawing = R"(
passes 3
button "Click to Begin"
passes 20
menu "Options" "New Tarnwick Drawing" "regular 2-d mazes"
passes 3
key Period
passes 2
key S
key S
key S
key D
key D
key D
passes 2
key Right
passes 2
menu "Maze Settings" "Maze creation" "(2)-Computer creates maze"
)";

// A maze made and solved, then back to the drawing, whose picture is saved.
std::string mazeAndBack(const std::string& saveAs) {
    return "menu \"Maze Options\" \"New maze \"\n"
           "until-mode 2 2000000\n"
           "menu \"Maze Options\" \"Solve maze\"\n"
           "until-mode 4 2000000\n"
           "menu \"Maze Options\" \"Go back to Drawing\"\n"
           "passes 20\n"
           "expect-mode 0\n"
           "save " + saveAs + "\n";
}

class KeptCursor : public HeadlessProgramTest {
protected:
    void SetUp() override {
        for (const char* name : {"temple.maze", "space-station.maze", "diamond.maze", "christmas-tree.maze"})
            fs::copy_file(fs::path(TARNWICK_DATA_DIR) / name, name);
    }

    void play(const std::string& script) { ASSERT_EQ(program.runScript(script), ""); }

    static Picture saved(const std::string& name) {
        const std::optional<Picture> p = loadPictureFile(name);
        return p ? *p : Picture{};
    }

    // Pixel for pixel; the first difference is told.
    static void expectSamePicture(const Picture& shown, const Picture& expected, const std::string& what) {
        ASSERT_EQ(shown.width, expected.width) << what;
        ASSERT_EQ(shown.height, expected.height) << what;
        long differing = 0;
        std::string first;
        for (int y = 0; y < expected.height; ++y)
            for (int x = 0; x < expected.width; ++x)
                if (shown.at(x, y) != expected.at(x, y) && differing++ == 0)
                    first = " first at (" + std::to_string(x) + "," + std::to_string(y) + ")";
        EXPECT_EQ(differing, 0) << what << first;
    }
};

// The example is chosen once the user's maze is made: the drawing stage comes
// back with the user's cursor, the example's picture replaces the drawing at
// its end, and neither of the two returns after it paints the cursor there.
TEST_F(KeptCursor, AnExamplesPictureStaysAsItIsWhenTheUserComesBack) {
    play(ownDrawing + mazeAndBack("own.bmp") +
         "menu \"Maze Options\" \"New maze \"\n"
         "until-mode 2 2000000\n"
         "menu \"Maze Picture\" \"Christmas-tree.maze\"\n"
         "passes 20\n"
         "expect-mode 0\n" +
         mazeAndBack("first.bmp") + mazeAndBack("second.bmp"));
    const Picture tree = builtinPicture(4);
    expectSamePicture(saved("first.bmp"), tree, "first return");
    expectSamePicture(saved("second.bmp"), tree, "second return");
}

// An imported picture, with drawing on and with drawing off (which would put
// the cursor into the drawing at the stage's end).
class KeptCursorImport : public KeptCursor, public ::testing::WithParamInterface<bool> {};

TEST_P(KeptCursorImport, AnImportedPictureStaysAsItIsWhenTheUserComesBack) {
    const bool drawingOff = GetParam();
    const Picture diamond = builtinPicture(3);
    ASSERT_TRUE(savePictureFile(diamond, "picture.bmp"));
    play(ownDrawing + (drawingOff ? "key Slash\npasses 2\n" : "") +
         "menu \"Options\" \"Import Bitmap\"\n"
         "type \"picture\"\n"
         "key Enter\n"
         "passes 3\n" +
         mazeAndBack("first.bmp") + mazeAndBack("second.bmp"));
    expectSamePicture(saved("first.bmp"), diamond, "first return");
    expectSamePicture(saved("second.bmp"), diamond, "second return");
}

INSTANTIATE_TEST_SUITE_P(DrawingOnOrOff, KeptCursorImport, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "DrawingOff" : "DrawingOn"); });

// In the user's own drawing the rule stays: a cursor moved with drawing off and
// left there with drawing on again is painted in the pen when the user comes back.
TEST_F(KeptCursor, TheUsersOwnDrawingGetsTheCursorPaintedOnComingBack) {
    play(ownDrawing +
         "key Slash\npasses 2\nkey Down\npasses 2\nkey Slash\npasses 2\n"
         "menu \"Maze Options\" \"New maze \"\n"
         "until-mode 2 2000000\n"
         "save maze.bmp\n" +
         mazeAndBack("back.bmp"));
    constexpr std::uint32_t navy = 0x800000;
    // The cursor now covers (50, 50) to (89, 89).
    EXPECT_NE(saved("maze.bmp").at(70, 70), navy) << "the cursor was no part of the drawing the maze was made in";
    EXPECT_EQ(saved("back.bmp").at(50, 50), navy);
    EXPECT_EQ(saved("back.bmp").at(89, 89), navy);
}

}  // namespace
}  // namespace tarnwick::test
