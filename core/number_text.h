#pragma once

#include <string>
#include <string_view>

#include "core/num_error.h"

namespace ampera {

// Text to number, the rule every field read follows. The decimal separator is
// the comma; the machine's locale plays no part. Accepted, and nothing else:
//
//   [blanks] [+|-] digits [, [digits]] [(E|e) [+|-] digits] [blanks]
//   [blanks] [+|-] , digits            [(E|e) [+|-] digits] [blanks]
//
// "blanks" are spaces and tabs around the number (a pasted value often
// carries them). A decimal point, a second comma, a second sign, thousands
// separators, "inf"/"nan" and the empty text are conversion failures. A value
// too large for a double is an overflow; one too small becomes 0.
struct DecimalText {
    bool negative = false;
    std::string digits;      // every mantissa digit, comma removed
    long long exponent = 0;  // value = digits * 10^exponent
};

// Splits a text into sign, digits and power of ten; false when it is not a
// number under the rule above.
bool splitDecimal(std::string_view text, DecimalText& out);

Checked<double> parseDouble(std::string_view text);

// Whether a text holds nothing but blanks: an input left empty.
bool isBlankText(std::string_view text);

// Whether a text is to be taken as a value given: a text that is not a number
// is not 0, so what the field holds is shown rather than left out.
bool isNotZeroText(std::string_view text);

// Number to text, the general format: at most 15 significant digits, decimal
// comma, no trailing zeros, "0,25", "-" for negatives; magnitudes below
// 0,0001 or from 10^15 up in exponent form ("1E-05", "1,5E+15").
std::string formatDouble(double value);

}  // namespace ampera
