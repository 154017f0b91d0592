#pragma once

#include <optional>

#include "core/fault_loop.h"
#include "core/fixed4.h"

namespace ampera {

// The currents of a fault at one point of the chain, as the checks use them.
struct PointCurrents {
    Fixed4 rsum, xsum;         // RΣ, XΣ, mΩ
    Fixed4 ik3, ik1;           // Iк(3) and Iк(1) макс. as the calculation gives them, kA
    double ik2 = 0;            // Iк(2) = Iк(3)·√3/2, kA
    std::optional<double> ta;  // Ta, s; none when RΣ = 0
    double kud = 0, iud = 0;   // Kуд; iуд = √2·Kуд·Iк(3), kA
    double kc = 0;             // Кс of the arc in the heated single-phase loop
    double ik1min = 0;         // Iк(1) мин. = Кс·Iк(1) of the heated loop, kA
};

// The currents at point Kk (1–4) with the conductors heated by Kθ. A loop
// with a negative resistance, reactance or current describes no real network
// and stops the checks (Silent); arithmetic failures throw their Failure.
PointCurrents pointCurrents(const LoopSource& source, const LoopFields& fields, int point, double kTheta);

}  // namespace ampera
