#include "platform/plain_file.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

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
FileHandle openChecked(const std::string& name, int flags) {
    if (name.empty()) return {};
    FileHandle handle(::open(name.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!handle || !isRegular(handle.fd())) return {};
    return handle;
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

FileHandle openRegularForReading(const std::string& name) { return openChecked(name, O_RDONLY); }

FileHandle createNewFile(const std::string& name) {
    return openChecked(name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW);
}

FileHandle createTemporaryBeside(const std::string& target, std::string& name) {
    const std::size_t slash = target.rfind('/');
    const std::string directory = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    // A taken name is another run's or a leftover: a fresh draw misses it, and
    // a directory where a hundred draws all meet a name is not one to write in.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = directory + ".tarnwick-" + randomTag();
        FileHandle handle = createNewFile(candidate);
        if (handle) {
            name = candidate;
            return handle;
        }
        if (errno != EEXIST) break;
    }
    return {};
}

bool mayReplace(const std::string& name) {
    if (name.empty()) return false;
    struct stat info {};
    if (::lstat(name.c_str(), &info) != 0) return errno == ENOENT;
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

bool readyToReplace(int fd, const std::string& target, Flush flush) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        // Owner and group only where the process may give them: an ordinary
        // user gets a group of their own, and the file then stays theirs.
        if (::fchown(fd, info.st_uid, info.st_gid) != 0) {
            if (errno != EPERM) return false;
            if (::fchown(fd, static_cast<uid_t>(-1), info.st_gid) != 0 && errno != EPERM) return false;
        }
        // After the owner: a change of owner clears the set-id bits.
        if (::fchmod(fd, info.st_mode & 07777) != 0) return false;
    }
    return flush == Flush::No || ::fsync(fd) == 0;
}

bool readyToReplace(const std::string& file, const std::string& target, Flush flush) {
    const FileHandle handle = openChecked(file, O_RDONLY | O_NOFOLLOW);
    return handle && readyToReplace(handle.fd(), target, flush);
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

void removeFile(const std::string& name) { ::unlink(name.c_str()); }

bool keepAside(const std::string& name, std::string& kept) {
    kept.clear();
    if (::access(name.c_str(), F_OK) != 0) return true;
    std::string aside;
    if (!createTemporaryBeside(name, aside)) return false;
    removeFile(aside);  // free a moment ago; the link takes the name
    if (::link(name.c_str(), aside.c_str()) != 0 && !renameFile(name, aside)) return false;
    kept = aside;
    return true;
}

void putBack(const std::string& name, const std::string& kept) {
    if (kept.empty()) {
        removeFile(name);
        return;
    }
    renameFile(kept, name);
    removeFile(kept);  // still there when both names held the one file
}

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

bool existsAsNonRegular(const std::string& name) {
    struct stat info {};
    return ::stat(name.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

}  // namespace tarnwick
