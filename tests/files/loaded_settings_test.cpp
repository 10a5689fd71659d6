#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mazefile_helpers.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

// A drawing "d" whose settings record is the program's own with some fields replaced.
class LoadedSettings : public HeadlessProgramTest {
protected:
    void saveWith(const std::vector<std::pair<int, const char*>>& changes) {
        program.form.savedrawingfiles("d");
        std::vector<std::string> record = recordTexts(program.form);
        for (auto [field, text] : changes) record[field - 1] = text;
        writeFileBytes("d.maze", mazefileText(record, plainSections()));
    }
    bool ticked(const char* item) { return program.form.ui.menu(item).checked; }
};

struct TickCase {
    const char* autominimize;
    const char* patternstate;
    const char* randompatternmode;
    const char* playoption;
    const char* randomanysize;
    const char* filloption;
    std::vector<const char*> ticked;
    std::vector<const char*> unticked;
    long patternchoice;
};

// The menu ticks follow the loaded settings; of the pattern rows, random identical
// patterns come last and win over "no pattern".
TEST_F(LoadedSettings, TicksFollowTheLoadedSettings) {
    const TickCase cases[] = {
        {"2", "3", "5", "2", "1", "1",
         {"aoff", "crnd1", "hardmode", "usernd", "stopfinish"},
         {"aon", "usepattern", "dontusepattern", "playmodeoff", "easymode", "maxrnd", "gofinish"}, 0},
        {"1", "3", "0", "1", "0", "0",
         {"aon", "dontusepattern", "easymode", "maxrnd", "gofinish"},
         {"aoff", "usepattern", "crnd1", "playmodeoff", "hardmode", "usernd", "stopfinish"}, 3},
        {"0", "0", "0", "0", "1", "0",
         {"aoff", "usepattern", "playmodeoff", "usernd", "gofinish"},
         {"aon", "dontusepattern", "crnd1", "easymode", "hardmode", "maxrnd", "stopfinish"}, 0},
    };
    for (const TickCase& c : cases) {
        SCOPED_TRACE(std::string("autominimize ") + c.autominimize + ", patternstate " + c.patternstate);
        program.form.patternchoice = 2;
        saveWith({{30, c.autominimize}, {73, c.patternstate}, {78, c.randompatternmode}, {25, c.playoption},
                  {83, c.randomanysize}, {74, c.filloption}});
        ASSERT_TRUE(program.form.loaddrawingfiles("d"));
        for (const char* item : c.ticked) EXPECT_TRUE(ticked(item)) << item;
        for (const char* item : c.unticked) EXPECT_FALSE(ticked(item)) << item;
        EXPECT_EQ(program.form.patternchoice, c.patternchoice);
    }
    EXPECT_EQ(program.form.autominimizeon, 0);
}

// In the normal state the window first moves and resizes, then takes the stored
// state; a maximized window refuses the geometry and only takes the state.
TEST_F(LoadedSettings, WindowGeometryBeforeWindowState) {
    Ui& ui = program.form.ui;
    ui.setWindowState(WindowState::Normal);
    ui.setWindowGeometry(0, 0, 12000, 9000);
    saveWith({{33, "2"}, {34, "300"}, {35, "450"}, {36, "6000"}, {37, "9000"}});
    ASSERT_TRUE(program.form.loaddrawingfiles("d"));
    EXPECT_EQ(ui.window().left, 300);
    EXPECT_EQ(ui.window().top, 450);
    EXPECT_EQ(ui.window().height, 6000);
    EXPECT_EQ(ui.window().width, 9000);
    EXPECT_EQ(ui.window().state, WindowState::Maximized);

    saveWith({{33, "0"}, {34, "600"}, {35, "900"}, {36, "7000"}, {37, "8000"}});
    ASSERT_TRUE(program.form.loaddrawingfiles("d"));
    EXPECT_EQ(ui.window().left, 300);
    EXPECT_EQ(ui.window().width, 9000);
    EXPECT_EQ(ui.window().state, WindowState::Normal);
}

// The load takes the caption from the maze kind and leaves the chosen example, the
// home cell and "New maze and refresh picture" as they were.
TEST_F(LoadedSettings, LoadKeepsTheExampleAndSetsTheCaption) {
    Form57& f = program.form;
    f.exampledrawing = 2;
    f.homex1 = 77;
    f.ui.setEnabled("nrefresh", true);
    const char* captions[] = {"-(drawing picture for 'Regular mazes')", "-(drawing picture for '3d-pipe-mazes')",
                              "-(drawing picture for '3d-mazes')"};
    for (const char* kind : {"1", "2", "0"}) {
        SCOPED_TRACE(kind);
        saveWith({{20, kind}});
        f.ldrawing_Click();
        f.ui.setControlText("loadbox", "  d.bmp");
        f.loaddrawing(13);
        const std::string& caption = f.ui.window().caption;
        const std::string expected = captions[kind[0] - '0'];
        EXPECT_EQ(caption.substr(caption.size() - expected.size()), expected);
    }
    EXPECT_EQ(f.exampledrawing, 2);
    EXPECT_EQ(f.homex1, 77);
    EXPECT_TRUE(f.ui.menu("nrefresh").enabled);
    EXPECT_EQ(f.paused, 0);
    EXPECT_EQ(f.panelopen, 0);
}

// A settings file saved again by an editor that puts a UTF-8 byte-order mark
// first loads through the load panel as the same file without it: the first
// field too, and with the same messages (none of them about the file's values).
TEST_F(LoadedSettings, AByteOrderMarkBeforeTheRecordIsReadPast) {
    Form57& f = program.form;
    saveWith({{1, "123"}});
    const std::string plain = fileBytes("d.maze");
    struct Loaded {
        std::vector<std::string> record, messages;
    };
    const auto loadThroughThePanel = [&](const std::string& bytes) {
        f.cellx1 = 7;
        writeFileBytes("d.maze", bytes);
        const std::vector<std::string> before = program.platform.messages();
        f.ldrawing_Click();
        f.ui.setControlText("loadbox", "  d.bmp");
        f.loaddrawing(13);
        const std::vector<std::string>& after = program.platform.messages();
        return Loaded{recordTexts(f), {after.begin() + static_cast<long>(before.size()), after.end()}};
    };
    const Loaded expected = loadThroughThePanel(plain);
    ASSERT_EQ(expected.record[0], "123");
    const Loaded marked = loadThroughThePanel("\xEF\xBB\xBF" + plain);
    EXPECT_EQ(marked.record, expected.record);
    EXPECT_EQ(marked.messages, expected.messages);
}

}  // namespace
}  // namespace tarnwick::test
