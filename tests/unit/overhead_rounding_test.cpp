#include <gtest/gtest.h>

#include <string>

#include "core/number_text.h"
#include "core/overhead_rounding.h"

using ampera::formatDouble;
using ampera::NumError;
using ampera::roundHundredthsHalfEven;

namespace {

// The rounded value as the field shows it.
std::string shown(std::string_view text) {
    const auto r = roundHundredthsHalfEven(text);
    EXPECT_TRUE(r.ok()) << text;
    return formatDouble(r.value);
}

}  // namespace

TEST(OverheadRounding, HalfwayGoesToEvenNeighbour) {
    EXPECT_EQ(shown("0,415"), "0,42");
    EXPECT_EQ(shown("0,325"), "0,32");
    EXPECT_EQ(shown("0,355"), "0,36");
    EXPECT_EQ(shown("0,305"), "0,3");
    EXPECT_EQ(shown("0,455"), "0,46");
    EXPECT_EQ(shown("0,445"), "0,44");
    EXPECT_EQ(shown("0,005"), "0");
    EXPECT_EQ(shown("0,015"), "0,02");
    EXPECT_EQ(shown("2,125"), "2,12");
    EXPECT_EQ(shown("2,135"), "2,14");
}

TEST(OverheadRounding, HalfwayIsJudgedOnTheDecimalText) {
    // 0,285 and 1,005 are stored as doubles just below the halfway point,
    // 8,345 just above it; the text still counts as exactly halfway.
    EXPECT_EQ(shown("0,285"), "0,28");
    EXPECT_EQ(shown("1,005"), "1");
    EXPECT_EQ(shown("1,015"), "1,02");
    EXPECT_EQ(shown("8,345"), "8,34");
}

TEST(OverheadRounding, AboveAndBelowHalfway) {
    EXPECT_EQ(shown("0,3551"), "0,36");
    EXPECT_EQ(shown("0,32500000001"), "0,33");
    EXPECT_EQ(shown("0,3249999"), "0,32");
    EXPECT_EQ(shown("34,1358333333333"), "34,14");
    EXPECT_EQ(shown("120,012"), "120,01");
    EXPECT_EQ(shown("0,0049"), "0");
    EXPECT_EQ(shown("0,0051"), "0,01");
}

TEST(OverheadRounding, CarryRunsThroughTheWholeNumber) {
    EXPECT_EQ(shown("9,995"), "10");
    EXPECT_EQ(shown("99,999"), "100");
    EXPECT_EQ(shown("0,999"), "1");
}

TEST(OverheadRounding, ShortValuesStayAsTheyAre) {
    EXPECT_EQ(shown("0"), "0");
    EXPECT_EQ(shown("89"), "89");
    EXPECT_EQ(shown("0,36"), "0,36");
    EXPECT_EQ(shown("270"), "270");
    EXPECT_EQ(shown("0,3"), "0,3");
    EXPECT_EQ(shown("12,"), "12");
    EXPECT_EQ(shown("89,000"), "89");
}

TEST(OverheadRounding, NegativeValuesRoundSymmetrically) {
    EXPECT_EQ(shown("-0,325"), "-0,32");
    EXPECT_EQ(shown("-0,415"), "-0,42");
    EXPECT_EQ(shown("-0,001"), "0");
}

TEST(OverheadRounding, ExponentForms) {
    EXPECT_EQ(shown("1E-05"), "0");
    EXPECT_EQ(shown("3,55E-1"), "0,36");
    EXPECT_EQ(shown("1,2345E+2"), "123,45");
    EXPECT_EQ(shown("1,23456E+2"), "123,46");
    EXPECT_EQ(shown("5E-3"), "0");
    EXPECT_EQ(shown("1,5E+20"), "1,5E+20");
    EXPECT_EQ(shown("1E-999999"), "0");
}

TEST(OverheadRounding, IdempotentOnItsOwnOutput) {
    for (const char* t : {"0,415", "34,1358333333333", "0,305", "123456789012345,675", "9,995", "1,23456789E+17"}) {
        const std::string once = shown(t);
        EXPECT_EQ(shown(once), once) << t;
    }
}

TEST(OverheadRounding, TextThatIsNoNumberFails) {
    EXPECT_EQ(roundHundredthsHalfEven("").error, NumError::Conversion);
    EXPECT_EQ(roundHundredthsHalfEven("0.415").error, NumError::Conversion);
    EXPECT_EQ(roundHundredthsHalfEven("abc").error, NumError::Conversion);
    EXPECT_EQ(roundHundredthsHalfEven(",").error, NumError::Conversion);
    EXPECT_EQ(roundHundredthsHalfEven("1E+400").error, NumError::Overflow);
}
