#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "core/colours.h"
#include "example_settings.h"
#include "files/name_rule.h"
#include "files/pattern_sections.h"
#include "files/settings_record.h"
#include "mazefile_helpers.h"
#include "platform/plain_file.h"
#include "save_steps.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

class DrawingFiles : public HeadlessProgramTest {
protected:
    void SetUp() override { program.form.canvas.fillBox(0, 0, 49, 49, 0x0000FF); }
    std::string lastMessage() { return program.platform.lastMessage(); }
    std::size_t messageCount() { return program.platform.messages().size(); }
};

TEST(ReservedNames, EveryFileOfTheProgramAndNoOther) {
    for (const char* name : {"Left", "3dpipedown", "left2", "3dpipedown2", "drawing1", "drawing1b", "drawing3",
                             "drawing4", "title", "temple", "space-station", "diamond", "christmas-tree",
                             "example1", "example11", "credit1", "credit2"})
        EXPECT_TRUE(isReservedName(name)) << name;
    for (const char* name : {"castle", "left", "Title", "drawing5", "example12", "credit3", "temple ", "", "pt"})
        EXPECT_FALSE(isReservedName(name)) << name;
    EXPECT_EQ(programFileNames().size(), 24u + 5 + 1 + 8 + 13);
}

// A drawing saved under the name of one of the program's own files would be
// overwritten by it, or overwrite what it relies on: the name is refused and
// the program's file stays as it was.
TEST_F(DrawingFiles, SavingUnderAProgramFileNameIsRefused) {
    for (const char* name : {"drawing3", "temple", "title", "example1", "Left"}) {
        SCOPED_TRACE(name);
        writeFileBytes(std::string(name) + ".bmp", "the program's own");
        program.form.savedrawingfiles(name);
        EXPECT_EQ(lastMessage(), "Error: bad file name.");
        EXPECT_EQ(fileBytes(std::string(name) + ".bmp"), "the program's own");
        EXPECT_FALSE(fs::exists(std::string(name) + ".maze") && std::string(name) != "temple");
    }
    EXPECT_EQ(savingTemporariesIn("."), 0);
}

// Whatever stands in the way, a failed save leaves the earlier pair exactly as it was.
TEST_F(DrawingFiles, AFailedSaveLeavesTheEarlierPairExactly) {
    program.form.savedrawingfiles("castle");
    const std::string maze = fileBytes("castle.maze"), picture = fileBytes("castle.bmp");
    program.form.canvas.fillBox(0, 0, 49, 49, 0x00FF00);
    fs::remove("castle.maze");
    fs::create_directory("castle.maze");  // the mazefile cannot take its place
    fs::create_directory("castle.maze/inside");
    program.form.savedrawingfiles("castle");
    EXPECT_EQ(lastMessage(), "Error: bad file name.");
    EXPECT_EQ(fileBytes("castle.bmp"), picture);
    EXPECT_TRUE(fs::is_directory("castle.maze/inside"));
    EXPECT_EQ(savingTemporariesIn("."), 0);
    // And the other way round.
    fs::remove_all("castle.maze");
    writeFileBytes("castle.maze", maze);
    fs::remove("castle.bmp");
    fs::create_directory("castle.bmp");
    program.form.savedrawingfiles("castle");
    EXPECT_EQ(fileBytes("castle.maze"), maze);
    EXPECT_EQ(savingTemporariesIn("."), 0);
}

// When the mazefile cannot take its name after the picture took its own, the
// earlier picture goes back, or none when there was none: with hard links and
// without.
TEST_F(DrawingFiles, ARefusedMazefileTurnsThePictureBack) {
    program.form.savedrawingfiles("castle");
    const std::string maze = fileBytes("castle.maze"), picture = fileBytes("castle.bmp");
    program.form.canvas.fillBox(0, 0, 49, 49, 0x00FF00);
    for (const bool links : {true, false}) {
        SCOPED_TRACE(links ? "links" : "no links");
        const std::size_t told = messageCount();
        failLinks(!links);
        failRenamesTo("castle.maze");
        program.form.savedrawingfiles("castle");
        failRenamesTo("fresh.maze");
        program.form.savedrawingfiles("fresh");
        failRenamesTo("");
        failLinks(false);
        EXPECT_EQ(messageCount(), told + 2);
        EXPECT_EQ(lastMessage(), "Error: bad file name.");
        EXPECT_EQ(fileBytes("castle.bmp"), picture);
        EXPECT_EQ(fileBytes("castle.maze"), maze);
        EXPECT_FALSE(fs::exists("fresh.bmp"));
        EXPECT_FALSE(fs::exists("fresh.maze"));
        EXPECT_EQ(savingTemporariesIn("."), 0);
    }
}

// Where even the way back fails (no hard links, and the picture's name refuses
// the earlier picture too), the save is told failed and its journal stays; the
// next start puts the earlier pair back.
TEST_F(DrawingFiles, AWayBackThatFailsIsFinishedAtTheNextStart) {
    program.form.savedrawingfiles("castle");
    const std::string maze = fileBytes("castle.maze"), picture = fileBytes("castle.bmp");
    program.form.canvas.fillBox(0, 0, 49, 49, 0x00FF00);
    failLinks(true);
    failRenamesTo("castle.bmp");
    program.form.savedrawingfiles("castle");
    failRenamesTo("");
    failLinks(false);
    EXPECT_EQ(lastMessage(), "Error: bad file name.");
    EXPECT_FALSE(fs::exists("castle.bmp")) << "set aside, and not yet back";
    EXPECT_GT(savingTemporariesIn("."), 0);
    removeLeftoverTemporaries(".");
    EXPECT_EQ(fileBytes("castle.bmp"), picture);
    EXPECT_EQ(fileBytes("castle.maze"), maze);
    EXPECT_EQ(savingTemporariesIn("."), 0);
}

// Temporaries never go through a name that is there already: planted links
// leave their target alone, and the save still succeeds.
TEST_F(DrawingFiles, PlantedTemporariesAreNeitherFollowedNorLeftBehind) {
    writeFileBytes("victim", "keep me");
    fs::create_symlink("victim", "castle.maze.saving");
    fs::create_symlink("victim", "castle.bmp.saving");
    for (const char* tag : {"AAAAAA", "tmp000", "zzzzzz"}) fs::create_symlink("victim", std::string(".tarnwick-") + tag);
    program.form.savedrawingfiles("castle");
    EXPECT_EQ(fileBytes("victim"), "keep me");
    EXPECT_TRUE(fs::is_symlink("castle.maze.saving"));
    EXPECT_TRUE(fs::is_regular_file("castle.maze"));
    EXPECT_GT(fs::file_size("castle.bmp"), 1000u);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(".")) ++entries;
    EXPECT_EQ(entries, 8) << "the pair, the victim and the five links";
}

// A link with one of the names the program writes, leading out of the
// directory: every write replaces the link or refuses it, and the file it leads
// to never changes.
TEST_F(DrawingFiles, WritesNeverGoThroughALink) {
    const fs::path outside = fs::path(workDir.path().string() + "-outside");
    fs::create_directories(outside);
    const std::vector<std::string> names = {"Left.pt", "3dpipeleft.pt", "drawing1.bmp", "castle.maze", "castle.bmp",
                                            "linked.pat", "up.pt"};
    for (const std::string& name : names) {
        writeFileBytes((outside / name).string(), "outside");
        fs::create_symlink(outside / name, name);
    }
    Form57& f = program.form;
    f.resetallpatternfiles();
    f.savesnapshot("drawing1.bmp");
    f.savedrawingfiles("castle");
    f.mazekind = 0;
    f.savepatternset("linked.pat");
    applyMazefile(f, "castle.maze");
    // The editor's recording adds to its pattern file: a link there is refused.
    ASSERT_TRUE(f.files.open(1, "up.pt", FileMode::Output));
    f.files.close(1);
    fs::remove("up.pt");
    fs::create_symlink(outside / "up.pt", "up.pt");
    EXPECT_FALSE(f.files.open(1, "up.pt", FileMode::Append));
    f.files.writeLine(1, {3});
    f.files.close(1);
    for (const std::string& name : names) EXPECT_TRUE(fileBytes((outside / name).string()) == "outside") << name;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status("Left.pt"))) << "the link was replaced";
    EXPECT_EQ(savingTemporariesIn("."), 0);
    fs::remove_all(outside);
}

// Under a file-size limit the write that passes it fails and is told; the
// program is not ended by the limit's signal. Run in a child of its own.
TEST_F(DrawingFiles, AFileSizeLimitFailsTheWriteAndEndsNothing) {
    for (const bool ignored : {true, false}) {
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            if (ignored) ignoreFileSizeSignal();
            const rlimit small{1024, 1024};
            if (::setrlimit(RLIMIT_FSIZE, &small) != 0) ::_exit(3);
            program.form.resetallpatternfiles();  // small files are written
            program.form.savesnapshot("drawing1.bmp");
            const bool told = messageCount() == 1 && !fs::exists("drawing1.bmp") && fs::exists("Left.pt") &&
                              savingTemporariesIn(".") == 0;
            ::_exit(told ? 0 : 4);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (ignored) {
            ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
            EXPECT_EQ(WEXITSTATUS(status), 0);
        } else {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the limit's signal ends a program";
        }
    }
}

// A typed name that leads to no regular file gets the panel's message at once.
TEST_F(DrawingFiles, LoadingSpecialFilesFailsAtOnce) {
    program.form.savedrawingfiles("good");
    fs::create_directory("folder.maze");
    fs::copy_file("good.bmp", "folder.bmp");
    ASSERT_EQ(::mkfifo("pipe.maze", 0600), 0);
    fs::copy_file("good.bmp", "pipe.bmp");
    fs::create_symlink("/dev/zero", "zero.maze");
    fs::copy_file("good.bmp", "zero.bmp");
    for (const char* name : {"folder", "pipe", "zero"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(program.form.loaddrawingfiles(name));
        EXPECT_EQ(lastMessage(), "Error: can't find file.");
    }
    fs::copy_file("good.maze", "zeropicture.maze");
    fs::create_symlink("/dev/zero", "zeropicture.bmp");
    ASSERT_EQ(::mkfifo("pipepicture.bmp", 0600), 0);
    fs::copy_file("good.maze", "pipepicture.maze");
    for (const char* name : {"zeropicture", "pipepicture"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(program.form.loaddrawingfiles(name));
        EXPECT_EQ(lastMessage(), "Error: can't find bitmap.");
    }
    EXPECT_FALSE(program.form.files.isOpen(1));
}

// A pattern file that cannot be replaced keeps its earlier content whole; the
// failure is told once, and the other pattern files are loaded.
TEST_F(DrawingFiles, APatternFileIsReplacedWholeOrNotAtAll) {
    for (int section = 1; section <= sectionCount; ++section)
        writeFileBytes(sectionPatternFile(section), "7\r\n9999,88\r\n");
    fs::remove("up.pt");
    fs::create_directory("up.pt");
    setStandardPalette(program.form);  // and white passages, as every program past its title has them
    for (int k = 1; k <= 16; ++k) program.form.passagecolors.set(k, 0xFFFFFF);
    std::vector<std::string> record = recordTexts(program.form);
    writeFileBytes("load.maze", mazefileText(record, plainSections()));
    const std::size_t before = messageCount();
    applyMazefile(program.form, "load.maze");
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(lastMessage(), "Error: can't use the file \"up.pt\" in the current directory. The program goes on with its own copies.");
    EXPECT_TRUE(fs::is_directory("up.pt"));
    EXPECT_EQ(fileBytes("Left.pt"), "1\r\n9999,88\r\n");
    EXPECT_EQ(fileBytes("3dpipedown.pt"), "4\r\n9999,88\r\n");
    EXPECT_EQ(savingTemporariesIn("."), 0);
}

// A disk that fills up halfway through a pattern file: the earlier file stays
// whole, and no temporary is left.
TEST_F(DrawingFiles, APatternFileCutShortByAFullDiskIsNotLoaded) {
    for (int section = 1; section <= sectionCount; ++section)
        writeFileBytes(sectionPatternFile(section), "7\r\n9999,88\r\n");
    std::string sections;
    for (int section = 1; section <= sectionCount; ++section) {
        for (int i = 0; i < 100; ++i) sections += "3\r\n";
        sections += "9999,88\r\n";
    }
    writeFileBytes("load.maze", mazefileText(recordTexts(program.form), sections));
    ASSERT_TRUE(program.form.files.open(1, "load.maze", FileMode::Input));
    // Files may grow to 64 bytes only, as on a disk with that much room left.
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    if (const auto record = program.form.readmazefilerecord())
        program.form.applymazefile(*record, Form57::MazefileReader::LoadPanel, 0);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(lastMessage(), "Error: can't use the file \"Left.pt\" in the current directory. The program goes on with its own copies.");
    for (int section = 1; section <= sectionCount; ++section)
        EXPECT_EQ(fileBytes(sectionPatternFile(section)), "7\r\n9999,88\r\n") << section;
    EXPECT_EQ(savingTemporariesIn("."), 0);
}

// A section without a move code is loaded as it is, value for value.
TEST_F(DrawingFiles, SectionsWithoutAMoveAreLoadedUnchanged) {
    std::string sections, zeros;
    for (int i = 0; i < 2000; ++i) zeros += "0\r\n";
    sections += zeros + "9999,88\r\n";
    for (int section = 2; section <= 11; ++section) sections += std::to_string((section - 1) % 4 + 1) + "\r\n9999,88\r\n";
    sections += "7\r\n,\r\n9999,88\r\n";
    writeFileBytes("load.maze", mazefileText(recordTexts(program.form), sections));
    applyMazefile(program.form, "load.maze");
    EXPECT_EQ(fileBytes("Left.pt"), zeros + "9999,88\r\n");
    EXPECT_EQ(fileBytes("Right.pt"), "2\r\n9999,88\r\n");
    EXPECT_EQ(fileBytes("3dpipedown.pt"), "7\r\n\r\n\r\n9999,88\r\n");
}

// A record that ends after the squares, read by a program that has no lattice yet.
TEST_F(DrawingFiles, SquaresWithoutALatticeAreTakenAsTheyAre) {
    Form57& f = program.form;
    f.wallsizex = f.wallsizey = f.gridstepx = f.gridstepy = Num();
    writeFileBytes("squares.maze", "10,10,19,19,0,71,561,78,568");
    applyMazefile(f, "squares.maze");
    EXPECT_EQ(f.startx1, 71);
    EXPECT_EQ(f.starty2, 568);
}

// With creation mode 0 neither the user nor the computer would make the maze;
// the menu shows the computer, and so the computer makes it.
TEST_F(DrawingFiles, CreationModeZeroIsTheComputer) {
    Form57& f = program.form;
    for (const auto& [text, expected] : {std::pair{"0", 1}, {"-1", -1}, {"1", 1}}) {
        std::vector<std::string> record = recordTexts(f);
        record[27] = text;
        writeFileBytes("mode.maze", mazefileText(record, plainSections()));
        f.creationmode = 5;
        applyMazefile(f, "mode.maze");
        EXPECT_EQ(f.creationmode, expected) << text;
    }
}

// A file may ask for a window larger than every screen: it gets the screens' size.
TEST_F(DrawingFiles, WindowSizesStayWithinTheScreens) {
    Form57& f = program.form;
    f.canvas.setSizeLimit(1024, 768);
    f.ui.setWindowState(WindowState::Normal);
    std::vector<std::string> record = recordTexts(f);
    record[35] = "150000";  // height
    record[36] = "150000";  // width
    writeFileBytes("huge.maze", mazefileText(record, plainSections()));
    applyMazefile(f, "huge.maze");
    EXPECT_EQ(f.ui.window().width, 1024 * 15);
    EXPECT_EQ(f.ui.window().height, 768 * 15);
}

}  // namespace
}  // namespace tarnwick::test
