#pragma once

#include <optional>
#include <string>

#include "core/num_error.h"

namespace ampera {

// The six transformer fields of the main window, as typed.
struct TransformerTexts {
    std::string st;  // Sт, kVA
    std::string u;   // Uвн, kV
    std::string uf;  // Uнн, V (line voltage)
    std::string pk;  // Pк, kW
    std::string uk;  // Uк, %
    std::string i;   // Iкз of the supply on the high-voltage side, kA; 0 = unlimited power

    bool operator==(const TransformerTexts&) const = default;
};

// Rт, Xт and Xс in mΩ referred to the low-voltage side, each present only if
// it was computed before the first failure.
struct TransformerImpedance {
    std::optional<double> rt;
    std::optional<double> xt;
    std::optional<double> xs;
    NumError error = NumError::None;
};

// Rт = Pк·u²/Sт·10⁶/Sт, Uа = 100·Pк/Sт, Uр = √(Uк² − Uа²), Xт = Uр·u²/Sт·10⁴,
// Xс = Uнн²/√3/Iкз/Uвн/1000 (0 when Iкз is 0), with u = Uнн/1000, evaluated
// in exactly this order.
TransformerImpedance transformerImpedance(const TransformerTexts& t);

// Zero-sequence additions of a Y/Y transformer (ГОСТ 28249-93), in mΩ, keyed
// by the rated power in kVA matched exactly; any other power gives 0 and 0.
struct YyAddition {
    double r0 = 0;
    double x0 = 0;
};
YyAddition yyAddition(double ratedPowerKva);

}  // namespace ampera
