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
    f.positive.fill("0");
    f.zero.fill("0");
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
        EXPECT_EQ(r.text3(), "5,5");
        EXPECT_EQ(r.text5(), "0");
        EXPECT_EQ(r.text6(), "5,5");
        EXPECT_EQ(r.text7(), "17,1391");
        EXPECT_EQ(r.text4(), "12,83");
    }
    FaultResult r = calculateFault(loop(example("10", "10"), FaultMode::ThreePhase));
    EXPECT_EQ(r.text5(), "0,9238");
    EXPECT_EQ(r.text7(), "18,0629");
    EXPECT_EQ(r.text4(), "12,2309");
    EXPECT_EQ(r.text1().substr(0, 8), "17,13913");
}

TEST(FaultCalculation, TotalsAreRoundedBeforeTheCurrent) {
    FaultTexts f = loop(example(), FaultMode::ThreePhase);
    f.positive[0] = "0,00004";  // RΣ 5,50004 → 5,5
    FaultResult r = calculateFault(f);
    EXPECT_EQ(r.text6(), "5,5");
    EXPECT_EQ(r.text4(), "12,83");
}

TEST(FaultCalculation, SinglePhaseCountsTheLoopAsWritten) {
    // A line of r1 = 10, x1 = 4, r0 = 20, x0 = 8 with Y/Y additions 55,8 / 149.
    FaultTexts f = loop(example("10", "10"), FaultMode::SinglePhase);
    f.positive[0] = "10";
    f.positive[1] = "4";
    f.zero[0] = "20";
    f.zero[1] = "8";
    f.zero[6] = "55,8";
    f.zero[7] = "149";
    FaultResult r = calculateFault(f);
    ASSERT_EQ(r.error, NumError::None);
    EXPECT_EQ(r.text6(), "15,5");
    EXPECT_EQ(r.text7(), "22,0629");
    // R1 = 2·15,5 + 55,8 + 5,5 + 20; X1 = 2·22,0629 + 149 + Xт + 8
    double r1 = 31 + 55.8 + 5.5 + 20;
    double x1 = 44.1258 + 149 + *r.xt + 8;
    double ik = std::sqrt(3.0) * 400 / std::sqrt(r1 * r1 + x1 * x1);
    EXPECT_EQ(r.text4(), Fixed4::fromDouble(ik).value.toText());
}

TEST(FaultCalculation, ConversionFailureKeepsWhatWasComputed) {
    FaultTexts f = loop(example(), FaultMode::ThreePhase);
    f.positive[2] = "";  // txtR12
    FaultResult r = calculateFault(f);
    EXPECT_EQ(r.error, NumError::Conversion);
    EXPECT_EQ(r.text3(), "5,5");
    EXPECT_FALSE(r.text1().empty());
    EXPECT_EQ(r.text5(), "0");
    EXPECT_EQ(r.text4(), "0");
    EXPECT_EQ(r.text6(), "0");
    EXPECT_EQ(r.text7(), "0");

    f = loop(example(), FaultMode::ThreePhase);
    f.transformer.uk = "";
    r = calculateFault(f);
    EXPECT_EQ(r.error, NumError::Conversion);
    EXPECT_EQ(r.text1(), "");
    EXPECT_EQ(r.text3(), "5,5");

    f = loop(example(), FaultMode::SinglePhase);
    f.zero[7] = "0.4";  // Text9
    r = calculateFault(f);
    EXPECT_EQ(r.error, NumError::Conversion);
    EXPECT_EQ(r.text6(), "5,5");
    EXPECT_EQ(r.text7(), "17,1391");
    EXPECT_EQ(r.text4(), "0");
}

TEST(FaultCalculation, ArithmeticFailuresAreSilentKinds) {
    FaultTexts f = loop(example(), FaultMode::ThreePhase);
    f.transformer.st = "0";
    EXPECT_EQ(calculateFault(f).error, NumError::DivisionByZero);

    // A zero loop: no transformer losses, reactance cancelled by the lines.
    f = loop(TransformerTexts{"400", "10", "400", "0", "0", "0"}, FaultMode::ThreePhase);
    FaultResult r = calculateFault(f);
    EXPECT_EQ(r.error, NumError::DivisionByZero);
    EXPECT_EQ(r.text4(), "0");

    f = loop(example(), FaultMode::ThreePhase);
    f.positive[0] = "900000000000000";
    f.positive[2] = "900000000000000";
    EXPECT_EQ(calculateFault(f).error, NumError::Overflow);

    f = loop(example(), FaultMode::ThreePhase);
    f.positive[0] = "1e400";
    EXPECT_EQ(calculateFault(f).error, NumError::Overflow);
}
