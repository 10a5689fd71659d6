#pragma once
#include <string_view>

namespace tarnwick {

// Reads the number at the start of a typed text: leading blanks skipped, an
// optional sign, digits with an optional fraction and exponent; reading stops at
// the first character that cannot continue the number; no number reads 0.
// Locale-free; hex, inf and nan are not numbers here.
// Some entries take plain decimals only: with `Exponent::No` an "e" ends the number.
enum class Exponent { Yes, No };
double readNumber(std::string_view text, Exponent exponent = Exponent::Yes);

// True when the text starts with a number readNumber reads, rather than with
// something that reads 0 only for want of one.
bool holdsNumber(std::string_view text);

// Clamps as a double first, so huge or fractional values convert safely.
long clampToLong(double value, long lo, long hi);

}  // namespace tarnwick
