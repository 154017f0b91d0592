#pragma once

#include <string>

#include "core/num_error.h"

namespace ampera {

// Field texts of the element dialog that enter the group totals (mΩ).
struct ElementTexts {
    std::string cableR, cableCount;          // R per joint, number of joints
    std::string busbarR, busbarLength;       // R per metre, length in m
    std::string apparatusR, apparatusCount;  // R per contact, number of contacts
    std::string coilR, coilX, coilCount;     // R, X per coil, number of coils
    std::string ctR, ctX, ctCount;           // R, X per winding, number of windings
};

// ΣR and ΣX of an element group, mΩ.
struct ElementTotals {
    double r = 0.0, x = 0.0;
    NumError error = NumError::None;
};

// Element group totals, in doubles:
//   ΣR = Rк·nк + Rш·lш + Rа·nа + Rкв·nкв + Rта·nта
//   ΣX = Xкв·nкв + Xта·nта
// Contacts, joints and trunking add resistance only. Counts and the length
// may be fractional, 0 or negative. Any text that is not a number is a
// conversion failure; the totals are then 0.
ElementTotals calculateElementTotals(const ElementTexts& in);

// Reactor nameplate texts: Pр (W), Iр (A), L (H), M (H), f (Hz).
struct ReactorTexts {
    std::string pp, ip, l, m, f;
};

// The reactor's Rр and Xр, mΩ. computed is false when nothing is to be
// written: Iр reads 0, or a failure.
struct ReactorImpedance {
    bool computed = false;
    double r = 0.0, x = 0.0;
    NumError error = NumError::None;
};

// The angular factor of the reactance, kept at 6,283 rather than 2π.
inline constexpr double kReactorOmegaFactor = 6.283;

// Reactor impedance:
//   Rр = 10³ · (Pр / Iр²)
//   Xр = 10³ · ((L − M) · (f · 6,283))
// Iр is read first: not a number is a conversion failure, 0 computes
// nothing. Then every other field must be a number.
ReactorImpedance calculateReactor(const ReactorTexts& in);

}  // namespace ampera
