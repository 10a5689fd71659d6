#pragma once
#include <array>
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/plain_file.h"
#include "platform/text_values.h"

namespace tarnwick {

// Output writes a new file beside the name, which takes the name's place when the
// number is closed: a failed write leaves the earlier file as it was, and a link
// with the name is replaced, never written through. Append does the same with a
// new file that starts with what the regular file holds (a link is refused):
// what is added reaches the name when the number is closed. Both refuse a file
// the user may not write, and the new file keeps the old one's permissions.
// Create opens a new file only: it fails when anything, a link included, has
// the name.
enum class FileMode { Input, Output, Append, Create };

// How many bytes a reader takes from a file of each kind; what lies beyond counts
// as the end of the file. Far above anything the program writes.
inline constexpr std::size_t patternFileCap = 256 * 1024;
inline constexpr std::size_t patternSetCap = 4 * patternFileCap + 4096;
inline constexpr std::size_t mazefileCap = 12 * patternFileCap + 64 * 1024;

// The cap for a file by its name: pattern files (".pt"), pattern sets, and mazefiles and the rest.
std::size_t readCapFor(const std::string& fileName);

// Text files opened by number 1 to 8, in the current directory. Lines are
// comma-separated values ended by CR LF; numbers are written in plain decimal
// with "." and no decimal point for whole numbers. Only regular files are
// opened: a name that leads to a device, a FIFO or a directory fails to open.
//
// Files read over and over (the pattern files) can be served from memory: a
// reader then takes the values of a copy and makes no system call. The copy is
// taken from the file at the first read after the program wrote it whole; while
// the program's last write of it failed, the copy is what the program wrote, so
// nothing is lost on a disk that refuses it. A file that cannot be read (a
// directory behind the name, say) serves its fallback text.
class TextFiles {
public:
    static constexpr int count = 8;

    TextFiles() = default;
    TextFiles(const TextFiles&) = delete;
    TextFiles& operator=(const TextFiles&) = delete;
    ~TextFiles();  // what is still being written takes its name

    void serveFromMemory(const std::string& fileName, std::string fallback);

    // Closes the number first if it is open. False when the file cannot be
    // opened; a file served from memory still takes what is written to it then.
    bool open(int number, const std::string& fileName, FileMode mode);
    // Opens a new file beside `target` for writing (see openReplacement) and
    // returns its name; empty when none could be created. Closing the number
    // makes it ready to take the target's place (see readyToReplace), which the
    // caller then gives it, holding `lock` (see shareLock) until then.
    std::string openTemporary(int number, const std::string& target, FileHandle& lock);
    // Closing a closed number is no error. False when anything written through
    // the number failed, its close reported an error, or an Output file could
    // not take its name.
    bool close(int number);
    void closeAll();
    bool isOpen(int number) const;

    // Writes one line; false when the number is not open for writing or the write failed.
    bool writeLine(int number, const std::vector<FileValue>& values);
    ReadValue read(int number);

private:
    struct Copy {
        std::string fallback;
        std::optional<std::string> text;  // nothing: to be taken from the file
        std::shared_ptr<const std::vector<ReadValue>> values;  // the text read, once
    };
    struct Slot {
        FileHandle file;
        FileMode mode = FileMode::Input;
        bool failed = false;    // a write went wrong
        std::string temporary;  // an Output or Append file, until it takes its name
        std::string name;
        Copy* copy = nullptr;   // the copy a served file's writes go to
        // Reading from memory.
        std::shared_ptr<const std::vector<ReadValue>> served;
        std::size_t next = 0;
        // Reading from the file.
        bool afterComma = false;  // a comma ended the last value, so another one follows
        std::unique_ptr<char[]> buffer;  // what was read ahead
        std::size_t start = 0, end = 0;
        std::size_t left = 0;  // bytes the cap still allows
        int get();
        int peek();
        // Read as a file without one: an editor may have saved it with a mark.
        void skipByteOrderMark();
    };
    Slot* slot(int number);
    Copy* copyOf(const std::string& fileName);
    bool openServed(Slot& s, Copy& copy, const std::string& fileName, FileMode mode);
    bool finish(Slot& s);
    std::array<Slot, count + 1> slots_;
    std::map<std::string, Copy, std::less<>> copies_;
};

}  // namespace tarnwick
