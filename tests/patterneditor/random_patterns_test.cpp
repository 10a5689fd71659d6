// Random patterns: the run that makes one before a maze, and the fill that
// "Create random pattern" plays in the editor.
#include <filesystem>
#include <set>
#include <sstream>
#include <utility>

#include "core/colours.h"
#include "directionpatterns/pattern_files.h"
#include "patterneditor/editor_session.h"
#include "shell/snapshot_store.h"

namespace tarnwick::test {
namespace {

std::vector<long> codesOf(const std::string& text) {
    std::vector<long> codes;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "9999,88") break;
        codes.push_back(std::stol(line));
    }
    return codes;
}

// Cells a regular pattern visits from its start: a 2-d move goes only onto a
// free cell, or back over its own path while travelling.
std::size_t cellsVisited(const std::vector<long>& codes) {
    std::set<std::pair<long, long>> cells{{0, 0}};
    long x = 0, y = 0;
    for (long c : codes) {
        x += c == 1 ? -1 : c == 2 ? 1 : 0;
        y += c == 3 ? -1 : c == 4 ? 1 : 0;
        cells.insert({x, y});
    }
    return cells.size();
}

class RandomRun : public ::testing::Test {
protected:
    RandomRun() : form(program.form) {
        setStandardPalette(form);
        for (int k = 1; k <= 16; ++k) form.passagecolors.set(static_cast<std::size_t>(k), 0xFFFFFF);
        form.resetallpatternfiles();
        form.maxrandomsize = 5;
        form.randomanysize = 0;
        form.difficultylevel = 4;
        form.programmode = 1;
        form.wallsizex = form.wallsizey = 10;
        form.gridstepx = form.gridstepy = 10;
        form.cellx1 = 11, form.celly1 = 11, form.cellx2 = 18, form.celly2 = 18;
        form.random.seed(7);
        form.canvas.setScreenOnly(false);
        form.canvas.fillBox(0, 0, 799, 599, 0x808080);
        form.canvas.fillBox(100, 100, 300, 200, 0x008000);
    }

    void run(long kind, long pattern) {
        form.mazekind = kind;
        form.editedpattern = pattern;
        before = form.canvas.image();
        form.editrandompat();
    }

    // The pattern replayed on the editor's field, as the editor shows it: the
    // cells the 3d move step counts.
    long replayedCount(long kind, long pattern) {
        form.mazekind = kind;
        form.editedpattern = pattern;
        form.randomsteps = 0;
        form.editorsetup(true);
        form.openpatternforreplay();
        form.editorreplay();
        form.files.close(1);
        form.files.close(2);
        return form.randomsteps;
    }

    TempWorkDir workDir;
    HeadlessProgram program;
    Form57& form;
    Picture before;
};

TEST_F(RandomRun, RegularPatternHasItsSizeInCarvingSteps) {
    run(0, 1);
    const std::string text = fileText("Left.pt");
    const std::vector<long> codes = codesOf(text);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), 1);
    EXPECT_TRUE(text.ends_with("\r\n9999,88\r\n"));
    EXPECT_EQ(cellsVisited(codes), 6u) << "the start, the stored step and four drawn ones";
    EXPECT_EQ(fileText("left2.pt"), "1\r\n9999,88\r\n");
    EXPECT_EQ(form.maxrandomsize, 5);
    EXPECT_EQ(form.programmode, 1);
    EXPECT_EQ(form.editedpattern, 0);
    EXPECT_EQ(form.randomsteps, 0);
    EXPECT_TRUE(form.canvas.image() == before) << "the window shows what it showed before";
    EXPECT_EQ(form.wallsizex, 10);
    EXPECT_EQ(form.cellx1, 11);
}

TEST_F(RandomRun, ThreeDKindsCountTheStoredStepAndOneMore) {
    for (const long kind : {2L, 1L}) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        run(kind, 1);
        EXPECT_EQ(form.maxrandomsize, 5);
        EXPECT_EQ(replayedCount(kind, 1), 5) << "five carving steps, as in a regular maze";
    }
}

TEST_F(RandomRun, SizeOneIsTheDefaultAlone) {
    form.randomanysize = 1;
    form.random.inject([] { return 0.0; });
    run(0, 1);
    EXPECT_EQ(fileText("Left.pt"), "1\r\n9999,88\r\n");
    EXPECT_EQ(form.maxrandomsize, 5);
}

TEST_F(RandomRun, UpPatternOfAPipeMazeRewritesOnlyItsOwnFiles) {
    run(1, 3);
    EXPECT_TRUE(fileText("3dpipeup.pt").starts_with("3\r\n"));
    EXPECT_EQ(fileText("3dpipeup2.pt"), "3\r\n9999,88\r\n");
    for (long kind : {0L, 1L, 2L})
        for (long pattern = 1; pattern <= 4; ++pattern) {
            if (kind == 1 && pattern == 3) continue;
            EXPECT_EQ(fileText(patternfilename(kind, pattern)), std::to_string(pattern) + ",9999,88\r\n")
                << patternfilename(kind, pattern);
        }
}

TEST_F(RandomRun, NoPatternSettingStaysAndOtherwiseMakingChoosesAnew) {
    form.patternstate = 3;
    form.patternchoice = 2;
    run(0, 1);
    EXPECT_EQ(form.patternstate, 3);
    EXPECT_EQ(form.patternchoice, 2);
    form.patternstate = 1;
    run(0, 1);
    EXPECT_EQ(form.patternstate, 0);
    EXPECT_EQ(form.patternchoice, 0);
}

TEST_F(RandomRun, CodeFiveIsNeverDrawn) {
    form.randomgmoves = 1;
    form.maxrandomsize = 40;
    run(0, 1);
    for (long c : codesOf(fileText("Left.pt"))) EXPECT_NE(c, 5);
}

// A field that does not fit the surface may never let the pattern grow: the run
// ends after its pass limit as if the pattern were complete.
TEST(RandomRunOnASmallSurface, EndsAndLeavesAWholePattern) {
    TempWorkDir workDir;
    HeadlessProgram program(40, 30);
    Form57& form = program.form;
    setStandardPalette(form);
    form.resetallpatternfiles();
    form.maxrandomsize = 20;
    form.mazekind = 2;
    form.editedpattern = 1;
    form.programmode = 1;
    form.editrandompat();
    const std::string text = fileText("3dLeft.pt");
    EXPECT_TRUE(text.starts_with("1\r\n"));
    EXPECT_TRUE(text.ends_with("9999,88\r\n"));
    EXPECT_EQ(form.maxrandomsize, 20);
    EXPECT_EQ(form.programmode, 1);
}

// ---- the fill in the editor ----

TEST_F(EditorSession, CreateRandomPatternFillsThenTheKeysExtendIt) {
    begin();
    menu("editpatterns", 6);
    key(up);
    menu("crpattern", 1);
    then([&] {
        EXPECT_EQ(form.randomfill, 1);
        EXPECT_EQ(form.maxrandomsize, 5);
    });
    until([&] { return form.randomfill == 0; });
    then([&] { EXPECT_EQ(form.maxrandomsize, 5); });
    key(keyG);
    menu("exitpattern", 6);
    then([&] {
        const std::vector<long> codes = codesOf(fileText("Left.pt"));
        ASSERT_GE(codes.size(), 2u);
        EXPECT_EQ(codes.front(), 1) << "the moves before the fill are gone";
        EXPECT_EQ(codes.back(), 5) << "the key after the fill is recorded";
        std::vector<long> drawn(codes.begin(), codes.end() - 1);
        EXPECT_EQ(cellsVisited(drawn), 6u);
    });
    run();
}

// A fill left before it completes gives the maximum size back.
TEST_F(EditorSession, UnfinishedFillPutsTheMaximumSizeBack) {
    begin("mazes3d1");
    then([&] { form.maxrandomsize = 60; });
    menu("editpatterns", 6);
    menu("crpattern", 1);
    then([&] { EXPECT_EQ(form.maxrandomsize, 61); });
    menu("crpattern", 1);
    then([&] { EXPECT_EQ(form.savedmaxrandomsize, 60) << "a second fill starts from the maximum"; });
    menu("exitpattern", 4);
    then([&] {
        EXPECT_EQ(form.randomfill, 0);
        EXPECT_EQ(form.maxrandomsize, 60);
    });
    run();
}

// The window resized during a fill lays the field out again and replays the
// moves so far; they were counted as they were made, so the fill still makes
// its whole size, as a replay of the finished pattern counts it.
struct ResizedFill {
    const char* drawing;
    long mazekind;
};
void PrintTo(const ResizedFill& c, std::ostream* os) { *os << c.drawing; }

class FillResizedMidway : public EditorSession, public ::testing::WithParamInterface<ResizedFill> {};

TEST_P(FillResizedMidway, CountsEachStepOnce) {
    begin(GetParam().drawing);
    then([&] { form.maxrandomsize = 30; });
    menu("editpatterns", 6);
    menu("crpattern", 1);
    until([&] { return form.randomsteps >= 10; });
    then([&] {
        ASSERT_EQ(form.randomfill, 1);
        form.canvas.resize(1000, 700);
    });
    until([&] { return form.randomfill == 0; });
    menu("exitpattern", 6);
    run();

    form.mazekind = GetParam().mazekind;
    form.editedpattern = 1;
    form.randomsteps = 0;
    form.editorsetup(true);
    form.openpatternforreplay();
    form.editorreplay();
    form.files.close(1);
    form.files.close(2);
    EXPECT_EQ(form.randomsteps, 30);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FillResizedMidway,
                         ::testing::Values(ResizedFill{"mazes3d1", 2}, ResizedFill{"mazes3d", 1}),
                         [](const auto& info) { return std::string(info.param.drawing); });

// With random identical patterns chosen, every new maze first makes a random left pattern.
TEST_F(EditorSession, CreateCommandMakesARandomPatternFirst) {
    begin("mazes3d1");
    openDrawing();
    then([&] {
        form.randompatternmode = 5;
        form.maxrandomsize = 8;
    });
    menu("createreg", 4);
    then([&] {
        const std::vector<long> codes = codesOf(fileText("Left.pt"));
        EXPECT_EQ(cellsVisited(codes), 9u);
        EXPECT_EQ(form.maxrandomsize, 8);
        EXPECT_EQ(form.programmode, 1);
        EXPECT_EQ(form.wallsizex, 10);
    });
    run();
}

}  // namespace
}  // namespace tarnwick::test
