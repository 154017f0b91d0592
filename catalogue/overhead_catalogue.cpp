#include "catalogue/overhead_catalogue.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "catalogue/catalogue_list.h"

namespace ampera::catalogue {
namespace {

// The spacings (m) and cross-sections (mm²) of the lists, text and number, in
// list order. Copper offers every entry; aluminium the same spacings and the
// cross-sections from 16 mm², steel-aluminium the entries from 2 m and 35 mm².
struct ListEntry {
    std::string_view text;
    double value;
};

// clang-format off
constexpr ListEntry kSpacings[] = {
    {"0,4", 0.4}, {"0,6", 0.6}, {"0,8", 0.8}, {"1", 1.0}, {"1,25", 1.25}, {"1,5", 1.5}, {"2", 2.0}, {"2,5", 2.5},
    {"3", 3.0}, {"3,5", 3.5}, {"4", 4.0}, {"4,5", 4.5}, {"5", 5.0}, {"5,5", 5.5}, {"6", 6.0},
};
constexpr ListEntry kSections[] = {
    {"6", 6.0}, {"10", 10.0}, {"16", 16.0}, {"25", 25.0}, {"35", 35.0}, {"50", 50.0}, {"70", 70.0}, {"95", 95.0},
    {"120", 120.0}, {"150", 150.0}, {"185", 185.0},
};

// Copper and aluminium, Ohm/km: a row per cross-section (mm², at its end), a
// column per spacing, both in list order. Aluminium uses the rows from 16 mm².
constexpr double kCopperAluminiumReactance[11][15] = {
    {0.371, 0.397, 0.415, 0.429, 0.443, 0.0,   0.0,   0.0,   0.0,   0.0,   0.0,   0.0,   0.0,   0.0,   0.0},    // 6
    {0.335, 0.381, 0.399, 0.413, 0.427, 0.438, 0.457, 0.0,   0.0,   0.0,   0.0,   0.0,   0.0,   0.0,   0.0},    // 10
    {0.333, 0.358, 0.377, 0.391, 0.405, 0.416, 0.435, 0.449, 0.46,  0.47,  0.478, 0.0,   0.0,   0.0,   0.0},    // 16
    {0.319, 0.345, 0.363, 0.377, 0.391, 0.402, 0.421, 0.435, 0.446, 0.456, 0.464, 0.471, 0.0,   0.0,   0.0},    // 25
    {0.308, 0.336, 0.352, 0.366, 0.38,  0.391, 0.41,  0.424, 0.435, 0.455, 0.453, 0.46,  0.467, 0.0,   0.0},    // 35
    {0.297, 0.325, 0.341, 0.355, 0.369, 0.38,  0.398, 0.413, 0.423, 0.433, 0.441, 0.448, 0.456, 0.462, 0.468},  // 50
    {0.283, 0.309, 0.327, 0.341, 0.355, 0.366, 0.385, 0.399, 0.41,  0.42,  0.428, 0.435, 0.442, 0.448, 0.454},  // 70
    {0.274, 0.3,   0.318, 0.332, 0.346, 0.357, 0.376, 0.39,  0.401, 0.411, 0.419, 0.426, 0.433, 0.439, 0.445},  // 95
    {0.0,   0.292, 0.31,  0.324, 0.338, 0.349, 0.368, 0.382, 0.393, 0.403, 0.411, 0.418, 0.425, 0.431, 0.437},  // 120
    {0.0,   0.287, 0.305, 0.319, 0.333, 0.344, 0.363, 0.377, 0.388, 0.398, 0.406, 0.413, 0.42,  0.426, 0.432},  // 150
    {0.0,   0.28,  0.298, 0.313, 0.327, 0.338, 0.357, 0.371, 0.382, 0.392, 0.4,   0.407, 0.414, 0.42,  0.426},  // 185
};

// Steel-aluminium, Ohm/km: rows 35 to 185 mm², columns 2 m to 5,5 m. The list
// also offers 6 m, for which the table has no column: every cross-section
// yields 0 there.
constexpr double kSteelAluminiumReactance[7][8] = {
    {0.403, 0.417, 0.429, 0.438, 0.446, 0.0,   0.0,   0.0},    // 35
    {0.392, 0.406, 0.418, 0.427, 0.435, 0.0,   0.0,   0.0},    // 50
    {0.382, 0.396, 0.408, 0.417, 0.425, 0.433, 0.44,  0.0},    // 70
    {0.371, 0.385, 0.397, 0.406, 0.414, 0.422, 0.429, 0.0},    // 95
    {0.365, 0.379, 0.391, 0.4,   0.408, 0.416, 0.423, 0.43},   // 120
    {0.358, 0.372, 0.384, 0.398, 0.401, 0.409, 0.416, 0.422},  // 150
    {0.0,   0.0,   0.377, 0.386, 0.394, 0.402, 0.409, 0.415},  // 185
};
// clang-format on

constexpr auto kSpacingTexts = textsOf(kSpacings, &ListEntry::text);
constexpr auto kSectionTexts = textsOf(kSections, &ListEntry::text);

// A material's lists are the tails of the common lists from these positions.
struct MaterialData {
    std::size_t firstSpacing;
    std::size_t firstSection;
    OverheadMaterial lists;
};

constexpr MaterialData material(std::size_t firstSpacing, std::size_t firstSection, double resistivity) {
    const std::span<const std::string_view> spacings(kSpacingTexts), sections(kSectionTexts);
    return {firstSpacing, firstSection, {spacings.subspan(firstSpacing), sections.subspan(firstSection), resistivity}};
}

constexpr MaterialData kMaterials[] = {material(0, 0, 0.0178), material(0, 2, 0.0299), material(6, 4, 0.0299)};

// The position in the whole list of the value, looked for from `first` on.
std::optional<std::size_t> positionOf(std::span<const ListEntry> list, std::size_t first, double value) {
    const auto offered = list.subspan(first);
    const auto it = std::ranges::find(offered, value, &ListEntry::value);
    if (it == offered.end()) return std::nullopt;
    return first + static_cast<std::size_t>(it - offered.begin());
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
    const auto column = positionOf(kSpacings, m.firstSpacing, spacing);
    const auto row = positionOf(kSections, m.firstSection, section);
    if (!column || !row) return std::nullopt;

    if (material == ConductorMaterial::SteelAluminium) {
        const std::size_t c = *column - m.firstSpacing;
        if (c >= std::size(kSteelAluminiumReactance[0])) return 0.0;  // 6 m
        return kSteelAluminiumReactance[*row - m.firstSection][c];
    }
    // Copper and aluminium share the rows of every cross-section.
    return kCopperAluminiumReactance[*row][*column];
}

}  // namespace ampera::catalogue
