#include <gtest/gtest.h>

#include <cmath>

#include "core/arc_motor.h"

using namespace ampera;

namespace {

ArcTexts threePhase(const char* rsum, const char* xsum, const char* ik) {
    ArcTexts in;
    in.rsum = rsum;
    in.xsum = xsum;
    in.ik = ik;
    in.r01 = in.x01 = in.r02 = in.x02 = in.r03 = in.x03 = "0";
    in.rt = "5,5";
    in.xt = "17,1391";
    in.threePhase = true;
    return in;
}

Fixed4 fx(const char* text) { return Fixed4::parse(text).value; }

MotorTexts motor(const char* i, const char* k, const char* r0 = "", const char* x0 = "") {
    return MotorTexts{i, k, "400", r0, x0};
}

}  // namespace

TEST(Arc, ThreePhaseWorkedExample) {
    const ArcResult r = calculateArc(threePhase("5,5", "18,0629", "12,2309"));
    ASSERT_EQ(r.error, NumError::None);
    EXPECT_EQ(r.zk, fx("18,8817"));
    EXPECT_EQ(r.kc, fx("0,702"));
    EXPECT_EQ(r.id, fx("8,5861"));
    EXPECT_EQ(r.kc.toText(), "0,702");
}

TEST(Arc, ZeroImpedanceGivesTheBaseCoefficient) {
    const ArcResult r = calculateArc(threePhase("0", "0", "10"));
    ASSERT_EQ(r.error, NumError::None);
    EXPECT_EQ(r.zk, fx("0"));
    EXPECT_EQ(r.kc, fx("0,6"));
    EXPECT_EQ(r.id, fx("6"));
}

TEST(Arc, SinglePhaseIsAThirdOfTheLoopWithoutStarStarAdditions) {
    ArcTexts in = threePhase("5,5", "18,0629", "3");
    in.threePhase = false;
    in.rt = "5,5";
    in.xt = "17,1391";
    in.r01 = "1";
    in.x01 = "2";
    in.r02 = "0,5";
    in.x02 = "0,25";
    in.r03 = "0,0001";
    in.x03 = "0";
    // A = 11 + 5,5 + 1 + 0,5 + 0,0001 = 18,0001; B = 36,1258 + 17,1391 + 2 + 0,25 = 55,5149
    const double a = 18.0001, b = 55.5149;
    const double zk = std::sqrt(a * a + b * b) / 3.0;
    const ArcResult r = calculateArc(in);
    ASSERT_EQ(r.error, NumError::None);
    EXPECT_EQ(r.zk, Fixed4::fromDouble(zk).value);
    const double z = r.zk.toDouble();
    const double kc = 0.6 - 0.0025 * z + 0.114 * std::sqrt(z) - 0.13 * std::cbrt(z);
    EXPECT_EQ(r.kc, Fixed4::fromDouble(kc).value);
    EXPECT_EQ(r.id, (fx("3") * r.kc).value);

    // The same loop three-phase ignores the zero-sequence values.
    in.threePhase = true;
    EXPECT_EQ(calculateArc(in).zk, fx("18,8817"));
}

TEST(Arc, BadFieldsAreConversionFailures) {
    for (int field = 0; field < 11; ++field) {
        ArcTexts in = threePhase("5,5", "18,0629", "12,2309");
        std::string* texts[] = {&in.rsum, &in.xsum, &in.ik,  &in.r01, &in.x01, &in.r02,
                                &in.x02,  &in.r03,  &in.x03, &in.rt,  &in.xt};
        *texts[field] = field % 2 ? "" : "5.5";
        const ArcResult r = calculateArc(in);
        EXPECT_EQ(r.error, NumError::Conversion) << "field " << field;
        EXPECT_EQ(r.kc, Fixed4()) << "field " << field;
    }
}

TEST(Arc, ImpedanceBeyondTheFixedRangeIsAnOverflow) {
    const ArcResult r = calculateArc(threePhase("900000000000000", "900000000000000", "1"));
    EXPECT_EQ(r.error, NumError::Overflow);
    EXPECT_EQ(r.zk, Fixed4());
    EXPECT_EQ(r.kc, Fixed4());

    ArcTexts single = threePhase("500000000000000", "0", "1");
    single.threePhase = false;  // 2·RΣ leaves the range while summing
    EXPECT_EQ(calculateArc(single).error, NumError::Overflow);
}

TEST(Motor, WorkedExample) {
    const MotorResult r = calculateMotor(motor("100", "7"));
    ASSERT_EQ(r.error, NumError::None);
    EXPECT_NEAR(r.xel, 404.0610, 5e-5);
    EXPECT_NEAR(r.e, 209.2088, 5e-5);
    EXPECT_NEAR(r.iad, 0.51777, 5e-6);
    EXPECT_DOUBLE_EQ(r.iad, r.e / r.xel);
    // The same motor with zero-valued cable texts.
    const MotorResult z = calculateMotor(motor("100", "7", "0", "0"));
    EXPECT_DOUBLE_EQ(z.iad, r.iad);
}

TEST(Motor, CableAddsToTheBranchImpedance) {
    const MotorResult bare = calculateMotor(motor("100", "7"));
    const MotorResult r = calculateMotor(motor("100", "7", "30", "40,5"));
    ASSERT_EQ(r.error, NumError::None);
    EXPECT_DOUBLE_EQ(r.xel, bare.xel);  // the cable changes neither Xэл
    EXPECT_DOUBLE_EQ(r.e, bare.e);      // nor the EMF
    const double zad = std::sqrt(30.0 * 30.0 + (bare.xel + 40.5) * (bare.xel + 40.5));
    EXPECT_NEAR(r.iad, bare.e / zad, 1e-12);
    EXPECT_LT(r.iad, bare.iad);

    // Resistance alone also counts.
    const MotorResult ronly = calculateMotor(motor("100", "7", "100", ""));
    EXPECT_NEAR(ronly.iad, bare.e / std::hypot(100.0, bare.xel), 1e-12);
}

TEST(Motor, Failures) {
    EXPECT_EQ(calculateMotor(motor("0", "7")).error, NumError::DivisionByZero);
    EXPECT_EQ(calculateMotor(motor("100", "0")).error, NumError::DivisionByZero);
    EXPECT_EQ(calculateMotor(motor("", "7")).error, NumError::Conversion);
    EXPECT_EQ(calculateMotor(motor("100", "7.5")).error, NumError::Conversion);
    EXPECT_EQ(calculateMotor(motor("100", "7", "abc", "")).error, NumError::Conversion);
    EXPECT_EQ(calculateMotor(motor("100", "7", "", "1.5")).error, NumError::Conversion);

    MotorTexts noVoltage = motor("100", "7");
    noVoltage.uf = "";
    const MotorResult r = calculateMotor(noVoltage);
    EXPECT_EQ(r.error, NumError::Conversion);
    EXPECT_EQ(r.xel, 0.0);
    EXPECT_EQ(r.e, 0.0);
    EXPECT_EQ(r.iad, 0.0);
}

TEST(Motor, ZeroVoltageWithoutCableHasNoBranchImpedance) {
    MotorTexts in = motor("100", "7");
    in.uf = "0";
    const MotorResult r = calculateMotor(in);
    EXPECT_EQ(r.error, NumError::DivisionByZero);
    EXPECT_EQ(r.xel, 0.0);
    EXPECT_EQ(r.e, 0.0);

    // With a cable resistance the branch still has an impedance.
    in.r0 = "10";
    const MotorResult withCable = calculateMotor(in);
    EXPECT_EQ(withCable.error, NumError::None);
    EXPECT_EQ(withCable.iad, 0.0);
}

TEST(Motor, FeedAddsToTheCurrentInFixed4) {
    const Checked<Fixed4> sum = currentWithMotor("0,517765346338221", "12,2309");
    ASSERT_TRUE(sum.ok());
    EXPECT_EQ(sum.value.toText(), "12,7487");
    EXPECT_EQ(currentWithMotor("", "12,2309").error, NumError::Conversion);
    EXPECT_EQ(currentWithMotor("0,5", "12.2").error, NumError::Conversion);
    EXPECT_EQ(currentWithMotor("922337203685477", "1").error, NumError::Overflow);
}
