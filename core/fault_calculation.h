#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/fixed4.h"
#include "core/transformer_impedance.h"

namespace ampera {

enum class FaultMode { ThreePhase, SinglePhase };

// Everything the fault calculation reads from the main window.
struct FaultTexts {
    TransformerTexts transformer;
    // r11, x11, r12, x12, r13, x13, rd, xd, rd1, xd1, rd2, xd2, rr, xr
    std::array<std::string, 14> positive;
    // r01, x01, r02, x02, r03, x03, r0y, x0y
    std::array<std::string, 8> zero;
    FaultMode mode = FaultMode::ThreePhase;
};

// The result of one run: what was computed before the first failure.
struct FaultResult {
    std::optional<double> rt, xt, xs;
    Fixed4 rsum, xsum, ik;  // 0 until computed
    NumError error = NumError::None;

    // The texts of the result fields, in the order they are written:
    // Text1 (Xт), Text3 (Rт), Text5 (Xс), Text4 and Label62 (Iк), Text6 (RΣ), Text7 (XΣ).
    std::string text1() const;
    std::string text3() const;
    std::string text5() const;
    std::string text4() const { return ik.toText(); }
    std::string text6() const { return rsum.toText(); }
    std::string text7() const { return xsum.toText(); }
};

// The three-phase or single-phase short-circuit current per ГОСТ 28249-93.
FaultResult calculateFault(const FaultTexts& in);

}  // namespace ampera
