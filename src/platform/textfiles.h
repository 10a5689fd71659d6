#pragma once
#include <array>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/num.h"

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

enum class FileMode { Input, Output, Append };

// Text files opened by number 1 to 8, in the current directory. Lines are
// comma-separated values ended by CR LF; numbers are written in plain decimal
// with "." and no decimal point for whole numbers.
class TextFiles {
public:
    static constexpr int count = 8;

    // Closes the number first if it is open. False when the file cannot be opened.
    bool open(int number, const std::string& fileName, FileMode mode);
    void close(int number);  // closing a closed number is no error
    void closeAll();
    bool isOpen(int number) const;

    // Writes one line; false when the number is not open for writing or the write failed.
    bool writeLine(int number, const std::vector<FileValue>& values);
    ReadValue read(int number);

private:
    struct Slot {
        std::unique_ptr<std::fstream> stream;
        FileMode mode = FileMode::Input;
        bool afterComma = false;  // a comma ended the last value, so another one follows
    };
    Slot* slot(int number);
    std::array<Slot, count + 1> slots_;
};

// "12", "-3", "0.5": plain decimal, "." always, no decimal point for whole numbers.
std::string formatNumber(double value);

}  // namespace tarnwick
