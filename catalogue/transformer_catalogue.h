#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace ampera::catalogue {

// What choosing one entry of a type's loss list sets. A field left empty
// keeps the window's current value.
struct LossVariant {
    double loss;                             // the loss entry it belongs to, kW
    std::optional<double> uk;                // short-circuit voltage, %
    std::optional<double> uf;                // low voltage, V (400.1 as tabled)
    std::optional<std::string_view> scheme;  // winding scheme, e.g. "Д/Yн-11"
};

// One distribution transformer type. The numbers are exactly as tabled,
// including the odd thousandths of the loss lists (3.101 kW is not 3.1).
struct TransformerRecord {
    std::string_view designation;           // list text and key, e.g. "ТМ1000/10"
    int ratedPower;                         // Sт, kVA
    std::span<const double> highVoltages;   // Uвн list, kV; the first is the default
    int lowVoltage;                         // Uнн, V
    std::span<const double> losses;         // Pк list, kW; the first is the default
    double uk;                              // Uк, %
    std::string_view scheme;                // winding scheme
    std::span<const LossVariant> variants;  // one per loss entry, or empty
};

// The 26 types in list order.
const std::array<TransformerRecord, 26>& transformerCatalogue();

// The record whose designation equals the text exactly; nullptr if none.
const TransformerRecord* findTransformer(std::string_view designation);

// The variant of the loss entry at that position of the record's loss list;
// nullptr when the record carries no settings or the position is past the end.
const LossVariant* lossVariant(const TransformerRecord& record, std::size_t lossIndex);

}  // namespace ampera::catalogue
