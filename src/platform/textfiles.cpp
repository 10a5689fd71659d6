#include "platform/textfiles.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <unistd.h>

#include "core/number_reader.h"

namespace tarnwick {

namespace {

// Longer values cannot hold a sensible number; the rest of such a value is skipped.
constexpr std::size_t maxValueLength = 400;
constexpr std::size_t readAhead = 16 * 1024;
constexpr int endOfFile = -1;

bool endsWith(const std::string& name, const std::string& tail) {
    return name.size() >= tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
}

FileHandle openFor(const std::string& fileName, FileMode mode) {
    switch (mode) {
        case FileMode::Input: return openRegularForReading(fileName);
        case FileMode::Output: return openRegularForWriting(fileName, WriteOpen::Replace);
        case FileMode::Append: return openRegularForWriting(fileName, WriteOpen::Append);
        case FileMode::Create: return openRegularForWriting(fileName, WriteOpen::Exclusive);
    }
    return {};
}

}  // namespace

std::size_t readCapFor(const std::string& fileName) {
    if (endsWith(fileName, ".pt")) return patternFileCap;
    if (endsWith(fileName, ".pat") || endsWith(fileName, ".3d-pat") || endsWith(fileName, ".3d-pipe-pat"))
        return patternSetCap;
    return mazefileCap;
}

int TextFiles::Slot::get() {
    const int c = peek();
    if (c != endOfFile) ++start;
    return c;
}

int TextFiles::Slot::peek() {
    if (start == end) {
        if (left == 0) return endOfFile;
        ssize_t n;
        do n = ::read(file.fd(), buffer.get(), std::min(readAhead, left));
        while (n < 0 && errno == EINTR);
        if (n <= 0) {
            left = 0;
            return endOfFile;
        }
        start = 0;
        end = static_cast<std::size_t>(n);
        left -= end;
    }
    return static_cast<unsigned char>(buffer[start]);
}

std::string formatNumber(double value) {
    // Not-a-number and infinities cannot be read back; zero stands in, as for "-0".
    if (!std::isfinite(value) || value == 0) return "0";
    // Fixed notation never uses an exponent, and whole values get no decimal point.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

TextFiles::Slot* TextFiles::slot(int number) {
    if (number < 1 || number > count) return nullptr;
    return &slots_[static_cast<std::size_t>(number)];
}

bool TextFiles::open(int number, const std::string& fileName, FileMode mode) {
    Slot* s = slot(number);
    if (!s) return false;
    *s = Slot{};
    FileHandle file = openFor(fileName, mode);
    if (!file) return false;
    s->file = std::move(file);
    s->mode = mode;
    if (mode == FileMode::Input) {
        s->buffer = std::make_unique<char[]>(readAhead);
        s->left = readCapFor(fileName);
    }
    return true;
}

std::string TextFiles::openTemporary(int number, const std::string& target) {
    Slot* s = slot(number);
    if (!s) return {};
    *s = Slot{};
    std::string name;
    FileHandle file = createTemporaryBeside(target, name);
    if (!file) return {};
    s->file = std::move(file);
    s->mode = FileMode::Create;
    return name;
}

void TextFiles::close(int number) {
    if (Slot* s = slot(number)) *s = Slot{};
}

void TextFiles::closeAll() {
    for (int n = 1; n <= count; ++n) close(n);
}

bool TextFiles::isOpen(int number) const {
    return number >= 1 && number <= count && static_cast<bool>(slots_[static_cast<std::size_t>(number)].file);
}

bool TextFiles::writeLine(int number, const std::vector<FileValue>& values) {
    Slot* s = slot(number);
    if (!s || !s->file || s->mode == FileMode::Input) return false;
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) line += ',';
        if (values[i].number) line += formatNumber(*values[i].number);
    }
    line += "\r\n";
    // Written at once so a file that stays open is complete on disk after every line.
    return writeAll(s->file.fd(), line.data(), line.size());
}

ReadValue TextFiles::read(int number) {
    ReadValue result;
    Slot* s = slot(number);
    if (!s || !s->file || s->mode != FileMode::Input) {
        result.atEnd = true;
        return result;
    }
    Slot& in = *s;
    std::string text;
    int c = in.get();
    if (c == endOfFile && !s->afterComma) {
        result.atEnd = true;
        return result;
    }
    s->afterComma = false;
    for (; c != endOfFile; c = in.get()) {
        if (c == ',') {
            s->afterComma = true;
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
    result.value = result.empty ? 0 : readNumber(text);
    return result;
}

}  // namespace tarnwick
