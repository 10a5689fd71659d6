// The flat table the trail keeps its pixels' colours in, against a plain map:
// keys that collide, wrap round the table's end and are dropped in any order.
#include <map>
#include <random>

#include <gtest/gtest.h>

#include "solving/pixel_colours.h"

namespace tarnwick::test {
namespace {

TEST(PixelColours, KeepsAndDropsAsAMapDoes) {
    std::mt19937_64 random(7);
    for (const int keyRange : {8, 100, 5000}) {
        PixelColours table;
        std::map<PixelColours::Key, long> expected;
        for (int step = 0; step < 40000; ++step) {
            const PixelColours::Key key = random() % static_cast<unsigned>(keyRange);
            if (random() % 3 != 0) {
                const long colour = static_cast<long>(random() % 0x1000000);
                table.set(key, colour);
                expected[key] = colour;
            } else {
                const auto it = expected.find(key);
                const std::optional<long> want = it == expected.end() ? std::nullopt : std::optional(it->second);
                ASSERT_EQ(table.take(key), want) << "key " << key << " at step " << step;
                if (it != expected.end()) expected.erase(it);
            }
            ASSERT_EQ(table.empty(), expected.empty());
        }
        for (const auto& [key, colour] : expected) EXPECT_EQ(table.take(key), colour);
        EXPECT_TRUE(table.empty());
        table.set(3, 9);
        table.clear();
        EXPECT_EQ(table.take(3), std::nullopt);
    }
}

}  // namespace
}  // namespace tarnwick::test
