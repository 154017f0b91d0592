#include <gtest/gtest.h>

#include <regex>
#include <tuple>

#include "core/arc_motor.h"
#include "core/fault_checks.h"

using namespace ampera;

namespace {

// The worked example: Sт 400, Uвн 10, Uнн 400, Pк 5,5, Uк 4,5, Iкз 10, Д/Y,
// no lines; tоткл 0,1, θк 160, aluminium PVC.
CheckTexts example() {
    CheckTexts in;
    in.fault.transformer = {"400", "10", "400", "5,5", "4,5", "10"};
    FaultTexts& f = in.fault;
    for (std::string* v : {&f.r11, &f.x11, &f.r12, &f.x12, &f.r13, &f.x13, &f.rd,  &f.xd,  &f.rd1, &f.xd1, &f.rd2,
                           &f.xd2, &f.rr,  &f.xr,  &f.r01, &f.x01, &f.r02, &f.x02, &f.r03, &f.x03, &f.r0y, &f.x0y})
        *v = "0";
    in.fault.mode = FaultMode::SinglePhase;  // each run sets its own mode
    in.t = "0,1";
    in.theta = "160";
    in.device = ProtectiveDevice::BreakerC;
    in.cable = CableInsulation::AluminiumPvc;
    return in;
}

// A verdict's words, as the windows show them.
std::string words(const CheckResult& r, Check check) { return verdictText(r.verdict(check)); }

void expectEmpty(const CheckResult& r) {
    for (const std::string* s :
         {&r.ik3, &r.ik2, &r.ik1, &r.ta, &r.kud, &r.iud, &r.kt, &r.kc, &r.ik1min, &r.bk, &r.smin})
        EXPECT_EQ(*s, "");
    EXPECT_EQ(r.verdicts, kUnjudged);
}

}  // namespace

TEST(FaultChecks, WorkedExampleToTheDigit) {
    CheckTexts in = example();
    in.in = "160";
    in.icu = "15";
    in.s = "95";
    const CheckResult r = calculateChecks(in);
    ASSERT_EQ(r.failure, CheckFailure::None);
    EXPECT_EQ(r.ik3, "12,2309");
    EXPECT_EQ(r.ik2, "10,5923");
    EXPECT_EQ(r.ik1, "12,4246");
    EXPECT_EQ(r.ta, "10,4538");
    EXPECT_EQ(r.kud, "1,4022");
    EXPECT_EQ(r.iud, "24,2532");
    EXPECT_EQ(r.kt, "1,322");
    EXPECT_EQ(r.kc, "0,7007");
    EXPECT_EQ(r.ik1min, "8,7054");
    EXPECT_EQ(r.bk, "16,5233");
    EXPECT_EQ(r.smin, "53,4854");
    EXPECT_EQ(words(r, Check::Sensitivity), "чувствительность защиты обеспечена: Iк(1) мин. = 8,7054 кА >= 1,6 кА");
    EXPECT_EQ(words(r, Check::Breaking), "отключающая способность достаточна: Iк(3) = 12,2309 кА <= Icu = 15 кА");
    EXPECT_EQ(words(r, Check::Making), "включающая способность достаточна: iуд = 24,2532 кА <= Icm = 30 кА");
    EXPECT_EQ(words(r, Check::Thermal),
              "термическая стойкость кабеля обеспечена: S = 95 мм.кв >= Sмин = 53,4854 мм.кв");
}

TEST(FaultChecks, VerdictsCompareTheShownValues) {
    CheckTexts in = example();
    in.s = "53,48535";  // shown as 53,4854, equal to Sмин as shown though below its double
    EXPECT_EQ(words(calculateChecks(in), Check::Thermal),
              "термическая стойкость кабеля обеспечена: S = 53,4854 мм.кв >= Sмин = 53,4854 мм.кв");
    in.s = "53,4853";
    EXPECT_EQ(words(calculateChecks(in), Check::Thermal),
              "термическая стойкость кабеля НЕ обеспечена: S = 53,4853 мм.кв < Sмин = 53,4854 мм.кв");
    in.icu = "12,2309";  // equal: sufficient
    EXPECT_EQ(words(calculateChecks(in), Check::Breaking),
              "отключающая способность достаточна: Iк(3) = 12,2309 кА <= Icu = 12,2309 кА");
}

// Every verdict's words say what the verdict is: passing, failing or, not judged, none; and
// the words read back as the same verdict.
TEST(FaultChecks, VerdictsAndTheirWordsAgree) {
    CheckTexts in = example();
    in.in = "160", in.icu = "15", in.s = "95";
    const CheckResult pass = calculateChecks(in);
    in.in = "1000", in.icu = "5", in.s = "10";
    const CheckResult fail = calculateChecks(in);
    in.in = in.icu = in.s = " ";
    const CheckResult none = calculateChecks(in);
    for (Check check : kChecks) {
        for (const auto& [r, outcome, word] :
             {std::tuple{&pass, Outcome::Pass, std::regex("(обеспечена|обеспечено|достаточна): .* (>=|<=) ")},
              std::tuple{&fail, Outcome::Fail, std::regex("(НЕ обеспечена|НЕ обеспечено|НЕДОСТАТОЧНА): .* (<|>) ")},
              std::tuple{&none, Outcome::NotJudged, std::regex("^$")}}) {
            const Verdict& v = r->verdict(check);
            const std::string text = verdictText(v);
            EXPECT_EQ(v.check, check);
            EXPECT_EQ(v.outcome, outcome) << text;
            EXPECT_TRUE(std::regex_search(text, word)) << text;
            EXPECT_EQ(readVerdict(check, text), outcome == Outcome::NotJudged ? std::nullopt : std::optional(v));
        }
    }
    // A text that no verdict of this check words reads as none.
    for (const char* text : {"термическая стойкость кабеля НЕ обеспечена: S = 95 мм.кв < Sмин = 53,4854 мм.кв",
                             "чувствительность защиты обеспечена: Iк(1) мин. = 8,7054 кА >= 1,6 кА ",
                             "чувствительность защиты обеспечена: Iк(1) мин. = 1 кА >= 1,6 кА"})
        EXPECT_EQ(readVerdict(Check::Sensitivity, text), std::nullopt) << text;
}

TEST(FaultChecks, ZeroResistanceHasNoTimeConstant) {
    CheckTexts in = example();
    in.fault.transformer.pk = "0";  // Rт = 0, so RΣ = 0
    in.s = "95";
    const CheckResult r = calculateChecks(in);
    ASSERT_EQ(r.failure, CheckFailure::None);
    EXPECT_EQ(r.ik3, "12,2037");
    EXPECT_EQ(r.ta, "");
    EXPECT_EQ(r.kud, "2");
    EXPECT_EQ(r.iud, "34,5173");
    EXPECT_EQ(r.bk, "");
    EXPECT_EQ(r.smin, "");
    EXPECT_EQ(words(r, Check::Thermal), "");
    EXPECT_NE(r.ik1min, "");
}

TEST(FaultChecks, ZeroReactanceHasNoPeak) {
    CheckTexts in = example();
    in.fault.transformer = {"400", "10", "400", "5,5", "1,375", "0"};  // Uк = Uа: Xт = 0, no supply reactance
    const CheckResult r = calculateChecks(in);
    ASSERT_EQ(r.failure, CheckFailure::None);
    EXPECT_EQ(r.ik3, "41,9891");
    EXPECT_EQ(r.ta, "0");
    EXPECT_EQ(r.kud, "1");
    EXPECT_EQ(r.bk, "176,3085");
    EXPECT_EQ(r.smin, "174,7121");
    EXPECT_DOUBLE_EQ(peakFactor(5.5, 0.0), 1.0);
    EXPECT_DOUBLE_EQ(peakFactor(0.0, 18.0), 2.0);
}

TEST(FaultChecks, ArcImpedanceIsHeldAt250) {
    const std::string atLimit = Fixed4::fromDouble(arcCoefficient(250.0).value).value.toText();
    EXPECT_EQ(atLimit, "0,9585");
    CheckTexts in = example();
    in.fault.r11 = "400";   // r11: Zк far above 250 mΩ
    in.fault.r01 = "1200";  // r01
    const CheckResult longLine = calculateChecks(in);
    in.fault.r11 = "4000";
    in.fault.r01 = "12000";
    const CheckResult longerLine = calculateChecks(in);
    ASSERT_EQ(longLine.failure, CheckFailure::None);
    EXPECT_EQ(longLine.kc, atLimit);
    EXPECT_EQ(longerLine.kc, atLimit);
    EXPECT_NE(longLine.ik1min, longerLine.ik1min);
}

TEST(FaultChecks, RequiredCurrentPerDevice) {
    EXPECT_DOUBLE_EQ(requiredCurrent(ProtectiveDevice::BreakerB, 16.0, 0.0), 80.0);
    EXPECT_DOUBLE_EQ(requiredCurrent(ProtectiveDevice::BreakerC, 16.0, 0.0), 160.0);
    EXPECT_DOUBLE_EQ(requiredCurrent(ProtectiveDevice::BreakerD, 16.0, 0.0), 320.0);
    EXPECT_DOUBLE_EQ(requiredCurrent(ProtectiveDevice::BreakerInstantaneous, 100.0, 1000.0), 1400.0);
    EXPECT_DOUBLE_EQ(requiredCurrent(ProtectiveDevice::BreakerInstantaneous, 100.0001, 1000.0), 1250.0);
    EXPECT_DOUBLE_EQ(requiredCurrent(ProtectiveDevice::Fuse, 160.0, 0.0), 480.0);

    CheckTexts in = example();
    in.icu = "15";
    in.device = ProtectiveDevice::BreakerInstantaneous;
    in.in = "250";
    in.iset = "";  // the release setting is needed
    EXPECT_EQ(words(calculateChecks(in), Check::Sensitivity), "");
    in.iset = "2500";  // 1,25·2500 A
    EXPECT_EQ(words(calculateChecks(in), Check::Sensitivity),
              "чувствительность защиты обеспечена: Iк(1) мин. = 8,7054 кА >= 3,125 кА");
    in.device = ProtectiveDevice::Fuse;
    in.iset = "x";  // read only for the instantaneous release
    const CheckResult fuse = calculateChecks(in);
    EXPECT_EQ(words(fuse, Check::Sensitivity), "чувствительность защиты обеспечена: Iк(1) мин. = 8,7054 кА >= 0,75 кА");
    EXPECT_NE(words(fuse, Check::Breaking), "");
    EXPECT_EQ(words(fuse, Check::Making), "");  // a fuse has no making capacity
}

TEST(FaultChecks, MakingFactorBandEdges) {
    const struct {
        double icu, n;
    } edges[] = {{0.1, 1.41},    {1.5, 1.41}, {1.5001, 1.42}, {3.0, 1.42}, {3.0001, 1.47}, {4.5, 1.47},
                 {4.5001, 1.5},  {6.0, 1.5},  {6.0001, 1.7},  {10.0, 1.7}, {10.0001, 2.0}, {20.0, 2.0},
                 {20.0001, 2.1}, {50.0, 2.1}, {50.0001, 2.2}, {200.0, 2.2}};
    for (const auto& e : edges) EXPECT_DOUBLE_EQ(makingFactor(e.icu), e.n) << e.icu;
}

TEST(FaultChecks, FailuresEmptyEverything) {
    const struct {
        void (*change)(CheckTexts&);
        CheckFailure failure;
    } cases[] = {
        {[](CheckTexts& in) { in.fault.r12 = ""; }, CheckFailure::Conversion},
        {[](CheckTexts& in) { in.fault.x0y = "0.5"; }, CheckFailure::Conversion},
        {[](CheckTexts& in) { in.fault.transformer.st = "0"; }, CheckFailure::Silent},
        {[](CheckTexts& in) { in.fault.r11 = "-100"; }, CheckFailure::Silent},
        {[](CheckTexts& in) { in.t = "0.1"; }, CheckFailure::Conversion},
        {[](CheckTexts& in) { in.theta = ""; }, CheckFailure::Conversion},
        {[](CheckTexts& in) { in.t = "0"; }, CheckFailure::Time},
        {[](CheckTexts& in) { in.t = "5,0001"; }, CheckFailure::Time},
        {[](CheckTexts& in) { in.theta = "64,9"; }, CheckFailure::Temperature},
        {[](CheckTexts& in) { in.theta = "250,1"; }, CheckFailure::Temperature},
        {[](CheckTexts& in) { in.in = "abc"; }, CheckFailure::Conversion},
        {[](CheckTexts& in) { in.in = "0"; }, CheckFailure::NotPositive},
        {[](CheckTexts& in) { in.icu = "-15"; }, CheckFailure::NotPositive},
        {[](CheckTexts& in) { in.s = "0"; }, CheckFailure::NotPositive},
        {[](CheckTexts& in) {
             in.device = ProtectiveDevice::BreakerInstantaneous;
             in.iset = "0";
         },
         CheckFailure::NotPositive},
    };
    for (const auto& c : cases) {
        CheckTexts in = example();
        in.in = "160";
        in.icu = "15";
        in.s = "95";
        c.change(in);
        const CheckResult r = calculateChecks(in);
        EXPECT_EQ(r.failure, c.failure);
        expectEmpty(r);
    }
    // the limits themselves are allowed
    CheckTexts in = example();
    in.t = "5";
    in.theta = "65";
    EXPECT_EQ(calculateChecks(in).failure, CheckFailure::None);
    in.theta = "250";
    EXPECT_EQ(calculateChecks(in).failure, CheckFailure::None);
}
