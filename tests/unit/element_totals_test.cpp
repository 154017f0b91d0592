#include <gtest/gtest.h>

#include "core/element_totals.h"
#include "core/number_text.h"

using namespace ampera;

namespace {

// Every element at its "0" entry: nothing in the loop.
ElementTexts none() {
    ElementTexts in;
    in.cableR = in.cableCount = in.busbarR = in.busbarLength = in.apparatusR = in.apparatusCount = "0";
    in.coilR = in.coilX = in.coilCount = in.ctR = in.ctX = in.ctCount = "0";
    return in;
}

ReactorTexts reactor(const char* pp, const char* ip, const char* l, const char* m, const char* f) {
    return ReactorTexts{pp, ip, l, m, f};
}

}  // namespace

TEST(ElementTotals, NothingGivesZero) {
    const ElementTotals t = calculateElementTotals(none());
    ASSERT_EQ(t.error, NumError::None);
    EXPECT_EQ(formatDouble(t.r), "0");
    EXPECT_EQ(formatDouble(t.x), "0");
}

TEST(ElementTotals, FourCableJointsOf95) {
    ElementTexts in = none();
    in.cableR = "0,027";
    in.cableCount = "4";
    const ElementTotals t = calculateElementTotals(in);
    ASSERT_EQ(t.error, NumError::None);
    EXPECT_EQ(formatDouble(t.r), "0,108");
    EXPECT_EQ(formatDouble(t.x), "0");
}

TEST(ElementTotals, BusbarOverTwentyMetres) {
    ElementTexts in = none();
    in.busbarR = "0,003";
    in.busbarLength = "20";
    EXPECT_EQ(formatDouble(calculateElementTotals(in).r), "0,06");
}

TEST(ElementTotals, CoilsAddResistanceAndReactance) {
    ElementTexts in = none();
    in.coilR = "7";
    in.coilX = "4,5";
    in.coilCount = "2";
    const ElementTotals t = calculateElementTotals(in);
    EXPECT_EQ(formatDouble(t.r), "14");
    EXPECT_EQ(formatDouble(t.x), "9");
}

TEST(ElementTotals, ContactsAddResistanceOnly) {
    ElementTexts in = none();
    in.apparatusR = "0,75";
    in.apparatusCount = "3";
    in.cableR = "0,085";
    in.cableCount = "2";
    const ElementTotals t = calculateElementTotals(in);
    EXPECT_EQ(formatDouble(t.r), "2,42");
    EXPECT_EQ(formatDouble(t.x), "0");
}

TEST(ElementTotals, EveryElementTogether) {
    ElementTexts in = none();
    in.cableR = "0,027";
    in.cableCount = "4";  // 0,108
    in.busbarR = "0,003";
    in.busbarLength = "20";  // 0,06
    in.apparatusR = "0,5";
    in.apparatusCount = "2";  // 1
    in.coilR = "7";
    in.coilX = "4,5";
    in.coilCount = "2";  // 14 / 9
    in.ctR = "42";
    in.ctX = "67";
    in.ctCount = "1";  // 42 / 67
    const ElementTotals t = calculateElementTotals(in);
    ASSERT_EQ(t.error, NumError::None);
    EXPECT_EQ(formatDouble(t.r), "57,168");
    EXPECT_EQ(formatDouble(t.x), "76");
}

TEST(ElementTotals, CountsMayBeFractionalZeroOrNegative) {
    ElementTexts in = none();
    in.ctR = "19";
    in.ctX = "17";
    in.ctCount = "0,5";
    in.coilR = "1,1";
    in.coilX = "0,5";
    in.coilCount = "-2";
    const ElementTotals t = calculateElementTotals(in);
    ASSERT_EQ(t.error, NumError::None);
    EXPECT_EQ(formatDouble(t.r), "7,3");
    EXPECT_EQ(formatDouble(t.x), "7,5");
}

TEST(ElementTotals, AnOperandThatIsNoNumberFails) {
    for (const char* bad : {"", "2.5", "два", "1,2,3"}) {
        ElementTexts in = none();
        in.coilCount = bad;
        const ElementTotals t = calculateElementTotals(in);
        EXPECT_EQ(t.error, NumError::Conversion) << bad;
        EXPECT_EQ(t.r, 0.0);
        EXPECT_EQ(t.x, 0.0);
    }
    ElementTexts in = none();
    in.ctX = "";
    EXPECT_EQ(calculateElementTotals(in).error, NumError::Conversion);
}

TEST(ElementTotals, OverflowFails) {
    ElementTexts in = none();
    in.busbarR = "1E300";
    in.busbarLength = "1E300";
    EXPECT_EQ(calculateElementTotals(in).error, NumError::Overflow);
}

TEST(Reactor, ResistanceFromLossAndCurrent) {
    const ReactorImpedance z = calculateReactor(reactor("1000", "100", "0", "0", "50"));
    ASSERT_TRUE(z.computed);
    EXPECT_EQ(formatDouble(z.r), "100");
    EXPECT_EQ(formatDouble(z.x), "0");
}

TEST(Reactor, ReactanceUsesTheFactor6283) {
    const ReactorImpedance z = calculateReactor(reactor("0", "100", "0,0001", "0,00002", "50"));
    ASSERT_TRUE(z.computed);
    EXPECT_EQ(formatDouble(z.x), "25,132");
    EXPECT_EQ(formatDouble(z.r), "0");
}

TEST(Reactor, MutualInductanceAboveTheCoilGivesNegativeReactance) {
    const ReactorImpedance z = calculateReactor(reactor("500", "250", "0,00002", "0,0001", "50"));
    ASSERT_TRUE(z.computed);
    EXPECT_EQ(formatDouble(z.x), "-25,132");
    EXPECT_EQ(formatDouble(z.r), "8");
}

TEST(Reactor, ZeroCurrentComputesNothing) {
    const ReactorImpedance z = calculateReactor(reactor("1000", "0", "", "x", "50"));
    EXPECT_FALSE(z.computed);
    EXPECT_EQ(z.error, NumError::None);
    EXPECT_FALSE(calculateReactor(reactor("1000", "0,0", "1", "0", "50")).computed);
}

TEST(Reactor, AFieldThatIsNoNumberFails) {
    const ReactorImpedance empty = calculateReactor(reactor("", "", "", "", ""));
    EXPECT_FALSE(empty.computed);
    EXPECT_EQ(empty.error, NumError::Conversion);
    for (int field = 0; field < 5; ++field) {
        ReactorTexts in = reactor("1000", "100", "0,0001", "0,00002", "50");
        std::string* f[] = {&in.pp, &in.ip, &in.l, &in.m, &in.f};
        *f[field] = "0.5";
        const ReactorImpedance z = calculateReactor(in);
        EXPECT_FALSE(z.computed) << field;
        EXPECT_EQ(z.error, NumError::Conversion) << field;
    }
}

TEST(Reactor, VanishingCurrentIsNoCrash) {
    const ReactorImpedance z = calculateReactor(reactor("1000", "1E-200", "0", "0", "50"));
    EXPECT_FALSE(z.computed);
    EXPECT_NE(z.error, NumError::None);
}
