#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalogue/element_catalogue.h"
#include "core/number_text.h"

using namespace ampera::catalogue;

namespace {

double value(std::string_view text) {
    const auto parsed = ampera::parseDouble(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.value;
}

// Key texts are the numbers as the program writes them, unique, ending in "0".
template <class Row>
void checkNumericKeys(std::span<const std::string_view> keys, std::span<const Row> rows, double Row::*key,
                      std::size_t count) {
    ASSERT_EQ(keys.size(), count);
    ASSERT_EQ(rows.size(), count);
    EXPECT_EQ(keys.back(), "0");
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < count; ++i) {
        EXPECT_TRUE(seen.insert(keys[i]).second) << keys[i];
        EXPECT_EQ(value(keys[i]), rows[i].*key) << keys[i];
        EXPECT_EQ(ampera::formatDouble(rows[i].*key), keys[i]);
        if (i > 0 && i + 1 < count) {
            EXPECT_GT(rows[i].*key, rows[i - 1].*key) << keys[i];
        }
    }
}

// Along a list the per-element values never rise, and all are non-negative.
template <class Row, class Get>
void checkNonRising(std::span<const Row> rows, Get get) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_GE(get(rows[i]), 0.0) << i;
        if (i > 0) {
            EXPECT_LE(get(rows[i]), get(rows[i - 1])) << i;
        }
    }
    EXPECT_EQ(get(rows.back()), 0.0);
}

}  // namespace

TEST(ElementCatalogue, CableJointList) {
    checkNumericKeys(cableJointKeys(), cableJoints(), &CableJoint::section, 11);
    EXPECT_EQ(cableJointKeys().front(), "16");
    EXPECT_EQ(cableJointKeys()[9], "240");
    checkNonRising(cableJoints(), [](const CableJoint& r) { return r.r; });
}

TEST(ElementCatalogue, BusbarJointList) {
    checkNumericKeys(busbarJointKeys(), busbarJoints(), &BusbarJoint::current, 7);
    EXPECT_EQ(busbarJointKeys().front(), "250");
    checkNonRising(busbarJoints(), [](const BusbarJoint& r) { return r.r; });
    const auto rows = busbarJoints();
    EXPECT_TRUE(rows.back().series.empty());
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        EXPECT_FALSE(rows[i].series.empty());
    }
    EXPECT_EQ(rows[0].series, rows[1].series);
    EXPECT_EQ(rows[1].series, rows[2].series);
    EXPECT_NE(rows[2].series, rows[3].series);
    EXPECT_NE(rows[3].series, rows[4].series);
    EXPECT_EQ(rows[4].series, rows[5].series);
}

TEST(ElementCatalogue, ApparatusContactList) {
    checkNumericKeys(apparatusContactKeys(), apparatusContacts(), &ApparatusContact::current, 10);
    const std::vector<std::string_view> expected{"50", "70", "100", "150", "200", "400", "600", "1000", "3000", "0"};
    EXPECT_EQ(std::vector<std::string_view>(apparatusContactKeys().begin(), apparatusContactKeys().end()), expected);
    checkNonRising(apparatusContacts(),
                   [](const ApparatusContact& r) { return r.resistance(ApparatusKind::CircuitBreaker); });
    // Knife switches and disconnectors never exceed a breaker's contact.
    for (const ApparatusContact& r : apparatusContacts()) {
        EXPECT_LE(r.resistance(ApparatusKind::KnifeSwitch), r.resistance(ApparatusKind::CircuitBreaker));
        EXPECT_LE(r.resistance(ApparatusKind::Disconnector), r.resistance(ApparatusKind::CircuitBreaker));
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(apparatusContacts().back().r[static_cast<std::size_t>(k)], 0.0);
    }
}

TEST(ElementCatalogue, BreakerCoilList) {
    checkNumericKeys(breakerCoilKeys(), breakerCoils(), &BreakerCoil::current, 12);
    const std::vector<std::string_view> expected{"50",  "70",   "100",  "140",  "200",  "400",
                                                 "600", "1000", "1600", "2500", "4000", "0"};
    EXPECT_EQ(std::vector<std::string_view>(breakerCoilKeys().begin(), breakerCoilKeys().end()), expected);
    checkNonRising(breakerCoils(), [](const BreakerCoil& r) { return r.r; });
    checkNonRising(breakerCoils(), [](const BreakerCoil& r) { return r.x; });
}

TEST(ElementCatalogue, CurrentTransformerList) {
    const auto keys = currentTransformerKeys();
    const auto rows = currentTransformerWindings();
    ASSERT_EQ(keys.size(), 12u);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(keys.front(), "20/5");
    EXPECT_EQ(keys[10], "500/5");
    EXPECT_EQ(keys.back(), "0");
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(rows[i].ratio, keys[i]);
        EXPECT_EQ(findCurrentTransformerWinding(keys[i]), &rows[i]);
    }
    checkNonRising(rows, [](const CurrentTransformerWinding& r) { return r.class1.r; });
    checkNonRising(rows, [](const CurrentTransformerWinding& r) { return r.class1.x; });
    checkNonRising(rows, [](const CurrentTransformerWinding& r) { return r.class2.r; });
    checkNonRising(rows, [](const CurrentTransformerWinding& r) { return r.class2.x; });
    // Class 2 windings are lighter than class 1.
    for (const CurrentTransformerWinding& r : rows) {
        EXPECT_LE(r.class2.r, r.class1.r) << r.ratio;
        EXPECT_LE(r.class2.x, r.class1.x) << r.ratio;
    }
}

TEST(ElementCatalogue, Lookups) {
    ASSERT_NE(findCableJoint(95), nullptr);
    EXPECT_EQ(findCableJoint(95)->r, 0.027);
    EXPECT_DOUBLE_EQ(findCableJoint(95)->r * 4, 0.108);
    EXPECT_EQ(findCableJoint(16)->r, 0.085);
    EXPECT_EQ(findCableJoint(0)->r, 0.0);

    const BusbarJoint* bus = findBusbarJoint(1600);
    ASSERT_NE(bus, nullptr);
    EXPECT_EQ(bus->r, 0.003);
    EXPECT_DOUBLE_EQ(bus->r * 20, 0.06);
    EXPECT_EQ(bus->series, "серия шинопр. ШМА-73");
    EXPECT_EQ(findBusbarJoint(250)->series, "серия шинопр. ШРА-73");
    EXPECT_EQ(findBusbarJoint(4000)->series, "серия шинопр. ШМА-68Н");
    EXPECT_EQ(findBusbarJoint(0)->series, "");

    EXPECT_EQ(apparatusContactResistance(ApparatusKind::CircuitBreaker, 100), 0.75);
    EXPECT_EQ(apparatusContactResistance(ApparatusKind::KnifeSwitch, 100), 0.5);
    EXPECT_EQ(apparatusContactResistance(ApparatusKind::Disconnector, 100), 0.0);
    EXPECT_EQ(apparatusContactResistance(ApparatusKind::Disconnector, 400), 0.2);
    EXPECT_EQ(apparatusContactResistance(ApparatusKind::CircuitBreaker, 50), 1.3);
    EXPECT_EQ(apparatusContactResistance(ApparatusKind::CircuitBreaker, 3000), 0.0);

    const BreakerCoil* coil = findBreakerCoil(50);
    ASSERT_NE(coil, nullptr);
    EXPECT_EQ(coil->r, 7.0);
    EXPECT_EQ(coil->x, 4.5);
    EXPECT_EQ(findBreakerCoil(140)->r, 1.3);
    EXPECT_EQ(findBreakerCoil(4000)->x, 0.05);

    const auto ct1 = currentTransformerImpedance(AccuracyClass::Class1, "20/5");
    ASSERT_TRUE(ct1.has_value());
    EXPECT_EQ(ct1->r, 42.0);
    EXPECT_EQ(ct1->x, 67.0);
    const auto ct2 = currentTransformerImpedance(AccuracyClass::Class2, "20/5");
    ASSERT_TRUE(ct2.has_value());
    EXPECT_EQ(ct2->r, 19.0);
    EXPECT_EQ(ct2->x, 17.0);
    EXPECT_EQ(currentTransformerImpedance(AccuracyClass::Class2, "300/5")->r, 0.088);
    EXPECT_EQ(currentTransformerImpedance(AccuracyClass::Class1, "0")->x, 0.0);
}

TEST(ElementCatalogue, KeysOutsideTheListsFindNothing) {
    EXPECT_EQ(findCableJoint(10), nullptr);
    EXPECT_EQ(findCableJoint(95.5), nullptr);
    EXPECT_EQ(findBusbarJoint(1000), nullptr);
    EXPECT_EQ(findApparatusContact(140), nullptr);  // a coil rating, not a contact one
    EXPECT_FALSE(apparatusContactResistance(ApparatusKind::CircuitBreaker, 140).has_value());
    EXPECT_EQ(findBreakerCoil(150), nullptr);  // a contact rating, not a coil one
    EXPECT_EQ(findBreakerCoil(3000), nullptr);
    EXPECT_EQ(findCurrentTransformerWinding("25/5"), nullptr);
    EXPECT_EQ(findCurrentTransformerWinding("20"), nullptr);
    EXPECT_EQ(findCurrentTransformerWinding(" 20/5"), nullptr);
    EXPECT_FALSE(currentTransformerImpedance(AccuracyClass::Class1, "").has_value());
}
