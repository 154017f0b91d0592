#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "core/fixed4.h"

using ampera::Fixed4;
using ampera::NumError;

namespace {

std::int64_t raw(const char* text) {
    auto r = Fixed4::parse(text);
    EXPECT_TRUE(r.ok()) << text;
    return r.value.raw();
}

}  // namespace

TEST(Fixed4, ParsesDecimalCommaExactly) {
    EXPECT_EQ(raw("0"), 0);
    EXPECT_EQ(raw("12,5"), 125000);
    EXPECT_EQ(raw("-0,0001"), -1);
    EXPECT_EQ(raw("18,0629"), 180629);
    EXPECT_EQ(raw("1E-04"), 1);
    EXPECT_EQ(raw("2,5e3"), 25000000);
    EXPECT_EQ(Fixed4::parse("0.4").error, NumError::Conversion);
    EXPECT_EQ(Fixed4::parse("").error, NumError::Conversion);
    EXPECT_EQ(Fixed4::parse("--1").error, NumError::Conversion);
}

TEST(Fixed4, TextRoundsHalfToEvenOnTheDecimalDigits) {
    EXPECT_EQ(raw("0,00005"), 0);      // tie, 0 is even
    EXPECT_EQ(raw("0,00015"), 2);      // tie, up to even
    EXPECT_EQ(raw("0,00025"), 2);      // tie, down to even
    EXPECT_EQ(raw("0,000050001"), 1);  // above the tie
    EXPECT_EQ(raw("0,00004999"), 0);
    EXPECT_EQ(raw("-0,00015"), -2);
    EXPECT_EQ(raw("-0,00025"), -2);
    EXPECT_EQ(raw("0,000001"), 0);
    EXPECT_EQ(raw("5,50004"), 55000);
}

TEST(Fixed4, RangeEndsOverflow) {
    EXPECT_EQ(raw("922337203685477,5807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(raw("-922337203685477,5808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Fixed4::parse("922337203685477,5808").error, NumError::Overflow);
    EXPECT_EQ(Fixed4::parse("-922337203685477,5809").error, NumError::Overflow);
    EXPECT_EQ(Fixed4::parse("9223372036854775807").error, NumError::Overflow);
    EXPECT_EQ(Fixed4::parse("1e400").error, NumError::Overflow);
    EXPECT_EQ(Fixed4::parse(std::string(1000, '9')).error, NumError::Overflow);
}

TEST(Fixed4, FromDoubleRoundsHalfToEvenAndRejectsNonFinite) {
    EXPECT_EQ(Fixed4::fromDouble(12.830049).value.raw(), 128300);
    EXPECT_EQ(Fixed4::fromDouble(0.00005).value.raw(), 1);  // the double lies above the tie
    EXPECT_EQ(Fixed4::fromDouble(0.5 / 10000).value.raw(), 1);
    // 1/32 and 3/32 are exact doubles on a tie: 312,5 and 937,5 ten-thousandths.
    EXPECT_EQ(Fixed4::fromDouble(0.03125).value.raw(), 312);
    EXPECT_EQ(Fixed4::fromDouble(0.09375).value.raw(), 938);
    EXPECT_EQ(Fixed4::fromDouble(-0.03125).value.raw(), -312);
    EXPECT_EQ(Fixed4::fromDouble(1e300).error, NumError::Overflow);
    EXPECT_EQ(Fixed4::fromDouble(-1e15).error, NumError::Overflow);
    EXPECT_EQ(Fixed4::fromDouble(std::numeric_limits<double>::infinity()).error, NumError::Overflow);
    EXPECT_EQ(Fixed4::fromDouble(std::numeric_limits<double>::quiet_NaN()).error, NumError::Overflow);
}

// The rounding agrees with the library's nearbyintl on the scaled value over
// magnitudes from ten-thousandths to the range's end, ties included.
TEST(Fixed4, FromDoubleRoundsAsNearbyint) {
    std::mt19937_64 rng(4);
    for (int k = 0; k < 200000; ++k) {
        const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-5, 14.9)(rng));
        double value = (k % 2 ? -1 : 1) * magnitude;
        if (k % 5 == 0) value = std::round(value * 20000) / 20000;  // on a tie or near it
        const long double expected = std::nearbyintl(static_cast<long double>(value) * 10000.0L);
        const auto got = Fixed4::fromDouble(value);
        if (std::fabs(expected) >= 9.2e18L) continue;
        ASSERT_TRUE(got.ok()) << value;
        ASSERT_EQ(got.value.raw(), static_cast<std::int64_t>(expected)) << value;
    }
}

TEST(Fixed4, TextDropsTrailingZeros) {
    EXPECT_EQ(Fixed4::fromRaw(125000).toText(), "12,5");
    EXPECT_EQ(Fixed4::fromRaw(70000).toText(), "7");
    EXPECT_EQ(Fixed4::fromRaw(0).toText(), "0");
    EXPECT_EQ(Fixed4::fromRaw(-1).toText(), "-0,0001");
    EXPECT_EQ(Fixed4::fromRaw(-125000).toText(), "-12,5");
    EXPECT_EQ(Fixed4::fromRaw(std::numeric_limits<std::int64_t>::min()).toText(), "-922337203685477,5808");
}

TEST(Fixed4, ArithmeticIsExactOrOverflows) {
    Fixed4 a = Fixed4::fromRaw(55000), b = Fixed4::fromRaw(1);
    EXPECT_EQ((a + b).value.raw(), 55001);
    EXPECT_EQ((a * 2).value.raw(), 110000);
    Fixed4 max = Fixed4::fromRaw(std::numeric_limits<std::int64_t>::max());
    Fixed4 min = Fixed4::fromRaw(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ((max + b).error, NumError::Overflow);
    EXPECT_EQ((min - b).error, NumError::Overflow);
    EXPECT_EQ((max * 2).error, NumError::Overflow);
    EXPECT_EQ((min * -1).error, NumError::Overflow);
}

TEST(Fixed4, ProductRoundsHalfToEven) {
    // 12,2309 × 0,702 = 8,5860918 → 8,5861
    EXPECT_EQ((Fixed4::fromRaw(122309) * Fixed4::fromRaw(7020)).value.raw(), 85861);
    // 0,0001 × 0,5 = 0,00005 → 0 ; 0,0003 × 0,5 = 0,00015 → 0,0002
    EXPECT_EQ((Fixed4::fromRaw(1) * Fixed4::fromRaw(5000)).value.raw(), 0);
    EXPECT_EQ((Fixed4::fromRaw(3) * Fixed4::fromRaw(5000)).value.raw(), 2);
    EXPECT_EQ((Fixed4::fromRaw(-3) * Fixed4::fromRaw(5000)).value.raw(), -2);
    Fixed4 big = Fixed4::fromRaw(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ((big * big).error, NumError::Overflow);
}
