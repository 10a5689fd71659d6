#include <cstdint>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "core/random.h"

namespace tarnwick {
namespace {

// Mazes made with a seed must stay the mazes made with it before: every value
// is the standard distribution's, for whole runs of seeds and for the draws at
// the edges of rounding (the top of the range rounds up to 1, and is kept below).
TEST(Random, ValuesAreTheStandardDistributions) {
    for (std::uint64_t seed : {0u, 1u, 3u, 12345u}) {
        Random random;
        random.seed(seed);
        std::mt19937_64 engine(seed);
        for (int i = 0; i < 200000; ++i) {
            const double expected = std::uniform_real_distribution<double>(0.0, 1.0)(engine);
            ASSERT_EQ(random.next(), expected) << "seed " << seed << ", draw " << i;
        }
    }
    struct Fixed {
        using result_type = std::uint64_t;
        std::uint64_t value;
        static constexpr result_type min() { return 0; }
        static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }
        result_type operator()() { return value; }
    };
    const std::uint64_t top = std::numeric_limits<std::uint64_t>::max();
    for (std::uint64_t draw : {top, top - 1, top - 1023, top - 1024, top - 2047, top - 2048, std::uint64_t{1} << 63,
                               (std::uint64_t{1} << 63) + 1, (std::uint64_t{1} << 53) + 1, std::uint64_t{0},
                               std::uint64_t{1}, std::uint64_t{0xFFFFFFFF}, std::uint64_t{0x1FFFFFFFFFFFFF}}) {
        Fixed engine{draw};
        EXPECT_EQ(Random::unitValue(draw), std::uniform_real_distribution<double>(0.0, 1.0)(engine)) << std::hex << draw;
        EXPECT_LT(Random::unitValue(draw), 1.0);
    }
}

}  // namespace
}  // namespace tarnwick
