#include <chrono>

#include <gtest/gtest.h>

#include "platform/qt/pump_ticker.h"

namespace tarnwick::test {
namespace {

using namespace std::chrono_literals;

// Due at the first asking and then once per tick, never twice for one tick.
TEST(PumpTicker, IsDueOncePerTick) {
    PumpTicker slow(std::chrono::microseconds(10s));
    EXPECT_TRUE(slow.due());
    EXPECT_FALSE(slow.due());

    PumpTicker fast(std::chrono::microseconds(200));
    EXPECT_TRUE(fast.due());
    bool ticked = false;
    for (const auto giveUp = std::chrono::steady_clock::now() + 30s; !ticked && std::chrono::steady_clock::now() < giveUp;)
        ticked = fast.due();
    EXPECT_TRUE(ticked);
}

// Stopped for a wait, it ticks again at the next asking, and only after a tick.
TEST(PumpTicker, TicksAgainAfterAStop) {
    PumpTicker ticker(std::chrono::microseconds(50ms));
    EXPECT_TRUE(ticker.due());
    ticker.stop();
    EXPECT_FALSE(ticker.due()) << "the wait took the events a pump would";
    bool ticked = false;
    for (const auto giveUp = std::chrono::steady_clock::now() + 30s; !ticked && std::chrono::steady_clock::now() < giveUp;)
        ticked = ticker.due();
    EXPECT_TRUE(ticked);
}

}  // namespace
}  // namespace tarnwick::test
