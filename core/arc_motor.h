#pragma once

#include <string>
#include <string_view>

#include "core/fixed4.h"
#include "core/num_error.h"

namespace ampera {

// Field texts the arc coefficient reads: the last calculation's results (mΩ, kA).
struct ArcTexts {
    std::string rsum;                          // RΣ
    std::string xsum;                          // XΣ
    std::string ik;                            // Iк
    std::string r01, x01, r02, x02, r03, x03;  // zero-sequence line values
    std::string rt;                            // Rт
    std::string xt;                            // Xт
    bool threePhase = true;
};

// The arc page's values: Кс, Zк (mΩ) and the reduced current Iд (kA). On a
// failure the values computed before it are kept and the rest are 0.
struct ArcResult {
    Fixed4 kc, zk, id;
    NumError error = NumError::None;
};

// Arc-resistance coefficient per ГОСТ 28249-93:
//   Zк = √(RΣ² + XΣ²)                                  three-phase
//   Zк = √(A² + B²) · 1/3, A = 2RΣ + Rт + r01 + r02 + r03,
//                          B = 2XΣ + Xт + x01 + x02 + x03    single-phase
//   Кс = 0,6 − 0,0025·Zк + 0,114·√Zк − 0,13·∛Zк
//   Iд = Iк · Кс
// Every field is read as Fixed4, so any of them empty or not a number is a
// conversion failure.
ArcResult calculateArc(const ArcTexts& in);

// Кс = 0,6 − 0,0025·Zк + 0,114·√Zк − 0,13·∛Zк for a loop impedance Zк in
// mΩ, in doubles from left to right (the cube root as Zк to the power 1/3).
Checked<double> arcCoefficient(double zk);

// Field texts of the motor computation.
struct MotorTexts {
    std::string ratedCurrent;  // Iном, A
    std::string startFactor;   // Kп
    std::string uf;            // Uнн, V, of the transformer
    std::string r0;            // cable up to the motor, mΩ; empty counts as 0
    std::string x0;            // of the same cable, mΩ; empty counts as 0
};

// The motor page's values in doubles: Xэл (mΩ), phase EMF E (V) and the
// motor's fault current Iад (kA). On a failure the values computed before it
// are kept and the rest are 0.
struct MotorResult {
    double xel = 0.0, e = 0.0, iad = 0.0;
    NumError error = NumError::None;
};

// Induction-motor feed:
//   Xэл = √(Uнн²·10⁶ / Iном / Kп / Iном / Kп / 2)
//   Uф = Uнн/√3;  E = √((0,8·Uф)² + (0,6·Uф − Iном·Xэл/1000)²)
//   Zад = √(R0² + (Xэл + X0)²);  Iад = E / Zад
// Iном or Kп of 0 is a division by zero.
MotorResult calculateMotor(const MotorTexts& in);

// The fault current with the motor's feed, kA: Iк + Iад, both texts read as
// Fixed4 (the feed first); a sum out of range is an overflow.
Checked<Fixed4> currentWithMotor(std::string_view motorFeed, std::string_view current);

}  // namespace ampera
