// Every save replaces its file by a new one renamed over the name. A rename asks
// only the directory, so these tests check that the file's own protection still
// holds: a file the user may not write is refused as a file that cannot be
// created is, and a replaced file keeps its permission bits (and its owner and
// group where the process may set them). And the temporaries: short names of
// their own, which a killed run's leftovers never block.
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/headless_program.h"
#include "support/mazefile_text.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

constexpr uid_t nobody = 65534;
constexpr gid_t nogroup = 65534;

struct stat statusOf(const std::string& name) {
    struct stat info {};
    ::lstat(name.c_str(), &info);
    return info;
}

mode_t permissionsOf(const std::string& name) { return statusOf(name).st_mode & 07777; }

const char* const patternFileFailure =
    "Error: can't use the file \"up.pt\" in the current directory. The program goes on with its own copies.";
const char* const snapshotFailure =
    "Error: can't use the file \"drawing1.bmp\" in the current directory. The program goes on with its own copies.";

// One of the program's writers, asked to write `file` over what is there.
struct Writer {
    const char* what;
    const char* file;
    std::function<bool(Form57&)> write;  // false when the writer says it failed
    const char* refusal;                 // what the user is told when the file is refused; none when empty
};

// Through the panel, as the user saves one.
bool savePatternSet(Form57& f, const std::string& name = "mine") {
    f.mazekind = 0;
    f.commandtaken = 0;
    f.savepatterns_Click();
    f.ui.setControlText("Text5", name);
    f.Text5_KeyDown(13);
    return true;
}

bool recordMove(Form57& f) {
    // The pattern editor's recording, as editpat opens it.
    const bool opened = f.files.open(1, "up.pt", FileMode::Append);
    f.files.writeLine(1, {3});
    return f.files.close(1) && opened;
}

const Writer writers[] = {
    {"pattern set", "mine.pat", [](Form57& f) { return savePatternSet(f); }, "Error: bad file name."},
    {"drawing's mazefile", "castle.maze", [](Form57& f) { return f.savedrawingfiles("castle"), true; },
     "Error: bad file name."},
    {"drawing's picture", "castle.bmp", [](Form57& f) { return f.savedrawingfiles("castle"), true; },
     "Error: bad file name."},
    {"pattern file", "up.pt", [](Form57& f) { return f.resetpatternfile(0, 3), true; }, patternFileFailure},
    {"snapshot", "drawing1.bmp", [](Form57& f) { return f.savesnapshot("drawing1.bmp"), true; }, snapshotFailure},
    {"editor's recording", "up.pt", recordMove, ""},
};

class ReplacedFiles : public HeadlessProgramTest {
protected:
    void SetUp() override { program.form.canvas.fillBox(0, 0, 49, 49, 0x0000FF); }
    const std::vector<std::string>& messages() { return program.platform.messages(); }
};

// A private file stays private, as any user; root also gives it back its owner
// and group.
TEST_F(ReplacedFiles, AReplacedFileKeepsItsPermissions) {
    const bool root = ::geteuid() == 0;
    for (const Writer& w : writers) {
        SCOPED_TRACE(w.what);
        writeFileBytes(w.file, "earlier");
        ASSERT_EQ(::chmod(w.file, 0600), 0);
        if (root) {
            ASSERT_EQ(::chown(w.file, nobody, nogroup), 0);
        }
        const std::size_t told = messages().size();
        EXPECT_TRUE(w.write(program.form));
        EXPECT_EQ(messages().size(), told);
        EXPECT_NE(fileBytes(w.file), "earlier");
        EXPECT_EQ(permissionsOf(w.file), 0600u);
        if (root) {
            EXPECT_EQ(statusOf(w.file).st_uid, nobody);
            EXPECT_EQ(statusOf(w.file).st_gid, nogroup);
        }
        fs::remove(w.file);
    }
    EXPECT_EQ(savingTemporariesIn("."), 0);
}

// Runs `check` in a child process as a user other than root: the one running
// the tests, or nobody when that is root. What failed, empty when everything
// held; nothing when no such user can be had.
std::optional<std::string> asOrdinaryUser(const std::function<std::string()>& check) {
    constexpr int noUser = 77;
    int channel[2];
    if (::pipe(channel) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "no child";
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0) {
            if (::chmod(".", 0777) != 0 || ::setgroups(0, nullptr) != 0 || ::setresgid(nogroup, nogroup, nogroup) != 0 ||
                ::setresuid(nobody, nobody, nobody) != 0)
                ::_exit(noUser);
        }
        // A user namespace may leave the ids of root in force.
        if (::geteuid() == 0 || ::access("/", W_OK) == 0) ::_exit(noUser);
        const std::string failed = check();
        const bool sent = ::write(channel[1], failed.data(), failed.size()) == ssize_t(failed.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    std::string failed;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) failed.append(buffer, std::size_t(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == noUser) return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child ended with status " + std::to_string(status);
    return failed;
}

// A write-protected file is refused with the writer's own message and stays as
// it was, with no temporary left beside it.
TEST_F(ReplacedFiles, AWriteProtectedFileIsRefused) {
    const std::optional<std::string> failed = asOrdinaryUser([&] {
        std::string failed;
        for (const Writer& w : writers) {
            const std::string what = std::string(w.what) + ": ";
            HeadlessProgram fresh;  // whose first failing file is still to be told
            fresh.form.canvas.fillBox(0, 0, 49, 49, 0x0000FF);
            writeFileBytes(w.file, "earlier");
            ::chmod(w.file, 0444);
            if (w.write(fresh.form) && !*w.refusal) failed += what + "said written\n";
            if (fileBytes(w.file) != "earlier") failed += what + "replaced\n";
            if (permissionsOf(w.file) != 0444) failed += what + "bits changed\n";
            const std::vector<std::string> told = fresh.platform.messages();
            if (*w.refusal && told != std::vector<std::string>{w.refusal}) failed += what + "not told once\n";
            if (savingTemporariesIn(".") != 0) failed += what + "temporary left\n";
            fs::remove(w.file);
        }
        return failed;
    });
    if (!failed) GTEST_SKIP() << "no user other than root can be had here";
    EXPECT_EQ(*failed, "");
}

// Another user's file that everyone may write is replaced: its bits stay, and
// the owner becomes the one who saved it, which is no error.
TEST_F(ReplacedFiles, AnotherUsersOpenFileIsReplacedWithItsBits) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    writeFileBytes("mine.pat", "earlier");
    ASSERT_EQ(::chmod("mine.pat", 0666), 0);
    const std::optional<std::string> failed = asOrdinaryUser([&] {
        savePatternSet(program.form);
        return program.platform.messages().empty() ? std::string() : program.platform.lastMessage();
    });
    if (!failed) GTEST_SKIP() << "no user other than root can be had here";
    EXPECT_EQ(*failed, "");
    EXPECT_NE(fileBytes("mine.pat"), "earlier");
    EXPECT_EQ(permissionsOf("mine.pat"), 0666u);
    EXPECT_EQ(statusOf("mine.pat").st_uid, nobody);
}

// What a killed run left beside the names, under the names of today's
// temporaries or of earlier ones, never stops a save.
TEST_F(ReplacedFiles, LeftoversOfEarlierTemporariesDoNotStopASave) {
    for (const std::string name : {"castle.maze", "castle.bmp", "mine.pat"}) {
        writeFileBytes(name + ".saving", "left");
        for (int n = 1; n < 100; ++n) writeFileBytes(name + ".saving" + std::to_string(n), "left");
    }
    for (int n = 0; n < 50; ++n) writeFileBytes(".tarnwick-left" + std::to_string(n), "left");
    const int before = savingTemporariesIn(".");
    program.form.savedrawingfiles("castle");
    savePatternSet(program.form);
    EXPECT_TRUE(messages().empty()) << messages().back();
    EXPECT_GT(fs::file_size("castle.bmp"), 1000u);
    EXPECT_NE(fileBytes("castle.maze"), "");
    EXPECT_NE(fileBytes("mine.pat"), "");
    EXPECT_EQ(savingTemporariesIn("."), before);
}

// A name as long as a file's name may be, less the extension, saves: the
// temporary's name is short whatever the name.
TEST_F(ReplacedFiles, ANameOfTwoHundredAndFiftyCharactersSaves) {
    const std::string name(250, 'n');
    program.form.savedrawingfiles(name);
    savePatternSet(program.form, name);
    EXPECT_TRUE(messages().empty()) << messages().back();
    EXPECT_TRUE(fs::is_regular_file(name + ".maze"));
    EXPECT_TRUE(fs::is_regular_file(name + ".bmp"));
    EXPECT_TRUE(fs::is_regular_file(name + ".pat"));
    EXPECT_EQ(savingTemporariesIn("."), 0);
}

}  // namespace
}  // namespace tarnwick::test
