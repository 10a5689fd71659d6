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
    // Closes it now. False when the close reports an error: a write that only
    // fails at the end (a network file system, a quota) is known there.
    bool close();

private:
    int fd_ = -1;
};


// Opens a file for reading only when it is, after following links, a regular
// file: a device, a FIFO or a directory is refused without blocking on it.
FileHandle openRegularForReading(const std::string& name);

// Creates a new file for writing: fails when anything, a link too, has the name.
FileHandle createNewFile(const std::string& name);

// A new, empty file in the directory of `target` for writing it whole before it
// takes the target's place, under a short name of its own (".tarnwick-" and six
// random characters), so that a name as long as the system allows still has
// one and what a killed run left behind is never in the way. Never opened
// through an existing name. `name` receives the name. Only its owner may read
// it until readyToReplace, and it is locked while open (see
// removeLeftoverTemporaries).
FileHandle createTemporaryBeside(const std::string& target, std::string& name);

// A second descriptor of the same open file: it keeps the file's lock after
// the first one is closed.
FileHandle shareLock(const FileHandle& file);

// "dir/" for "dir/name", empty for a name in the current directory.
std::string directoryPart(const std::string& name);

// True when the last part of `name` is a name createTemporaryBeside gives:
// ".tarnwick-" and six letters or digits, and nothing else.
bool isTemporaryName(const std::string& name);

// The name a save keeps a user's earlier file under while it replaces it:
// ".tarnwick-kept-" and six letters or digits. Only the save's journal puts
// such a file back or removes it; the start-up clean-up never does.
bool isKeptName(const std::string& name);
// Such a name beside `target` that nothing has at the moment; empty when a
// hundred draws all met a name.
std::string freeKeptName(const std::string& target);

// Opens an existing temporary of this process's making to write it again from
// its start, through a descriptor of its own: its maker keeps holding the lock.
// Nothing for a link, another user's file or anything but a regular file.
FileHandle openOwnTemporary(const std::string& name);

// Takes the lock on the regular file `name` (opened to read where it may be,
// else to write), which runs hold on the files their saves still need; nothing
// when another open file holds it, or the name no longer leads to that file.
FileHandle lockByName(const std::string& name);

// lockByName for a temporary the running user owns that no run holds: what a
// run that ended before its save did left behind.
FileHandle lockLeftover(const std::string& name);

// Removes from `directory` what runs that ended before their saves did left
// behind: first the saves they had begun to put in place are settled (see
// replaceTogether), then their own temporaries that no open file locks go. A
// copy a save set aside of a user's file is put back or given up only by the
// save's settling, never removed here; another user's file is never touched.
void removeLeftoverTemporaries(const std::string& directory);

// True when a new file may take the place of `name`: nothing is there, a link is
// there (it is replaced, whatever it leads to stays as it is) that leads to no
// directory or device, or a regular file that the user may write. A rename asks
// only the directory, so the file's own protection is asked here; and in a
// sticky directory only the owner of the file or of the directory may replace it.
bool mayReplace(const std::string& name);

// createTemporaryBeside for a target that mayReplace allows; refused otherwise.
FileHandle openReplacement(const std::string& target, std::string& name);

// Whether a file that takes a name is brought to the disk first: the user's own
// saves are, the program's scratch files need not be.
enum class Flush { No, Yes };

// Makes the written file `fd` ready to take the place of `target`. Where the
// process may set them it gets the owner and group of the regular file there,
// and always its permission bits, less what would now reach others: set-id
// bits when the owner was not kept, and group bits beyond what the old file
// gave everyone when the group was not kept. A link's file gets the bits of
// the regular file it leads to; a new name gets 0666 less the umask. With
// Flush::Yes it is on the disk. False when the bits or the flush fail.
bool readyToReplace(int fd, const std::string& target, Flush flush);

// Puts the temporary `file`, written whole when `written`, in the place of
// `target`: readyToReplace, a checked close, then the rename, with its lock
// held until it has the name. Anything that fails removes the temporary.
bool finishReplacement(FileHandle& file, const std::string& temporary, const std::string& target, bool written,
                       Flush flush);

// openReplacement for a file to be added to: the new file starts with what the
// regular file `target` holds, and is empty when nothing has the name; a link
// or anything else with the name is refused, as is a file that cannot be read.
FileHandle openReplacementWithContent(const std::string& target, std::string& name);

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

bool renameFile(const std::string& from, const std::string& to);
// Gives `from` the free name `to`: a hard link where the file system has them,
// leaving `from` in its place, else a rename that never replaces what took
// `to` meanwhile. False when nothing moved.
bool linkOrMoveToFreeName(const std::string& from, const std::string& to);
// True when both names lead to one file (links not followed).
bool sameFile(const std::string& one, const std::string& other);
void removeFile(const std::string& name);  // a missing file is no error

// A file-size limit (ulimit -f) then fails the write that passes it, which the
// program reports, instead of ending the program. Called once at start-up.
void ignoreFileSizeSignal();

// True when `name` exists and is no regular file (after following links).
bool existsAsNonRegular(const std::string& name);

}  // namespace tarnwick
