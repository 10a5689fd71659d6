#include "platform/plain_file.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

namespace {

bool isRegular(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
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

FileHandle openRegularForWriting(const std::string& name, WriteOpen how) {
    switch (how) {
        case WriteOpen::Append: return openChecked(name, O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW);
        case WriteOpen::Exclusive: return openChecked(name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW);
    }
    return {};
}

FileHandle createTemporaryBeside(const std::string& target, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = target + ".saving" + (attempt ? std::to_string(attempt) : "");
        FileHandle handle = openRegularForWriting(candidate, WriteOpen::Exclusive);
        if (handle) {
            name = candidate;
            return handle;
        }
        if (errno != EEXIST) break;
    }
    return {};
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
    if (!createTemporaryBeside(name + ".kept", aside)) return false;
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
