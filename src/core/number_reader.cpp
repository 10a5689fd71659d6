#include "core/number_reader.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace tarnwick {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

// The power of ten of a well-formed number's leading digit, plus one: positive
// for values of 1 and above. Saturates instead of overflowing on long exponents.
long decimalScale(std::string_view number) {
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t j = e + 1;
        const bool negative = number[j] == '-';
        if (number[j] == '+' || number[j] == '-') ++j;
        for (; j < number.size() && exponent < 1000000; ++j) exponent = exponent * 10 + (number[j] - '0');
        if (negative) exponent = -exponent;
    }
    const std::size_t dot = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, dot);
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos)
        return static_cast<long>(whole.size() - firstNonZero) + exponent;
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view{} : mantissa.substr(dot + 1);
    const std::size_t zeros = fraction.find_first_not_of('0');
    return exponent - static_cast<long>(zeros == std::string_view::npos ? fraction.size() : zeros);
}

// The sign and the digits, with their fraction, that start a text after its
// blanks; nothing when no digit is there.
struct Mantissa {
    bool negative = false;
    std::size_t begin = 0, end = 0;
};

std::optional<Mantissa> mantissaOf(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    Mantissa m;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) m.negative = text[i++] == '-';
    m.begin = i;
    i = skipDigits(text, i);
    bool hasDigits = i > m.begin;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = i + 1;
        const std::size_t end = skipDigits(text, fraction);
        if (hasDigits || end > fraction) {
            hasDigits = true;
            i = end;
        }
    }
    if (!hasDigits) return std::nullopt;
    m.end = i;
    return m;
}

}  // namespace

bool holdsNumber(std::string_view text) { return mantissaOf(text).has_value(); }

double readNumber(std::string_view text, Exponent exponent) {
    const std::optional<Mantissa> mantissa = mantissaOf(text);
    if (!mantissa) return 0;
    const bool negative = mantissa->negative;
    std::size_t i = mantissa->end;
    // An exponent counts only when digits follow it; "3e" reads 3.
    if (exponent == Exponent::Yes && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t end = skipDigits(text, j);
        if (end > j) i = end;
    }
    // from_chars takes no leading '+'; the sign is applied afterwards.
    std::string_view number = text.substr(mantissa->begin, i - mantissa->begin);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large reads as the largest finite value, too small as zero.
        value = decimalScale(number) > 0 ? std::numeric_limits<double>::max() : 0.0;
    } else if (result.ec != std::errc()) {
        return 0;
    }
    return negative ? -value : value;
}

long clampToLong(double value, long lo, long hi) {
    if (std::isnan(value)) return lo;
    if (value <= static_cast<double>(lo)) return lo;
    if (value >= static_cast<double>(hi)) return hi;
    return static_cast<long>(value);
}

}  // namespace tarnwick
