// The 6-byte real: exact reading, rounding on writing, and the edges of its range.
#include "base/real48.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace kvx {
namespace {

Real48Bytes r48(std::uint8_t e, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4, std::uint8_t b5) {
    return {e, b1, b2, b3, b4, b5};
}

TEST(Real48, KnownValuesBothWays) {
    const double largest = std::ldexp(2.0 - std::ldexp(1.0, -39), 126);
    struct Row {
        double value;
        Real48Bytes bytes;
    };
    const Row rows[] = {
        {0.0, r48(0, 0, 0, 0, 0, 0)},
        {1.0, r48(0x81, 0, 0, 0, 0, 0)},
        {-1.0, r48(0x81, 0, 0, 0, 0, 0x80)},
        {0.5, r48(0x80, 0, 0, 0, 0, 0)},
        {2.5, r48(0x82, 0, 0, 0, 0, 0x20)},
        {10.0, r48(0x84, 0, 0, 0, 0, 0x20)},
        {-0.25, r48(0x7F, 0, 0, 0, 0, 0x80)},
        {1.0 + std::ldexp(1.0, -39), r48(0x81, 1, 0, 0, 0, 0)},
        {std::ldexp(1.0, -128), r48(0x01, 0, 0, 0, 0, 0)},
        {largest, r48(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F)},
        {-largest, r48(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(doubleToReal48(row.value), row.bytes) << row.value;
        EXPECT_EQ(real48ToDouble(row.bytes.data()), row.value) << row.value;
    }
}

TEST(Real48, RandomPatternsRoundTripExactly) {
    std::mt19937_64 random(4711);
    for (int i = 0; i < 20000; ++i) {
        Real48Bytes bytes{};
        const std::uint64_t bits = random();
        for (std::size_t b = 0; b < bytes.size(); ++b) bytes[b] = static_cast<std::uint8_t>(bits >> (8 * b));
        const double value = real48ToDouble(bytes.data());
        if (bytes[0] == 0) {
            EXPECT_EQ(value, 0.0);
            continue;
        }
        ASSERT_EQ(doubleToReal48(value), bytes) << value;
    }
}

TEST(Real48, WritingRoundsToNearestTiesToEven) {
    const double ulp = std::ldexp(1.0, -39);  // one unit of the fraction at exponent 0x81
    struct Row {
        double value;
        double expected;
    };
    const Row rows[] = {
        {1.0 + ulp / 2, 1.0},                               // tie, kept fraction even: down
        {1.0 + 3 * ulp / 2, 1.0 + 2 * ulp},                 // tie, kept fraction odd: up
        {1.0 + ulp / 2 + std::ldexp(1.0, -52), 1.0 + ulp},  // just above the tie: up
        {1.0 + ulp / 2 - std::ldexp(1.0, -52), 1.0},        // just below the tie: down
        {-(1.0 + 3 * ulp / 2), -(1.0 + 2 * ulp)},           // the sign does not change the rounding
        {2.0 - ulp / 4, 2.0},                               // carry into the exponent
    };
    for (const auto& row : rows) {
        const Real48Bytes bytes = doubleToReal48(row.value);
        EXPECT_EQ(real48ToDouble(bytes.data()), row.expected) << row.value;
    }
    // 0.1 is not representable: the stored value is the nearest one, within half a unit.
    const Real48Bytes tenth = doubleToReal48(0.1);
    EXPECT_LE(std::fabs(real48ToDouble(tenth.data()) - 0.1), std::ldexp(1.0, -4 - 39 - 1));
    EXPECT_EQ(doubleToReal48(2.0 - ulp / 4)[0], 0x82);
}

TEST(Real48, OutOfRangeValues) {
    const Real48Bytes zero{};
    const Real48Bytes largest = r48(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F);
    const Real48Bytes smallest = r48(0x01, 0, 0, 0, 0, 0);
    EXPECT_EQ(doubleToReal48(-0.0), zero);
    EXPECT_EQ(doubleToReal48(std::numeric_limits<double>::quiet_NaN()), zero);
    EXPECT_EQ(doubleToReal48(std::ldexp(1.0, -129)), zero);
    EXPECT_EQ(doubleToReal48(std::numeric_limits<double>::denorm_min()), zero);
    EXPECT_EQ(doubleToReal48(1e40), largest);
    EXPECT_EQ(doubleToReal48(std::ldexp(1.0, 127)), largest);
    EXPECT_EQ(doubleToReal48(std::numeric_limits<double>::infinity()), largest);
    Real48Bytes negativeLargest = largest;
    negativeLargest[5] = 0xFF;
    EXPECT_EQ(doubleToReal48(-1e40), negativeLargest);
    // Just below the smallest value, close enough to round up to it.
    EXPECT_EQ(doubleToReal48(std::ldexp(1.0 - std::ldexp(1.0, -45), -128)), smallest);
    // An exponent byte of zero means zero whatever the other bytes hold.
    const Real48Bytes junk = r48(0, 0x12, 0x34, 0x56, 0x78, 0x9A);
    EXPECT_EQ(real48ToDouble(junk.data()), 0.0);
}

TEST(Real48, WriteAndReadAtAnOffset) {
    std::uint8_t rec[10] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    writeReal48(rec, 2, 47.5);
    EXPECT_EQ(rec[1], 0xEE);
    EXPECT_EQ(rec[8], 0xEE);
    EXPECT_EQ(readReal48(rec, 2), 47.5);
}

}  // namespace
}  // namespace kvx
