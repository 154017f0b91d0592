#include <gtest/gtest.h>

#include <cmath>

#include "core/fault_calculation.h"
#include "core/number_text.h"
#include "core/transformer_impedance.h"

using namespace ampera;

namespace {

TransformerTexts example(const char* u = "10", const char* i = "0") {
    return TransformerTexts{"400", u, "400", "5,5", "4,5", i};
}

FaultTexts loop(TransformerTexts t, FaultMode mode) {
    FaultTexts f;
    f.transformer = t;
    for (std::string FaultTexts::*t :
         {&FaultTexts::r11, &FaultTexts::x11, &FaultTexts::r12, &FaultTexts::x12, &FaultTexts::r13, &FaultTexts::x13,
          &FaultTexts::rd,  &FaultTexts::xd,  &FaultTexts::rd1, &FaultTexts::xd1, &FaultTexts::rd2, &FaultTexts::xd2,
          &FaultTexts::rr,  &FaultTexts::xr,  &FaultTexts::r01, &FaultTexts::x01, &FaultTexts::r02, &FaultTexts::x02,
          &FaultTexts::r03, &FaultTexts::x03, &FaultTexts::r0y, &FaultTexts::x0y})
        f.*t = "0";
    f.mode = mode;
    return f;
}

}  // namespace

TEST(TransformerImpedance, WorkedExample) {
    TransformerImpedance z = transformerImpedance(example("10", "10"));
    ASSERT_EQ(z.error, NumError::None);
    EXPECT_DOUBLE_EQ(*z.rt, 5.5);
    EXPECT_NEAR(*z.xt, 17.13914, 1e-5);
    EXPECT_NEAR(*z.xs, 0.92376, 1e-5);
    EXPECT_EQ(*transformerImpedance(example("10", "0")).xs, 0.0);
}

TEST(TransformerImpedance, UnlimitedSupplyIgnoresTheHighVoltage) {
    for (const char* u : {"", "0", "abc"}) {
        TransformerImpedance z = transformerImpedance(example(u, "0,0"));
        EXPECT_EQ(z.error, NumError::None) << u;
        EXPECT_EQ(*z.xs, 0.0);
    }
    EXPECT_EQ(transformerImpedance(example("0", "10")).error, NumError::DivisionByZero);
    EXPECT_EQ(transformerImpedance(example("", "10")).error, NumError::Conversion);
}

TEST(TransformerImpedance, FailuresStopAtTheirStep) {
    TransformerTexts t = example();
    t.st = "0";
    TransformerImpedance z = transformerImpedance(t);
    EXPECT_EQ(z.error, NumError::DivisionByZero);
    EXPECT_FALSE(z.rt);

    t = example();
    t.uk = "1";  // Uк < Uа = 1,375
    z = transformerImpedance(t);
    EXPECT_EQ(z.error, NumError::InvalidArgument);
    EXPECT_DOUBLE_EQ(*z.rt, 5.5);
    EXPECT_FALSE(z.xt);

    t = example();
    t.uk = "1,375";  // Uк = Uа
    z = transformerImpedance(t);
    EXPECT_EQ(z.error, NumError::None);
    EXPECT_EQ(*z.xt, 0.0);

    t = example();
    t.uf = "400.0";
    EXPECT_EQ(transformerImpedance(t).error, NumError::Conversion);
}

TEST(YyTable, MatchesThePowerExactly) {
    EXPECT_EQ(yyAddition(400).r0, 55.8);
    EXPECT_EQ(yyAddition(400).x0, 149);
    EXPECT_EQ(formatDouble(yyAddition(250).r0), "96,5");
    EXPECT_EQ(formatDouble(yyAddition(1000).x0), "60,6");
    EXPECT_EQ(yyAddition(401).r0, 0);
    EXPECT_EQ(yyAddition(399.5).x0, 0);
    EXPECT_EQ(yyAddition(10).r0, 0);
}

TEST(FaultCalculation, WorkedExampleBothModes) {
    for (FaultMode mode : {FaultMode::ThreePhase, FaultMode::SinglePhase}) {
        FaultResult r = calculateFault(loop(example(), mode));
        ASSERT_EQ(r.error, NumError::None);
        EXPECT_EQ(r.rtText(), "5,5");
        EXPECT_EQ(r.xsText(), "0");
        EXPECT_EQ(r.rSumText(), "5,5");
        EXPECT_EQ(r.xSumText(), "17,1391");
        EXPECT_EQ(r.currentText(), "12,83");
    }
    FaultResult r = calculateFault(loop(example("10", "10"), FaultMode::ThreePhase));
    EXPECT_EQ(r.xsText(), "0,9238");
    EXPECT_EQ(r.xSumText(), "18,0629");
    EXPECT_EQ(r.currentText(), "12,2309");
    EXPECT_EQ(r.xtText().substr(0, 8), "17,13913");
}

TEST(FaultCalculation, TotalsAreRoundedBeforeTheCurrent) {
    FaultTexts f = loop(example(), FaultMode::ThreePhase);
    f.r11 = "0,00004";  // RΣ 5,50004 → 5,5
    FaultResult r = calculateFault(f);
    EXPECT_EQ(r.rSumText(), "5,5");
    EXPECT_EQ(r.currentText(), "12,83");
}

TEST(FaultCalculation, SinglePhaseCountsTheLoopAsWritten) {
    // A line of r1 = 10, x1 = 4, r0 = 20, x0 = 8 with Y/Y additions 55,8 / 149.
    FaultTexts f = loop(example("10", "10"), FaultMode::SinglePhase);
    f.r11 = "10";
    f.x11 = "4";
    f.r01 = "20";
    f.x01 = "8";
    f.r0y = "55,8";
    f.x0y = "149";
    FaultResult r = calculateFault(f);
    ASSERT_EQ(r.error, NumError::None);
    EXPECT_EQ(r.rSumText(), "15,5");
    EXPECT_EQ(r.xSumText(), "22,0629");
    // R1 = 2·15,5 + 55,8 + 5,5 + 20; X1 = 2·22,0629 + 149 + Xт + 8
    double r1 = 31 + 55.8 + 5.5 + 20;
    double x1 = 44.1258 + 149 + *r.xt + 8;
    double ik = std::sqrt(3.0) * 400 / std::sqrt(r1 * r1 + x1 * x1);
    EXPECT_EQ(r.currentText(), Fixed4::fromDouble(ik).value.toText());
}

TEST(FaultCalculation, ConversionFailureKeepsWhatWasComputed) {
    FaultTexts f = loop(example(), FaultMode::ThreePhase);
    f.r12 = "";  // txtR12
    FaultResult r = calculateFault(f);
    EXPECT_EQ(r.error, NumError::Conversion);
    EXPECT_EQ(r.rtText(), "5,5");
    EXPECT_FALSE(r.xtText().empty());
    EXPECT_EQ(r.xsText(), "0");
    EXPECT_EQ(r.currentText(), "0");
    EXPECT_EQ(r.rSumText(), "0");
    EXPECT_EQ(r.xSumText(), "0");

    f = loop(example(), FaultMode::ThreePhase);
    f.transformer.uk = "";
    r = calculateFault(f);
    EXPECT_EQ(r.error, NumError::Conversion);
    EXPECT_EQ(r.xtText(), "");
    EXPECT_EQ(r.rtText(), "5,5");

    f = loop(example(), FaultMode::SinglePhase);
    f.x0y = "0.4";  // Text9
    r = calculateFault(f);
    EXPECT_EQ(r.error, NumError::Conversion);
    EXPECT_EQ(r.rSumText(), "5,5");
    EXPECT_EQ(r.xSumText(), "17,1391");
    EXPECT_EQ(r.currentText(), "0");
}

TEST(FaultCalculation, ArithmeticFailuresAreSilentKinds) {
    FaultTexts f = loop(example(), FaultMode::ThreePhase);
    f.transformer.st = "0";
    EXPECT_EQ(calculateFault(f).error, NumError::DivisionByZero);

    // A zero loop: no transformer losses, reactance cancelled by the lines.
    f = loop(TransformerTexts{"400", "10", "400", "0", "0", "0"}, FaultMode::ThreePhase);
    FaultResult r = calculateFault(f);
    EXPECT_EQ(r.error, NumError::DivisionByZero);
    EXPECT_EQ(r.currentText(), "0");

    f = loop(example(), FaultMode::ThreePhase);
    f.r11 = "900000000000000";
    f.r12 = "900000000000000";
    EXPECT_EQ(calculateFault(f).error, NumError::Overflow);

    f = loop(example(), FaultMode::ThreePhase);
    f.r11 = "1e400";
    EXPECT_EQ(calculateFault(f).error, NumError::Overflow);
}
