#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "files/name_rule.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

struct TypedName {
    const char* typed;
    const char* name;  // nullptr: refused, the name would reach outside the current directory
                       // or save a hidden file of the extension alone
};

const TypedName typedNames[] = {
    {"castle", "castle"},
    {"  castle.old", "castle"},
    {"castle  ", "castle  "},  // blanks at the end stay
    {"castle.maze", "castle"},  // a click in the file list gives the drawing's name
    {"a.b.c", "a"},
    {"", nullptr},
    {"   ", nullptr},
    {".", nullptr},
    {"..", nullptr},
    {"...", nullptr},
    {".hidden", nullptr},
    {"../up", nullptr},  // the dot cuts it before it can leave the directory, and leaves nothing
    {"sub/castle", nullptr},
    {"/tmp/castle", nullptr},
    {"tab\there", nullptr},
    {"line\nbreak", nullptr},
};

TEST(NameRule, TakesTheTypedTextUpToItsFirstDot) {
    for (const TypedName& t : typedNames) {
        const std::string name = drawingName(t.typed);
        if (t.name) {
            EXPECT_EQ(name, t.name) << '"' << t.typed << '"';
            EXPECT_TRUE(isPlainFileName(name)) << '"' << t.typed << '"';
        } else {
            EXPECT_FALSE(isPlainFileName(name)) << '"' << t.typed << '"';
        }
    }
}

// Names that only the rule itself sees: a stem of dots alone is no name.
TEST(NameRule, AStemOfDotsAloneIsRefused) {
    for (const char* name : {"", ".", "..", "...", "...."}) EXPECT_FALSE(isPlainFileName(name)) << '"' << name << '"';
    for (const char* name : {"a.", ".a", "..a", "a..b"}) EXPECT_TRUE(isPlainFileName(name)) << '"' << name << '"';
}

class SavePanelNames : public HeadlessProgramTest {
protected:
    // Types a name into the save panel and presses Enter.
    void save(const std::string& typed) {
        program.form.sdrawing_Click();
        program.form.ui.setControlText("savebox", typed);
        program.form.savedrawing(13);
    }
    int filesIn(const fs::path& dir) {
        int n = 0;
        for (auto it = fs::recursive_directory_iterator(dir); it != fs::recursive_directory_iterator(); ++it)
            n += it->is_regular_file();
        return n;
    }
};

// Each typed name saves the two files under its name, or is refused with the
// panel's message and writes nothing anywhere.
TEST_F(SavePanelNames, SaveUnderTheNameOrRefuse) {
    fs::create_directory("sub");
    for (const TypedName& t : typedNames) {
        SCOPED_TRACE(std::string("typed \"") + t.typed + "\"");
        const auto messages = program.platform.messages().size();
        const int before = filesIn(".");
        save(t.typed);
        if (t.name) {
            EXPECT_TRUE(fs::exists(std::string(t.name) + ".maze"));
            EXPECT_TRUE(fs::exists(std::string(t.name) + ".bmp"));
            EXPECT_EQ(program.platform.messages().size(), messages);
            fs::remove(std::string(t.name) + ".maze");
            fs::remove(std::string(t.name) + ".bmp");
        } else {
            ASSERT_EQ(program.platform.messages().size(), messages + 1);
            EXPECT_EQ(program.platform.lastMessage(), "Error: bad file name.");
            EXPECT_EQ(filesIn("."), before);
        }
        // Every Enter closes the panel.
        EXPECT_FALSE(program.form.ui.control("savebox").visible);
        EXPECT_EQ(program.form.ui.control("savebox").text, "");
        EXPECT_EQ(program.form.paused, 0);
    }
}

// A pattern set under a name of dots alone is refused as other bad names are,
// and nothing is written.
TEST_F(SavePanelNames, PatternSetsRefuseStemsOfDotsAlone) {
    Form57& f = program.form;
    for (const char* typed : {"", ".", "..", "...", "../up"}) {
        SCOPED_TRACE(std::string("typed \"") + typed + "\"");
        f.commandtaken = 0;
        f.savepatterns_Click();
        f.ui.setControlText("Text5", typed);
        const int before = filesIn(".");
        f.Text5_KeyDown(13);
        EXPECT_EQ(program.platform.lastMessage(), "Error: bad file name.");
        EXPECT_EQ(filesIn("."), before);
        EXPECT_FALSE(fs::exists(".pat"));
    }
}

TEST_F(SavePanelNames, LoadAndImportRefuseNamesOutsideTheDirectoryWithTheirOwnMessages) {
    Form57& f = program.form;
    f.ldrawing_Click();
    f.ui.setControlText("loadbox", "sub/castle");
    f.loaddrawing(13);
    EXPECT_EQ(program.platform.lastMessage(), "Error: can't find file.");
    f.importdrawing_Click();
    f.ui.setControlText("importbox", "/tmp/castle");
    f.importbitmap(13);
    EXPECT_EQ(program.platform.lastMessage(), "Error: can't find bitmap.");
    EXPECT_FALSE(f.ui.control("importbox").visible);
}

}  // namespace
}  // namespace tarnwick::test
