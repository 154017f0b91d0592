#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "core/number_text.h"

using ampera::formatDouble;
using ampera::NumError;
using ampera::parseDouble;

namespace {

double ok(const char* text) {
    auto r = parseDouble(text);
    EXPECT_TRUE(r.ok()) << text;
    return r.value;
}

NumError fails(const std::string& text) { return parseDouble(text).error; }

}  // namespace

TEST(ParseDouble, CommaIsTheDecimalSeparator) {
    EXPECT_DOUBLE_EQ(ok("0,4"), 0.4);
    EXPECT_DOUBLE_EQ(ok("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(ok(",5"), 0.5);
    EXPECT_DOUBLE_EQ(ok("5,"), 5.0);
    EXPECT_DOUBLE_EQ(ok("400"), 400.0);
    EXPECT_EQ(fails("0.4"), NumError::Conversion);
    EXPECT_EQ(fails("1,2,3"), NumError::Conversion);
    EXPECT_EQ(fails("1 000"), NumError::Conversion);
}

TEST(ParseDouble, EmptyAndJunkAreConversionFailures) {
    for (const char* t : {"", " ", ",", "-", "+", "--1", "+-1", "abc", "1a", "0x10", "inf", "nan", "1E", "1E+", "E5",
                          "1e5e5", "١", "１"})
        EXPECT_EQ(fails(t), NumError::Conversion) << t;
}

TEST(ParseDouble, BlanksSignsAndExponents) {
    EXPECT_DOUBLE_EQ(ok(" 7,5\t"), 7.5);
    EXPECT_DOUBLE_EQ(ok("-0,25"), -0.25);
    EXPECT_DOUBLE_EQ(ok("+3"), 3.0);
    EXPECT_DOUBLE_EQ(ok("1E-05"), 1e-5);
    EXPECT_DOUBLE_EQ(ok("1,5e+15"), 1.5e15);
    EXPECT_EQ(fails("- 1"), NumError::Conversion);
    EXPECT_EQ(fails("1 5"), NumError::Conversion);
}

TEST(ParseDouble, HugeAndTinyMagnitudes) {
    EXPECT_EQ(fails("1e400"), NumError::Overflow);
    EXPECT_EQ(fails("1" + std::string(1000, '0')), NumError::Overflow);
    EXPECT_DOUBLE_EQ(ok("1e-400"), 0.0);
    EXPECT_DOUBLE_EQ(ok(("0," + std::string(999, '0') + "1").c_str()), 0.0);
    EXPECT_DOUBLE_EQ(ok("9223372036854775807"), 9223372036854775807.0);
    EXPECT_EQ(fails("1e99999999999999999999999"), NumError::Overflow);
    EXPECT_DOUBLE_EQ(ok("0e99999999999999999999999"), 0.0);
}

TEST(ParseDouble, IgnoresTheMachineLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_DOUBLE_EQ(ok("0,4"), 0.4);
        EXPECT_EQ(formatDouble(0.25), "0,25");
    }
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(FormatDouble, GeneralFormat) {
    EXPECT_EQ(formatDouble(0.0), "0");
    EXPECT_EQ(formatDouble(-0.0), "0");
    EXPECT_EQ(formatDouble(0.25), "0,25");
    EXPECT_EQ(formatDouble(-0.25), "-0,25");
    EXPECT_EQ(formatDouble(5.5), "5,5");
    EXPECT_EQ(formatDouble(961), "961");
    EXPECT_EQ(formatDouble(9.61 * 120), "1153,2");
    EXPECT_EQ(formatDouble(0.092 * 120), "11,04");
    EXPECT_EQ(formatDouble(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(formatDouble(17.139136), "17,139136");
    EXPECT_EQ(formatDouble(34.1358333333333333), "34,1358333333333");
}

TEST(FormatDouble, ExponentFormOnlyAtTheExtremes) {
    EXPECT_EQ(formatDouble(0.0001), "0,0001");
    EXPECT_EQ(formatDouble(0.00001), "1E-05");
    EXPECT_EQ(formatDouble(0.000015), "1,5E-05");
    EXPECT_EQ(formatDouble(999999999999999.0), "999999999999999");
    EXPECT_EQ(formatDouble(1e15), "1E+15");
    EXPECT_EQ(formatDouble(-1.25e20), "-1,25E+20");
    EXPECT_EQ(formatDouble(1e-100), "1E-100");
    EXPECT_EQ(formatDouble(123456789012345678.0), "1,23456789012346E+17");
}

TEST(FormatDouble, RoundTripsThroughTheParser) {
    for (double v : {0.1, 2.0 / 3.0, 1e-7, 12345.678, -98765.4321, 3.5e18}) {
        auto back = parseDouble(formatDouble(v));
        ASSERT_TRUE(back.ok()) << v;
        EXPECT_NEAR(back.value, v, std::abs(v) * 1e-14) << v;
    }
}
