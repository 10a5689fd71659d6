#include "platform/plain_file.h"
#include "platform/save_journal.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <set>
#include <string_view>
#include <vector>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace tarnwick {

std::string directoryPart(const std::string& name) {
    const std::size_t slash = name.rfind('/');
    return slash == std::string::npos ? "" : name.substr(0, slash + 1);
}

namespace {

bool isRegular(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// Six letters or digits, drawn afresh each time.
std::string randomTag() {
    static constexpr char symbols[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 engine{(std::uint64_t(std::random_device{}()) << 32) ^ std::uint64_t(::getpid())};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof symbols - 2);
    std::string tag(6, ' ');
    for (char& c : tag) c = symbols[pick(engine)];
    return tag;
}

bool copyRest(int from, int to) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        if (!writeAll(to, buffer, static_cast<std::size_t>(n))) return false;
    }
}

// O_NONBLOCK keeps open() from waiting on a FIFO; a regular file ignores it.
FileHandle openChecked(const std::string& name, int flags, mode_t bits = 0666) {
    if (name.empty()) return {};
    FileHandle handle(::open(name.c_str(), flags | O_NONBLOCK | O_CLOEXEC, bits));
    if (!handle || !isRegular(handle.fd())) return {};
    return handle;
}

constexpr char temporaryPrefix[] = ".tarnwick-";
// A user's earlier file while a save replaces it: another user's start, which
// cannot read the save's journal, must never take it for a leftover of its own.
constexpr char keptPrefix[] = ".tarnwick-kept-";
constexpr std::size_t temporaryTagSize = 6;


bool sameInode(const struct stat& one, const struct stat& other) {
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// True when `fd` is still the file `name` leads to, links not followed.
bool stillNamed(int fd, const std::string& name) {
    struct stat opened {}, named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(name.c_str(), &named) == 0 && sameInode(opened, named);
}

// The lock every run holds on its open temporaries. False only when another
// open file holds it, or the file lost its name meanwhile (a starting run's
// clean-up took it); a file system without locks leaves the file unlocked.
bool lockAlone(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return false;
    struct stat info {};
    return ::fstat(fd, &info) == 0 && info.st_nlink > 0;
}

// Read where the system shows it: umask() reads it only by changing it, which
// another thread creating a file meanwhile would meet.
mode_t creationMask() {
    if (const auto status = readRegularFileStart("/proc/self/status", 4096)) {
        const std::size_t at = status->find("\nUmask:");
        if (at != std::string::npos)
            return static_cast<mode_t>(std::strtoul(status->c_str() + at + 7, nullptr, 8)) & 0777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The old file's bits for its replacement `fd`, less what would reach others
// through an owner or group the new file did not keep: set-id bits for the
// new owner, and group bits beyond what the old file gave everyone.
mode_t keptBits(int fd, const struct stat& old) {
    struct stat now {};
    const bool known = ::fstat(fd, &now) == 0;
    mode_t bits = old.st_mode & 07777;
    if (!known || now.st_uid != old.st_uid) bits &= ~mode_t(06000);
    if (!known || now.st_gid != old.st_gid) bits = (bits & ~mode_t(02070)) | (bits & 070 & ((old.st_mode & 07) << 3));
    return bits;
}

// Only the owner of the file or of the sticky directory, or root, may move it.
bool stickyDirectoryKeeps(const std::string& name, const struct stat& file) {
    const std::string directory = directoryPart(name);
    struct stat info {};
    if (::stat(directory.empty() ? "." : directory.c_str(), &info) != 0) return false;
    const uid_t user = ::geteuid();
    return (info.st_mode & S_ISVTX) && user != 0 && file.st_uid != user && info.st_uid != user;
}

}  // namespace

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.release();
    }
    return *this;
}

FileHandle::~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
}

int FileHandle::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

bool FileHandle::close() {
    const int fd = release();
    return fd < 0 || ::close(fd) == 0;
}

FileHandle openRegularForReading(const std::string& name) { return openChecked(name, O_RDONLY); }

FileHandle createNewFile(const std::string& name) {
    return openChecked(name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW);
}

FileHandle createTemporaryBeside(const std::string& target, std::string& name) {
    const std::string directory = directoryPart(target);
    // A taken name is another run's or a leftover: a fresh draw misses it, and
    // a directory where a hundred draws all meet a name is not one to write in.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = directory + temporaryPrefix + randomTag();
        FileHandle handle = openChecked(candidate, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
        if (!handle) {
            if (errno != EEXIST) break;
            continue;
        }
        // A starting run's clean-up that locked it first removes it: another draw.
        // Owner-only whatever the umask, so that the writer can still replace it.
        if (!lockAlone(handle.fd())) continue;
        if (::fchmod(handle.fd(), 0600) != 0) {
            removeFile(candidate);
            break;
        }
        name = candidate;
        return handle;
    }
    return {};
}

FileHandle shareLock(const FileHandle& file) { return FileHandle(::fcntl(file.fd(), F_DUPFD_CLOEXEC, 0)); }

// True when the last part of `name` is `prefix` and a tag, and nothing else.
static bool isTaggedName(const std::string& name, std::string_view prefix) {
    const std::string tail = name.substr(directoryPart(name).size());
    if (tail.size() != prefix.size() + temporaryTagSize || tail.rfind(prefix, 0) != 0) return false;
    // A user's "NAME.bmp" may be as long: a tag has no dot.
    return std::all_of(tail.begin() + static_cast<long>(prefix.size()), tail.end(),
                       [](unsigned char c) { return std::isalnum(c); });
}

bool isTemporaryName(const std::string& name) { return isTaggedName(name, temporaryPrefix); }

bool isKeptName(const std::string& name) { return isTaggedName(name, keptPrefix); }

std::string freeKeptName(const std::string& target) {
    const std::string directory = directoryPart(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = directory + keptPrefix + randomTag();
        if (nameIsFree(candidate)) return candidate;
    }
    return {};
}

FileHandle openOwnTemporary(const std::string& name) {
    if (!isTemporaryName(name)) return {};
    FileHandle handle = openChecked(name, O_WRONLY | O_NOFOLLOW);
    struct stat info {};
    if (!handle || ::fstat(handle.fd(), &info) != 0 || info.st_uid != ::getuid()) return {};
    // Emptied only once it is known to be the running user's own file.
    if (::ftruncate(handle.fd(), 0) != 0) return {};
    return handle;
}

// A file the user may write but not read is locked through a descriptor that
// writes nothing.
FileHandle lockByName(const std::string& name) {
    FileHandle handle = openChecked(name, O_RDONLY | O_NOFOLLOW);
    if (!handle) handle = openChecked(name, O_WRONLY | O_NOFOLLOW);
    if (!handle || !lockAlone(handle.fd()) || !stillNamed(handle.fd(), name)) return {};
    return handle;
}

// Here the lock must be had: on a file system without locks a live run's
// file cannot be told from a leftover, and it stays.
FileHandle lockLeftover(const std::string& name) {
    if (!isTemporaryName(name)) return {};
    FileHandle handle = openChecked(name, O_RDONLY | O_NOFOLLOW);
    struct stat info {};
    if (!handle || ::fstat(handle.fd(), &info) != 0 || info.st_uid != ::getuid()) return {};
    if (::flock(handle.fd(), LOCK_EX | LOCK_NB) != 0 || !stillNamed(handle.fd(), name)) return {};
    return handle;
}

// The names are read first: a listing that changes while it is read may show
// a name twice or miss one.
static std::vector<std::string> temporariesIn(const std::string& directory) {
    std::vector<std::string> names;
    DIR* const listing = ::opendir(directory.c_str());
    if (!listing) return names;
    while (const dirent* entry = ::readdir(listing))
        if (isTemporaryName(entry->d_name)) names.push_back(directory + "/" + entry->d_name);
    ::closedir(listing);
    return names;
}

// Locks are taken without waiting: one that is held marks a live run's file,
// which stays, as does one that changed under its name meanwhile.
void removeLeftoverTemporaries(const std::string& directory) {
    const std::set<std::string> needed = settleLeftSaves(directory, temporariesIn(directory));
    for (const std::string& name : temporariesIn(directory)) {
        if (needed.count(name)) continue;
        if (const FileHandle file = lockLeftover(name)) removeFile(name);
    }
}

bool mayReplace(const std::string& name) {
    if (name.empty()) return false;
    struct stat info {};
    if (::lstat(name.c_str(), &info) != 0) return errno == ENOENT;
    if (stickyDirectoryKeeps(name, info)) return false;
    if (S_ISLNK(info.st_mode)) return !existsAsNonRegular(name);
    // The effective ids decide, as they do for an open; root may write anything.
    return S_ISREG(info.st_mode) && ::faccessat(AT_FDCWD, name.c_str(), W_OK, AT_EACCESS) == 0;
}

FileHandle openReplacement(const std::string& target, std::string& name) {
    if (!mayReplace(target)) return {};
    return createTemporaryBeside(target, name);
}

FileHandle openReplacementWithContent(const std::string& target, std::string& name) {
    const FileHandle present = openChecked(target, O_RDONLY | O_NOFOLLOW);
    if (!present && !nameIsFree(target)) return {};
    FileHandle file = openReplacement(target, name);
    if (file && present && !copyRest(present.fd(), file.fd())) {
        file = FileHandle{};
        removeFile(name);
        name.clear();
    }
    return file;
}

// The old file's access list, whose entries for named users and groups its
// bits do not carry: without it a user the list shuts out could read the new
// file. Set before the bits, which then bound it as they did the old file.
// True where there is none, or the file system keeps none.
static bool keepAccessList(int fd, const std::string& file) {
    constexpr const char* key = "system.posix_acl_access";
    std::vector<char> list(512);
    ssize_t size = ::getxattr(file.c_str(), key, list.data(), list.size());
    if (size < 0 && errno == ERANGE) {
        size = ::getxattr(file.c_str(), key, nullptr, 0);
        if (size > 0) list.resize(static_cast<std::size_t>(size));
        size = size > 0 ? ::getxattr(file.c_str(), key, list.data(), list.size()) : size;
    }
    if (size < 0) return errno == ENODATA || errno == ENOTSUP;
    return size == 0 || ::fsetxattr(fd, key, list.data(), static_cast<std::size_t>(size), 0) == 0;
}

bool readyToReplace(int fd, const std::string& target, Flush flush) {
    struct stat old {};
    mode_t bits = 0666 & ~creationMask();
    if (::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        // Owner and group where the process may give them, whatever stops it: an
        // ordinary user, a group the user is not in, an owner a user namespace
        // does not map. The file then stays as it was made.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        bits = keptBits(fd, old);
        if (!keepAccessList(fd, target)) return false;
    } else if (S_ISLNK(old.st_mode) && ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        // The link is replaced, its file left to its owner: the new file is the
        // saver's, as private as the one the link led to.
        bits = keptBits(fd, old);
        if (!keepAccessList(fd, target)) return false;
    }
    // After the owner: a change of owner clears the set-id bits.
    if (::fchmod(fd, bits) != 0) return false;
    return flush == Flush::No || ::fsync(fd) == 0;
}

bool finishReplacement(FileHandle& file, const std::string& temporary, const std::string& target, bool written,
                       Flush flush) {
    const FileHandle lock = shareLock(file);
    written = written && file && readyToReplace(file.fd(), target, flush);
    written = file.close() && written && replaceName(temporary, target);
    if (!written) removeFile(temporary);
    return written;
}

std::optional<std::string> readRegularFile(const std::string& name, std::size_t maxBytes) {
    const FileHandle handle = openRegularForReading(name);
    if (!handle) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(handle.fd(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return bytes;
        // The size on disk may change while it is read: the cap counts what was read.
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) return std::nullopt;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

std::optional<std::string> readRegularFileStart(const std::string& name, std::size_t maxBytes) {
    const FileHandle handle = openRegularForReading(name);
    if (!handle) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        const ssize_t n = ::read(handle.fd(), buffer, std::min(sizeof buffer, maxBytes - bytes.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

bool nameIsFree(const std::string& name) {
    struct stat info {};
    return ::lstat(name.c_str(), &info) != 0 && errno == ENOENT;
}

bool replaceName(const std::string& from, const std::string& name) {
    return !existsAsNonRegular(name) && renameFile(from, name);
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool renameFile(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

// Where the file system cannot refuse a taken name itself (EINVAL: some FUSE
// mounts), the name is checked just before the rename.
bool linkOrMoveToFreeName(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) == 0) return true;
    if (errno == EEXIST) return false;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    return (errno == EINVAL || errno == ENOSYS) && nameIsFree(to) && renameFile(from, to);
}

bool sameFile(const std::string& one, const std::string& other) {
    struct stat first {}, second {};
    return ::lstat(one.c_str(), &first) == 0 && ::lstat(other.c_str(), &second) == 0 && sameInode(first, second);
}

void removeFile(const std::string& name) { ::unlink(name.c_str()); }

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

bool existsAsNonRegular(const std::string& name) {
    struct stat info {};
    return ::stat(name.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

}  // namespace tarnwick
