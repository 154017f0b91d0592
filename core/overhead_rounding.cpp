#include "core/overhead_rounding.h"

#include <string>

#include "core/number_text.h"

namespace ampera {

namespace {

// Adds one unit in the last place of a string of decimal digits that starts
// with a spare leading zero, so that the carry always finds room.
void incrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
}

bool anyNonZero(std::string_view digits) { return digits.find_first_not_of('0') != std::string_view::npos; }

}  // namespace

Checked<double> roundHundredthsHalfEven(std::string_view text) {
    DecimalText d;
    if (!splitDecimal(text, d)) return {0.0, NumError::Conversion};
    // Two decimals or fewer: nothing to round.
    if (d.exponent >= -2) return parseDouble(text);

    // value = digits * 10^exponent; keep the digits down to the hundredths.
    const long long drop = -2 - d.exponent;
    const long long count = static_cast<long long>(d.digits.size());
    std::string kept = "0";  // the spare digit for a carry
    bool up = false;
    if (drop <= count) {
        kept.append(d.digits, 0, static_cast<std::size_t>(count - drop));
        const std::string_view dropped = std::string_view(d.digits).substr(static_cast<std::size_t>(count - drop));
        const char first = dropped.front();
        if (first > '5') {
            up = true;
        } else if (first == '5') {
            if (anyNonZero(dropped.substr(1))) {
                up = true;
            } else {
                const int last = kept.back() - '0';
                up = last % 2 == 1;
            }
        }
    }
    // drop > count: the value is below 0,001 and rounds to 0.
    if (up) incrementDigits(kept);

    kept.append("E-2");  // the kept digits count hundredths
    Checked<double> r = parseDouble(kept);
    if (r.ok() && d.negative && r.value != 0.0) r.value = -r.value;
    return r;
}

std::optional<double> twoDecimalRewrite(std::string_view text) {
    const Checked<double> value = parseDouble(text);
    const Checked<double> rounded = roundHundredthsHalfEven(text);
    if (!value.ok() || !rounded.ok() || rounded.value == value.value) return std::nullopt;
    return rounded.value;
}

}  // namespace ampera
