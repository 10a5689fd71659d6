#pragma once
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace tarnwick {

// A colour table that knows when it may have changed. Every access that could
// write (the non-const index) takes a new stamp from one counter shared by all
// tables, so a stamp stands for one content wherever the table is copied. The
// counter also tells whether any table anywhere may have changed since a moment:
// assigning a table moves it on too. Reading goes through the const index or the
// const iterators; the non-const index costs a fresh stamp.
class ColourTableWrites {
public:
    // Unchanged since an earlier look: no table has been written or assigned since.
    static std::uint64_t now() { return counter().load(std::memory_order_relaxed); }

protected:
    static std::uint64_t next() { return counter().fetch_add(1, std::memory_order_relaxed) + 1; }

private:
    static std::atomic<std::uint64_t>& counter() {
        static std::atomic<std::uint64_t> writes{0};
        return writes;
    }
};

template <typename T, std::size_t N>
class ColourTable : private ColourTableWrites {
public:
    ColourTable() = default;
    ColourTable(const ColourTable&) = default;
    ColourTable& operator=(const ColourTable& other) {
        values_ = other.values_;
        stamp_ = other.stamp_;
        next();
        return *this;
    }

    T& operator[](std::size_t k) {
        stamp_ = next();
        return values_[k];
    }
    const T& operator[](std::size_t k) const { return values_[k]; }

    auto begin() const { return values_.cbegin(); }
    auto end() const { return values_.cend(); }
    static constexpr std::size_t size() { return N; }
    const std::array<T, N>& values() const { return values_; }
    std::uint64_t stamp() const { return stamp_; }

    friend bool operator==(const ColourTable& a, const ColourTable& b) { return a.values_ == b.values_; }

private:
    std::array<T, N> values_{};
    std::uint64_t stamp_ = 0;
};

}  // namespace tarnwick
