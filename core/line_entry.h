#pragma once

#include <string>
#include <string_view>

#include "core/num_error.h"

namespace ampera {

// The four values of a line section as field texts: r1 (= r2), x1 (= x2), r0, x0.
struct SectionTexts {
    std::string r1, x1, r0, x0;
};

// A cable section: each per-metre value (mΩ/m) times the length (m), in the
// general number format. An empty length gives four empty texts, yet the
// per-metre values must still be numbers.
Checked<SectionTexts> cableSection(const SectionTexts& perMetre, std::string_view length);

// An overhead line of length L (m), mΩ; x1 is tabled in Ohm/km (= mΩ/m), S in mm², ρ in Ohm·mm²/m:
//   R1 = ρ·(L/S)·10³ as L ÷ S, times ρ, times 1000;  R0 = R1 + 0,15;  X1 = L·x1;  X0 = 3·x1·L as x1·3, times L
// R0, X1 and X0 read their operands from field texts, x1 first.
Checked<double> overheadR1(double length, double section, double resistivity);
Checked<double> overheadR0(std::string_view r1);
Checked<double> overheadX1(std::string_view x1, std::string_view length);
Checked<double> overheadX0(std::string_view x1, std::string_view length);

}  // namespace ampera
