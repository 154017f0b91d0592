#include "core/fault_factors.h"

#include <cmath>

namespace ampera {

double peakFactor(double rsum, double xsum) {
    constexpr double kPi = std::numbers::pi;
    if (rsum == 0.0) return 2.0;
    if (xsum == 0.0) return 1.0;
    const double ta = xsum / (kOmega * rsum);
    const double phi = std::atan2(xsum, rsum);
    const double tud = 0.01 * (kPi / 2.0 + phi) / kPi;
    return 1.0 + std::sin(phi) * std::exp(-tud / ta);
}

double heatingFactor(double thetaC) {
    const auto resistance = [](double celsius) {
        return 1.0 + kResistanceCoefficient * (celsius - kCoefficientReference);
    };
    return resistance(thetaC) / resistance(kCatalogueTemperature);
}

}  // namespace ampera
