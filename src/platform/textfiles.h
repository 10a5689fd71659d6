#pragma once
#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/num.h"
#include "platform/plain_file.h"

namespace tarnwick {

// One value of a text line: a number, or nothing (a never-set field).
struct FileValue {
    std::optional<double> number;

    FileValue() = default;
    FileValue(double v) : number(v) {}                                   // NOLINT
    FileValue(long v) : number(static_cast<double>(v)) {}                 // NOLINT
    FileValue(int v) : number(static_cast<double>(v)) {}                  // NOLINT
    FileValue(Num v) {                                                    // NOLINT
        if (v.assigned()) number = static_cast<double>(static_cast<long>(v));
    }
};

// The result of reading one value. `atEnd` is set for a read past the end of
// the file or from a number that is not open for reading; `value` is then 0.
struct ReadValue {
    double value = 0;
    bool atEnd = false;
    bool empty = false;  // the value's place held nothing
};

// Create opens a new file only: it fails when anything, a link included, has the name.
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
class TextFiles {
public:
    static constexpr int count = 8;

    // Closes the number first if it is open. False when the file cannot be opened.
    bool open(int number, const std::string& fileName, FileMode mode);
    // Opens a new file beside `target` for writing (see createTemporaryBeside) and
    // returns its name; empty when none could be created.
    std::string openTemporary(int number, const std::string& target);
    void close(int number);  // closing a closed number is no error
    void closeAll();
    bool isOpen(int number) const;

    // Writes one line; false when the number is not open for writing or the write failed.
    bool writeLine(int number, const std::vector<FileValue>& values);
    ReadValue read(int number);

private:
    struct Slot {
        FileHandle file;
        FileMode mode = FileMode::Input;
        bool afterComma = false;  // a comma ended the last value, so another one follows
        std::unique_ptr<char[]> buffer;  // what was read ahead
        std::size_t start = 0, end = 0;
        std::size_t left = 0;  // bytes the cap still allows
        int get();
        int peek();
    };
    Slot* slot(int number);
    std::array<Slot, count + 1> slots_;
};

// "12", "-3", "0.5": plain decimal, "." always, no decimal point for whole numbers.
std::string formatNumber(double value);

}  // namespace tarnwick
