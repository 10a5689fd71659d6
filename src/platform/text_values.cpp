#include "platform/text_values.h"

#include <charconv>
#include <cmath>

namespace tarnwick {

namespace {

struct TextBytes {
    std::string_view text;
    std::size_t at = 0;
    int peek() const { return at < text.size() ? static_cast<unsigned char>(text[at]) : -1; }
    int get() {
        const int c = peek();
        if (c != -1) ++at;
        return c;
    }
};

}  // namespace

std::string formatNumber(double value) {
    // Not-a-number and infinities cannot be read back; zero stands in, as for "-0".
    if (!std::isfinite(value) || value == 0) return "0";
    // Fixed notation never uses an exponent, and whole values get no decimal point.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string formatLine(const std::vector<FileValue>& values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) line += ',';
        if (values[i].number) line += formatNumber(*values[i].number);
    }
    line += "\r\n";
    return line;
}

std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    return text.substr(0, mark.size()) == mark ? text.substr(mark.size()) : text;
}

std::vector<ReadValue> readValues(std::string_view text) {
    std::vector<ReadValue> values;
    TextBytes in{withoutByteOrderMark(text)};
    bool afterComma = false;
    for (;;) {
        const ReadValue v = readValue(in, afterComma);
        if (v.atEnd) return values;
        values.push_back(v);
    }
}

}  // namespace tarnwick
