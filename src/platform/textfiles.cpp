#include "platform/textfiles.h"

#include <charconv>
#include <cmath>

#include "core/number_reader.h"

namespace tarnwick {

namespace {

// Longer values cannot hold a sensible number; the rest of such a value is skipped.
constexpr std::size_t maxValueLength = 400;

std::ios::openmode streamMode(FileMode mode) {
    switch (mode) {
        case FileMode::Input: return std::ios::in | std::ios::binary;
        case FileMode::Output: return std::ios::out | std::ios::trunc | std::ios::binary;
        case FileMode::Append: return std::ios::out | std::ios::app | std::ios::binary;
    }
    return std::ios::in | std::ios::binary;
}

}  // namespace

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
    s->stream.reset();
    if (fileName.empty()) return false;
    auto stream = std::make_unique<std::fstream>(fileName, streamMode(mode));
    if (!stream->is_open()) return false;
    s->stream = std::move(stream);
    s->mode = mode;
    s->afterComma = false;
    return true;
}

void TextFiles::close(int number) {
    if (Slot* s = slot(number)) s->stream.reset();
}

void TextFiles::closeAll() {
    for (int n = 1; n <= count; ++n) close(n);
}

bool TextFiles::isOpen(int number) const {
    return number >= 1 && number <= count && slots_[static_cast<std::size_t>(number)].stream != nullptr;
}

bool TextFiles::writeLine(int number, const std::vector<FileValue>& values) {
    Slot* s = slot(number);
    if (!s || !s->stream || s->mode == FileMode::Input) return false;
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) line += ',';
        if (values[i].number) line += formatNumber(*values[i].number);
    }
    line += "\r\n";
    // Flushed at once so a file that stays open is complete on disk after every line.
    s->stream->write(line.data(), static_cast<std::streamsize>(line.size()));
    s->stream->flush();
    return static_cast<bool>(*s->stream);
}

ReadValue TextFiles::read(int number) {
    ReadValue result;
    Slot* s = slot(number);
    if (!s || !s->stream || s->mode != FileMode::Input) {
        result.atEnd = true;
        return result;
    }
    std::istream& in = *s->stream;
    std::string text;
    int c = in.get();
    if (c == std::char_traits<char>::eof() && !s->afterComma) {
        result.atEnd = true;
        return result;
    }
    s->afterComma = false;
    for (; c != std::char_traits<char>::eof(); c = in.get()) {
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
