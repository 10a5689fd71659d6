// The pattern editor in the running program: opened from the drawing stage and
// from maze making, drawn with the keys, switched, left in its three ways.
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "core/colours.h"
#include "core/geometry.h"
#include "patterneditor/editor_session.h"
#include "shell/shell_values.h"
#include "shell/snapshot_store.h"

namespace tarnwick::test {
namespace {

constexpr long white = 0xFFFFFF, navy = 0x800000, yellow = 0x00FFFF, black = 0x000000;

// The colour of the editor cell k cells right and j down of the centre cell.
long editorCell(const Form57& f, long k, long j) {
    return f.canvas.point(f.centerx + 1 + k * f.wallsizex, f.centery + 1 + j * f.wallsizey);
}

TEST_F(EditorSession, LeftPatternDrawnInTheDrawingStage) {
    Picture before;
    std::string caption;
    CellRect cursorBefore;
    begin();
    then([&] {
        before = form.canvas.image();
        caption = form.ui.window().caption;
        cursorBefore = currentCell(form);
    });
    menu("editpatterns", 6);
    then([&] {
        EXPECT_EQ(form.programmode, -1);
        EXPECT_EQ(form.ui.window().caption, editorcaption(0));
        EXPECT_EQ(form.wallsizex, 5);
        EXPECT_EQ(form.canvas.point(0, 0), yellow);
        // The stored one-step default: centre and left cell joined, the cursor on the left one.
        EXPECT_EQ(editorCell(form, 0, 0), white);
        EXPECT_EQ(editorCell(form, -1, 0), black);
        EXPECT_EQ(form.canvas.point(form.centerx, form.centery + 1), white) << "the grid line between them";
        // The navy square: 250 pixels before and 255 after the centre.
        EXPECT_EQ(form.canvas.point(form.centerx - 250, form.centery - 250), navy);
        EXPECT_EQ(form.canvas.point(form.centerx - 251, form.centery), yellow);
        EXPECT_EQ(form.canvas.point(form.centerx + 255, form.centery + 255), navy);
        EXPECT_EQ(form.canvas.point(form.centerx + 256, form.centery), yellow);
        EXPECT_TRUE(form.ui.menu("exitpattern").enabled);
        EXPECT_FALSE(form.ui.menu("newmaze").enabled);
    });
    key(up);
    key(up);
    // Back onto the path while carving: nothing moves, nothing is recorded.
    key(down);
    menu("exitpattern", 6);
    then([&] {
        EXPECT_EQ(fileText("Left.pt"), "1\r\n3\r\n3\r\n9999,88\r\n");
        EXPECT_EQ(form.programmode, 0);
        EXPECT_TRUE(form.canvas.image() == before) << "the drawing is back as it was";
        EXPECT_EQ(form.ui.window().caption, caption);
        EXPECT_EQ(form.wallsizex, 10);
        EXPECT_EQ(currentCell(form), cursorBefore);
        EXPECT_EQ(form.editedpattern, 0);
        EXPECT_FALSE(form.ui.menu("exitpattern").enabled);
        EXPECT_FALSE(form.ui.menu("keyspattern").enabled);
        EXPECT_TRUE(form.ui.menu("newmaze").enabled);
        EXPECT_TRUE(form.ui.menu("editpatterns").enabled);
    });
    run();
}

// The editor's own items on, the stage items off, the edit items, "Reset all
// patterns" and "Quit to Main Menu" as they were; afterwards the stage's items back.
TEST_F(EditorSession, MenuStatesWhileTheEditorRunsAndAfter) {
    const std::vector<std::string> editorItems{"keyspattern", "crpattern", "resetpattern", "makeidentical",
                                               "exitpattern"};
    const std::vector<std::string> stageItems{
        "rfinish", "nrefresh", "backtomaze", "backtodrawing", "newmaze", "sandf", "solvemaze", "mpdrawing",
        "changewallsize", "srndpatterns", "importdrawing", "ndrawing", "sdrawing", "ldrawing", "choosew",
        "selectcolor", "printwithsolutions", "printnosolutions", "createreg", "create3d", "create3dpipe",
        "usetemple", "usespace", "usediamond", "usetree"};
    auto enabled = [&](const std::string& item) { return form.ui.menu(item).enabled; };
    begin();
    menu("editpatterns", 6);
    then([&] {
        for (const auto& item : editorItems) EXPECT_TRUE(enabled(item)) << item;
        for (const auto& item : stageItems) EXPECT_FALSE(enabled(item)) << item;
        for (const auto& item : {"editpatterns", "rightpattern", "uppattern", "downpattern", "resetpatterns", "quit2"})
            EXPECT_TRUE(enabled(item)) << item;
        EXPECT_EQ(form.paused, 1);
        EXPECT_EQ(form.panelopen, 0);
        EXPECT_EQ(form.patternmenumode, 0);
    });
    menu("exitpattern", 6);
    then([&] {
        for (const auto& item : editorItems) EXPECT_FALSE(enabled(item)) << item;
        for (const auto& item : {"rfinish", "newmaze", "srndpatterns", "importdrawing", "ndrawing", "sdrawing",
                                 "ldrawing", "choosew", "selectcolor", "createreg", "create3d", "usetemple"})
            EXPECT_TRUE(enabled(item)) << item;
        EXPECT_EQ(form.paused, 0);
        EXPECT_EQ(form.patternmenumode, -10);
    });
    run();
}

TEST_F(EditorSession, AnotherEditItemEndsThePatternAndReplaysTheOther) {
    Picture before;
    begin();
    then([&] { before = form.canvas.image(); });
    menu("editpatterns", 6);
    key(down);
    menu("uppattern", 6);
    then([&] {
        EXPECT_EQ(fileText("Left.pt"), "1\r\n4\r\n9999,88\r\n");
        EXPECT_EQ(form.editedpattern, 3);
        EXPECT_EQ(editorCell(form, 0, 0), white);
        EXPECT_EQ(editorCell(form, 0, -1), black) << "the up pattern's own step";
        EXPECT_EQ(editorCell(form, -1, 0), navy) << "the field was drawn afresh";
    });
    menu("exitpattern", 6);
    then([&] {
        EXPECT_EQ(fileText("up.pt"), "3\r\n9999,88\r\n");
        EXPECT_TRUE(form.canvas.image() == before);
    });
    run();
}

TEST_F(EditorSession, GoingBackOverThePatternRecordsTheStop) {
    begin();
    menu("editpatterns", 6);
    key(keyG);
    key(right);
    key(right);
    then([&] {
        EXPECT_EQ(editorCell(form, 1, 0), black) << "carving again on a free cell";
        EXPECT_EQ(form.carvemode, 1);
    });
    key(keyG);
    key(keyG);  // only while carving
    menu("exitpattern", 6);
    then([&] { EXPECT_EQ(fileText("Left.pt"), "1\r\n5\r\n2\r\n2\r\n5\r\n9999,88\r\n"); });
    run();
}

// A window closed while the editor records: the moves so far reach the pattern
// file as the program ends, as they would have reached it move by move.
TEST_F(EditorSession, MovesRecordedWhenTheWindowClosesAreKept) {
    begin();
    menu("editpatterns", 6);
    key(up);
    key(right);
    run();
    EXPECT_EQ(fileText("Left.pt"), "1\r\n3\r\n2\r\n");
    EXPECT_EQ(savingTemporariesIn("."), 0);
}

TEST_F(EditorSession, QuitToMainMenuLeavesTheEditorForTheTitle) {
    begin();
    menu("editpatterns", 6);
    key(down);
    menu("quit2", 6);
    then([&] {
        EXPECT_EQ(form.editedpattern, 0);
        EXPECT_FALSE(form.ui.menu("keyspattern").enabled);
        EXPECT_EQ(fileText("Left.pt"), "1,9999,88\r\n") << "the title reset the regular patterns";
    });
    // The next drawing stage offers the items the editor had taken away.
    begin();
    then([&] {
        EXPECT_EQ(form.programmode, 0);
        EXPECT_TRUE(form.ui.menu("srndpatterns").enabled);
        EXPECT_TRUE(form.ui.menu("editpatterns").enabled);
    });
    run();
}

TEST_F(EditorSession, PipeFieldAndSteps) {
    begin("mazes3d");
    menu("editpatterns", 6);
    then([&] {
        EXPECT_EQ(form.ui.window().caption, editorcaption(1));
        EXPECT_EQ(form.gridstepx, 10);
        EXPECT_EQ(form.canvas.point(form.centerx - 240, form.centery - 240), navy);
        EXPECT_EQ(form.canvas.point(form.centerx - 241, form.centery), yellow);
        EXPECT_EQ(form.canvas.point(form.centerx + 245, form.centery + 245), navy);
        EXPECT_EQ(form.canvas.point(form.centerx + 246, form.centery), yellow);
        EXPECT_EQ(editorCell(form, -2, 0), black) << "the default step moves two cells";
        EXPECT_EQ(editorCell(form, -1, 0), white) << "and paints the middle one";
    });
    key(up);
    then([&] {
        EXPECT_EQ(editorCell(form, -2, -2), black);
        EXPECT_EQ(editorCell(form, -2, -1), white);
    });
    menu("exitpattern", 6);
    then([&] { EXPECT_EQ(fileText("3dpipeleft.pt"), "1\r\n3\r\n9999,88\r\n"); });
    run();
}

// Opened while a 3d maze is being made: making goes on afterwards from where it
// stopped, playing a newly chosen pattern.
TEST_F(EditorSession, ThreeDPatternEditedDuringMazeMaking) {
    begin("mazes3d1");
    openDrawing();
    menu("cgenerate", 2);
    menu("newmaze", 2);
    until([&] { return form.programmode == 1; });
    wait(20);
    menu("editpatterns", 6);
    then([&] { EXPECT_EQ(form.ui.window().caption, editorcaption(2)); });
    key(up);
    key(up);
    key(down);  // the path: a carving 3d cursor does not go there
    menu("exitpattern", 3);
    then([&] {
        EXPECT_EQ(form.programmode, 1);
        EXPECT_EQ(form.ui.window().caption, makingcaption(2));
        EXPECT_EQ(fileText("3dLeft.pt"), "1\r\n3\r\n3\r\n9999,88\r\n");
        EXPECT_EQ(form.wallsizex, 10);
        EXPECT_TRUE(form.ui.menu("sandf").enabled);
    });
    until([&] { return form.programmode == 2; });
    run();
}

// The user creates the maze: the down arrow takes the walker one cell down from
// the start, after which it plays the down pattern from its second value, as
// after every travel, so the passage goes on right, right and down.
TEST_F(EditorSession, TheNextMazeFollowsTheEditedPattern) {
    begin();
    openDrawing();
    menu("downpattern", 6);
    key(right);
    key(right);
    key(down);
    menu("exitpattern", 6);
    then([&] { ASSERT_EQ(fileText("down.pt"), "4\r\n2\r\n2\r\n4\r\n9999,88\r\n"); });
    menu("newmaze", 2);
    until([&] { return form.programmode == 1; });
    wait(10);
    key(down, 40);
    then([&] {
        const long w = form.wallsizex;
        auto passage = [&](long x, long y) { return isPassageColour(form, form.canvas.point(x, y)); };
        const long x = form.homex1, y = form.homey1;
        // home, down, right, right, down: the grid lines between them are open.
        EXPECT_TRUE(passage(x, y + w - 2)) << "home to the cell below";
        EXPECT_TRUE(passage(x + w - 2, y + w)) << "then right";
        EXPECT_TRUE(passage(x + 2 * w - 2, y + w)) << "and right again";
        EXPECT_TRUE(passage(x + 2 * w, y + 2 * w - 2)) << "then down";
        EXPECT_FALSE(passage(x + w - 2, y)) << "nothing to the right of home";
    });
    run();
}

// A surface that grows while the editor runs (the maximized window) gets the
// field laid out again, with the moves made so far.
TEST_F(EditorSession, FieldFollowsAGrowingSurface) {
    begin();
    menu("editpatterns", 6);
    key(up);
    then([&] { form.canvas.resize(1000, 700); });
    wait(3);
    then([&] {
        EXPECT_EQ(form.programmode, -1);
        EXPECT_EQ(form.canvas.point(990, 690), yellow);
        EXPECT_EQ(form.centerx, 490);
        EXPECT_EQ(editorCell(form, -1, -1), black);
        EXPECT_EQ(editorCell(form, -1, 0), white);
    });
    key(up);
    menu("exitpattern", 6);
    then([&] { EXPECT_EQ(fileText("Left.pt"), "1\r\n3\r\n3\r\n9999,88\r\n"); });
    run();
}

// The edit items maximize the window, and the user may make it smaller again
// while the editor runs. Afterwards the window shows the drawing wherever it is
// made to reach, never the editor's field.
class WindowSizesInTheEditor : public EditorSession,
                               public ::testing::WithParamInterface<std::vector<std::pair<int, int>>> {};

TEST_P(WindowSizesInTheEditor, LeaveTheDrawingWhereTheWindowReaches) {
    std::optional<Canvas> drawing;
    begin();
    then([&] { drawing = form.canvas; });
    menu("editpatterns", 6);
    for (const auto& [width, height] : GetParam()) {
        then([&, width, height] { form.canvas.resize(width, height); });
        wait(3);
        then([&] { ASSERT_EQ(form.programmode, -1); });
    }
    then([&] { EXPECT_EQ(form.canvas.point(880, 740), form.canvas.width() > 880 ? navy : -1) << "the field"; });
    key(up);
    menu("exitpattern", 6);
    then([&] {
        EXPECT_EQ(form.programmode, 0);
        form.canvas.resize(1280, 1000);
        drawing->resize(1280, 1000);
        EXPECT_TRUE(form.canvas.image() == drawing->image());
        EXPECT_NE(form.canvas.point(880, 740), navy);
    });
    run();
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowSizesInTheEditor,
                         ::testing::Values(std::vector<std::pair<int, int>>{{1280, 1000}},
                                           std::vector<std::pair<int, int>>{{1280, 1000}, {800, 600}}));

// A pattern-set panel closed with Escape over the running editor leaves the
// editor its own menus: "New maze " there would end the editor without its exit.
TEST_F(EditorSession, PatternSetPanelClosedInTheEditorKeepsTheEditorsMenus) {
    const std::vector<std::string> editorOff{"newmaze", "nrefresh", "printwithsolutions", "printnosolutions",
                                             "backtodrawing", "sandf", "createreg", "create3d"};
    begin();
    then([&] { form.mazemerged = 1; });
    menu("editpatterns", 6);
    for (const char* panel : {"savepatterns", "loadpatterns"}) {
        menu(panel, 2);
        then([&] {
            form.ui.setFocus(form.ui.control("Text5").visible ? "Text5" : "Text6");
            platform.pushEntryKey(27);
        });
        wait(3);
        then([&, panel] {
            EXPECT_EQ(form.programmode, -1);
            EXPECT_EQ(form.panelopen, 0);
            for (const std::string& item : editorOff) EXPECT_FALSE(form.ui.menu(item).enabled) << item << " after " << panel;
            for (const char* item : {"exitpattern", "crpattern", "savepatterns", "loadpatterns"})
                EXPECT_TRUE(form.ui.menu(item).enabled) << item << " after " << panel;
        });
    }
    key(up);
    menu("exitpattern", 6);
    then([&] {
        EXPECT_EQ(form.programmode, 0);
        EXPECT_EQ(fileText("Left.pt"), "1\r\n3\r\n9999,88\r\n");
        EXPECT_TRUE(form.ui.menu("newmaze").enabled);
    });
    run();
}

// The stored moves survive a copy that cannot be written: the pattern file is
// made again from the values read.
TEST_F(EditorSession, ReplayKeepsThePatternWhenItsCopyCannotBeWritten) {
    begin();
    then([&] {
        std::ofstream("Left.pt", std::ios::binary) << "1\r\n3\r\n3\r\n9999,88\r\n";
        std::filesystem::create_directory("left2.pt");
    });
    menu("editpatterns", 6);
    then([&] { EXPECT_EQ(editorCell(form, -1, -2), black) << "the stored pattern is shown"; });
    menu("exitpattern", 6);
    then([&] { EXPECT_EQ(fileText("Left.pt"), "1\r\n3\r\n3\r\n9999,88\r\n"); });
    run();
}

// Opening and leaving the editor gives the file back with its values as they
// were: a value that is no move, or an empty one, is not rewritten as 0.
TEST_F(EditorSession, ReplayKeepsTheValuesAsRead) {
    const std::string stored = "1\r\n2.5\r\n\r\n3\r\n9999,88\r\n";
    begin();
    then([&] { std::ofstream("Left.pt", std::ios::binary) << stored; });
    menu("editpatterns", 6);
    then([&] { EXPECT_EQ(editorCell(form, -1, -1), black) << "2.5 and the empty value do not move"; });
    menu("exitpattern", 6);
    then([&] {
        EXPECT_EQ(fileText("Left.pt"), stored);
        EXPECT_EQ(fileText("left2.pt"), stored);
    });
    run();
}

}  // namespace
}  // namespace tarnwick::test
