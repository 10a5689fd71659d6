#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/colours.h"
#include "directionpatterns/pattern_files.h"
#include "example_settings.h"
#include "files/pattern_sections.h"
#include "files/settings_record.h"
#include "mazefile_helpers.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

using Record = std::vector<std::string>;

struct MalformedCase {
    const char* what;
    std::function<std::string(Record&)> text;  // the file, from a good record (changes it where the file does)
    std::vector<int> kept;                     // fields that keep the loading program's values
    int sectionsLoaded;                        // pattern files replaced, in section order
    std::vector<int> unplaced = {};            // squares that end as not placed (all 0)
};

std::vector<int> fields(int from, int to) {
    std::vector<int> v;
    for (int k = from; k <= to; ++k) v.push_back(k);
    return v;
}

std::string joined(const Record& r, int count) {
    std::string s;
    for (int i = 0; i < count; ++i) {
        if (i > 0) s += ',';
        s += r[i];
    }
    return s;
}

// One field of a good file replaced by a value the setting refuses.
MalformedCase refused(const char* what, int field, const char* value, std::vector<int> kept = {},
                      std::vector<int> unplaced = {}) {
    if (kept.empty()) kept = {field};
    return {what,
            [field, value](Record& r) {
                r[field - 1] = value;
                return mazefileText(r, plainSections());
            },
            kept, 12, unplaced};
}

// The start and finish squares: refused wall sizes keep the loader's lattice,
// on which the file's squares lie on no cell.
std::vector<int> squares() {
    std::vector<int> v = fields(6, 9);
    for (int k : fields(11, 14)) v.push_back(k);
    return v;
}

const std::vector<MalformedCase>& malformedCases() {
    static const std::vector<MalformedCase> cases = {
        {"an empty file", [](Record&) { return std::string(); }, fields(1, 87), 0},
        {"a record cut after field 40", [](Record& r) { return joined(r, 40); }, fields(41, 87), 0},
        {"a file cut inside section 4",
         [](Record& r) { return mazefileText(r, plainSections().substr(0, 36) + "4\r\n"); }, {}, 3},
        {"garbage after field 50",
         [](Record& r) {
             r[50] = std::string("\x01\xff\xfe zz", 6);
             const std::string text = joined(r, 51);
             r[50].assign(1, '0');  // a value that is no number reads as 0
             return text;
         },
         fields(52, 87), 0},
        refused("wall size 3", 16, "3", fields(16, 19), squares()),
        refused("unequal wall sizes", 17, "13", fields(16, 19), squares()),
        refused("grid step neither one nor two wall sizes", 18, "15", fields(16, 19), squares()),
        refused("maze kind 7", 20, "7"),
        refused("a marker value as pen colour", 5, "350"),
        refused("a negative start colour", 10, "-5"),
        refused("a finish colour beyond 24 bits", 15, "16777216"),
        refused("a marker value as window colour", 55, "350"),
        // A passage colour that would make walls, sky or a square path (the
        // christmas tree's back colour, start and finish colours, and gray, unticked).
        refused("a passage colour that is the back colour", 57, "16711680"),
        refused("a passage colour that is the start colour", 58, "65280"),
        refused("a passage colour that is the finish colour", 59, "16711935"),
        refused("a passage colour that is a border colour", 60, "8421504"),
        refused("window width 0", 37, "0"),
        refused("a huge window height", 36, "1e12"),
        refused("window state 5", 33, "5"),
        refused("check box value 3", 45, "3"),
        refused("a stage mode other than the drawing stage", 22, "2"),
        refused("difficulty level 9", 21, "9"),
        refused("a huge random pattern size", 76, "100000"),
        refused("a cursor far off any window", 1, "1e300"),
        // Settings that each fit alone but not together: maze making never ended on them.
        {"a 3d-pipe maze on a grid step of one wall size",
         [](Record& r) {
             r[19] = "1";
             return mazefileText(r, plainSections());
         },
         fields(16, 20), 12, squares()},
        {"a start square off the lattice",
         [](Record& r) {
             r[5] = "350";
             return mazefileText(r, plainSections());
         },
         {}, 12, fields(6, 9)},
    };
    return cases;
}

class MalformedMazefile : public HeadlessProgramTest {
protected:
    // The program that loads: settings unlike the file's in every field that matters.
    void prepareLoader() {
        setStandardPalette(program.form);  // as every program past its title has it
        setEverySetting(program.form);
        program.form.ui.setWindowState(WindowState::Normal);  // so that the file's geometry applies
        for (int section = 1; section <= sectionCount; ++section)
            writeFileBytes(sectionPatternFile(section), "7\r\n9999,88\r\n");
    }
};

// A file cut short or holding values that would break a stage: the load stops at
// the end of the file, and whatever it does not reach or refuses keeps its value.
TEST_F(MalformedMazefile, UnreachedAndRefusedValuesKeepTheirTargets) {
    HeadlessProgram source;
    applyExampleSettings(source.form, 4);
    const Record good = recordTexts(source.form);
    for (const MalformedCase& c : malformedCases()) {
        SCOPED_TRACE(c.what);
        prepareLoader();
        const Record before = recordTexts(program.form);
        Record inFile = good;
        writeFileBytes("bad.maze", c.text(inFile));
        applyMazefile(program.form, "bad.maze");
        const Record after = recordTexts(program.form);
        for (int k = 1; k <= settingsCount; ++k) {
            if (k == 31 || k == 32) continue;  // the surface size is never read back
            const bool kept = std::find(c.kept.begin(), c.kept.end(), k) != c.kept.end();
            if (std::find(c.unplaced.begin(), c.unplaced.end(), k) != c.unplaced.end()) {
                EXPECT_EQ(after[k - 1], "0") << "field " << k;
            } else if (kept) {
                if (c.kept.size() <= 4) {
                    ASSERT_NE(before[k - 1], inFile[k - 1]) << "field " << k << " shows no change";
                }
                EXPECT_EQ(after[k - 1], before[k - 1]) << "field " << k;
            } else {
                EXPECT_EQ(after[k - 1], inFile[k - 1]) << "field " << k;
            }
        }
        for (int section = 1; section <= sectionCount; ++section) {
            const std::string expected = section <= c.sectionsLoaded
                                             ? std::to_string((section - 1) % 4 + 1) + "\r\n9999,88\r\n"
                                             : "7\r\n9999,88\r\n";
            EXPECT_EQ(fileBytes(sectionPatternFile(section)), expected) << "section " << section;
        }
        EXPECT_FALSE(program.form.files.isOpen(1));
    }
}

// A record whose window or class-box places are empty holds its values in other
// places than its own (",," between the values made a maze of nothing that was
// reported solved). The file is refused as one that cannot be read, by each of
// its readers, and nothing changes.
struct UnusableRecordCase {
    const char* what;
    std::function<std::string(const std::string& good)> text;  // from the temple's file
    std::uintmax_t sparseBytes = 0;  // else: the file is this many zero bytes that take no disk space
};

void writeCase(const UnusableRecordCase& c, const std::string& good, const std::string& name) {
    if (c.sparseBytes == 0) {
        writeFileBytes(name, c.text(good));
    } else {
        writeFileBytes(name, "");
        std::filesystem::resize_file(name, c.sparseBytes);
    }
}

std::string withRecordChanged(const std::string& good, int field, const char* value) {
    const std::size_t lineEnd = good.find("\r\n");
    std::vector<std::string> record;
    const std::string line = good.substr(0, lineEnd);
    for (std::size_t from = 0;;) {
        const std::size_t comma = line.find(',', from);
        record.push_back(line.substr(from, comma - from));
        if (comma == std::string::npos) break;
        from = comma + 1;
    }
    record[field - 1] = value;
    return joined(record, static_cast<int>(record.size())) + good.substr(lineEnd);
}

const std::vector<UnusableRecordCase>& unusableRecordCases() {
    static const std::vector<UnusableRecordCase> cases = {
        {"values separated by \",,\"",
         [](const std::string& good) {
             const std::size_t lineEnd = good.find("\r\n");
             std::string line = good.substr(0, lineEnd);
             for (std::size_t at = line.find(','); at != std::string::npos; at = line.find(',', at + 2))
                 line.insert(at, ",");
             return line + good.substr(lineEnd);
         }},
        {"an empty class box", [](const std::string& good) { return withRecordChanged(good, 45, ""); }},
        {"an empty window width", [](const std::string& good) { return withRecordChanged(good, 37, ""); }},
        {"an empty window colour", [](const std::string& good) { return withRecordChanged(good, 55, " "); }},
        // No number anywhere: nothing that could be a setting.
        {"an empty file", [](const std::string&) { return std::string(); }},
        {"blanks and commas", [](const std::string&) { return std::string(" ,\t,\r\n,\r\n"); }},
        {"a large sparse file", nullptr, std::uintmax_t(64) << 20},
    };
    return cases;
}

class UnusableRecord : public MalformedMazefile {
protected:
    void SetUp() override {
        prepareLoader();
        program.form.exampledrawing = 2;
        program.form.programmode = 1;
        program.form.ui.setChecked("usetemple", false);
        ASSERT_TRUE(program.platform.savePicture(Picture(20, 10, 0x0000FF), "bad.bmp"));
    }
    // Nothing of the file is taken and the reader's own message is shown.
    void expectNothingChanged(const std::vector<std::string>& record, const Picture& window) {
        Form57& f = program.form;
        ASSERT_FALSE(program.platform.messages().empty());
        EXPECT_EQ(program.platform.lastMessage(), "Error: can't find file.");
        EXPECT_EQ(recordTexts(f), record);
        for (int section = 1; section <= sectionCount; ++section)
            EXPECT_EQ(fileBytes(sectionPatternFile(section)), "7\r\n9999,88\r\n") << "section " << section;
        EXPECT_TRUE(f.canvas.image() == window);
        EXPECT_EQ(f.exampledrawing, 2);
        EXPECT_EQ(f.programmode, 1);
        EXPECT_FALSE(f.ui.menu("usetemple").checked);
        EXPECT_FALSE(f.files.isOpen(1));
        EXPECT_FALSE(f.files.isOpen(2));
    }
};

TEST_F(UnusableRecord, IsRefusedByEachReader) {
    Form57& f = program.form;
    const std::string good = fileBytes(dataDir() / exampleFileName(1));
    const std::vector<std::string> record = recordTexts(f);
    const Picture window = f.canvas.image();
    for (const UnusableRecordCase& c : unusableRecordCases()) {
        SCOPED_TRACE(c.what);
        writeCase(c, good, "bad.maze");
        writeCase(c, good, "temple.maze");
        {
            SCOPED_TRACE("load panel");
            EXPECT_FALSE(f.loaddrawingfiles("bad"));
            expectNothingChanged(record, window);
        }
        {
            SCOPED_TRACE("example command");
            f.commandtaken = 0;
            f.usetemple_Click();
            expectNothingChanged(record, window);
        }
        {
            SCOPED_TRACE("first example");
            f.exampledrawing = 1;
            f.makefirstdemo();
            f.exampledrawing = 2;
            expectNothingChanged(record, window);
        }
    }
}

// The places of settings that were never given a value are empty in the
// program's own files: such a file loads.
TEST_F(UnusableRecord, EmptyPlacesOfNeverSetSettingsLoad) {
    HeadlessProgram fresh;
    ASSERT_EQ(fresh.runScript("passes 3\nbutton \"Click to Begin\"\npasses 5\nexpect-mode 0\n"), "");
    fresh.form.savedrawingfiles("fresh");
    const std::vector<std::string> saved = recordInFile("fresh.maze");
    ASSERT_NE(std::find(saved.begin(), saved.end(), std::string()), saved.end()) << "no empty place to load";
    const std::size_t messages = program.platform.messages().size();
    EXPECT_TRUE(program.form.loaddrawingfiles("fresh"));
    EXPECT_EQ(program.platform.messages().size(), messages);
}

}  // namespace
}  // namespace tarnwick::test
