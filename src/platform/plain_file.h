#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace tarnwick {

// An open file descriptor that closes itself.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int fd) : fd_(fd) {}
    FileHandle(FileHandle&& other) noexcept : fd_(other.release()) {}
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    int fd() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int release();

private:
    int fd_ = -1;
};

// How a file is opened for writing. Neither opens through a link.
enum class WriteOpen {
    Append,     // created or added to
    Exclusive,  // created new: fails when anything (a link too) has the name
};

// Opens a file for reading only when it is, after following links, a regular
// file: a device, a FIFO or a directory is refused without blocking on it.
FileHandle openRegularForReading(const std::string& name);

// Opens a file for writing; an existing name that is no regular file, or a link,
// is refused without blocking on it.
FileHandle openRegularForWriting(const std::string& name, WriteOpen how);

// A new, empty file beside `target` for writing it whole before it takes the
// target's place: named target + ".saving", or with a number after that when the
// name is taken. Never opened through an existing name. `name` receives the name.
FileHandle createTemporaryBeside(const std::string& target, std::string& name);

// The whole of a regular file of at most `maxBytes` bytes; nothing for anything else.
std::optional<std::string> readRegularFile(const std::string& name, std::size_t maxBytes);

// The first `maxBytes` bytes of a regular file, the rest left unread; nothing
// when the name leads to no regular file or the read fails.
std::optional<std::string> readRegularFileStart(const std::string& name, std::size_t maxBytes);

// True when nothing at all has the name; a link that leads nowhere has it.
bool nameIsFree(const std::string& name);

// Puts the file `from` in the place of `name`: a link with that name is replaced
// and its target left as it was; a name that leads to something other than a
// regular file (a directory, a device) is refused. False when nothing moved.
bool replaceName(const std::string& from, const std::string& name);

// Writes all of `size` bytes; false on any failure.
bool writeAll(int fd, const char* data, std::size_t size);

// The file `name` held until now, under a second name `kept` while a new one
// moves in, so that it can be put back. A hard link leaves the file in its place
// meanwhile. True with `kept` empty when there is no such file.
bool keepAside(const std::string& name, std::string& kept);
// Back to the kept file, or to no file when there was none.
void putBack(const std::string& name, const std::string& kept);

bool renameFile(const std::string& from, const std::string& to);
void removeFile(const std::string& name);  // a missing file is no error

// A file-size limit (ulimit -f) then fails the write that passes it, which the
// program reports, instead of ending the program. Called once at start-up.
void ignoreFileSizeSignal();

// True when `name` exists and is no regular file (after following links).
bool existsAsNonRegular(const std::string& name);

}  // namespace tarnwick
