// Every save replaces its file by a new one renamed over the name. A rename asks
// only the directory, so these tests check that the file's own protection still
// holds: a file the user may not write is refused as a file that cannot be
// created is, and a replaced file keeps its permission bits (and its owner and
// group where the process may set them). And the temporaries: short names of
// their own, which a killed run's leftovers never block.
#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdio>

#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "save_steps.h"
#include "support/headless_program.h"
#include "platform/plain_file.h"
#include "platform/save_journal.h"
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

// An access list as the kernel keeps it: version 2, then (tag, permissions,
// id) entries in order of tag and id.
std::string accessList(std::initializer_list<std::array<std::uint32_t, 3>> entries) {
    std::string bytes;
    const auto put = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(2, 4);
    for (const auto& [tag, permissions, id] : entries) put(tag, 2), put(permissions, 2), put(id, 4);
    return bytes;
}

std::string accessListOf(const std::string& file) {
    std::string list(512, '\0');
    const ssize_t size = ::getxattr(file.c_str(), "system.posix_acl_access", list.data(), list.size());
    list.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    return list;
}

// An access list that shuts one user out of a file everyone else may read
// holds for the file that replaces it.
TEST_F(ReplacedFiles, AReplacedFileKeepsItsAccessList) {
    constexpr std::uint32_t userObj = 0x01, user = 0x02, groupObj = 0x04, mask = 0x10, other = 0x20, none = ~0u;
    const std::string list = accessList(
        {{userObj, 6, none}, {user, 0, nobody}, {groupObj, 4, none}, {mask, 4, none}, {other, 4, none}});
    for (const Writer& w : writers) {
        SCOPED_TRACE(w.what);
        writeFileBytes(w.file, "earlier");
        ASSERT_EQ(::chmod(w.file, 0644), 0);
        if (::setxattr(w.file, "system.posix_acl_access", list.data(), list.size(), 0) != 0)
            GTEST_SKIP() << "no access lists on this file system";
        EXPECT_TRUE(w.write(program.form));
        EXPECT_NE(fileBytes(w.file), "earlier");
        EXPECT_EQ(accessListOf(w.file), list);
        EXPECT_EQ(permissionsOf(w.file), 0644u);
        fs::remove(w.file);
    }
}

// Runs `check` in a child process after `become` made it someone else; what
// failed, empty when everything held. Nothing when `become` could not.
std::optional<std::string> inChild(const std::function<bool()>& become, const std::function<std::string()>& check) {
    constexpr int noUser = 77;
    int channel[2];
    if (::pipe(channel) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "no child";
    if (child == 0) {
        ::close(channel[0]);
        if (!become()) ::_exit(noUser);
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

// Runs `check` in a child process as a user other than root: the one running
// the tests, or nobody when that is root, in a directory with `directoryBits`
// that the user may write. Nothing when no such user can be had.
std::optional<std::string> asOrdinaryUser(const std::function<std::string()>& check, mode_t directoryBits = 0777) {
    return inChild(
        [directoryBits] {
            if (::geteuid() == 0 &&
                (::chmod(".", directoryBits) != 0 || ::setgroups(0, nullptr) != 0 ||
                 ::setresgid(nogroup, nogroup, nogroup) != 0 || ::setresuid(nobody, nobody, nobody) != 0))
                return false;
            // A user namespace may leave the ids of root in force.
            return ::geteuid() != 0 && ::access("/", W_OK) != 0;
        },
        check);
}

// Runs `check` as root of a user namespace of its own, where only root's ids
// are mapped, as in a rootless container: another user's file has an owner
// the process cannot give. Nothing where such a namespace cannot be made.
std::optional<std::string> inNamespaceMappingOnlyRoot(const std::function<std::string()>& check) {
    return inChild(
        [] {
            const auto put = [](const char* file, const std::string& text) {
                const int fd = ::open(file, O_WRONLY);
                const bool written = fd >= 0 && ::write(fd, text.data(), text.size()) == ssize_t(text.size());
                if (fd >= 0) ::close(fd);
                return written;
            };
            const std::string uid = std::to_string(::geteuid()), gid = std::to_string(::getegid());
            return ::unshare(CLONE_NEWUSER) == 0 && put("/proc/self/setgroups", "deny") &&
                   put("/proc/self/uid_map", "0 " + uid + " 1") && put("/proc/self/gid_map", "0 " + gid + " 1");
        },
        check);
}

using Runner = std::function<std::optional<std::string>(const std::function<std::string()>&)>;

// For each writer: `prepare` makes its file as the tests' user, the writer saves
// it in a fresh program in a child that `run` made someone else, and `check`
// looks at what it left. What failed, empty when everything held; nothing when
// `run` cannot be had here.
std::optional<std::string> eachWriterSavesIn(const Runner& run, const std::function<void(const Writer&)>& prepare,
                                             const std::function<std::string(const Writer&)>& check) {
    std::string failed;
    for (const Writer& w : writers) {
        const std::string what = std::string(w.what) + ": ";
        fs::remove(w.file);  // an earlier writer's, of the user who saved it
        prepare(w);
        const std::optional<std::string> saved = run([&] {
            HeadlessProgram fresh;
            fresh.form.canvas.fillBox(0, 0, 49, 49, 0x0000FF);
            std::string problems = w.write(fresh.form) ? "" : "said failed\n";
            for (const std::string& told : fresh.platform.messages()) problems += told + "\n";
            return problems;
        });
        if (!saved) return std::nullopt;
        if (!saved->empty()) failed += what + *saved;
        if (fileBytes(w.file) == "earlier") failed += what + "not replaced\n";
        const std::string wrong = check(w);
        if (!wrong.empty()) failed += what + wrong + "\n";
        fs::remove(w.file);
    }
    return failed;
}

// The owner, group and bits of `file` as "uid:gid 0mode".
std::string ownershipOf(const std::string& file) {
    const struct stat info = statusOf(file);
    char bits[8];
    std::snprintf(bits, sizeof bits, "%04o", unsigned(info.st_mode & 07777));
    return std::to_string(info.st_uid) + ":" + std::to_string(info.st_gid) + " " + bits;
}

const Runner ordinaryUser = [](const std::function<std::string()>& check) { return asOrdinaryUser(check); };

// Saved by a user outside the file's group, the file comes back in the user's
// own group, which may then read no more than everyone could.
TEST_F(ReplacedFiles, AGroupThatCannotBeKeptGetsNoMoreThanEveryoneHad) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    const std::pair<mode_t, const char*> cases[] = {{0640, "0600"}, {0664, "0644"}};
    for (const auto& [before, after] : cases) {
        const std::optional<std::string> failed = eachWriterSavesIn(
            ordinaryUser,
            [before = before](const Writer& w) {
                writeFileBytes(w.file, "earlier");
                ::chown(w.file, nobody, 0);
                ::chmod(w.file, before);
            },
            [after = after](const Writer& w) {
                const std::string expected = std::to_string(nobody) + ":" + std::to_string(nogroup) + " " + after;
                return ownershipOf(w.file) == expected ? "" : ownershipOf(w.file);
            });
        if (!failed) GTEST_SKIP() << "no user other than root can be had here";
        EXPECT_EQ(*failed, "") << "from " << before;
    }
}

// Saved by a user who cannot keep its owner, a set-id file becomes the user's
// without its set-id bits.
TEST_F(ReplacedFiles, AnOwnerThatCannotBeKeptTakesNoSetIdBits) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    const std::optional<std::string> failed = eachWriterSavesIn(
        ordinaryUser,
        [](const Writer& w) {
            writeFileBytes(w.file, "earlier");
            ::chmod(w.file, 06666);
        },
        [](const Writer& w) {
            const std::string expected = std::to_string(nobody) + ":" + std::to_string(nogroup) + " 0666";
            return ownershipOf(w.file) == expected ? "" : ownershipOf(w.file);
        });
    if (!failed) GTEST_SKIP() << "no user other than root can be had here";
    EXPECT_EQ(*failed, "");
}

// In a user namespace that does not map the file's owner, giving it back fails
// as no other failure does (EINVAL); the file is saved all the same, the
// saver's, with its bits.
TEST_F(ReplacedFiles, AnOwnerTheNamespaceDoesNotMapStillSaves) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    ASSERT_EQ(::chmod(".", 0777), 0);
    const std::optional<std::string> failed = eachWriterSavesIn(
        inNamespaceMappingOnlyRoot,
        [](const Writer& w) {
            writeFileBytes(w.file, "earlier");
            ::chown(w.file, nobody, nogroup);
            ::chmod(w.file, 0666);
        },
        [](const Writer& w) { return ownershipOf(w.file) == "0:0 0666" ? "" : ownershipOf(w.file); });
    if (!failed) GTEST_SKIP() << "no user namespace can be made here";
    EXPECT_EQ(*failed, "");
}

// A link is replaced, never written through; the new file is as private as the
// one the link led to, which stays as it was.
TEST_F(ReplacedFiles, ALinkToAPrivateFileIsReplacedByAPrivateFile) {
    for (const Writer& w : writers) {
        if (std::string(w.what) == "editor's recording") continue;  // an addition refuses a link
        SCOPED_TRACE(w.what);
        writeFileBytes("private", "earlier");
        ASSERT_EQ(::chmod("private", 0600), 0);
        fs::remove(w.file);
        fs::create_symlink("private", w.file);
        const std::size_t told = messages().size();
        w.write(program.form);
        EXPECT_EQ(messages().size(), told);
        EXPECT_TRUE(S_ISREG(statusOf(w.file).st_mode));
        EXPECT_EQ(permissionsOf(w.file), 0600u);
        EXPECT_EQ(fileBytes("private"), "earlier");
        fs::remove(w.file);
    }
}

// In a shared sticky directory another user's drawing that everyone may write
// still cannot be replaced: the save is refused and leaves nothing behind.
TEST_F(ReplacedFiles, AnotherUsersDrawingInAStickyDirectoryIsRefusedLeavingNothing) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    for (const char* file : {"castle.maze", "castle.bmp"}) {
        writeFileBytes(file, "earlier");
        ASSERT_EQ(::chmod(file, 0666), 0);
    }
    const std::optional<std::string> failed = asOrdinaryUser(
        [&] {
            program.form.savedrawingfiles("castle");
            std::string failed;
            for (const std::string& told : program.platform.messages())
                if (told != "Error: bad file name.") failed += told + "\n";
            if (program.platform.messages().size() != 1) failed += "not told once\n";
            return failed;
        },
        01777);
    if (!failed) GTEST_SKIP() << "no user other than root can be had here";
    EXPECT_EQ(*failed, "");
    EXPECT_EQ(fileBytes("castle.maze"), "earlier");
    EXPECT_EQ(fileBytes("castle.bmp"), "earlier");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(".")) ++entries;
    EXPECT_EQ(entries, 2) << "a temporary or a second name was left";
}

// A run killed while it writes leaves its temporary readable by its owner
// alone, however open the file it was to replace and the umask; the next run
// removes it at its start.
TEST_F(ReplacedFiles, AKilledRunsTemporaryIsOwnerOnlyAndGoesAtTheNextStart) {
    for (const Writer& w : writers) {
        SCOPED_TRACE(w.what);
        writeFileBytes(w.file, "earlier");
        ASSERT_EQ(::chmod(w.file, 0666), 0);
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);  // the limit's signal kills it in the middle of a write
            ::umask(0);
            const rlimit small{8, 8};
            if (::setrlimit(RLIMIT_FSIZE, &small) != 0) ::_exit(3);
            w.write(program.form);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "status " << status;
        EXPECT_EQ(fileBytes(w.file), "earlier");
        int left = 0;
        for (const auto& entry : fs::directory_iterator(".")) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(".tarnwick-", 0) != 0) continue;
            ++left;
            EXPECT_EQ(permissionsOf(name), 0600u) << name;
        }
        EXPECT_GT(left, 0);
        HeadlessProgram next;
        next.form.startup();
        EXPECT_EQ(savingTemporariesIn("."), 0);
        EXPECT_EQ(fileBytes(w.file), "earlier");
        fs::remove(w.file);
    }
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


// ---- a save stopped between two of its steps ----

// The drawing's pair as bytes; empty strings for files that are not there.
struct Pair {
    std::string picture, record;
    bool operator==(const Pair&) const = default;
};

Pair pairOf(const std::string& name) {
    const auto bytes = [](const std::string& file) { return fs::exists(file) ? fileBytes(file) : std::string(); };
    return {bytes(name + ".bmp"), bytes(name + ".maze")};
}

void putPair(const std::string& name, const Pair& pair) {
    fs::remove(name + ".bmp");
    fs::remove(name + ".maze");
    if (!pair.picture.empty()) writeFileBytes(name + ".bmp", pair.picture);
    if (!pair.record.empty()) writeFileBytes(name + ".maze", pair.record);
}

constexpr int savedWhole = 10, stoppedThere = 11;

// Runs `save` in a child killed before its `step`th name-changing step; true
// when the save ended before that step.
bool killedBeforeStep(int step, const std::function<void()>& save) {
    const pid_t child = ::fork();
    if (child == 0) {
        stopBeforeStep(step, [] { ::_exit(stoppedThere); });
        save();
        ::_exit(stepReached() ? stoppedThere : savedWhole);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status)) << "status " << status;
    return WIFEXITED(status) && WEXITSTATUS(status) == savedWhole;
}

class StoppedSaves : public ReplacedFiles {
protected:
    // The earlier pair, blue with its own passage colour, and the new one, green.
    void SetUp() override {
        ReplacedFiles::SetUp();
        program.form.passagecolors.set(1, 0x123456);
        program.form.savedrawingfiles("castle");
        earlier = pairOf("castle");
        program.form.canvas.fillBox(0, 0, 49, 49, 0x00FF00);
        program.form.passagecolors.set(1, 0x654321);
        program.form.savedrawingfiles("castle");
        later = pairOf("castle");
        ASSERT_NE(earlier.picture, later.picture);
        ASSERT_NE(earlier.record, later.record);
        ASSERT_TRUE(messages().empty());
    }
    void TearDown() override { failLinks(false); }

    // Each way a user's files may be: with hard links or without, over an
    // earlier pair or none.
    template <typename Check>
    void forEachStart(const Check& check) {
        for (const bool links : {true, false})
            for (const bool hadPair : {true, false}) {
                SCOPED_TRACE(std::string(links ? "links" : "no links") + (hadPair ? ", earlier pair" : ", no pair"));
                failLinks(!links);
                check(hadPair ? earlier : Pair{});
                failLinks(false);
            }
    }
    void save() { program.form.savedrawingfiles("castle"); }

    Pair earlier, later;
};

// A kill before any step of a save, then the next start: a whole pair is
// under the name, the earlier one or the new one, and nothing of the save is
// left. So too when that start is killed as it settles, and the one after it
// settles.
TEST_F(StoppedSaves, AKilledSaveLeavesAWholePairAfterTheNextStart) {
    forEachStart([&](const Pair& before) {
        int step = 1;
        for (bool whole = false; !whole && step < 100; ++step) {
            bool settled = false;
            for (int settling = 1; !settled && settling < 100; ++settling) {
                SCOPED_TRACE("save killed before step " + std::to_string(step) + ", its next start before step " +
                             std::to_string(settling));
                putPair("castle", before);
                whole = killedBeforeStep(step, [&] { save(); });
                settled = killedBeforeStep(settling, [] { removeLeftoverTemporaries("."); });
                removeLeftoverTemporaries(".");
                const Pair after = pairOf("castle");
                EXPECT_TRUE(after == before || after == later);
                if (whole) {
                    EXPECT_EQ(after, later);
                }
                EXPECT_EQ(savingTemporariesIn("."), 0);
            }
        }
        EXPECT_GT(step, 3) << "a save of a few steps only";
    });
}

// A kill before any step of a save, then a later save of the same name (by
// another run, or another user, before any start settled the first): the next
// start leaves the later pair whole. A copy the killed save set aside of the
// earlier picture may stay beside it, never anything else of that save.
TEST_F(StoppedSaves, AKilledSaveThatALaterSaveOvertookLeavesTheLaterPair) {
    const auto saveAgain = [&](long colour, long passage) {
        program.form.canvas.fillBox(0, 0, 49, 49, colour);
        program.form.passagecolors.set(1, passage);
        save();
    };
    saveAgain(0x0000FF, 0x111111);
    const Pair latest = pairOf("castle");
    ASSERT_NE(latest, later);
    forEachStart([&](const Pair& before) {
        bool whole = false;
        for (int step = 1; !whole && step < 100; ++step) {
            SCOPED_TRACE("save killed before step " + std::to_string(step));
            putPair("castle", before);
            whole = killedBeforeStep(step, [&] { saveAgain(0x00FF00, 0x654321); });
            saveAgain(0x0000FF, 0x111111);
            removeLeftoverTemporaries(".");
            EXPECT_EQ(pairOf("castle"), latest);
            for (const auto& entry : fs::directory_iterator(".")) {
                const std::string name = entry.path().filename().string();
                if (name.rfind(".tarnwick-", 0) != 0) continue;
                EXPECT_TRUE(isKeptName(name)) << name << " left";
                EXPECT_EQ(fileBytes(name), before.picture) << name;
                fs::remove(entry.path());
            }
        }
    });
}

// Another run that starts before any step of a save (a clean-up in a process
// of its own) removes nothing of it: the save ends whole, told nothing.
TEST_F(StoppedSaves, AStartBesideARunningSaveRemovesNothingOfIt) {
    forEachStart([&](const Pair& before) {
        bool whole = false;
        for (int step = 1; !whole && step < 100; ++step) {
            SCOPED_TRACE("a start before step " + std::to_string(step));
            putPair("castle", before);
            stopBeforeStep(step, [] {
                const pid_t start = ::fork();
                if (start == 0) {
                    removeLeftoverTemporaries(".");
                    ::_exit(0);
                }
                ::waitpid(start, nullptr, 0);
            });
            save();
            whole = !stepReached();
            EXPECT_TRUE(messages().empty()) << messages().back();
            EXPECT_EQ(pairOf("castle"), later);
            EXPECT_EQ(savingTemporariesIn("."), 0);
        }
    });
}

// The clean-up leaves alone whatever is not the running user's own leftover:
// another user's file of a temporary's name (where one can be had), a user's
// drawing whose name only looks like one, and a copy a save set aside, which
// may be another user's file (only the save's journal settles it).
TEST_F(ReplacedFiles, ACleanUpLeavesWhatIsNotItsOwn) {
    writeFileBytes(".tarnwick-AB.bmp", "a drawing named .tarnwick-AB");
    writeFileBytes(".tarnwick-A.maze", "its settings");
    writeFileBytes(".tarnwick-Mine01", "left by a run of this user");
    writeFileBytes(".tarnwick-kept-Mine02", "a user's earlier picture that a killed save set aside");
    const bool root = ::geteuid() == 0;
    if (root) {
        writeFileBytes(".tarnwick-Other1", "someone else's");
        ASSERT_EQ(::chown(".tarnwick-Other1", nobody, nogroup), 0);
    }
    removeLeftoverTemporaries(".");
    EXPECT_EQ(fileBytes(".tarnwick-AB.bmp"), "a drawing named .tarnwick-AB");
    EXPECT_EQ(fileBytes(".tarnwick-A.maze"), "its settings");
    EXPECT_FALSE(fs::exists(".tarnwick-Mine01"));
    EXPECT_EQ(fileBytes(".tarnwick-kept-Mine02"), "a user's earlier picture that a killed save set aside");
    if (!root) GTEST_SKIP() << "only root can give a file to another user";
    EXPECT_EQ(fileBytes(".tarnwick-Other1"), "someone else's");
}

// A file that takes the name the earlier picture is to be set aside under,
// after the save chose it and before it is used, fails the save and stays as
// it was; the earlier pair stays too.
TEST_F(StoppedSaves, AFileThatTakesTheSetAsideNameFirstIsLeftAlone) {
    forEachStart([&](const Pair& before) {
        if (before.picture.empty()) return;  // nothing to set aside
        putPair("castle", before);
        stopBeforeStep(1, [] {
            for (const auto& entry : fs::directory_iterator(".")) {
                const std::string text = fileBytes(entry.path().string());
                if (text.rfind("tarnwick replaces\n", 0) != 0) continue;
                std::istringstream lines(text);
                std::string line;
                for (int n = 0; n < 4; ++n) std::getline(lines, line);
                writeFileBytes(line, "someone else's");
            }
        });
        save();
        EXPECT_TRUE(stepReached());
        EXPECT_EQ(messages().back(), "Error: bad file name.");
        EXPECT_EQ(pairOf("castle"), before);
        EXPECT_EQ(savingTemporariesIn("."), 1);
        for (const auto& entry : fs::directory_iterator("."))
            if (entry.path().filename().string().rfind(".tarnwick-", 0) == 0) {
                EXPECT_EQ(fileBytes(entry.path().string()), "someone else's");
                fs::remove(entry.path());
            }
    });
}

}  // namespace
}  // namespace tarnwick::test
