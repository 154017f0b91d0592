#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/check_inputs.h"
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

// The currents at K1 … K4.
using ChainCurrents = std::array<PointCurrents, kPointCount>;
ChainCurrents chainCurrents(const LoopSource& source, const LoopFields& fields, double kTheta);

// One row of the table of points: RΣ, XΣ (mΩ), Iк(3), Iк(2), iуд, Iк(1) макс.
// and Iк(1) мин. (kA) as the Fixed4 texts of their fields; empty when not
// computed.
struct PointRow {
    std::string rsum, xsum, ik3, ik2, iud, ik1, ik1min;
    friend bool operator==(const PointRow&, const PointRow&) = default;
};
using PointRows = std::array<PointRow, kPointCount>;
PointRows pointRows(const ChainCurrents& currents);

struct PointsResult {
    CheckFailure failure = CheckFailure::None;
    PointRows rows;  // K1 … K4; all empty on a failure
};

// The table of points from the main window's fields and θк, read as the
// checks read them, with the checks' failures.
PointsResult calculatePoints(const FaultTexts& fault, const std::string& theta);

}  // namespace ampera
