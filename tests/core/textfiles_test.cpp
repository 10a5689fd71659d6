#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "failing_close.h"
#include "platform/picture_files.h"
#include "platform/textfiles.h"
#include "support/headless_work_dir.h"

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using test::closeFailurePending;
using test::failNextClose;

// Each test works in a directory of its own; the file name is relative, as the program's are.
class TextFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tarnwick-textfiles-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        previous_ = fs::current_path();
        fs::current_path(dir_);
    }
    void TearDown() override {
        files.closeAll();
        fs::current_path(previous_);
        fs::remove_all(dir_);
    }

    static std::string contents(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void writeRaw(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    // Reads values until the end, marking empty places as "_" and stopping at a safe limit.
    std::string readAll(int number) {
        std::string out;
        for (int i = 0; i < 100; ++i) {
            const ReadValue v = files.read(number);
            if (v.atEnd) return out + "<end>";
            out += v.empty ? "_" : formatNumber(v.value);
            out += ' ';
        }
        return out + "<no end>";
    }

    TextFiles files;

private:
    fs::path dir_, previous_;
};

TEST(FormatNumber, PlainDecimalWithoutExponent) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"}, {12, "12"}, {-3, "-3"}, {0.5, "0.5"}, {-7.25, "-7.25"}, {0.1, "0.1"},
        {16777215, "16777215"}, {-5814440, "-5814440"}, {1e16, "10000000000000000"}, {1e-5, "0.00001"},
        {-0.0, "0"}, {std::numeric_limits<double>::quiet_NaN(), "0"},
        {std::numeric_limits<double>::infinity(), "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value), c.text) << c.value;
}

TEST_F(TextFilesTest, WritesCommaSeparatedLinesWithCrLf) {
    ASSERT_TRUE(files.open(3, "a.txt", FileMode::Output));
    EXPECT_TRUE(files.writeLine(3, {1, FileValue{}, -2.5, Num{}, Num{7}}));
    EXPECT_TRUE(files.writeLine(3, {9999}));
    EXPECT_TRUE(files.writeLine(3, {}));
    files.close(3);
    EXPECT_EQ(contents("a.txt"), "1,,-2.5,,7\r\n9999\r\n\r\n");
}

TEST_F(TextFilesTest, RoundTripKeepsValuesAndEmptyPlaces) {
    ASSERT_TRUE(files.open(1, "r.txt", FileMode::Output));
    files.writeLine(1, {5, FileValue{}, 0.1, -16777215});
    files.writeLine(1, {2});
    ASSERT_TRUE(files.open(1, "r.txt", FileMode::Input));  // reopening closes the writer first
    EXPECT_EQ(readAll(1), "5 _ 0.1 -16777215 2 <end>");
}

TEST_F(TextFilesTest, OutputTruncatesAndAppendAppends) {
    writeRaw("t.txt", "old,old\r\n");
    ASSERT_TRUE(files.open(2, "t.txt", FileMode::Output));
    files.writeLine(2, {1});
    ASSERT_TRUE(files.open(2, "t.txt", FileMode::Append));
    files.writeLine(2, {2});
    files.close(2);
    EXPECT_EQ(contents("t.txt"), "1\r\n2\r\n");
}

TEST_F(TextFilesTest, ReadsEveryLineEnding) {
    const struct {
        const char* bytes;
        const char* values;
    } cases[] = {
        {"1,2\r\n3\r\n", "1 2 3 <end>"},
        {"1,2\n3\n", "1 2 3 <end>"},
        {"1,2\r3\r", "1 2 3 <end>"},
        {"1\r\n\r\n2", "1 _ 2 <end>"},       // blank line: one empty value; no line end at the end
        {"1,\r\n", "1 _ <end>"},             // trailing comma
        {",,", "_ _ _ <end>"},
        {" 12abc , x\r\n", "12 0 <end>"},     // numeric prefix; text reads 0 but is not empty
        {"", "<end>"},
    };
    for (const auto& c : cases) {
        writeRaw("in.txt", c.bytes);
        ASSERT_TRUE(files.open(4, "in.txt", FileMode::Input));
        EXPECT_EQ(readAll(4), c.values) << '"' << c.bytes << '"';
    }
}

// Some editors save a text with a UTF-8 byte-order mark first: it is read past,
// and only at the very start.
TEST_F(TextFilesTest, AByteOrderMarkAtTheStartIsReadPast) {
    const struct {
        std::string bytes;
        const char* values;
    } cases[] = {
        {"\xEF\xBB\xBF" "12,3\r\n", "12 3 <end>"},
        {"\xEF\xBB\xBF" ",7\r\n", "_ 7 <end>"},
        {"\xEF\xBB\xBF", "<end>"},
        {"\xEF\xBB" "12\r\n", "0 <end>"},                     // not a whole mark
        {"5\r\n\xEF\xBB\xBF" "7\r\n", "5 0 <end>"},           // not at the start
        {"\xEF\xBB\xBF\xEF\xBB\xBF" "1\r\n", "0 <end>"},     // only one mark is a mark
    };
    for (const auto& c : cases) {
        writeRaw("in.txt", c.bytes);
        ASSERT_TRUE(files.open(4, "in.txt", FileMode::Input));
        EXPECT_EQ(readAll(4), c.values) << '"' << c.bytes << '"';
    }
}

TEST_F(TextFilesTest, PastTheEndStaysAtTheEnd) {
    writeRaw("e.txt", "4\r\n");
    ASSERT_TRUE(files.open(5, "e.txt", FileMode::Input));
    EXPECT_EQ(files.read(5).value, 4);
    for (int i = 0; i < 3; ++i) {
        const ReadValue v = files.read(5);
        EXPECT_TRUE(v.atEnd);
        EXPECT_EQ(v.value, 0);
    }
}

TEST_F(TextFilesTest, GarbageNeverHangsOrCrashes) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 37 % 256);
    const std::string longLine = std::string(1'000'000, '7') + "," + std::string(300'000, 'x');
    for (const std::string& bytes : {binary, longLine, std::string(10, '\0') + "5"}) {
        writeRaw("g.txt", bytes);
        ASSERT_TRUE(files.open(6, "g.txt", FileMode::Input));
        int reads = 0;
        while (!files.read(6).atEnd) ASSERT_LT(++reads, 100000);
    }
    writeRaw("g.txt", longLine);
    ASSERT_TRUE(files.open(6, "g.txt", FileMode::Input));
    EXPECT_TRUE(std::isfinite(files.read(6).value));  // a million sevens
    EXPECT_EQ(files.read(6).value, 0);                // the x's
    EXPECT_TRUE(files.read(6).atEnd);
}

TEST_F(TextFilesTest, BadNumbersAndWrongModesFailSafely) {
    for (const int bad : {0, 9, -1, 1000}) {
        EXPECT_FALSE(files.open(bad, "x.txt", FileMode::Output)) << bad;
        EXPECT_FALSE(files.writeLine(bad, {1})) << bad;
        EXPECT_TRUE(files.read(bad).atEnd) << bad;
        EXPECT_FALSE(files.isOpen(bad)) << bad;
        files.close(bad);
    }
    EXPECT_FALSE(fs::exists("x.txt"));

    EXPECT_FALSE(files.writeLine(1, {1}));  // never opened
    EXPECT_TRUE(files.read(1).atEnd);
    files.close(1);  // closing a closed number is no error

    ASSERT_TRUE(files.open(1, "w.txt", FileMode::Output));
    const ReadValue fromWriter = files.read(1);
    EXPECT_TRUE(fromWriter.atEnd);
    EXPECT_EQ(fromWriter.value, 0);

    writeRaw("in.txt", "1\r\n");
    ASSERT_TRUE(files.open(2, "in.txt", FileMode::Input));
    EXPECT_FALSE(files.writeLine(2, {5}));
    EXPECT_EQ(contents("in.txt"), "1\r\n");
}

TEST_F(TextFilesTest, MissingFileAndBadNamesLeaveTheNumberClosed) {
    ASSERT_TRUE(files.open(7, "w.txt", FileMode::Output));
    EXPECT_FALSE(files.open(7, "nosuchfile.txt", FileMode::Input));
    EXPECT_FALSE(files.isOpen(7));  // the old file was closed first
    EXPECT_FALSE(files.open(7, "", FileMode::Output));
    EXPECT_FALSE(files.open(7, "no/such/dir/f.txt", FileMode::Output));
    EXPECT_TRUE(files.read(7).atEnd);
}

TEST_F(TextFilesTest, NumbersAreIndependent) {
    ASSERT_TRUE(files.open(1, "one.txt", FileMode::Output));
    ASSERT_TRUE(files.open(8, "eight.txt", FileMode::Output));
    files.writeLine(1, {1});
    files.writeLine(8, {8});
    files.close(8);
    files.writeLine(1, {11});
    files.closeAll();
    EXPECT_EQ(contents("one.txt"), "1\r\n11\r\n");
    EXPECT_EQ(contents("eight.txt"), "8\r\n");
}


// Names that lead to no regular file: each fails to open at once, for reading
// and for writing, and leaves what is behind the name alone.
TEST_F(TextFilesTest, OnlyRegularFilesOpen) {
    fs::create_directory("folder.maze");
    ASSERT_EQ(::mkfifo("pipe.maze", 0600), 0);
    fs::create_symlink("/dev/zero", "zero.pt");
    fs::create_symlink("pipe.maze", "link-to-pipe.maze");
    for (const char* name : {"folder.maze", "pipe.maze", "zero.pt", "link-to-pipe.maze"}) {
        SCOPED_TRACE(name);
        for (FileMode mode : {FileMode::Input, FileMode::Output, FileMode::Append, FileMode::Create}) {
            EXPECT_FALSE(files.open(1, name, mode));
            EXPECT_FALSE(files.isOpen(1));
        }
    }
    EXPECT_TRUE(fs::is_fifo("pipe.maze"));
    // A link to a regular file is followed.
    writeRaw("real.pt", "4\r\n");
    fs::create_symlink("real.pt", "linked.pt");
    ASSERT_TRUE(files.open(1, "linked.pt", FileMode::Input));
    EXPECT_EQ(readAll(1), "4 <end>");
}

// What lies past a file's cap counts as the end of the file, so a huge file
// costs no more than its cap; the caps follow the kind of file.
TEST_F(TextFilesTest, ReadsStopAtTheCapOfTheirKind) {
    EXPECT_EQ(readCapFor("up.pt"), patternFileCap);
    EXPECT_EQ(readCapFor("mine.3d-pipe-pat"), patternSetCap);
    EXPECT_EQ(readCapFor("castle.maze"), mazefileCap);
    // One value as long as the cap and a bit: read as one value, then the end.
    writeRaw("Left.pt", std::string(patternFileCap + 10, '7') + ",3,9999,88\r\n");
    ASSERT_TRUE(files.open(1, "Left.pt", FileMode::Input));
    const ReadValue big = files.read(1);
    EXPECT_FALSE(big.atEnd);
    EXPECT_TRUE(files.read(1).atEnd);
    // The same bytes in a mazefile are read to the end.
    writeRaw("castle.maze", std::string(patternFileCap + 10, '7') + ",3,9999,88\r\n");
    ASSERT_TRUE(files.open(2, "castle.maze", FileMode::Input));
    files.read(2);
    EXPECT_EQ(readAll(2), "3 9999 88 <end>");
}

// A new file is never opened through a name that exists, a link included; a
// temporary has a short new name of its own in its target's directory, and
// leaves what it found alone.
TEST_F(TextFilesTest, NewFilesNeverReuseAName) {
    writeRaw("target", "keep me");
    fs::create_symlink("target", "castle.maze.saving");
    EXPECT_FALSE(files.open(1, "castle.maze.saving", FileMode::Create));
    fs::create_directory("sub");
    FileHandle lock;
    const std::string temporary = files.openTemporary(1, "sub/castle.maze", lock);
    EXPECT_EQ(temporary.size(), std::string("sub/.tarnwick-123456").size());
    EXPECT_EQ(temporary.rfind("sub/.tarnwick-", 0), 0u) << temporary;
    ASSERT_TRUE(files.writeLine(1, {5}));
    EXPECT_TRUE(files.close(1));
    EXPECT_EQ(contents(temporary), "5\r\n");
    EXPECT_FALSE(fs::exists("sub/castle.maze")) << "the caller moves it in";
    EXPECT_NE(files.openTemporary(1, "sub/castle.maze", lock), temporary);
    files.close(1);
    EXPECT_EQ(contents("target"), "keep me");
    EXPECT_TRUE(fs::is_symlink("castle.maze.saving"));
    EXPECT_EQ(files.openTemporary(1, "nowhere/castle.maze", lock), "");
    EXPECT_FALSE(files.isOpen(1));
}

// An addition replaces the file whole, as every write does: the name holds the
// earlier file until the number is closed, then the earlier bytes and the
// added lines, and a second name of the earlier file (a hard link) still holds
// it unchanged. Its permissions stay.
TEST_F(TextFilesTest, AppendReplacesTheFileWhole) {
    writeRaw("up.pt", "3\r\n3");  // no line end at the end: kept as it is
    ASSERT_EQ(::chmod("up.pt", 0640), 0);
    fs::create_hard_link("up.pt", "earlier.pt");
    ASSERT_TRUE(files.open(1, "up.pt", FileMode::Append));
    ASSERT_TRUE(files.writeLine(1, {4}));
    ASSERT_TRUE(files.writeLine(1, {9999, 88}));
    EXPECT_EQ(contents("up.pt"), "3\r\n3");
    EXPECT_TRUE(files.close(1));
    EXPECT_EQ(contents("up.pt"), "3\r\n34\r\n9999,88\r\n");
    EXPECT_EQ(contents("earlier.pt"), "3\r\n3");
    EXPECT_EQ(fs::status("up.pt").permissions(), fs::perms(0640));
    // A missing file is made.
    ASSERT_TRUE(files.open(1, "new.pt", FileMode::Append));
    files.writeLine(1, {1});
    EXPECT_TRUE(files.close(1));
    EXPECT_EQ(contents("new.pt"), "1\r\n");
    EXPECT_EQ(test::savingTemporariesIn("."), 0) << "a temporary was left";
}

// ---- the temporaries that replace a file ----

mode_t bitsOf(const std::string& name) {
    struct stat info {};
    ::lstat(name.c_str(), &info);
    return info.st_mode & 07777;
}

std::vector<std::string> temporariesHere() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("."))
        if (entry.path().filename().string().rfind(".tarnwick-", 0) == 0) names.push_back(entry.path().string());
    return names;
}

class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : previous_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(previous_); }

private:
    mode_t previous_;
};

// However open the umask and the file it replaces, a temporary is its owner's
// alone while it is written; it takes the file's bits, or for a new name the
// umask's, only when it is complete.
TEST_F(TextFilesTest, ATemporaryIsOwnerOnlyUntilItTakesItsName) {
    const ScopedUmask open(0);
    const struct {
        const char* name;
        FileMode mode;
        mode_t earlier;  // 0: no file yet
        mode_t done;
    } cases[] = {{"shared.maze", FileMode::Output, 0644, 0644},
                 {"shared.pt", FileMode::Append, 0604, 0604},
                 {"private.maze", FileMode::Output, 0600, 0600},
                 {"new.maze", FileMode::Output, 0, 0666}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.earlier) {
            writeRaw(c.name, "earlier\r\n");
            ASSERT_EQ(::chmod(c.name, c.earlier), 0);
        }
        ASSERT_TRUE(files.open(1, c.name, c.mode));
        ASSERT_TRUE(files.writeLine(1, {7}));
        const std::vector<std::string> written = temporariesHere();
        ASSERT_EQ(written.size(), 1u);
        EXPECT_EQ(bitsOf(written[0]), 0600u);
        EXPECT_TRUE(files.close(1));
        EXPECT_EQ(bitsOf(c.name), c.done);
    }
    EXPECT_TRUE(temporariesHere().empty());
}

// A close that reports an error is a failed write, whichever way the file was
// opened: the earlier file stays and no temporary is left.
TEST_F(TextFilesTest, AFailedCloseIsAFailedWrite) {
    for (const FileMode mode : {FileMode::Output, FileMode::Append}) {
        writeRaw("up.pt", "3\r\n");
        ASSERT_TRUE(files.open(1, "up.pt", mode));
        ASSERT_TRUE(files.writeLine(1, {4}));
        failNextClose("/.tarnwick-");
        EXPECT_FALSE(files.close(1));
        EXPECT_FALSE(closeFailurePending());
        EXPECT_EQ(contents("up.pt"), "3\r\n");
    }
    EXPECT_TRUE(temporariesHere().empty());
    ASSERT_TRUE(files.open(1, "new.txt", FileMode::Create));
    ASSERT_TRUE(files.writeLine(1, {4}));
    failNextClose("/new.txt");
    EXPECT_FALSE(files.close(1));
    FileHandle lock;
    ASSERT_NE(files.openTemporary(1, "castle.maze", lock), "");
    ASSERT_TRUE(files.writeLine(1, {4}));
    failNextClose("/.tarnwick-");
    EXPECT_FALSE(files.close(1));
    EXPECT_FALSE(closeFailurePending());
}

// The picture's writer checks its close as well.
TEST_F(TextFilesTest, AFailedCloseFailsAPictureSave) {
    writeRaw("drawing1.bmp", "earlier");
    Picture picture(4, 3);
    failNextClose("/.tarnwick-");
    EXPECT_FALSE(savePictureFile(picture, "drawing1.bmp"));
    EXPECT_FALSE(closeFailurePending());
    EXPECT_EQ(contents("drawing1.bmp"), "earlier");
    EXPECT_TRUE(temporariesHere().empty());
    EXPECT_TRUE(savePictureFile(picture, "drawing1.bmp"));
}

// A temporary that another run has open stays; once that run is killed, the
// next clean-up removes it. Links and other names are never touched.
TEST_F(TextFilesTest, ACleanUpRemovesOnlyTheTemporariesOfEndedRuns) {
    writeRaw("target", "keep me");
    fs::create_symlink("target", ".tarnwick-linked");
    writeRaw(".tarnwick-longer1", "not one of ours");
    writeRaw(".tarnwick-AbC123", "left by a run long gone");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t writer = ::fork();
    ASSERT_NE(writer, -1);
    if (writer == 0) {
        TextFiles own;
        const bool opened = own.open(1, "up.pt", FileMode::Append) && own.writeLine(1, {3});
        ::write(ready[1], opened ? "y" : "n", 1);
        ::pause();  // until killed, the file half written
        ::_exit(0);
    }
    ::close(ready[1]);
    char opened = 0;
    ASSERT_EQ(::read(ready[0], &opened, 1), 1);
    ::close(ready[0]);
    EXPECT_EQ(opened, 'y');
    // The same process holding a temporary through another descriptor counts as live too.
    FileHandle lock;
    const std::string mine = files.openTemporary(2, "castle.maze", lock);
    ASSERT_NE(mine, "");
    removeLeftoverTemporaries(".");
    EXPECT_FALSE(fs::exists(".tarnwick-AbC123"));
    EXPECT_EQ(temporariesHere().size(), 4u) << "the live run's, this one's, the link and the other name";
    ::kill(writer, SIGKILL);
    ASSERT_EQ(::waitpid(writer, nullptr, 0), writer);
    removeLeftoverTemporaries(".");
    EXPECT_EQ(temporariesHere().size(), 3u) << "this one's, the link and the other name";
    EXPECT_TRUE(fs::exists(mine));
    EXPECT_TRUE(fs::is_symlink(".tarnwick-linked"));
    EXPECT_EQ(contents("target"), "keep me");
    EXPECT_FALSE(fs::exists("up.pt"));
}

// ---- files served from memory ----

class ServedFilesTest : public TextFilesTest {
protected:
    void SetUp() override {
        TextFilesTest::SetUp();
        files.serveFromMemory("Left.pt", "1,9999,88\r\n");
    }
    std::string readServed() {
        EXPECT_TRUE(files.open(1, "Left.pt", FileMode::Input));
        return readAll(1);
    }
};

// A served file reads exactly as the file itself does, then never again from the disk.
TEST_F(ServedFilesTest, ReadsAsTheFileDoesThenFromMemory) {
    const std::string big = std::string(patternFileCap - 2, ' ') + "7,3\r\n";  // the cap cuts the 7's line
    for (const std::string& bytes :
         {std::string("1,2\r\n3\r\n"), std::string("1\r\n\r\n2"), std::string("1,\r\n"), std::string(",,"),
          std::string(" 12abc , x\r\n2.5\r\n9999,88\r\n"), std::string(""), std::string("\xEF\xBB\xBF" "4,5\r\n"),
          big}) {
        writeRaw("Left.pt", bytes);
        writeRaw("plain.pt", bytes);
        ASSERT_TRUE(files.open(2, "plain.pt", FileMode::Input));
        const std::string fromDisk = readAll(2);
        // Renewed by a write of the program, so the next read takes the file as it is now.
        ASSERT_TRUE(files.open(1, "Left.pt", FileMode::Output));
        ASSERT_TRUE(files.close(1));
        writeRaw("Left.pt", bytes);
        EXPECT_EQ(readServed(), fromDisk) << '"' << bytes.substr(0, 40) << '"';
        fs::remove("Left.pt");
        fs::create_directory("Left.pt");
        EXPECT_EQ(readServed(), fromDisk) << "read from memory";
        fs::remove("Left.pt");
    }
}

// A name that cannot be read serves the fallback; a file that is not there is
// missing as any other file is.
TEST_F(ServedFilesTest, AnUnreadableFileServesItsFallback) {
    EXPECT_FALSE(files.open(1, "Left.pt", FileMode::Input));
    EXPECT_FALSE(files.isOpen(1));
    fs::create_directory("Left.pt");
    EXPECT_EQ(readServed(), "1 9999 88 <end>");
}

// What the program writes is served even when the disk refuses it, and the
// file on disk is left as it was.
TEST_F(ServedFilesTest, AWriteTheDiskRefusesIsServedFromMemory) {
    fs::create_directory("Left.pt");
    EXPECT_FALSE(files.open(1, "Left.pt", FileMode::Output));
    EXPECT_TRUE(files.isOpen(1));
    EXPECT_FALSE(files.writeLine(1, {3}));
    EXPECT_FALSE(files.writeLine(1, {2.5, FileValue{}}));
    EXPECT_FALSE(files.close(1));
    EXPECT_EQ(readServed(), "3 2.5 _ <end>");
    EXPECT_FALSE(files.open(1, "Left.pt", FileMode::Append));
    files.writeLine(1, {9999, 88});
    EXPECT_EQ(readServed(), "3 2.5 _ 9999 88 <end>");
    EXPECT_TRUE(fs::is_directory("Left.pt"));
    EXPECT_TRUE(fs::is_empty("Left.pt"));
}

// A reader keeps the values it opened while the file is written anew.
TEST_F(ServedFilesTest, AReaderKeepsWhatItOpened) {
    writeRaw("Left.pt", "4,4,4\r\n");
    ASSERT_TRUE(files.open(1, "Left.pt", FileMode::Input));
    EXPECT_EQ(files.read(1).value, 4);
    ASSERT_TRUE(files.open(2, "Left.pt", FileMode::Output));
    files.writeLine(2, {1});
    EXPECT_EQ(readAll(1), "4 4 <end>");
    files.close(2);
    EXPECT_EQ(contents("Left.pt"), "1\r\n");
}

}  // namespace
}  // namespace tarnwick
