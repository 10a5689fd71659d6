#pragma once
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace tarnwick {

// A colour table that knows when it may have changed. Every access that could
// write (the non-const index) takes a new stamp
// from one counter shared by all tables, so a stamp stands for one content
// wherever the table is copied, and a classification built from a table is
// known stale as soon as the table may differ. Reading goes through the const
// index or the const iterators; the non-const index costs a fresh stamp.
template <typename T, std::size_t N>
class ColourTable {
public:
    T& operator[](std::size_t k) {
        stamp_ = nextStamp();
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
    static std::uint64_t nextStamp() {
        static std::atomic<std::uint64_t> counter{0};
        return counter.fetch_add(1, std::memory_order_relaxed) + 1;
    }

    std::array<T, N> values_{};
    std::uint64_t stamp_ = 0;
};

}  // namespace tarnwick
