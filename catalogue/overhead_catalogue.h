#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace ampera::catalogue {

// Bare 0.4 kV overhead-line conductors per ГОСТ 28249-93: the spacing and
// cross-section lists offered per conductor material, its resistivity, and
// the positive-sequence reactance per kilometre.
enum class ConductorMaterial { Copper = 0, Aluminium = 1, SteelAluminium = 2 };

struct OverheadMaterial {
    std::span<const std::string_view> spacings;  // m, list texts in order ("0,4", "1,25", ...)
    std::span<const std::string_view> sections;  // mm², list texts in order ("6", "10", ...)
    double resistivity;                          // Ohm·mm²/m
};

// Throws std::out_of_range for a value outside the enumeration.
const OverheadMaterial& overheadMaterial(ConductorMaterial material);

// The tabled reactance in Ohm/km (equal to mOhm/m) for the spacing in m and
// the cross-section in mm², matched by exact numeric equality with the
// material's list values. 0.0 where the table holds 0 or has no value (every
// steel-aluminium cross-section at 6 m); nullopt when either number is not in
// the material's lists or the material is unknown.
std::optional<double> overheadReactance(ConductorMaterial material, double spacing, double section);

}  // namespace ampera::catalogue
