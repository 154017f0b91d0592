#pragma once

#include <array>

#include "core/fault_calculation.h"
#include "core/fixed4.h"

namespace ampera {

// The points of the chain, K1 to K4, and the sections between them: point Kk
// lies behind the first k − 1 element groups and line slots; K4 is the end of
// the loop.
constexpr int kPointCount = 4;
constexpr int kSectionCount = kPointCount - 1;

// The four fields of a line slot, mΩ: positive and zero sequence.
struct LineSlot {
    Fixed4 r1, x1, r0, x0;
};

// The loop's fields read as Fixed4, mΩ.
struct LoopFields {
    std::array<LineSlot, kSectionCount> lines{};   // line slots 1–3
    std::array<Fixed4, kSectionCount> rd{}, xd{};  // element groups 1–3
    Fixed4 rr, xr;                                 // reactor
    Fixed4 r0y, x0y;                               // additions of a Y/Y transformer
};

// The transformer and the supply, mΩ, and the low voltage Uнн, V.
struct LoopSource {
    double rt = 0, xt = 0, xs = 0, uf = 0;
};

// Reads the positive-sequence fields in the calculation's order (r11, x11 …
// r13, x13, rd, xd … rd2, xd2, rr, xr), then, separately, the zero-sequence
// ones (r01, x01 … r03, x03, r0y, x0y); the first field that is not a number
// throws its Failure.
void readPositiveSequence(const FaultTexts& in, LoopFields& out);
void readZeroSequence(const FaultTexts& in, LoopFields& out);

// RΣ and XΣ of the loop from the transformer to point Kk (k = 1…4), as the
// calculation sums them: Rт (Xт + Xс), the line slots, the element groups and
// the reactor, left to right in doubles and rounded to Fixed4; the terms of
// the sections behind Kk are absent.
Fixed4 resistanceSum(const LoopSource& source, const LoopFields& fields, int point);
Fixed4 reactanceSum(const LoopSource& source, const LoopFields& fields, int point);

struct LoopTotals {
    Fixed4 rsum, xsum;
};

// Iк(3) = Uнн / (√3·√(RΣ² + XΣ²)), kA.
double threePhaseCurrent(LoopTotals totals, double uf);

// The single-phase loop of point Kk with the conductors heated by Kθ, mΩ:
//   ΔR = (Kθ − 1)·(r11 + … + r1n)
//   R = [2·RΣ + r0y] + 2·ΔR + Rт + Kθ·r01 + … + Kθ·r0n
//   X = [2·XΣ + x0y] + Xт + x01 + … + x0n,   Z = √(R² + X²)
// over the point's own n = k − 1 line slots, the bracket summed in Fixed4 and
// the rest in doubles from left to right. Kθ = 1 is the cold loop of the
// calculation, to the digit.
struct SinglePhaseLoop {
    double r = 0, x = 0, z = 0;
};
SinglePhaseLoop singlePhaseLoop(const LoopSource& source, const LoopFields& fields, LoopTotals totals, int point,
                                double kTheta);

// Iк(1) = √3·Uнн / Z, kA.
double singlePhaseCurrent(const SinglePhaseLoop& loop, double uf);

}  // namespace ampera
