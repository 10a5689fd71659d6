#pragma once
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>

namespace tarnwick {

// The program's random source: uniform values in [0, 1) and draws 1..n as
// int(u * n) + 1. Seeded from the clock by the program; tests inject a fixed
// seed or their own sequence.
class Random {
public:
    void seed(std::uint64_t s) { engine_.seed(s); }
    void inject(std::function<double()> source) { injected_ = std::move(source); }

    double next() {
        if (injected_) return injected_();
        return unitValue(engine_());
    }
    long draw(long n) { return static_cast<long>(next() * static_cast<double>(n)) + 1; }

    // What std::uniform_real_distribution<double>(0, 1) makes of one draw of a
    // 64-bit engine, bit for bit: the draw rounded to a double, scaled by 2^-64
    // and kept below 1. The halves convert exactly and their sum rounds once, as
    // the conversion of the whole would, without its branch on the top bit,
    // which a random draw takes half the time.
    static double unitValue(std::uint64_t draw) {
        const double high = static_cast<double>(static_cast<std::uint32_t>(draw >> 32)) * 0x1p32;
        const double low = static_cast<double>(static_cast<std::uint32_t>(draw));
        const double unit = (high + low) * 0x1p-64;
        return unit < 1.0 ? unit : std::nextafter(1.0, 0.0);
    }

private:
    std::mt19937_64 engine_{0};
    std::function<double()> injected_;
};

}  // namespace tarnwick
