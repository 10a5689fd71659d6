#include <algorithm>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "example_settings.h"
#include "mazefile_helpers.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

struct Panel {
    const char* opener;  // menu item
    const char* prompt;
    const char* box;
    const char* list;
};

const Panel panels[] = {
    {"sdrawing", "savelabel", "savebox", "savelist"},
    {"importdrawing", "importlabel", "importbox", "importlist"},
    {"ldrawing", "loadlabel", "loadbox", "loadlist"},
};

class DrawingPanels : public HeadlessProgramTest {
protected:
    void open(const Panel& p) { program.form.menuHandlers.at(p.opener)(); }
    void type(const Panel& p, const std::string& text, int key) {
        program.form.ui.setControlText(p.box, text);
        program.form.entryHandlers.at(p.box)(key);
    }
    bool shown(const Panel& p) {
        const Ui& ui = program.form.ui;
        return ui.control(p.prompt).visible && ui.control(p.box).visible && ui.control(p.list).visible;
    }
};

TEST_F(DrawingPanels, OpenPickAndEscape) {
    Form57& f = program.form;
    writeFileBytes("castle.maze", "");
    for (const Panel& p : panels) {
        SCOPED_TRACE(p.opener);
        f.ui.setEnabled("nrefresh", true);
        open(p);
        EXPECT_TRUE(shown(p));
        EXPECT_EQ(f.paused, 1);
        EXPECT_EQ(f.panelopen, 1);
        EXPECT_FALSE(f.ui.menu("nrefresh").enabled);
        EXPECT_FALSE(f.ui.menu("sdrawing").enabled);

        f.fileListHandlers.at(p.list)("castle.maze");
        EXPECT_EQ(f.ui.control(p.box).text, "castle.maze");
        EXPECT_EQ(f.ui.focus(), p.box);

        type(p, "castle", 27);
        EXPECT_FALSE(shown(p));
        EXPECT_EQ(f.ui.control(p.box).text, "");
        EXPECT_EQ(f.paused, 0);
        EXPECT_EQ(f.panelopen, 0);
        EXPECT_TRUE(f.ui.menu("nrefresh").enabled);  // back as it was before the panel
        EXPECT_TRUE(program.platform.messages().empty());
    }
    EXPECT_FALSE(fs::exists("castle.bmp"));
}

TEST_F(DrawingPanels, AfterASaveTheDrawingItemsAreBack) {
    Form57& f = program.form;
    f.programmode = 0;
    open(panels[0]);
    type(panels[0], "castle", 13);
    EXPECT_TRUE(f.ui.menu("importdrawing").enabled);
    EXPECT_TRUE(f.ui.menu("sdrawing").enabled);
    EXPECT_TRUE(fs::exists("castle.maze"));
}

TEST_F(DrawingPanels, SaveTakesTheEndPointOptionFromItsTick) {
    Form57& f = program.form;
    f.endpointoption = 2;
    f.finishfound = 1;
    f.ui.setChecked("userplace", false);
    f.ui.setChecked("largestsolution", true);
    open(panels[0]);
    EXPECT_EQ(f.endpointoption, 1);
    EXPECT_EQ(f.finishfound, 0);
}

// A failed save never spoils the pair saved before under that name.
TEST_F(DrawingPanels, FailedSaveKeepsTheEarlierFiles) {
    writeFileBytes("castle.maze", "the earlier drawing");
    fs::create_directory("castle.bmp");  // the picture cannot take its place
    open(panels[0]);
    type(panels[0], "castle", 13);
    EXPECT_EQ(program.platform.lastMessage(), "Error: bad file name.");
    EXPECT_EQ(fileBytes("castle.maze"), "the earlier drawing");
    EXPECT_EQ(savingTemporariesIn("."), 0);
}

TEST_F(DrawingPanels, ImportMakesThePictureTheDrawing) {
    Form57& f = program.form;
    f.canvas.fillBox(0, 0, 49, 49, 0x0000FF);
    f.savedrawingfiles("photo");
    f.canvas.setBackColour(0xFFFFFF);
    f.examplepending = 1;
    open(panels[1]);
    type(panels[1], "  photo.jpg", 13);
    EXPECT_EQ(f.picturedrawing, 1);
    EXPECT_EQ(f.canvas.point(10, 10), 0x0000FF);
    EXPECT_EQ(f.canvas.point(60, 60), 0x000000);
    EXPECT_EQ(f.examplepending, 0);  // the example's picture no longer replaces it
    EXPECT_FALSE(shown(panels[1]));
}

TEST_F(DrawingPanels, ImportOfAMissingPictureChangesNothing) {
    Form57& f = program.form;
    f.canvas.fillBox(0, 0, 49, 49, 0x0000FF);
    f.picturedrawing = 0;
    open(panels[1]);
    type(panels[1], "nothing", 13);
    EXPECT_EQ(program.platform.lastMessage(), "Error: can't find bitmap.");
    EXPECT_EQ(f.picturedrawing, 0);
    EXPECT_EQ(f.canvas.point(10, 10), 0x0000FF);
    EXPECT_FALSE(shown(panels[1]));
}

TEST_F(DrawingPanels, LoadBringsBackSettingsPatternsAndPicture) {
    Form57& f = program.form;
    applyExampleSettings(f, 2);
    f.canvas.fillBox(100, 100, 149, 149, 0x00FFFF);
    f.savedrawingfiles("station");
    HeadlessProgram other;
    Form57& g = other.form;
    g.ui.setEnabled("nrefresh", true);
    g.exampledrawing = 3;
    g.examplepending = 1;
    g.homex1 = 5;
    g.ldrawing_Click();
    g.ui.setControlText("loadbox", "station.maze");
    g.loaddrawing(13);
    EXPECT_TRUE(other.platform.messages().empty());
    EXPECT_EQ(g.mazekind, 1);
    EXPECT_EQ(g.gridstepx, 20);
    EXPECT_EQ(g.canvas.point(120, 120), 0x00FFFF);
    EXPECT_EQ(g.canvas.backColour(), 0x000000);
    EXPECT_EQ(g.ui.window().caption, "The Quillary Tarnwick-(drawing picture for '3d-pipe-mazes')");
    EXPECT_EQ(g.prevcellx1, g.cellx1);
    EXPECT_EQ(g.gridchanged, 1);
    EXPECT_EQ(g.keptstartcolor, 0x00FF00);
    EXPECT_TRUE(g.ui.menu("nrefresh").enabled);
    EXPECT_EQ(g.exampledrawing, 3);  // the chosen example stays, but its picture no longer replaces the drawing
    EXPECT_EQ(g.examplepending, 0);
    EXPECT_EQ(g.homex1, 5);
    EXPECT_FALSE(g.ui.control("loadbox").visible);
    EXPECT_TRUE(g.ui.menu("sdrawing").enabled);
}

TEST_F(DrawingPanels, LoadWithoutItsPictureChangesNothing) {
    Form57& f = program.form;
    applyExampleSettings(f, 2);
    f.savedrawingfiles("station");
    fs::remove("station.bmp");
    HeadlessProgram other;
    Form57& g = other.form;
    writeFileBytes("Left.pt", "4\r\n9999,88\r\n");
    const auto before = recordTexts(g);
    g.ldrawing_Click();
    g.ui.setControlText("loadbox", "station");
    g.loaddrawing(13);
    EXPECT_EQ(other.platform.lastMessage(), "Error: can't find bitmap.");
    EXPECT_EQ(recordTexts(g), before);
    EXPECT_EQ(fileBytes("Left.pt"), "4\r\n9999,88\r\n");
    EXPECT_FALSE(g.ui.control("loadbox").visible);
    EXPECT_EQ(g.paused, 0);
}

// What the load list offers is what a click and Enter load, whatever the names
// in the directory hold.
TEST_F(DrawingPanels, TheLoadListOffersTheDrawingsItLoads) {
    applyExampleSettings(program.form, 2);
    program.form.savedrawingfiles("original");
    const struct {
        const char* name;
        bool offered;
    } cases[] = {
        {"station", true},
        {"my station ", true},
        {"two\nlines", false},
        {" leading", false},
        {"old.station", false},
    };
    for (const auto& c : cases)
        for (const std::string extension : {".maze", ".bmp"})
            fs::copy_file("original" + extension, c.name + extension);
    HeadlessProgram other;
    Form57& g = other.form;
    g.ldrawing_Click();
    const std::vector<std::string> offered = other.platform.listFiles(g.ui.control("loadlist").filter);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string entry = c.name + std::string(".maze");
        EXPECT_EQ(std::find(offered.begin(), offered.end(), entry) != offered.end(), c.offered);
        const std::size_t messages = other.platform.messages().size();
        g.ldrawing_Click();
        g.fileListHandlers.at("loadlist")(entry);
        g.loaddrawing(13);
        EXPECT_EQ(other.platform.messages().size() == messages, c.offered) << "loaded";
    }
}

TEST_F(DrawingPanels, LoadOfAMissingMazefile) {
    open(panels[2]);
    type(panels[2], "", 13);
    EXPECT_EQ(program.platform.lastMessage(), "Error: can't find file.");
    EXPECT_FALSE(shown(panels[2]));
}

}  // namespace
}  // namespace tarnwick::test
