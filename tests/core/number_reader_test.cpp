#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <cmath>
#include <limits>

#include "core/number_reader.h"

namespace tarnwick {
namespace {

TEST(NumberReader, ReadsTheNumericPrefix) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"  12abc", 12}, {"7.5", 7.5}, {"-3", -3}, {"abc", 0}, {"", 0}, {"   ", 0},
        {"1e3", 1000}, {"2E-2", 0.02}, {"3e", 3}, {"3e+", 3}, {"0x10", 0}, {"inf", 0},
        {"nan", 0}, {"-inf", 0}, {".5", 0.5}, {"5.", 5}, {".", 0}, {"-.", 0}, {"+4", 4},
        {"- 4", 0}, {"-.5", -0.5}, {"+.5e1", 5}, {"\t8", 8}, {"12,5", 12}, {"1.2.3", 1.2}, {"--1", 0}, {"007", 7},
        {"1e-999", 0}, {"0.000e99999", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(readNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(NumberReader, OutOfRangeStaysFinite) {
    for (const char* text : {"1e999", "99999999999999999999e99999999999999999999", "-1e400"}) {
        const double value = readNumber(text);
        EXPECT_TRUE(std::isfinite(value)) << text;
        EXPECT_GE(std::fabs(value), 1e300) << text;
    }
    EXPECT_LT(readNumber("-1e400"), 0);
    const std::string longDigits(5000, '9');
    EXPECT_TRUE(std::isfinite(readNumber(longDigits)));
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1"), 0);  // underflow reads as zero
}

TEST(NumberReader, ClampToLongClampsBeforeConverting) {
    const struct {
        double value;
        long expected;
    } cases[] = {
        {7.9, 7}, {50.9, 50}, {4.99, 5}, {-7.9, 5}, {51, 50}, {1e300, 50}, {-1e300, 5},
        {std::numeric_limits<double>::quiet_NaN(), 5},
        {std::numeric_limits<double>::infinity(), 50},
    };
    for (const auto& c : cases) EXPECT_EQ(clampToLong(c.value, 5, 50), c.expected) << c.value;
    EXPECT_EQ(clampToLong(-7.9, -100, 100), -7);
    EXPECT_EQ(clampToLong(1e300, LONG_MIN, LONG_MAX), LONG_MAX);
    EXPECT_EQ(clampToLong(-1e300, LONG_MIN, LONG_MAX), LONG_MIN);
}

}  // namespace
}  // namespace tarnwick
