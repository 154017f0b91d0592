#pragma once

#include <optional>
#include <string>

#include "core/fixed4.h"
#include "core/transformer_impedance.h"

namespace ampera {

enum class FaultMode { ThreePhase, SinglePhase };

// Everything the fault calculation reads, as typed, mΩ.
struct FaultTexts {
    TransformerTexts transformer;
    // Positive sequence: line sections 1 to 3, element groups 1 to 3, reactor.
    std::string r11, x11, r12, x12, r13, x13;
    std::string rd, xd, rd1, xd1, rd2, xd2;
    std::string rr, xr;
    // Zero sequence: line sections 1 to 3, the additions of a Y/Y transformer.
    std::string r01, x01, r02, x02, r03, x03;
    std::string r0y, x0y;
    FaultMode mode = FaultMode::ThreePhase;

    bool operator==(const FaultTexts&) const = default;
};

// The result of one run: what was computed before the first failure.
struct FaultResult {
    std::optional<double> rt, xt, xs;
    Fixed4 rsum, xsum, ik;  // 0 until computed
    NumError error = NumError::None;

    // The results as the fields show them.
    std::string xtText() const;                              // Xт; empty until computed
    std::string rtText() const;                              // Rт; empty until computed
    std::string xsText() const;                              // Xс; "0" until computed
    std::string currentText() const { return ik.toText(); }  // Iк
    std::string rSumText() const { return rsum.toText(); }   // RΣ
    std::string xSumText() const { return xsum.toText(); }   // XΣ
};

// The three-phase or single-phase short-circuit current per ГОСТ 28249-93.
FaultResult calculateFault(const FaultTexts& in);

}  // namespace ampera
