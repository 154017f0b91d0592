#include "catalogue/element_catalogue.h"

#include "catalogue/catalogue_list.h"

namespace ampera::catalogue {
namespace {

// Values in mΩ as tabled; each row starts with its list text.
// clang-format off

// Cable contact joints: cross-section of the aluminium cable, mm²; R per joint.
constexpr CableJoint kCableJoints[] = {
    {"16",  16.0,  0.085},
    {"25",  25.0,  0.064},
    {"35",  35.0,  0.056},
    {"50",  50.0,  0.043},
    {"70",  70.0,  0.029},
    {"95",  95.0,  0.027},
    {"120", 120.0, 0.024},
    {"150", 150.0, 0.021},
    {"185", 185.0, 0.016},
    {"240", 240.0, 0.012},
    {"0",   0.0,   0.0},
};

// Busbar trunking joints: rated current, A; R per metre of trunking; series.
constexpr BusbarJoint kBusbarJoints[] = {
    {"250",  250.0,  0.009, "серия шинопр. ШРА-73"},
    {"400",  400.0,  0.006, "серия шинопр. ШРА-73"},
    {"630",  630.0,  0.004, "серия шинопр. ШРА-73"},
    {"1600", 1600.0, 0.003, "серия шинопр. ШМА-73"},
    {"2500", 2500.0, 0.002, "серия шинопр. ШМА-68Н"},
    {"4000", 4000.0, 0.001, "серия шинопр. ШМА-68Н"},
    {"0",    0.0,    0.0,   ""},
};

// Detachable contacts: rated current, A; R per contact for a circuit breaker,
// a knife switch and a disconnector.
constexpr ApparatusContact kApparatusContacts[] = {
    {"50",   50.0,   {1.3,  0.0,  0.0}},
    {"70",   70.0,   {1.0,  0.0,  0.0}},
    {"100",  100.0,  {0.75, 0.5,  0.0}},
    {"150",  150.0,  {0.65, 0.0,  0.0}},
    {"200",  200.0,  {0.6,  0.4,  0.0}},
    {"400",  400.0,  {0.4,  0.2,  0.2}},
    {"600",  600.0,  {0.25, 0.15, 0.15}},
    {"1000", 1000.0, {0.12, 0.08, 0.08}},
    {"3000", 3000.0, {0.0,  0.0,  0.0}},
    {"0",    0.0,    {0.0,  0.0,  0.0}},
};

// Series trip coils: rated current, A; R and X per coil.
constexpr BreakerCoil kBreakerCoils[] = {
    {"50",   50.0,   7.0,  4.5},
    {"70",   70.0,   3.5,  2.0},
    {"100",  100.0,  2.15, 1.2},
    {"140",  140.0,  1.3,  0.7},
    {"200",  200.0,  1.1,  0.5},
    {"400",  400.0,  0.65, 0.17},
    {"600",  600.0,  0.41, 0.13},
    {"1000", 1000.0, 0.25, 0.1},
    {"1600", 1600.0, 0.14, 0.08},
    {"2500", 2500.0, 0.13, 0.07},
    {"4000", 4000.0, 0.1,  0.05},
    {"0",    0.0,    0.0,  0.0},
};

// Primary windings of multi-turn current transformers: ratio; R and X per
// winding for accuracy class 1, then for class 2.
constexpr CurrentTransformerWinding kCurrentTransformers[] = {
    {"20/5",  {42.0, 67.0}, {19.0,  17.0}},
    {"30/5",  {20.0, 30.0}, {8.2,   8.0}},
    {"40/5",  {11.0, 17.0}, {4.8,   4.2}},
    {"50/5",  {7.0,  11.0}, {3.0,   2.8}},
    {"75/5",  {3.0,  4.8},  {1.3,   1.2}},
    {"100/5", {1.7,  2.7},  {0.75,  0.7}},
    {"150/5", {0.75, 1.2},  {0.33,  0.3}},
    {"200/5", {0.42, 0.67}, {0.19,  0.17}},
    {"300/5", {0.2,  0.3},  {0.088, 0.08}},
    {"400/5", {0.11, 0.17}, {0.05,  0.04}},
    {"500/5", {0.05, 0.07}, {0.02,  0.02}},
    {"0",     {0.0,  0.0},  {0.0,   0.0}},
};
// clang-format on

constexpr auto kCableJointKeys = textsOf(kCableJoints, &CableJoint::text);
constexpr auto kBusbarJointKeys = textsOf(kBusbarJoints, &BusbarJoint::text);
constexpr auto kApparatusContactKeys = textsOf(kApparatusContacts, &ApparatusContact::text);
constexpr auto kBreakerCoilKeys = textsOf(kBreakerCoils, &BreakerCoil::text);
constexpr auto kCurrentTransformerKeys = textsOf(kCurrentTransformers, &CurrentTransformerWinding::ratio);

}  // namespace

std::span<const std::string_view> cableJointKeys() { return kCableJointKeys; }
std::span<const CableJoint> cableJoints() { return kCableJoints; }
const CableJoint* findCableJoint(double section) { return findRow(kCableJoints, section, &CableJoint::section); }

std::span<const std::string_view> busbarJointKeys() { return kBusbarJointKeys; }
std::span<const BusbarJoint> busbarJoints() { return kBusbarJoints; }
const BusbarJoint* findBusbarJoint(double current) { return findRow(kBusbarJoints, current, &BusbarJoint::current); }

std::span<const std::string_view> apparatusContactKeys() { return kApparatusContactKeys; }
std::span<const ApparatusContact> apparatusContacts() { return kApparatusContacts; }
const ApparatusContact* findApparatusContact(double current) {
    return findRow(kApparatusContacts, current, &ApparatusContact::current);
}
std::optional<double> apparatusContactResistance(ApparatusKind kind, double current) {
    const ApparatusContact* row = findApparatusContact(current);
    if (row == nullptr) return std::nullopt;
    return row->resistance(kind);
}

std::span<const std::string_view> breakerCoilKeys() { return kBreakerCoilKeys; }
std::span<const BreakerCoil> breakerCoils() { return kBreakerCoils; }
const BreakerCoil* findBreakerCoil(double current) { return findRow(kBreakerCoils, current, &BreakerCoil::current); }

std::span<const std::string_view> currentTransformerKeys() { return kCurrentTransformerKeys; }
std::span<const CurrentTransformerWinding> currentTransformerWindings() { return kCurrentTransformers; }
const CurrentTransformerWinding* findCurrentTransformerWinding(std::string_view ratio) {
    return findRow(kCurrentTransformers, ratio, &CurrentTransformerWinding::ratio);
}
std::optional<ElementRX> currentTransformerImpedance(AccuracyClass c, std::string_view ratio) {
    const CurrentTransformerWinding* row = findCurrentTransformerWinding(ratio);
    if (row == nullptr) return std::nullopt;
    return row->forClass(c);
}

}  // namespace ampera::catalogue
