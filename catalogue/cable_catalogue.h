#pragma once

#include <array>
#include <span>
#include <string_view>

namespace ampera::catalogue {

// Per-metre impedances of 0.4 kV power cables per ГОСТ 28249-93, in mΩ/m.
// The value texts are shown in the cable panel exactly as tabled (decimal
// comma, as many decimals as the table gives: "0,06", "1,2", "2").
struct CableRow {
    std::string_view label;  // cross-section, e.g. "3x95" or "3x95 + 1x50"
    std::string_view r1;     // r1 = r2
    std::string_view x1;     // x1 = x2
    std::string_view r0;
    std::string_view x0;
};

struct CableType {
    std::string_view caption;
    std::span<const CableRow> rows;  // in list order
};

// The nine cable types; index 0 is type 1, index 8 type 9.
const std::array<CableType, 9>& cableTypes();

// The row of a type (1..9) whose label equals the text exactly; nullptr when
// the type is out of range or has no such label.
const CableRow* findCableRow(int type, std::string_view label);

}  // namespace ampera::catalogue
