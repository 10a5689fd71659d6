#pragma once
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
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
    }
    long draw(long n) { return static_cast<long>(next() * static_cast<double>(n)) + 1; }

private:
    std::mt19937_64 engine_{0};
    std::function<double()> injected_;
};

}  // namespace tarnwick
