#pragma once

#include <numbers>

namespace ampera {

// The constants of the checks by the fault currents.
constexpr double kMainsFrequency = 50.0;                             // Hz
constexpr double kOmega = 2.0 * std::numbers::pi * kMainsFrequency;  // ω, rad/s
constexpr double kMaxDisconnectionTime = 5.0;                        // the longest tоткл accepted, s
constexpr double kMinEndTemperature = 65.0;                          // the lowest θк accepted, °C
constexpr double kMaxEndTemperature = 250.0;                         // the highest θк accepted, °C
constexpr double kCatalogueTemperature = 65.0;                       // where the catalogue's resistances hold, °C
constexpr double kResistanceCoefficient = 0.004;                     // of the conductors' resistance, per K
constexpr double kCoefficientReference = 20.0;                       // the coefficient is referred to, °C

// The arc coefficient of the minimum single-phase current: the loop
// impedance is held at 250 mΩ, where the fit of ГОСТ 28249-93 ends.
constexpr double kArcImpedanceLimit = 250.0;  // mΩ

// The peak factor Kуд per ГОСТ 28249-93 for the loop totals RΣ, XΣ (mΩ):
// Ta = XΣ/(ω·RΣ), φк = atan2(XΣ, RΣ), tуд = 0,01·(π/2 + φк)/π,
// Kуд = 1 + sin φк·e^(−tуд/Ta); 1 when XΣ = 0, 2 when RΣ = 0.
double peakFactor(double rsum, double xsum);

// Kθ: the resistance of conductors at θк °C over that at 65 °C, where the
// catalogue values hold.
double heatingFactor(double thetaC);

}  // namespace ampera
