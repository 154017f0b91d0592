#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/line_entry.h"
#include "core/number_text.h"
#include "core/overhead_rounding.h"

using namespace ampera;

namespace {

// A computed value as the field shows it.
std::string shown(const Checked<double>& v) {
    EXPECT_EQ(v.error, NumError::None);
    return formatDouble(v.value);
}

std::string shown(std::optional<double> v) { return v ? formatDouble(*v) : std::string("unchanged"); }

// Aluminium cable in an aluminium sheath, 3x95, per metre.
const SectionTexts kCable{"0,405", "0,057", "1,06", "0,174"};

}  // namespace

TEST(CableSection, PerMetreValuesTimesTheLength) {
    Checked<SectionTexts> s = cableSection(kCable, "120");
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(s.value.r1, "48,6");
    EXPECT_EQ(s.value.x1, "6,84");
    EXPECT_EQ(s.value.r0, "127,2");
    EXPECT_EQ(s.value.x0, "20,88");

    s = cableSection(kCable, "0");
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(s.value.r1 + s.value.x1 + s.value.r0 + s.value.x0, "0000");
}

TEST(CableSection, EmptyLengthEntersNothingButStillChecksTheValues) {
    const Checked<SectionTexts> s = cableSection(kCable, "");
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(s.value.r1 + s.value.x1 + s.value.r0 + s.value.x0, "");

    SectionTexts bad = kCable;
    bad.x0 = "0.174";
    EXPECT_EQ(cableSection(bad, "").error, NumError::Conversion);
    EXPECT_EQ(cableSection(bad, "120").error, NumError::Conversion);
    for (const char* length : {"12.5", " ", "abc", "1,2,3"})
        EXPECT_EQ(cableSection(kCable, length).error, NumError::Conversion) << length;
}

TEST(CableSection, BeyondTheDoubleRangeIsAnOverflow) {
    EXPECT_EQ(cableSection(kCable, "1E400").error, NumError::Overflow);
    EXPECT_EQ(cableSection({"2", "0", "0", "0"}, "1E308").error, NumError::Overflow);
    EXPECT_TRUE(cableSection({"1", "0", "0", "0"}, "1E308").ok());
}

TEST(OverheadLine, WorkedExamplesStepByStep) {
    // Copper, 250 m, 50 mm²: the tabled 0,355 Ohm/km is rounded to 0,36 first.
    EXPECT_EQ(shown(overheadR1(250, 50, 0.0178)), "89");
    EXPECT_EQ(shown(overheadR0("89")), "89,15");
    EXPECT_EQ(shown(overheadX1("0,355", "250")), "88,75");
    EXPECT_EQ(shown(overheadX1("0,36", "250")), "90");
    EXPECT_EQ(shown(overheadX0("0,36", "250")), "270");
    // Aluminium, 137 m, 120 mm², 0,292 Ohm/km rounded to 0,29.
    const std::string r1 = shown(overheadR1(137, 120, 0.0299));
    EXPECT_EQ(r1, "34,1358333333333");
    EXPECT_EQ(shown(twoDecimalRewrite(r1)), "34,14");
    EXPECT_EQ(shown(overheadR0("34,14")), "34,29");
    EXPECT_EQ(shown(overheadX1("0,29", "137")), "39,73");
    EXPECT_EQ(shown(overheadX0("0,29", "137")), "119,19");
}

TEST(OverheadLine, FailuresOfTheFormulasAndTheirOperands) {
    EXPECT_EQ(overheadR1(250, 0, 0.0178).error, NumError::DivisionByZero);
    EXPECT_EQ(overheadR1(0, 0, 0.0178).error, NumError::DivisionByZero);
    EXPECT_EQ(overheadR1(1e300, 1e-10, 0.0178).error, NumError::Overflow);
    EXPECT_EQ(overheadX1("1E200", "1E200").error, NumError::Overflow);
    EXPECT_EQ(overheadX0("1E308", "1").error, NumError::Overflow);  // 3·x1 already overflows
    EXPECT_TRUE(overheadX1("1E308", "1").ok());
    EXPECT_EQ(shown(overheadR0("-0,15")), "0");
    EXPECT_EQ(overheadR0("").error, NumError::Conversion);
    EXPECT_EQ(overheadX1("0.36", "250").error, NumError::Conversion);
    EXPECT_EQ(overheadX0("0,36", "").error, NumError::Conversion);
}

TEST(OverheadLine, TwoDecimalRuleRewritesOnlyWhatChanges) {
    EXPECT_EQ(shown(twoDecimalRewrite("0,325")), "0,32");  // a tie on the decimal text goes to even
    EXPECT_EQ(shown(twoDecimalRewrite("0,355")), "0,36");
    EXPECT_EQ(shown(twoDecimalRewrite("0,125")), "0,12");
    EXPECT_EQ(shown(twoDecimalRewrite("-0,415")), "-0,42");
    for (const char* text : {"0,30", "12,", "0,3", "270", "", "abc", "0.355", "1E400"})
        EXPECT_EQ(shown(twoDecimalRewrite(text)), "unchanged") << text;
}
