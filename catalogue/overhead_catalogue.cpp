#include "catalogue/overhead_catalogue.h"

#include <iterator>
#include <stdexcept>

namespace ampera::catalogue {
namespace {

// List texts and the numbers they stand for, in list order.
constexpr std::string_view kCopperSpacings[] = {"0,4", "0,6", "0,8", "1", "1,25", "1,5", "2", "2,5", "3", "3,5", "4", "4,5", "5", "5,5", "6"};
constexpr double kCopperSpacingValues[] = {0.4, 0.6, 0.8, 1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 4.5, 5.0, 5.5, 6.0};
constexpr std::string_view kCopperSections[] = {"6", "10", "16", "25", "35", "50", "70", "95", "120", "150", "185"};
constexpr double kCopperSectionValues[] = {6.0, 10.0, 16.0, 25.0, 35.0, 50.0, 70.0, 95.0, 120.0, 150.0, 185.0};

// Aluminium offers the same spacings as copper.
constexpr std::string_view kAluminiumSections[] = {"16", "25", "35", "50", "70", "95", "120", "150", "185"};
constexpr double kAluminiumSectionValues[] = {16.0, 25.0, 35.0, 50.0, 70.0, 95.0, 120.0, 150.0, 185.0};

constexpr std::string_view kSteelAluminiumSpacings[] = {"2", "2,5", "3", "3,5", "4", "4,5", "5", "5,5", "6"};
constexpr double kSteelAluminiumSpacingValues[] = {2.0, 2.5, 3.0, 3.5, 4.0, 4.5, 5.0, 5.5, 6.0};
constexpr std::string_view kSteelAluminiumSections[] = {"35", "50", "70", "95", "120", "150", "185"};
constexpr double kSteelAluminiumSectionValues[] = {35.0, 50.0, 70.0, 95.0, 120.0, 150.0, 185.0};

// Copper and aluminium, Ohm/km: a row per copper cross-section, a column per
// spacing, both in list order. Aluminium uses the rows from 16 mm².
constexpr double kCopperAluminiumReactance[11][15] = {
    {0.371, 0.397, 0.415, 0.429, 0.443, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},  // 6 mm²
    {0.335, 0.381, 0.399, 0.413, 0.427, 0.438, 0.457, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},  // 10 mm²
    {0.333, 0.358, 0.377, 0.391, 0.405, 0.416, 0.435, 0.449, 0.46, 0.47, 0.478, 0.0, 0.0, 0.0, 0.0},  // 16 mm²
    {0.319, 0.345, 0.363, 0.377, 0.391, 0.402, 0.421, 0.435, 0.446, 0.456, 0.464, 0.471, 0.0, 0.0, 0.0},  // 25 mm²
    {0.308, 0.336, 0.352, 0.366, 0.38, 0.391, 0.41, 0.424, 0.435, 0.455, 0.453, 0.46, 0.467, 0.0, 0.0},  // 35 mm²
    {0.297, 0.325, 0.341, 0.355, 0.369, 0.38, 0.398, 0.413, 0.423, 0.433, 0.441, 0.448, 0.456, 0.462, 0.468},  // 50 mm²
    {0.283, 0.309, 0.327, 0.341, 0.355, 0.366, 0.385, 0.399, 0.41, 0.42, 0.428, 0.435, 0.442, 0.448, 0.454},  // 70 mm²
    {0.274, 0.3, 0.318, 0.332, 0.346, 0.357, 0.376, 0.39, 0.401, 0.411, 0.419, 0.426, 0.433, 0.439, 0.445},  // 95 mm²
    {0.0, 0.292, 0.31, 0.324, 0.338, 0.349, 0.368, 0.382, 0.393, 0.403, 0.411, 0.418, 0.425, 0.431, 0.437},  // 120 mm²
    {0.0, 0.287, 0.305, 0.319, 0.333, 0.344, 0.363, 0.377, 0.388, 0.398, 0.406, 0.413, 0.42, 0.426, 0.432},  // 150 mm²
    {0.0, 0.28, 0.298, 0.313, 0.327, 0.338, 0.357, 0.371, 0.382, 0.392, 0.4, 0.407, 0.414, 0.42, 0.426},  // 185 mm²
};

// Steel-aluminium, Ohm/km: columns 2 m to 5,5 m. The list also offers 6 m, for
// which the table has no column: every cross-section yields 0 there.
constexpr double kSteelAluminiumReactance[7][8] = {
    {0.403, 0.417, 0.429, 0.438, 0.446, 0.0, 0.0, 0.0},  // 35 mm²
    {0.392, 0.406, 0.418, 0.427, 0.435, 0.0, 0.0, 0.0},  // 50 mm²
    {0.382, 0.396, 0.408, 0.417, 0.425, 0.433, 0.44, 0.0},  // 70 mm²
    {0.371, 0.385, 0.397, 0.406, 0.414, 0.422, 0.429, 0.0},  // 95 mm²
    {0.365, 0.379, 0.391, 0.4, 0.408, 0.416, 0.423, 0.43},  // 120 mm²
    {0.358, 0.372, 0.384, 0.398, 0.401, 0.409, 0.416, 0.422},  // 150 mm²
    {0.0, 0.0, 0.377, 0.386, 0.394, 0.402, 0.409, 0.415},  // 185 mm²
};

struct MaterialData {
    OverheadMaterial lists;
    std::span<const double> spacingValues;
    std::span<const double> sectionValues;
};

const MaterialData kMaterials[] = {
    {{kCopperSpacings, kCopperSections, 0.0178}, kCopperSpacingValues, kCopperSectionValues},
    {{kCopperSpacings, kAluminiumSections, 0.0299}, kCopperSpacingValues, kAluminiumSectionValues},
    {{kSteelAluminiumSpacings, kSteelAluminiumSections, 0.0299},
     kSteelAluminiumSpacingValues, kSteelAluminiumSectionValues},
};

std::optional<std::size_t> indexOf(std::span<const double> keys, double value) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == value) return i;
    }
    return std::nullopt;
}

}  // namespace

const OverheadMaterial& overheadMaterial(ConductorMaterial material) {
    const auto index = static_cast<std::size_t>(material);  // a negative value wraps past the end
    if (index >= std::size(kMaterials)) throw std::out_of_range("overhead-line material");
    return kMaterials[index].lists;
}

std::optional<double> overheadReactance(ConductorMaterial material, double spacing, double section) {
    const auto index = static_cast<std::size_t>(material);
    if (index >= std::size(kMaterials)) return std::nullopt;
    const MaterialData& m = kMaterials[index];
    const auto column = indexOf(m.spacingValues, spacing);
    const auto row = indexOf(m.sectionValues, section);
    if (!column || !row) return std::nullopt;

    if (material == ConductorMaterial::SteelAluminium) {
        if (*column >= std::size(kSteelAluminiumReactance[0])) return 0.0;  // 6 m
        return kSteelAluminiumReactance[*row][*column];
    }
    // Copper and aluminium share the copper rows; the aluminium cross-sections
    // are all among them.
    const auto sharedRow = indexOf(kCopperSectionValues, section);
    return kCopperAluminiumReactance[*sharedRow][*column];
}

}  // namespace ampera::catalogue
