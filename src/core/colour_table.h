#pragma once
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace tarnwick {

// Counts every write and every assignment of any colour table: what was worked
// out from the tables when the count read N still holds while it reads N.
class ColourTableWrites {
public:
    static std::uint64_t now() { return count_.load(std::memory_order_relaxed); }

protected:
    static void counted() { count_.fetch_add(1, std::memory_order_relaxed); }

private:
    static inline std::atomic<std::uint64_t> count_{0};
};

// A colour table written only through `set` and assignment, each counted once
// the new values are in place: no reference into it is ever handed out, so
// nothing can change it behind the count, and reading never counts.
template <typename T, std::size_t N>
class ColourTable : private ColourTableWrites {
public:
    ColourTable() = default;
    ColourTable(const ColourTable&) = default;
    ColourTable& operator=(const ColourTable& other) {
        values_ = other.values_;
        counted();
        return *this;
    }

    void set(std::size_t k, const T& value) {
        values_[k] = value;
        counted();
    }
    const T& operator[](std::size_t k) const { return values_[k]; }

    auto begin() const { return values_.cbegin(); }
    auto end() const { return values_.cend(); }
    static constexpr std::size_t size() { return N; }
    const std::array<T, N>& values() const { return values_; }

    friend bool operator==(const ColourTable& a, const ColourTable& b) { return a.values_ == b.values_; }

private:
    std::array<T, N> values_{};
};

}  // namespace tarnwick
