#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace ampera::catalogue {

// Resistances of contacts and small apparatus in the fault loop per
// ГОСТ 28249-93, in mΩ. Every list ends with a 0 entry whose values are 0.
// The ...Keys() lists hold the combo-box texts in order ("16", "250",
// "20/5", ..., "0"), the text of each row; the numeric lookups match a parsed
// key by value.

struct ElementRX {
    double r;
    double x;
};

// Cable contact joints, per joint, by cross-section of the aluminium cable (mm²).
struct CableJoint {
    std::string_view text;
    double section;
    double r;
};
std::span<const std::string_view> cableJointKeys();
std::span<const CableJoint> cableJoints();
const CableJoint* findCableJoint(double section);  // nullptr if not tabled

// Busbar trunking joints, per metre of trunking, by rated current (A).
struct BusbarJoint {
    std::string_view text;
    double current;
    double r;
    std::string_view series;  // e.g. "серия шинопр. ШРА-73"; empty for the 0 entry
};
std::span<const std::string_view> busbarJointKeys();
std::span<const BusbarJoint> busbarJoints();
const BusbarJoint* findBusbarJoint(double current);

// Detachable contacts of switching apparatus, per contact, by rated current (A).
enum class ApparatusKind { CircuitBreaker = 0, KnifeSwitch = 1, Disconnector = 2 };
struct ApparatusContact {
    std::string_view text;
    double current;
    std::array<double, 3> r;  // indexed by ApparatusKind
    double resistance(ApparatusKind kind) const { return r[static_cast<std::size_t>(kind)]; }
};
std::span<const std::string_view> apparatusContactKeys();
std::span<const ApparatusContact> apparatusContacts();
const ApparatusContact* findApparatusContact(double current);
std::optional<double> apparatusContactResistance(ApparatusKind kind, double current);

// Series trip coils of circuit breakers, per coil, by rated current (A).
struct BreakerCoil {
    std::string_view text;
    double current;
    double r;
    double x;
};
std::span<const std::string_view> breakerCoilKeys();
std::span<const BreakerCoil> breakerCoils();
const BreakerCoil* findBreakerCoil(double current);

// Primary windings of multi-turn current transformers, per winding, by ratio
// text ("20/5" ... "500/5", "0") and accuracy class.
enum class AccuracyClass { Class1, Class2 };
struct CurrentTransformerWinding {
    std::string_view ratio;
    ElementRX class1;
    ElementRX class2;
    const ElementRX& forClass(AccuracyClass c) const { return c == AccuracyClass::Class1 ? class1 : class2; }
};
std::span<const std::string_view> currentTransformerKeys();
std::span<const CurrentTransformerWinding> currentTransformerWindings();
const CurrentTransformerWinding* findCurrentTransformerWinding(std::string_view ratio);  // exact text
std::optional<ElementRX> currentTransformerImpedance(AccuracyClass c, std::string_view ratio);

}  // namespace ampera::catalogue
