#pragma once

#include <optional>
#include <string_view>

#include "core/num_error.h"

namespace ampera {

// Rounds the number a field shows to two decimal places, a value exactly
// halfway going to the even neighbour (0,415 -> 0,42; 0,325 -> 0,32;
// 0,305 -> 0,3). The halfway test is made on the decimal digits of the text,
// not on the nearest binary double, so a field reading 0,325 always counts as
// halfway. The text follows the field number rule (decimal comma, optional
// exponent); anything else is a conversion failure, a value beyond the double
// range an overflow.
Checked<double> roundHundredthsHalfEven(std::string_view text);

// The two-decimal rule of the overhead-line value fields: the value a field
// text is rewritten to; nothing when the text already has that value ("0,30",
// or "12," while typing) or is not a number.
std::optional<double> twoDecimalRewrite(std::string_view text);

}  // namespace ampera
