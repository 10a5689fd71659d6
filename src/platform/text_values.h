#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/num.h"
#include "core/number_reader.h"

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
    bool empty = false;   // the value's place held nothing
    bool number = false;  // the place held a number, not only something that reads 0
};

// A value read, as it is written back: an empty place stays empty.
inline FileValue keptValue(const ReadValue& v) { return v.empty ? FileValue{} : FileValue(v.value); }

// "12", "-3", "0.5": plain decimal, "." always, no decimal point for whole numbers.
std::string formatNumber(double value);

// The values separated by commas, ended by CR LF.
std::string formatLine(const std::vector<FileValue>& values);

// Reads the next value from `in`, which offers get() and peek() of a byte as an
// int, -1 at the end. `afterComma` carries from one value to the next: a comma
// that ends the text still leaves an empty value after it.
template <class Bytes>
ReadValue readValue(Bytes& in, bool& afterComma) {
    // Longer values cannot hold a sensible number; the rest of such a value is skipped.
    constexpr std::size_t maxValueLength = 400;
    constexpr int end = -1;
    ReadValue result;
    std::string text;
    int c = in.get();
    if (c == end && !afterComma) {
        result.atEnd = true;
        return result;
    }
    afterComma = false;
    for (; c != end; c = in.get()) {
        if (c == ',') {
            afterComma = true;
            break;
        }
        if (c == '\n') break;
        if (c == '\r') {
            if (in.peek() == '\n') in.get();
            break;
        }
        if (text.size() < maxValueLength) text += static_cast<char>(c);
    }
    result.empty = text.find_first_not_of(" \t") == std::string::npos;
    result.number = !result.empty && holdsNumber(text);
    result.value = result.number ? readNumber(text) : 0;
    return result;
}

// The text after the UTF-8 byte-order mark some editors put at the start of a
// file they save; the text itself when there is none.
std::string_view withoutByteOrderMark(std::string_view text);

// Every value of a text, read as from a file that holds it.
std::vector<ReadValue> readValues(std::string_view text);

}  // namespace tarnwick
