#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <map>
#include <string>

#include "directionpatterns/pattern_files.h"
#include "platform/file_list.h"
#include "directionpatterns/pattern_lines.h"
#include "shell/frame_fixture.h"
#include "shell/menu_names.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;


const std::string resetLeft = "1,9999,88\r\n";
const std::string resetRight = "2,9999,88\r\n";
const std::string resetUp = "3,9999,88\r\n";
const std::string resetDown = "4,9999,88\r\n";

class PatternSets : public HeadlessProgramTest {
protected:
    Form57& f = program.form;

    void writeKind(long kind, const std::string& left, const std::string& right, const std::string& up,
                   const std::string& down) {
        const std::string* contents[] = {&left, &right, &up, &down};
        for (long p = 1; p <= 4; ++p) writeBytes(patternfilename(kind, p), *contents[p - 1]);
    }
    void save(const std::string& typed, int key = 13) {
        f.commandtaken = 0;
        f.savepatterns_Click();
        f.ui.setControlText("Text5", typed);
        f.Text5_KeyDown(key);
    }
    void load(const std::string& typed, int key = 13) {
        f.commandtaken = 0;
        f.loadpatterns_Click();
        f.ui.setControlText("Text6", typed);
        f.Text6_KeyDown(key);
    }
    const std::vector<std::string>& messages() { return program.platform.messages(); }
};

// ---- set files, byte for byte ----

struct SaveCase {
    const char* name;
    long mazekind;
    const char* typed;
    const char* fileName;
    std::string left, right, up, down;  // the pattern files
    std::string set;                    // the set file written
};

std::ostream& operator<<(std::ostream& os, const SaveCase& c) { return os << c.name; }

class SetSaves : public PatternSets, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SetSaves, WriteTheFourSectionsUnderTheTypedName) {
    const SaveCase& c = GetParam();
    f.mazekind = c.mazekind;
    writeKind(c.mazekind, c.left, c.right, c.up, c.down);
    save(c.typed);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(fileBytes(c.fileName), c.set);
    EXPECT_EQ(fileBytes(patternfilename(c.mazekind, 1)), c.left) << "a save leaves the pattern files alone";
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetSaves,
    ::testing::Values(
        SaveCase{"leftMovesAndThreeResets", 0, "spiral", "spiral.pat", lines({"1", "1", "3", "9999,88"}),
                 resetRight, resetUp, resetDown,
                 lines({"1", "1", "3", "9999,88", "2", "9999,88", "3", "9999,88", "4", "9999,88"})},
        SaveCase{"nameRuleFor3dMazes", 2, "  my set.old", "my set.3d-pat", resetLeft, resetRight, resetUp,
                 resetDown, lines({"1", "9999,88", "2", "9999,88", "3", "9999,88", "4", "9999,88"})},
        SaveCase{"trailingBlanksStayFor3dPipeMazes", 1, "pipes  ", "pipes  .3d-pipe-pat", resetLeft, resetRight,
                 resetUp, resetDown, lines({"1", "9999,88", "2", "9999,88", "3", "9999,88", "4", "9999,88"})},
        // What follows the first 9999 is not copied; a leading 9999 gives an empty section;
        // a file cut short gives the values it has; other values are copied as they are.
        SaveCase{"sectionsEndAtTheFirst9999", 0, "odd", "odd.pat", lines({"9999,88", "2"}),
                 lines({"2", "9999", "4", "9999,88"}), lines({"3", "7", "", "5"}), resetDown,
                 lines({"9999,88", "2", "9999,88", "3", "7", "", "5", "9999,88", "4", "9999,88"})},
        SaveCase{"aMissingPatternFileGivesAnEmptySection", 0, "gap", "gap.pat", resetLeft, resetRight, resetUp,
                 "", lines({"1", "9999,88", "2", "9999,88", "3", "9999,88", "9999,88"})}),
    [](const auto& info) { return std::string(info.param.name); });

struct LoadCase {
    const char* name;
    std::string set;
    std::string left, right, up, down;  // the pattern files afterwards
    std::vector<std::string> messages = {};
};

std::ostream& operator<<(std::ostream& os, const LoadCase& c) { return os << c.name; }

class SetLoads : public PatternSets, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(SetLoads, WriteEachSectionIntoItsPatternFile) {
    const LoadCase& c = GetParam();
    f.mazekind = 2;
    writeKind(2, resetLeft, resetRight, resetUp, resetDown);
    writeKind(0, "a", "b", "c", "d");
    writeBytes("shape.3d-pat", c.set);
    load("shape");
    EXPECT_EQ(messages(), c.messages);
    EXPECT_EQ(fileBytes("3dLeft.pt"), c.left);
    EXPECT_EQ(fileBytes("3dRight.pt"), c.right);
    EXPECT_EQ(fileBytes("3dup.pt"), c.up);
    EXPECT_EQ(fileBytes("3ddown.pt"), c.down);
    EXPECT_EQ(fileBytes("Left.pt"), "a") << "other kinds keep their patterns";
    for (int number = 1; number <= TextFiles::count; ++number) EXPECT_FALSE(f.files.isOpen(number));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetLoads,
    ::testing::Values(
        LoadCase{"fourSections", lines({"1", "1", "3", "9999,88", "2", "9999,88", "5", "4", "9999,88", "4", "9999,88"}),
                 lines({"1", "1", "3", "9999,88"}), lines({"2", "9999,88"}), lines({"5", "4", "9999,88"}),
                 lines({"4", "9999,88"})},
        LoadCase{"strayEndsAreDroppedAndTheLastSectionEndsAtIts9999",
                 lines({"1", "9999", "2", "9999,88", "9999,88", "3", "9999,88", "4", "9999", "7", "9999,88"}),
                 lines({"1", "2", "9999,88"}), lines({"9999,88"}), lines({"3", "9999,88"}), lines({"4", "9999,88"})},
        LoadCase{"valuesAreCopiedUnchanged", lines({"7", "", "2.5", "9999,88", "9999,88", "9999,88", "9999,88"}),
                 lines({"7", "", "2.5", "9999,88"}), lines({"9999,88"}), lines({"9999,88"}), lines({"9999,88"})},
        LoadCase{"sectionsWithoutAMoveAreCopiedUnchanged",
                 lines({"7", "9999,88", "0,0", "9999,88", "", "9999,88", "9999,88"}), lines({"7", "9999,88"}),
                 lines({"0", "0", "9999,88"}), lines({"", "9999,88"}), lines({"9999,88"})},
        // A set cut short replaces the patterns of its complete sections only.
        LoadCase{"aSetCutShortKeepsThePatternsFromItsCut", lines({"2", "9999,88", "1", "3"}),
                 lines({"2", "9999,88"}), resetRight, resetUp, resetDown},
        // Nothing to use: the panel says so as for a file it cannot find.
        LoadCase{"anEmptySetIsRefused", "", resetLeft, resetRight, resetUp, resetDown, {"Error: can't find file."}},
        LoadCase{"aSetWithoutACompleteSectionIsRefused", lines({"hello", "1", "2"}), resetLeft, resetRight, resetUp,
                 resetDown, {"Error: can't find file."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PatternSets, SaveThenLoadGivesTheSameMovesInEveryKind) {
    for (long kind : {0L, 1L, 2L}) {
        SCOPED_TRACE(kind);
        f.mazekind = kind;
        const std::string left = lines({"1", "1", "3", "5", "2", "9999,88"});
        const std::string down = lines({"4", "9999,88"});
        writeKind(kind, left, "2,9999,88\r\n", lines({"9999,88"}), down);
        save("round trip");
        writeKind(kind, "x", "y", "z", "w");
        load("round trip.whatever");
        EXPECT_EQ(fileBytes(patternfilename(kind, 1)), left);
        EXPECT_EQ(fileBytes(patternfilename(kind, 2)), lines({"2", "9999,88"}));
        EXPECT_EQ(fileBytes(patternfilename(kind, 3)), lines({"9999,88"}));
        EXPECT_EQ(fileBytes(patternfilename(kind, 4)), down);
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(PatternSets, ASetOfAnotherKindIsNeitherListedNorLoaded) {
    f.mazekind = 0;
    writeKind(0, lines({"3", "9999,88"}), resetRight, resetUp, resetDown);
    save("flat");
    f.mazekind = 2;
    f.commandtaken = 0;
    f.loadpatterns_Click();
    EXPECT_EQ(f.ui.control("loadpatternlist").filter, "*.3d-pat");
    EXPECT_TRUE(listFiles(f.ui.control("loadpatternlist").filter).empty());
    f.Text6_KeyDown(27);
    writeKind(2, resetLeft, resetRight, resetUp, resetDown);
    load("flat");
    EXPECT_EQ(program.platform.lastMessage(), "Error: can't find file.");
    EXPECT_EQ(fileBytes("3dLeft.pt"), resetLeft);
    f.mazekind = 0;
    f.commandtaken = 0;
    f.savepatterns_Click();
    EXPECT_EQ(listFiles(f.ui.control("savepatternlist").filter), std::vector<std::string>{"flat.pat"});
}

TEST_F(PatternSets, SavingUnderAnExistingNameReplacesTheSet) {
    writeBytes("same.pat", "an older and much longer set file than the new one\r\n");
    writeKind(0, resetLeft, resetRight, resetUp, resetDown);
    save("same");
    EXPECT_EQ(fileBytes("same.pat"), lines({"1", "9999,88", "2", "9999,88", "3", "9999,88", "4", "9999,88"}));
}

// ---- refused names and failures ----

TEST_F(PatternSets, NamesReachingOutsideTheDirectoryAreRefused) {
    fs::create_directory("sub");
    const std::string inner = lines({"3", "9999,88", "3", "9999,88", "3", "9999,88", "3", "9999,88"});
    writeBytes("sub/inner.pat", inner);
    writeKind(0, resetLeft, resetRight, resetUp, resetDown);
    for (const char* name : {"sub/inner", "sub\\inner", "tab\there", "new\nline"}) {
        SCOPED_TRACE(name);
        const std::size_t shown = messages().size();
        save(name);
        ASSERT_EQ(messages().size(), shown + 1);
        EXPECT_EQ(program.platform.lastMessage(), "Error: bad file name.");
        load(name);
        ASSERT_EQ(messages().size(), shown + 2);
        EXPECT_EQ(program.platform.lastMessage(), "Error: can't find file.");
        EXPECT_EQ(fileBytes("Left.pt"), resetLeft);
        EXPECT_FALSE(f.ui.control("Text6").visible);
        EXPECT_EQ(f.panelopen, 0);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("sub"), fs::directory_iterator{}), 1);
    EXPECT_EQ(fileBytes("sub/inner.pat"), inner);
}

TEST_F(PatternSets, ASetThatCannotBeCreatedShowsItsMessage) {
    fs::create_directory("taken.pat");
    f.nodrawing = 0;
    save("taken");
    EXPECT_EQ(program.platform.lastMessage(), "Error: bad file name.");
    EXPECT_FALSE(f.ui.control("Text5").visible);
    EXPECT_EQ(f.nodrawing, 0);
    EXPECT_EQ(f.paused, 0);
}

// A full disk must not pass for a saved set: the message is shown and no
// damaged set is left behind.
TEST_F(PatternSets, ASetThatCannotBeWrittenWholeIsReportedAndRemoved) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no full device here";
    fs::create_symlink("/dev/full", "full.pat");
    writeKind(0, resetLeft, resetRight, resetUp, resetDown);
    save("full");
    ASSERT_FALSE(messages().empty());
    EXPECT_EQ(program.platform.lastMessage(), "Error: bad file name.");
    // Only regular files are written: the device behind the name is left alone.
    EXPECT_FALSE(fs::is_regular_file("full.pat"));
}

// A disk that fills up while a set is saved over an earlier one: the earlier
// set stays as it was, and nothing else is left behind.
TEST_F(PatternSets, ASaveOnAFullDiskKeepsTheEarlierSet) {
    const std::string earlier = lines({"3", "9999,88", "3", "9999,88", "3", "9999,88", "3", "9999,88"});
    writeBytes("same.pat", earlier);
    std::string longPattern;
    for (int i = 0; i < 100; ++i) longPattern += "1\r\n";
    writeKind(0, longPattern + "9999,88\r\n", resetRight, resetUp, resetDown);
    // Files may grow to 64 bytes only, as on a disk with that much room left.
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    save("same");
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_FALSE(messages().empty());
    EXPECT_EQ(program.platform.lastMessage(), "Error: bad file name.");
    EXPECT_EQ(fileBytes("same.pat"), earlier);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Left.pt", "Right.pt", "down.pt", "same.pat", "up.pt"}));
}

// A set file ends in its own extension and cannot replace a file of the
// program: the program's own names serve as set names like any other.
TEST_F(PatternSets, NamesOfTheProgramsOwnFilesServeAsSetNames) {
    writeBytes("temple.maze", "the example");
    const std::string moves = lines({"1", "3", "9999,88"});
    for (const char* name : {"up", "down", "Left", "temple", "title", "drawing1"}) {
        SCOPED_TRACE(name);
        writeKind(0, moves, resetRight, resetUp, resetDown);
        save(name);
        EXPECT_TRUE(messages().empty());
        EXPECT_EQ(fileBytes(std::string(name) + ".pat"), moves + lines({"2", "9999,88", "3", "9999,88", "4", "9999,88"}));
        writeKind(0, resetLeft, resetRight, resetUp, resetDown);
        load(name);
        EXPECT_TRUE(messages().empty());
        EXPECT_EQ(fileBytes("Left.pt"), moves);
    }
    EXPECT_EQ(fileBytes("temple.maze"), "the example");
}

// A pattern file that cannot be replaced keeps what it held; the others load, and
// the user hears of it once a run, as of the program's other files.
TEST_F(PatternSets, APatternFileThatCannotBeReplacedIsToldOnce) {
    writeKind(0, resetLeft, resetRight, resetUp, resetDown);
    writeBytes("moves.pat", lines({"3", "9999,88", "3", "9999,88", "3", "9999,88", "3", "9999,88"}));
    fs::remove("Right.pt");
    fs::create_directory("Right.pt");
    const std::size_t shown = messages().size();
    load("moves");
    ASSERT_EQ(messages().size(), shown + 1);
    EXPECT_EQ(program.platform.lastMessage(), "Error: can't use the file \"Right.pt\" in the current directory. "
                                 "The program goes on with its own copies.");
    EXPECT_EQ(fileBytes("Left.pt"), "3\r\n9999,88\r\n");
    EXPECT_TRUE(fs::is_directory("Right.pt"));
    EXPECT_EQ(fileBytes("down.pt"), "3\r\n9999,88\r\n");
    load("moves");
    EXPECT_EQ(messages().size(), shown + 1);
}

// ---- the panels ----

TEST_F(PatternSets, OpeningDisablesTheOtherPanelsAndKeepsTheEditItems) {
    f.ui.setEnabled("nrefresh", true);
    f.mazekind = 1;
    f.savepatterns_Click();
    const Ui& ui = f.ui;
    for (const char* control : {"Label8", "Text5", "savepatternlist"}) EXPECT_TRUE(ui.control(control).visible);
    EXPECT_EQ(ui.control("savepatternlist").filter, "*.3d-pipe-pat");
    EXPECT_EQ(ui.focus(), "Text5");
    EXPECT_EQ(f.paused, 1);
    EXPECT_EQ(f.panelopen, 1);
    expectStates(ui, {{"savepatterns", "D"}, {"loadpatterns", "D"}, {"srndpatterns", "D"}, {"newmaze", "D"},
                      {"createreg", "D"}, {"nrefresh", "D"}, {"rfinish", "D"}, {"editpatterns", "E"},
                      {"downpattern", "E"}},
                 "save panel open");
    f.picksavepatternfile("old.set.3d-pipe-pat");
    EXPECT_EQ(ui.control("Text5").text, "old.set.3d-pipe-pat");
    f.Text5_KeyDown(13);
    EXPECT_TRUE(fs::exists("old.3d-pipe-pat")) << "the name ends at its first dot";
}

TEST_F(PatternSets, TheSavePanelHoldsDrawingOffWhileOpen) {
    for (int key : {13, 27}) {
        f.nodrawing = 0;
        f.commandtaken = 0;
        f.savepatterns_Click();
        EXPECT_EQ(f.nodrawing, 1);
        f.ui.setControlText("Text5", "kept");
        f.Text5_KeyDown(key);
        EXPECT_EQ(f.nodrawing, 0) << key;
    }
    f.nodrawing = 0;
    load("kept");
    EXPECT_EQ(f.nodrawing, 0);
}

TEST_F(PatternSets, OtherKeysLeaveThePanelOpen) {
    f.savepatterns_Click();
    f.Text5_KeyDown(65);
    EXPECT_TRUE(f.ui.control("Text5").visible);
    EXPECT_EQ(f.panelopen, 1);
    EXPECT_FALSE(fs::exists(".pat"));
}

// Closing in the drawing stage gives back what the opener took, the Create items among them.
TEST_F(PatternSets, ClosingInTheDrawingStage) {
    f.programmode = 0;
    f.patternmenumode = -10;
    load("none", 27);
    expectStates(f.ui,
                 {{"createreg", "E"}, {"create3d", "E"}, {"importdrawing", "E"}, {"choosew", "E"},
                  {"changewallsize", "E"}, {"newmaze", "E"}, {"rfinish", "E"}, {"srndpatterns", "E"},
                  {"backtodrawing", "D"}, {"sandf", "D"}, {"solvemaze", "D"}},
                 "closed in mode 0");
    EXPECT_EQ(f.paused, 0);
    EXPECT_EQ(f.panelopen, 0);
}

// ---- inside the pattern editor ----

class PatternSetsInTheEditor : public PatternSets {
protected:
    void SetUp() override {
        f.mazekind = 0;
        writeKind(0, resetLeft, resetRight, lines({"3", "3"}), resetDown);
        f.editedpattern = 3;
        f.programmode = -1;
        f.paused = 1;
        f.files.open(1, "up.pt", FileMode::Append);  // the recording
    }
};

TEST_F(PatternSetsInTheEditor, SaveEndsTheRecordingAndRestartsTheEditor) {
    save("recorded");
    EXPECT_EQ(fileBytes("up.pt"), lines({"3", "3", "9999,88"}));
    EXPECT_EQ(fileBytes("recorded.pat"),
              lines({"1", "9999,88", "2", "9999,88", "3", "3", "9999,88", "4", "9999,88"}));
    EXPECT_EQ(f.programmode, -2);
    EXPECT_EQ(f.paused, 1) << "the editor keeps its pause";
    EXPECT_EQ(f.panelopen, 0);
}

TEST_F(PatternSetsInTheEditor, LoadReplacesTheEditedPattern) {
    writeBytes("other.pat", lines({"9999,88", "9999,88", "4", "4", "9999,88", "9999,88"}));
    load("other");
    EXPECT_EQ(fileBytes("up.pt"), lines({"4", "4", "9999,88"}));
    EXPECT_EQ(f.programmode, -2);
}

TEST_F(PatternSetsInTheEditor, AFailedLoadStillRestartsTheEditor) {
    load("missing");
    EXPECT_EQ(program.platform.lastMessage(), "Error: can't find file.");
    EXPECT_EQ(fileBytes("up.pt"), lines({"3", "3", "9999,88"}));
    EXPECT_EQ(f.programmode, -2);
}

TEST_F(PatternSetsInTheEditor, EscapeLeavesTheEditorAsItWas) {
    save("never", 27);
    load("never", 27);
    EXPECT_EQ(fileBytes("up.pt"), lines({"3", "3"}));
    EXPECT_EQ(f.programmode, -1);
    EXPECT_EQ(f.paused, 1);
    EXPECT_TRUE(f.files.isOpen(1));
    EXPECT_FALSE(fs::exists("never.pat"));
}

// ---- maze making plays a pattern meanwhile ----

TEST_F(PatternSets, MazeMakingDrawsItsPatternAfresh) {
    writeKind(0, resetLeft, resetRight, resetUp, resetDown);
    writeBytes("set.pat", lines({"1", "9999,88", "2", "9999,88", "3", "9999,88", "4", "9999,88"}));
    const struct {
        const char* job;
        long patternstate, patternchoice;
    } cases[] = {{"save", 1, 0}, {"load", 1, 0}, {"save", 3, 3}, {"load", 3, 3}};
    for (const auto& c : cases) {
        f.programmode = 1;
        f.patternstate = c.patternstate;
        f.patternchoice = c.patternstate == 3 ? 3 : 2;
        f.files.open(1, "Right.pt", FileMode::Input);  // the pattern being played
        if (std::string(c.job) == "save") save("set");
        else load("set");
        EXPECT_FALSE(f.files.isOpen(1));
        EXPECT_EQ(f.patternchoice, c.patternchoice) << c.job << " in pattern state " << c.patternstate;
    }
}

// ---- when the two items are offered ----

TEST_F(PatternSets, OfferedInDrawingMakingAndTheEditorWhileNoPanelIsOpen) {
    const struct {
        const char* name;
        void (Form57::*menus)();
        long panelopen;
        const char* offered;
    } cases[] = {
        {"drawing pass", &Form57::drawingpassmenus, 0, "E"},
        {"drawing pass under a panel", &Form57::drawingpassmenus, 1, "D"},
        {"making pass", &Form57::makingpassmenus, 0, "E"},
        {"making pass under a panel", &Form57::makingpassmenus, 1, "D"},
        {"editor start", &Form57::editorstartmenus, 0, "E"},
        {"editor start under a panel", &Form57::editorstartmenus, 1, "D"},
        {"placing pass", &Form57::placingpassmenus, 0, "D"},
        {"solving pass", &Form57::solvingpassmenus, 0, "D"},
    };
    for (const auto& c : cases) {
        menus::set(f.ui, menus::Op::Disable, {"savepatterns", "loadpatterns"});
        f.panelopen = c.panelopen;
        (f.*c.menus)();
        expectStates(f.ui, {{"savepatterns", c.offered}, {"loadpatterns", c.offered}}, c.name);
    }
    for (auto opener : {&Form57::panelopensteps, &Form57::patternsetpanelopensteps,
                        &Form57::randomsizepanelopensteps, &Form57::placingentrymenus}) {
        menus::set(f.ui, menus::Op::Enable, {"savepatterns", "loadpatterns"});
        (f.*opener)();
        expectStates(f.ui, {{"savepatterns", "D"}, {"loadpatterns", "D"}}, "opener");
    }
}

}  // namespace
}  // namespace tarnwick::test
