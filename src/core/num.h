#pragma once

namespace tarnwick {

// A number field that remembers whether it was ever given a value: the settings
// record writes a never-set field as an empty place. Reads as a plain long.
class Num {
public:
    constexpr Num() = default;
    constexpr Num(long v) : value_(v), assigned_(true) {}  // NOLINT: used as a plain number
    constexpr Num& operator=(long v) { value_ = v; assigned_ = true; return *this; }
    constexpr operator long() const { return value_; }  // NOLINT
    constexpr bool assigned() const { return assigned_; }

    constexpr Num& operator+=(long d) { return *this = value_ + d; }
    constexpr Num& operator-=(long d) { return *this = value_ - d; }
    constexpr Num& operator*=(long d) { return *this = value_ * d; }
    constexpr Num& operator++() { return *this = value_ + 1; }
    constexpr Num& operator--() { return *this = value_ - 1; }
    constexpr long operator++(int) { long old = value_; *this = value_ + 1; return old; }
    constexpr long operator--(int) { long old = value_; *this = value_ - 1; return old; }

private:
    long value_ = 0;
    bool assigned_ = false;
};

}  // namespace tarnwick
